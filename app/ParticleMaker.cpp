#include "app/ParticleMaker.h"

#include <cstdlib>

USING_NS_CC;

namespace {

Color4F byteColour(int r, int g, int b, int a)
{
    return Color4F(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
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

ParticleMaker* ParticleMaker::createSmoke()
{
    ParticleMaker* p = makeEmitter(drawBudget(3, 6));
    if (!p)
        return nullptr;
    p->setSpeed(10.0f);
    p->setSpeedVar(4.0f);
    p->setStartSize(1.0f);
    p->setStartSizeVar(1.0f);
    p->setEndSize(4.0f);
    p->setEndSizeVar(2.0f);
    p->setStartColor(byteColour(200, 200, 200, 200));
    p->setEndColor(byteColour(160, 160, 160, 64));
    p->setLife(2.0f);
    p->setLifeVar(0.0f);
    p->setAngle(0.0f);
    p->setAngleVar(4.0f);
    p->setPosVar(Vec2::ZERO);
    p->setEmissionRate(3.0f);
    p->setTexture(Director::getInstance()->getTextureCache()->addImage("white.png"));
    return p;
}

ParticleMaker* ParticleMaker::createEmitterEffectA()
{
    ParticleMaker* p = makeEmitter(drawBudget(6, 3));
    if (!p)
        return nullptr;
    p->setSpeed(5.0f);
    p->setSpeedVar(4.0f);
    p->setRadialAccel(2.0f);
    p->setRadialAccelVar(4.0f);
    p->setStartSize(2.0f);
    p->setStartSizeVar(1.0f);
    p->setEndSize(6.0f);
    p->setEndSizeVar(4.0f);
    p->setStartColor(byteColour(184, 184, 184, 255));
    p->setEndColor(byteColour(184, 184, 184, 0));
    p->setStartSpin(40.0f);
    p->setEndSpin(40.0f);
    p->setLife(4.0f);
    p->setLifeVar(1.0f);
    p->setAngle(-90.0f);
    p->setAngleVar(360.0f);
    p->setPosVar(Vec2(4.0f, 4.0f));
    p->setEmissionRate(3.0f);
    p->setTexture(Director::getInstance()->getTextureCache()->addImage("white.png"));
    return p;
}

ParticleMaker* ParticleMaker::createEmitterEffectB()
{
    ParticleMaker* p = makeEmitter(drawBudget(16, 3));
    if (!p)
        return nullptr;
    p->setSpeed(65.0f);
    p->setSpeedVar(14.0f);
    p->setStartSize(2.0f);
    p->setStartSizeVar(1.0f);
    p->setEndSize(6.0f);
    p->setEndSizeVar(4.0f);
    p->setStartColor(byteColour(84, 84, 84, 255));
    p->setEndColor(byteColour(184, 184, 184, 0));
    p->setStartSpin(40.0f);
    p->setEndSpin(40.0f);
    p->setLife(0.25f);
    p->setLifeVar(0.5f);
    p->setAngle(-90.0f);
    p->setAngleVar(8.0f);
    p->setPosVar(Vec2(4.0f, 4.0f));
    p->setEmissionRate(16.0f);
    p->setTexture(Director::getInstance()->getTextureCache()->addImage("white.png"));
    return p;
}
