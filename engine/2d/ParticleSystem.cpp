#include "2d/ParticleSystem.h"

#include <algorithm>
#include <cstdlib>

#include "base/RefOwnership.h"
#include "renderer/Texture2D.h"

namespace cocos2d {

namespace {

// A uniform draw in [-1, 1] from the C generator, as the game's seeded runs expect.
float spread()
{
    return float(std::rand()) / float(RAND_MAX) * 2.0f - 1.0f;
}

float clamp01(float value)
{
    return std::min(1.0f, std::max(0.0f, value));
}

}

ParticleSystem* ParticleSystem::createWithTotalParticles(int count)
{
    ParticleSystem* system = new ParticleSystem();
    return autoreleaseIfInitialised(system, system->initWithTotalParticles(count));
}

ParticleSystem::~ParticleSystem()
{
    if (_texture)
        _texture->release();
}

bool ParticleSystem::initWithTotalParticles(int count)
{
    if (!Node::init() || count < 0)
        return false;
    setTotalParticles(count);
    _active = true;
    return true;
}

void ParticleSystem::setTotalParticles(int count)
{
    _particles.resize(std::size_t(std::max(0, count)));
    _particleCount = std::min(_particleCount, _particles.size());
}

void ParticleSystem::stopSystem()
{
    _active = false;
    _elapsed = _duration;
    _emitCounter = 0.0f;
}

void ParticleSystem::resetSystem()
{
    _active = true;
    _elapsed = 0.0f;
    _emitCounter = 0.0f;
    _particleCount = 0;
}

void ParticleSystem::setTexture(Texture2D* texture)
{
    assignRetained(_texture, texture);
}

void ParticleSystem::setBlendAdditive(bool additive)
{
    _blendFunc = additive ? BlendFunc::ADDITIVE : BlendFunc::ALPHA_PREMULTIPLIED;
}

void ParticleSystem::onEnter()
{
    Node::onEnter();
    scheduleUpdate();
}

void ParticleSystem::onExit()
{
    unscheduleUpdate();
    Node::onExit();
}

Vec2 ParticleSystem::emitterReference() const
{
    switch (_positionType) {
    case PositionType::FREE: return convertToWorldSpace(Vec2::ZERO);
    case PositionType::RELATIVE: return _position;
    default: return Vec2::ZERO;
    }
}

void ParticleSystem::addParticle()
{
    if (isFull())
        return;
    initParticle(_particles[_particleCount]);
    ++_particleCount;
}

void ParticleSystem::initParticle(Particle& p)
{
    p.pos.x = _sourcePosition.x + _posVar.x * spread();
    p.pos.y = _sourcePosition.y + _posVar.y * spread();
    p.timeToLive = std::max(0.0f, _life + _lifeVar * spread());

    Color4F start(clamp01(_startColor.r + _startColorVar.r * spread()),
                  clamp01(_startColor.g + _startColorVar.g * spread()),
                  clamp01(_startColor.b + _startColorVar.b * spread()),
                  clamp01(_startColor.a + _startColorVar.a * spread()));
    Color4F end(clamp01(_endColor.r + _endColorVar.r * spread()), clamp01(_endColor.g + _endColorVar.g * spread()),
                clamp01(_endColor.b + _endColorVar.b * spread()), clamp01(_endColor.a + _endColorVar.a * spread()));
    p.color = start;
    const float life = p.timeToLive > 0.0f ? p.timeToLive : 1.0f;
    p.deltaColor = Color4F((end.r - start.r) / life, (end.g - start.g) / life, (end.b - start.b) / life,
                           (end.a - start.a) / life);

    const float startSize = std::max(0.0f, _startSize + _startSizeVar * spread());
    p.size = startSize;
    if (_endSize == START_SIZE_EQUAL_TO_END_SIZE)
        p.deltaSize = 0.0f;
    else
        p.deltaSize = (std::max(0.0f, _endSize + _endSizeVar * spread()) - startSize) / life;

    const float startSpin = _startSpin + _startSpinVar * spread();
    const float endSpin = _endSpin + _endSpinVar * spread();
    p.rotation = startSpin;
    p.deltaRotation = (endSpin - startSpin) / life;

    p.startPos = emitterReference();

    const float angle = CC_DEGREES_TO_RADIANS(_angle + _angleVar * spread());
    const float speed = _speed + _speedVar * spread();
    p.dir = Vec2(std::cos(angle), std::sin(angle)) * speed;
    p.radialAccel = _radialAccel + _radialAccelVar * spread();
    p.tangentialAccel = _tangentialAccel + _tangentialAccelVar * spread();
}

bool ParticleSystem::updateParticle(Particle& p, float dt)
{
    p.timeToLive -= dt;
    if (p.timeToLive <= 0.0f)
        return false;
    Vec2 radial;
    if (!p.pos.isZero())
        radial = p.pos.getNormalized();
    Vec2 tangential(-radial.y, radial.x);
    radial *= p.radialAccel;
    tangential *= p.tangentialAccel;
    p.dir += (radial + tangential + _gravity) * dt;
    p.pos += p.dir * dt;
    p.color.r += p.deltaColor.r * dt;
    p.color.g += p.deltaColor.g * dt;
    p.color.b += p.deltaColor.b * dt;
    p.color.a += p.deltaColor.a * dt;
    p.size = std::max(0.0f, p.size + p.deltaSize * dt);
    p.rotation += p.deltaRotation * dt;
    return true;
}

Vec2 ParticleSystem::drawPosition(const Particle& p, const Vec2& reference) const
{
    if (_positionType == PositionType::GROUPED)
        return p.pos;
    // Free and relative particles keep their place while the emitter moves on.
    return p.pos - (reference - p.startPos);
}

void ParticleSystem::update(float dt)
{
    if (_active && _emissionRate > 0.0f) {
        const float interval = 1.0f / _emissionRate;
        if (!isFull())
            _emitCounter += dt;
        while (!isFull() && _emitCounter > interval) {
            addParticle();
            _emitCounter -= interval;
        }
        _elapsed += dt;
        if (_duration != DURATION_INFINITY && _duration < _elapsed)
            stopSystem();
    }
    for (std::size_t i = 0; i < _particleCount;) {
        if (updateParticle(_particles[i], dt)) {
            ++i;
            continue;
        }
        // A dead particle takes the last living one's place.
        if (i != _particleCount - 1)
            _particles[i] = _particles[_particleCount - 1];
        --_particleCount;
    }
    if (!_active && _particleCount == 0 && _autoRemoveOnFinish && _parent) {
        unscheduleUpdate();
        // Kept alive until the end of the frame: this update is still running.
        retain();
        autorelease();
        removeFromParentAndCleanup(true);
    }
}

}
