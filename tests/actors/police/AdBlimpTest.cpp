// Advert blimps: the adverts of each zone, never the same twice in a row; a
// crossing from one map edge to the other; and the advert that moves with
// the blimp while it lives and stays put once it has gone.
#include "../GameMobFixture.h"
#include "actors/PopulationSettings.h"
#include "actors/police/AdBlimp.h"
#include "actors/police/RobotMakers.h"
#include "app/SoundInstance.h"
#include <algorithm>
#include <memory>
#include <set>

using cocos2d::Vec2;

class AdBlimpTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        mobs = MobManager::getInstance();
        registerRobotMakers();
        map->cameraPoint = Vec2(320, 320);
    }

    void TearDown() override
    {
        mobs->clear();
        mobs->makers = {};
        PopulationSettings::getInstance()->blimps = 0;
        GameData::getInstance()->currentZone = 0;
        GameMobFixture::TearDown();
    }

    bool flying(const GameObject* robot) const
    {
        return std::find(mobs->flyingMobs.begin(), mobs->flyingMobs.end(), robot) != mobs->flyingMobs.end();
    }

    MobManager* mobs = nullptr;
};

TEST_F(AdBlimpTest, EachZonePlaysItsOwnAdvertsAndNeverOneTwiceInARow)
{
    const size_t expected[] = {13, 17, 21};
    SoundEngine* sound = SoundEngine::getInstance();
    srand(3);
    for (int zone = 0; zone < 3; ++zone)
    {
        SCOPED_TRACE(zone);
        GameData::getInstance()->currentZone = zone;
        auto blimp = std::make_unique<AdBlimp>(1);
        ASSERT_EQ(blimp->soundNames.size(), expected[zone]);
        EXPECT_FLOAT_EQ(blimp->soundInterval, 29.0f);
        EXPECT_FLOAT_EQ(blimp->volume, 6.0f);
        std::set<std::string> heard;
        std::string last;
        for (int i = 0; i < 300; ++i)
        {
            const int handle = blimp->playNext();
            const SoundInstance* advert = sound->find(handle);
            ASSERT_NE(advert, nullptr);
            EXPECT_NE(advert->path, last) << "the same advert twice in a row";
            last = advert->path;
            heard.insert(advert->path);
        }
        EXPECT_EQ(heard.size(), expected[zone]);
        EXPECT_EQ(heard.count("sfx/Ad_Voting.mp3"), zone >= 2 ? 1u : 0u);
        EXPECT_EQ(heard.count("sfx/Ad_SpendMoney.mp3"), zone >= 1 ? 1u : 0u);
        sound->stopAll();
    }
}

TEST_F(AdBlimpTest, ABlimpCrossesToTheFarEdgeCarryingItsAdvertAndLeavesItBehindWhenItGoes)
{
    PopulationSettings::getInstance()->blimps = 1;
    AdBlimp* blimp = dynamic_cast<AdBlimp*>(mobs->spawnAdBlimp(3));
    ASSERT_NE(blimp, nullptr);
    EXPECT_EQ(blimp->getPosition().x, 0.0f) << "enters at the left edge";
    EXPECT_EQ(blimp->destination.x, 19.0f * 32.0f) << "bound for the right edge";
    EXPECT_EQ(blimp->flyingType, FlyingMob::AdvertBlimp);

    mobs->update(0.1f);
    const int handle = blimp->voiceHandle;
    ASSERT_NE(handle, -1) << "the first advert plays at once";
    SoundEngine* sound = SoundEngine::getInstance();
    for (int i = 0; i < 50; ++i)
        mobs->update(0.1f);
    ASSERT_NE(sound->find(handle), nullptr);
    EXPECT_EQ(sound->find(handle)->source, blimp->getPosition()) << "the advert moves with the blimp";

    // The advert playing when the blimp arrives is the one it carried last.
    Vec2 lastSeen = blimp->getPosition();
    int carried = blimp->voiceHandle;
    int frames = 0;
    while (flying(blimp) && frames++ < 1000)
    {
        lastSeen = blimp->getPosition();
        carried = blimp->voiceHandle;
        mobs->update(0.1f);
    }
    ASSERT_FALSE(flying(blimp)) << "a blimp at its destination leaves the game";
    EXPECT_EQ(PopulationSettings::getInstance()->blimps, 0);
    EXPECT_NEAR(lastSeen.x, 19.0f * 32.0f, 0.01f);
    EXPECT_NE(carried, handle) << "a new advert every 29 seconds";
    // It plays on where the blimp left it, and nothing moves it any more.
    const SoundInstance* left = sound->find(carried);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->source, lastSeen);
    for (int i = 0; i < 10; ++i)
        mobs->update(0.1f);
    EXPECT_EQ(sound->find(carried)->source, lastSeen);
}
