#pragma once
#include "cocos2d.h"

struct PuffSettings;

// The game's three short puffs: a smoker's smoke, the steam of an object that
// emits 1 and the smoke of an object that emits 2. Each factory returns a new
// autoreleased emitter of one second that is not yet in the scene; the caller
// places it, adds it to the world node, and the emitter removes itself once
// its last particle has died.
class ParticleMaker : public cocos2d::ParticleSystemQuad
{
public:
    ~ParticleMaker() override;

    static ParticleMaker* createSmoke();
    static ParticleMaker* createEmitterEffectA();
    static ParticleMaker* createEmitterEffectB();

private:
    ParticleMaker() = default;

    // The emitter with room for count particles and the settings every
    // effect shares; null when the engine refuses the budget.
    static ParticleMaker* makeEmitter(int count);
    // An emitter made from one line of the table of puffs.
    static ParticleMaker* makePuff(const PuffSettings& settings);
    // The sum of draws values of rand() % range + 1, drawn before anything else.
    static int drawBudget(int draws, int range);
};
