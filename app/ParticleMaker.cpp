#include "app/ParticleMaker.h"

#include <cstdlib>

USING_NS_CC;

// Everything that tells one puff from another; what they share is set in
// makeEmitter.
struct PuffSettings
{
    struct ByteColour
    {
        int r, g, b, a;
    };

    int budgetDraws; // the particle budget: the sum of budgetDraws values of
    int budgetRange; // rand() % budgetRange + 1
    float speed, speedVar;
    float radialAccel, radialAccelVar;
    float startSize, startSizeVar, endSize, endSizeVar;
    ByteColour startColour, endColour;
    float spin; // start and end alike
    float life, lifeVar;
    float angle, angleVar;
    float posVar; // x and y alike
    float emissionRate;
};

namespace {

constexpr PuffSettings kSmokersSmoke{3, 6, 10.0f, 4.0f, 0.0f, 0.0f, 1.0f, 1.0f, 4.0f, 2.0f,
                              {200, 200, 200, 200}, {160, 160, 160, 64}, 0.0f, 2.0f, 0.0f, 0.0f, 4.0f,
                              0.0f, 3.0f};
constexpr PuffSettings kEmittedSteam{6, 3, 5.0f, 4.0f, 2.0f, 4.0f, 2.0f, 1.0f, 6.0f, 4.0f,
                              {184, 184, 184, 255}, {184, 184, 184, 0}, 40.0f, 4.0f, 1.0f, -90.0f, 360.0f,
                              4.0f, 3.0f};
constexpr PuffSettings kEmittedSmoke{16, 3, 65.0f, 14.0f, 0.0f, 0.0f, 2.0f, 1.0f, 6.0f, 4.0f,
                                     {84, 84, 84, 255}, {184, 184, 184, 0}, 40.0f, 0.25f, 0.5f, -90.0f, 8.0f,
                                     4.0f, 16.0f};

Color4F colourOf(const PuffSettings::ByteColour& c)
{
    return Color4F(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
}

}

ParticleMaker::~ParticleMaker() = default;

int ParticleMaker::drawBudget(int draws, int range)
{
    int total = 0;
    for (int i = 0; i < draws; ++i)
        total += std::rand() % range + 1;
    return total;
}

ParticleMaker* ParticleMaker::makeEmitter(int count)
{
    auto* emitter = new ParticleMaker();
    emitter->autorelease();
    if (!emitter->initWithTotalParticles(count))
        return nullptr;
    emitter->setEmitterMode(Mode::GRAVITY);
    emitter->setGravity(Vec2::ZERO);
    emitter->setAutoRemoveOnFinish(true);
    emitter->setBlendAdditive(false);
    emitter->setPositionType(PositionType::GROUPED);
    emitter->setDuration(1.0f);
    return emitter;
}

ParticleMaker* ParticleMaker::makePuff(const PuffSettings& s)
{
    ParticleMaker* p = makeEmitter(drawBudget(s.budgetDraws, s.budgetRange));
    if (!p)
        return nullptr;
    p->setSpeed(s.speed);
    p->setSpeedVar(s.speedVar);
    p->setRadialAccel(s.radialAccel);
    p->setRadialAccelVar(s.radialAccelVar);
    p->setStartSize(s.startSize);
    p->setStartSizeVar(s.startSizeVar);
    p->setEndSize(s.endSize);
    p->setEndSizeVar(s.endSizeVar);
    p->setStartColor(colourOf(s.startColour));
    p->setEndColor(colourOf(s.endColour));
    p->setStartSpin(s.spin);
    p->setEndSpin(s.spin);
    p->setLife(s.life);
    p->setLifeVar(s.lifeVar);
    p->setAngle(s.angle);
    p->setAngleVar(s.angleVar);
    p->setPosVar(Vec2(s.posVar, s.posVar));
    p->setEmissionRate(s.emissionRate);
    p->setTexture(Director::getInstance()->getTextureCache()->addImage("white.png"));
    return p;
}

ParticleMaker* ParticleMaker::createSmoke()
{
    return makePuff(kSmokersSmoke);
}

ParticleMaker* ParticleMaker::createEmitterEffectA()
{
    return makePuff(kEmittedSteam);
}

ParticleMaker* ParticleMaker::createEmitterEffectB()
{
    return makePuff(kEmittedSmoke);
}
