#pragma once
#include <vector>

#include "2d/Node.h"
#include "base/BlendFunc.h"

namespace cocos2d {

class Texture2D;

// An emitter of particles in gravity mode: each particle leaves the source
// (the node's origin plus the position variance) at an angle and speed, is
// pulled by gravity and by radial and tangential accelerations, and changes
// size, colour and spin linearly over its life. Every "Var" value is the
// half-width of a uniform random spread. Subclasses may add their own state;
// ParticleSystemQuad draws the particles.
class ParticleSystem : public Node
{
public:
    enum class Mode { GRAVITY, RADIUS };
    // FREE: particles stay where they were born in the world; RELATIVE: they
    // follow the node's position within its parent; GROUPED: they move with
    // the node entirely.
    enum class PositionType { FREE, RELATIVE, GROUPED };

    static const int DURATION_INFINITY = -1;
    static const int START_SIZE_EQUAL_TO_END_SIZE = -1;

    struct Particle
    {
        Vec2 pos;
        Vec2 startPos;
        Color4F color;
        Color4F deltaColor;
        float size;
        float deltaSize;
        float rotation;
        float deltaRotation;
        float timeToLive;
        Vec2 dir;
        float radialAccel;
        float tangentialAccel;
    };

    static ParticleSystem* createWithTotalParticles(int count);
    ~ParticleSystem() override;

    // Room for count particles; makes no random draw.
    virtual bool initWithTotalParticles(int count);

    void setTotalParticles(int count);
    int getTotalParticles() const { return int(_particles.size()); }
    int getParticleCount() const { return int(_particleCount); }
    bool isFull() const { return _particleCount == _particles.size(); }
    bool isActive() const { return _active; }
    // Stops emitting; living particles finish their lives.
    void stopSystem();
    // Kills every particle and starts emitting again.
    void resetSystem();

    void setEmitterMode(Mode mode) { _emitterMode = mode; }
    Mode getEmitterMode() const { return _emitterMode; }
    void setPositionType(PositionType type) { _positionType = type; }
    PositionType getPositionType() const { return _positionType; }
    void setDuration(float seconds) { _duration = seconds; }
    float getDuration() const { return _duration; }
    void setEmissionRate(float perSecond) { _emissionRate = perSecond; }
    float getEmissionRate() const { return _emissionRate; }
    void setAutoRemoveOnFinish(bool remove) { _autoRemoveOnFinish = remove; }
    bool isAutoRemoveOnFinish() const { return _autoRemoveOnFinish; }

    void setSourcePosition(const Vec2& position) { _sourcePosition = position; }
    const Vec2& getSourcePosition() const { return _sourcePosition; }
    void setPosVar(const Vec2& variance) { _posVar = variance; }
    const Vec2& getPosVar() const { return _posVar; }
    void setLife(float seconds) { _life = seconds; }
    float getLife() const { return _life; }
    void setLifeVar(float seconds) { _lifeVar = seconds; }
    float getLifeVar() const { return _lifeVar; }
    // Degrees, counter-clockwise from +x.
    void setAngle(float degrees) { _angle = degrees; }
    float getAngle() const { return _angle; }
    void setAngleVar(float degrees) { _angleVar = degrees; }
    float getAngleVar() const { return _angleVar; }

    void setGravity(const Vec2& gravity) { _gravity = gravity; }
    const Vec2& getGravity() const { return _gravity; }
    void setSpeed(float speed) { _speed = speed; }
    float getSpeed() const { return _speed; }
    void setSpeedVar(float speed) { _speedVar = speed; }
    float getSpeedVar() const { return _speedVar; }
    void setRadialAccel(float accel) { _radialAccel = accel; }
    float getRadialAccel() const { return _radialAccel; }
    void setRadialAccelVar(float accel) { _radialAccelVar = accel; }
    float getRadialAccelVar() const { return _radialAccelVar; }
    void setTangentialAccel(float accel) { _tangentialAccel = accel; }
    float getTangentialAccel() const { return _tangentialAccel; }
    void setTangentialAccelVar(float accel) { _tangentialAccelVar = accel; }
    float getTangentialAccelVar() const { return _tangentialAccelVar; }

    void setStartSize(float size) { _startSize = size; }
    float getStartSize() const { return _startSize; }
    void setStartSizeVar(float size) { _startSizeVar = size; }
    float getStartSizeVar() const { return _startSizeVar; }
    void setEndSize(float size) { _endSize = size; }
    float getEndSize() const { return _endSize; }
    void setEndSizeVar(float size) { _endSizeVar = size; }
    float getEndSizeVar() const { return _endSizeVar; }
    void setStartColor(const Color4F& color) { _startColor = color; }
    const Color4F& getStartColor() const { return _startColor; }
    void setStartColorVar(const Color4F& color) { _startColorVar = color; }
    const Color4F& getStartColorVar() const { return _startColorVar; }
    void setEndColor(const Color4F& color) { _endColor = color; }
    const Color4F& getEndColor() const { return _endColor; }
    void setEndColorVar(const Color4F& color) { _endColorVar = color; }
    const Color4F& getEndColorVar() const { return _endColorVar; }
    // Degrees, clockwise like node rotation.
    void setStartSpin(float degrees) { _startSpin = degrees; }
    float getStartSpin() const { return _startSpin; }
    void setStartSpinVar(float degrees) { _startSpinVar = degrees; }
    float getStartSpinVar() const { return _startSpinVar; }
    void setEndSpin(float degrees) { _endSpin = degrees; }
    float getEndSpin() const { return _endSpin; }
    void setEndSpinVar(float degrees) { _endSpinVar = degrees; }
    float getEndSpinVar() const { return _endSpinVar; }

    virtual void setTexture(Texture2D* texture);
    Texture2D* getTexture() const { return _texture; }
    void setBlendFunc(const BlendFunc& blend) { _blendFunc = blend; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }
    // Additive: colours add up where particles overlap (premultiplied, so ONE, ONE).
    void setBlendAdditive(bool additive);
    bool isBlendAdditive() const { return _blendFunc == BlendFunc::ADDITIVE; }

    const std::vector<Particle>& getParticles() const { return _particles; }

    void onEnter() override;
    void onExit() override;
    // Emits, moves and ages the particles; removes the node from its parent
    // when it has finished and auto-remove is on.
    void update(float dt) override;

protected:
    ParticleSystem() = default;

    void addParticle();
    void initParticle(Particle& particle);
    bool updateParticle(Particle& particle, float dt);
    // Where a particle is drawn, in node space; reference is this frame's
    // emitterReference(), found once for all the particles.
    Vec2 drawPosition(const Particle& particle, const Vec2& reference) const;
    Vec2 emitterReference() const;

    std::vector<Particle> _particles;
    std::size_t _particleCount = 0;
    bool _active = true;
    float _elapsed = 0.0f;
    float _emitCounter = 0.0f;

    Mode _emitterMode = Mode::GRAVITY;
    PositionType _positionType = PositionType::FREE;
    float _duration = DURATION_INFINITY;
    float _emissionRate = 0.0f;
    bool _autoRemoveOnFinish = false;
    Vec2 _sourcePosition;
    Vec2 _posVar;
    float _life = 0.0f;
    float _lifeVar = 0.0f;
    float _angle = 0.0f;
    float _angleVar = 0.0f;
    Vec2 _gravity;
    float _speed = 0.0f;
    float _speedVar = 0.0f;
    float _radialAccel = 0.0f;
    float _radialAccelVar = 0.0f;
    float _tangentialAccel = 0.0f;
    float _tangentialAccelVar = 0.0f;
    float _startSize = 0.0f;
    float _startSizeVar = 0.0f;
    float _endSize = 0.0f;
    float _endSizeVar = 0.0f;
    Color4F _startColor;
    Color4F _startColorVar;
    Color4F _endColor;
    Color4F _endColorVar;
    float _startSpin = 0.0f;
    float _startSpinVar = 0.0f;
    float _endSpin = 0.0f;
    float _endSpinVar = 0.0f;

    Texture2D* _texture = nullptr;
    BlendFunc _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
};

}
