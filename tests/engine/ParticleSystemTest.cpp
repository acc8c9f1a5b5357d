// The particle simulation in gravity mode, headless.
#include <gtest/gtest.h>

#include <cstdlib>

#include "EngineFixture.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

// The game's emitters derive from the engine's class and set their
// parameters in a factory, after a fixed number of rand() draws.
class TestEmitter : public ParticleSystemQuad
{
public:
    static TestEmitter* make(int total)
    {
        TestEmitter* emitter = new TestEmitter();
        emitter->autorelease();
        emitter->initWithTotalParticles(total);
        emitter->setEmitterMode(Mode::GRAVITY);
        emitter->setGravity(Vec2::ZERO);
        emitter->setPositionType(PositionType::GROUPED);
        emitter->setDuration(1.0f);
        emitter->setEmissionRate(10.0f);
        emitter->setLife(2.0f);
        emitter->setStartSize(2.0f);
        emitter->setEndSize(6.0f);
        emitter->setStartColor(Color4F(1, 1, 1, 1));
        emitter->setEndColor(Color4F(1, 1, 1, 0));
        emitter->setAutoRemoveOnFinish(true);
        return emitter;
    }
    ~TestEmitter() override { ++destroyed; }
    static int destroyed;
};

int TestEmitter::destroyed = 0;

class Particles : public ::testing::Test
{
protected:
    void TearDown() override { AutoreleasePool::getInstance()->clear(); }
};

}

TEST_F(Particles, CreatingMakesNoRandomDraw)
{
    std::srand(42);
    const int expected = std::rand();
    std::srand(42);
    TestEmitter::make(18);
    EXPECT_EQ(std::rand(), expected);
}

TEST_F(Particles, EmitsAtItsRateForItsDurationThenRemovesItself)
{
    Node* parent = Node::create();
    TestEmitter* emitter = TestEmitter::make(100);
    parent->addChild(emitter);
    int most = 0;
    for (int i = 0; i < 12; ++i) {  // 1.2 s
        emitter->update(0.1f);
        most = std::max(most, emitter->getParticleCount());
    }
    EXPECT_FALSE(emitter->isActive());
    EXPECT_GE(most, 9);
    EXPECT_LE(most, 10);
    EXPECT_EQ(emitter->getParent(), parent);
    for (int i = 0; i < 20 && emitter->getParent(); ++i)
        emitter->update(0.1f);
    EXPECT_EQ(emitter->getParent(), nullptr) << "auto-removed once the last particle died";
    EXPECT_EQ(parent->getChildrenCount(), 0u);
    const int before = TestEmitter::destroyed;
    AutoreleasePool::getInstance()->clear();
    EXPECT_EQ(TestEmitter::destroyed, before + 1);
}

TEST_F(Particles, NeverMoreThanTheBudget)
{
    TestEmitter* emitter = TestEmitter::make(3);
    emitter->setEmissionRate(100.0f);
    emitter->update(0.5f);
    EXPECT_EQ(emitter->getParticleCount(), 3);
    EXPECT_TRUE(emitter->isFull());
}

TEST_F(Particles, LifeOfZeroOrLessVanishesAtOnce)
{
    TestEmitter* emitter = TestEmitter::make(50);
    emitter->setLife(0.25f);
    emitter->setLifeVar(0.5f);
    std::srand(7);
    int sawDead = 0;
    for (int i = 0; i < 10; ++i) {
        emitter->update(0.1f);
        for (int k = 0; k < emitter->getParticleCount(); ++k) {
            if (emitter->getParticles()[std::size_t(k)].timeToLive <= 0.0f)
                ++sawDead;
        }
    }
    EXPECT_EQ(sawDead, 0);
}

TEST_F(Particles, MovesBySpeedAngleAndGravityAndGrowsToItsEndSize)
{
    TestEmitter* emitter = TestEmitter::make(1);
    emitter->setEmissionRate(1000.0f);
    emitter->setAngle(90.0f);
    emitter->setSpeed(10.0f);
    emitter->setGravity(Vec2(4.0f, 0.0f));
    emitter->setLife(1.0f);
    emitter->update(0.01f);  // born and moved 0.01 s
    ASSERT_EQ(emitter->getParticleCount(), 1);
    for (int i = 0; i < 49; ++i)
        emitter->update(0.01f);
    const ParticleSystem::Particle& p = emitter->getParticles()[0];
    EXPECT_NEAR(p.pos.y, 5.0f, 0.05f);
    EXPECT_NEAR(p.pos.x, 0.5f * 4.0f * 0.25f, 0.05f);
    EXPECT_NEAR(p.size, 4.0f, 0.05f);
    EXPECT_NEAR(p.color.a, 0.5f, 0.02f);
}

TEST_F(Particles, FreeParticlesStayBehindAMovingEmitter)
{
    Node* parent = Node::create();
    TestEmitter* emitter = TestEmitter::make(1);
    emitter->setPositionType(ParticleSystem::PositionType::FREE);
    emitter->setEmissionRate(1000.0f);
    parent->addChild(emitter);
    emitter->update(0.01f);
    emitter->setPosition(Vec2(100, 0));

    Renderer renderer;
    renderer.clear();
    parent->visit(&renderer, Mat4::IDENTITY, 0);
    ASSERT_EQ(renderer.getQueuedQuads().size(), 1u);
    const Quad& q = renderer.getQueuedQuads()[0];
    EXPECT_NEAR((q.bl.x + q.tr.x) / 2, 0.0f, 0.01f) << "drawn where it was born";

    emitter->setPositionType(ParticleSystem::PositionType::GROUPED);
    renderer.clear();
    parent->visit(&renderer, Mat4::IDENTITY, 0);
    EXPECT_NEAR((renderer.getQueuedQuads()[0].bl.x + renderer.getQueuedQuads()[0].tr.x) / 2, 100.0f, 0.01f);
    EXPECT_GE(renderer.getQueuedQuads()[0].tr.a, 250);
    renderer.render();
}

TEST_F(Particles, AdditiveBlendingIsASwitch)
{
    TestEmitter* emitter = TestEmitter::make(1);
    EXPECT_FALSE(emitter->isBlendAdditive());
    emitter->setBlendAdditive(true);
    EXPECT_EQ(emitter->getBlendFunc(), BlendFunc::ADDITIVE);
    emitter->setBlendAdditive(false);
    EXPECT_EQ(emitter->getBlendFunc(), BlendFunc::ALPHA_PREMULTIPLIED);
}

namespace {
class ParticlesInAScene : public EngineFixture
{
};
}

TEST_F(ParticlesInAScene, RunByTheSchedulerAndGoneWhenFinished)
{
    TestEmitter* emitter = TestEmitter::make(20);
    emitter->setLife(0.5f);
    scene->addChild(emitter, 30);
    frames(30, 0.02f);  // 0.6 s
    EXPECT_GT(emitter->getParticleCount(), 0);
    const int before = TestEmitter::destroyed;
    frames(60, 0.02f);  // emission ends at 1 s, the last particle dies by 1.5 s
    EXPECT_EQ(scene->getChildrenCount(), 0u);
    EXPECT_EQ(TestEmitter::destroyed, before + 1);
}
