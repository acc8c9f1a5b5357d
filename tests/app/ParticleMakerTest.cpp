// The three particle effects: their budgets drawn from rand() before anything
// else, their fixed parameters, and their end.
#include "app/ParticleMaker.h"
#include "cocos2d.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using cocos2d::Color4F;
using cocos2d::ParticleSystem;
using cocos2d::Vec2;

namespace {

struct Draws
{
    int budget;
    int nextRand;
};

// The budget a factory should draw from seed, and the rand() that follows it.
Draws expectedDraws(unsigned seed, int draws, int range)
{
    std::srand(seed);
    Draws d{0, 0};
    for (int i = 0; i < draws; ++i)
        d.budget += std::rand() % range + 1;
    d.nextRand = std::rand();
    return d;
}

void expectColour(const Color4F& c, int r, int g, int b, int a)
{
    EXPECT_NEAR(c.r, r / 255.0f, 1e-5f);
    EXPECT_NEAR(c.g, g / 255.0f, 1e-5f);
    EXPECT_NEAR(c.b, b / 255.0f, 1e-5f);
    EXPECT_NEAR(c.a, a / 255.0f, 1e-5f);
}

void expectCommon(const ParticleMaker* p)
{
    EXPECT_EQ(p->getEmitterMode(), ParticleSystem::Mode::GRAVITY);
    EXPECT_EQ(p->getGravity(), Vec2::ZERO);
    EXPECT_TRUE(p->isAutoRemoveOnFinish());
    EXPECT_FALSE(p->isBlendAdditive());
    EXPECT_EQ(p->getPositionType(), ParticleSystem::PositionType::GROUPED);
    EXPECT_FLOAT_EQ(p->getDuration(), 1.0f);
    EXPECT_FLOAT_EQ(p->getTangentialAccel(), 0.0f);
    expectColour(p->getStartColorVar(), 0, 0, 0, 0);
    expectColour(p->getEndColorVar(), 0, 0, 0, 0);
    EXPECT_EQ(p->getParent(), nullptr);
}

class ParticleMakerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
    }

    // Makes an emitter from seed and checks it drew exactly draws values.
    ParticleMaker* make(const std::function<ParticleMaker*()>& factory, int draws, int range)
    {
        for (unsigned seed : {1u, 7u, 12345u})
        {
            const Draws expected = expectedDraws(seed, draws, range);
            std::srand(seed);
            ParticleMaker* p = factory();
            EXPECT_EQ(std::rand(), expected.nextRand) << "seed " << seed;
            EXPECT_NE(p, nullptr);
            if (p)
            {
                EXPECT_EQ(p->getTotalParticles(), expected.budget) << "seed " << seed;
            }
        }
        return factory();
    }
};

}

TEST_F(ParticleMakerTest, SmokeOfASmoker)
{
    ParticleMaker* p = make(&ParticleMaker::createSmoke, 3, 6);
    ASSERT_NE(p, nullptr);
    expectCommon(p);
    EXPECT_GE(p->getTotalParticles(), 3);
    EXPECT_LE(p->getTotalParticles(), 18);
    EXPECT_FLOAT_EQ(p->getSpeed(), 10.0f);
    EXPECT_FLOAT_EQ(p->getSpeedVar(), 4.0f);
    EXPECT_FLOAT_EQ(p->getStartSize(), 1.0f);
    EXPECT_FLOAT_EQ(p->getStartSizeVar(), 1.0f);
    EXPECT_FLOAT_EQ(p->getEndSize(), 4.0f);
    EXPECT_FLOAT_EQ(p->getEndSizeVar(), 2.0f);
    expectColour(p->getStartColor(), 200, 200, 200, 200);
    expectColour(p->getEndColor(), 160, 160, 160, 64);
    EXPECT_FLOAT_EQ(p->getStartSpin(), 0.0f);
    EXPECT_FLOAT_EQ(p->getEndSpin(), 0.0f);
    EXPECT_FLOAT_EQ(p->getLife(), 2.0f);
    EXPECT_FLOAT_EQ(p->getLifeVar(), 0.0f);
    EXPECT_FLOAT_EQ(p->getAngle(), 0.0f);
    EXPECT_FLOAT_EQ(p->getAngleVar(), 4.0f);
    EXPECT_EQ(p->getPosVar(), Vec2::ZERO);
    EXPECT_FLOAT_EQ(p->getEmissionRate(), 3.0f);
    EXPECT_NE(p->getTexture(), nullptr);
}

TEST_F(ParticleMakerTest, SteamOfAnEmitter)
{
    ParticleMaker* p = make(&ParticleMaker::createEmitterEffectA, 6, 3);
    ASSERT_NE(p, nullptr);
    expectCommon(p);
    EXPECT_FLOAT_EQ(p->getSpeed(), 5.0f);
    EXPECT_FLOAT_EQ(p->getSpeedVar(), 4.0f);
    EXPECT_FLOAT_EQ(p->getRadialAccel(), 2.0f);
    EXPECT_FLOAT_EQ(p->getRadialAccelVar(), 4.0f);
    EXPECT_FLOAT_EQ(p->getStartSize(), 2.0f);
    EXPECT_FLOAT_EQ(p->getEndSize(), 6.0f);
    EXPECT_FLOAT_EQ(p->getEndSizeVar(), 4.0f);
    expectColour(p->getStartColor(), 184, 184, 184, 255);
    expectColour(p->getEndColor(), 184, 184, 184, 0);
    EXPECT_FLOAT_EQ(p->getStartSpin(), 40.0f);
    EXPECT_FLOAT_EQ(p->getEndSpin(), 40.0f);
    EXPECT_FLOAT_EQ(p->getLife(), 4.0f);
    EXPECT_FLOAT_EQ(p->getLifeVar(), 1.0f);
    EXPECT_FLOAT_EQ(p->getAngle(), -90.0f);
    EXPECT_FLOAT_EQ(p->getAngleVar(), 360.0f);
    EXPECT_EQ(p->getPosVar(), Vec2(4.0f, 4.0f));
    EXPECT_FLOAT_EQ(p->getEmissionRate(), 3.0f);
}

TEST_F(ParticleMakerTest, SmokeOfAnEmitter)
{
    ParticleMaker* p = make(&ParticleMaker::createEmitterEffectB, 16, 3);
    ASSERT_NE(p, nullptr);
    expectCommon(p);
    EXPECT_GE(p->getTotalParticles(), 16);
    EXPECT_LE(p->getTotalParticles(), 48);
    EXPECT_FLOAT_EQ(p->getSpeed(), 65.0f);
    EXPECT_FLOAT_EQ(p->getSpeedVar(), 14.0f);
    EXPECT_FLOAT_EQ(p->getRadialAccel(), 0.0f);
    expectColour(p->getStartColor(), 84, 84, 84, 255);
    expectColour(p->getEndColor(), 184, 184, 184, 0);
    EXPECT_FLOAT_EQ(p->getLife(), 0.25f);
    EXPECT_FLOAT_EQ(p->getLifeVar(), 0.5f);
    EXPECT_FLOAT_EQ(p->getAngle(), -90.0f);
    EXPECT_FLOAT_EQ(p->getAngleVar(), 8.0f);
    EXPECT_FLOAT_EQ(p->getEmissionRate(), 16.0f);
}

TEST_F(ParticleMakerTest, AnEmitterRemovesItselfOnceItsParticlesHaveDied)
{
    for (auto factory : {&ParticleMaker::createSmoke, &ParticleMaker::createEmitterEffectA,
                         &ParticleMaker::createEmitterEffectB})
    {
        cocos2d::Node* world = cocos2d::Node::create();
        world->retain();
        ParticleMaker* p = factory();
        ASSERT_NE(p, nullptr);
        world->addChild(p, 30);
        int emitted = 0;
        // One second of emission plus the longest life (4 + 1 s), in frames.
        for (int frame = 0; frame < 60 * 7 && p->getParent(); ++frame)
        {
            p->update(1.0f / 60.0f);
            emitted = std::max(emitted, p->getParticleCount());
        }
        EXPECT_GT(emitted, 0);
        EXPECT_TRUE(world->getChildren().empty());
        world->release();
    }
}
