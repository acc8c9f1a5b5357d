// Cleaning droids on the small test city: the timeline of a corpse (found,
// reported on the first hovering frame, ashes after six seconds, the murder
// list), litter taken away, and the bodies that are not the cleaner's to take.
#include "../ActorCast.h"
#include "../GameMobFixture.h"
#include "actors/PopulationSettings.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/police/CleanerDroid.h"
#include "actors/police/PoliceManager.h"
#include "actors/police/RobotMakers.h"
#include "app/HighScores.h"
#include <algorithm>
#include <functional>

using cocos2d::Vec2;

namespace {
constexpr float Frame = 1.0f / 30.0f;
constexpr int PlayerRole = 2;
}

// A citizen with a record of its own, as the NPC class has one.
class RecordedCitizen : public TestCitizen
{
public:
    RecordedCitizen(ObjectDef* def, int id) : TestCitizen(def, id), ownRecord(false) {}
    const CitizenRecord* citizenRecord() const override { return &ownRecord; }
    bool isContractTarget() const override { return false; }

    CitizenRecord ownRecord;
};

class CleanerDroidTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        mobs = MobManager::getInstance();
        registerRobotMakers();
        police = PoliceManager::getInstance();
        police->reset();
        police->levelUpChance = 0;
        HighScores::getInstance()->clearMurders();
        map->cameraPoint = Vec2(320, 320);
    }

    void TearDown() override
    {
        mobs->clear();
        mobs->makers = {};
        police->reset();
        police->levelUpChance = 50;
        HighScores::getInstance()->clearMurders();
        PopulationSettings::getInstance()->cleaningDroids.clear();
        GameMobFixture::TearDown();
    }

    CleanerDroid* cleanerAt(Vec2 position)
    {
        return dynamic_cast<CleanerDroid*>(mobs->spawnCleanerDroid(position));
    }

    RecordedCitizen* bodyAt(Vec2 position)
    {
        auto* body = new RecordedCitizen(mobDef(), nextId++);
        body->setPosition(position);
        body->mobKind = MobCitizen;
        body->health = 0;
        body->destroyed = &bodiesGone;
        mobs->addGroundMob(body);
        return body;
    }

    GameObject* litterAt(Vec2 position)
    {
        if (!litter)
        {
            litter = makeObjectDef(true, 0, 4.0f);
            litter->garbage = true;
        }
        return addObject(litter, position);
    }

    bool runUntil(const std::function<bool()>& done, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            if (done())
                return true;
            mobs->update(Frame);
        }
        return done();
    }

    int ashes() const { return countPlaced(1007) + countPlaced(1008); }

    MobManager* mobs = nullptr;
    PoliceManager* police = nullptr;
    ObjectDef* litter = nullptr;
    int bodiesGone = 0;
    int nextId = 1;
};

TEST_F(CleanerDroidTest, ACorpseIsReportedOnceThenTurnedToAshesAfterSixSecondsAndGoesOnTheMurderList)
{
    CleanerDroid* droid = cleanerAt(Vec2(100, 100));
    ASSERT_NE(droid, nullptr);
    const std::vector<CleaningUnit*>& listed = PopulationSettings::getInstance()->cleaningDroids;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), droid), 1) << "the droid joins the population's list once";
    EXPECT_EQ(droid->soundNames.size(), 10u);
    RecordedCitizen* victim = bodyAt(Vec2(300, 300));
    victim->lastHitBy = PlayerRole;
    victim->setRotation(123.0f);

    mobs->update(Frame);
    EXPECT_EQ(droid->cleaningTarget, victim) << "found within 640 px";
    EXPECT_EQ(droid->cleaning, 1);
    EXPECT_TRUE(PopulationSettings::getInstance()->isClaimedByCleaner(victim));

    // Flies over it; the first hovering frame reports the body.
    ASSERT_TRUE(runUntil([&] { return droid->cleaningTime < CleanerDroid::CleaningSeconds; }, 10.0f));
    EXPECT_EQ(droid->getPosition(), victim->getPosition());
    EXPECT_EQ(droid->currentAnimation, 1);
    EXPECT_NE(police->findSceneWithBody(victim), nullptr) << "a cleaner reports the corpse";
    EXPECT_EQ(police->getCrimeScenes().size(), 1u);

    // Six seconds of hovering, then ashes with the body's heading.
    ASSERT_TRUE(runUntil([&] { return droid->cleaningTime < 0.2f; }, 6.0f));
    EXPECT_EQ(bodiesGone, 0);
    EXPECT_EQ(ashes(), 0);
    ASSERT_TRUE(runUntil([&] { return bodiesGone == 1; }, 0.5f));
    ASSERT_EQ(ashes(), 1);
    for (const GameObject* object : map->passableObjects)
    {
        if (object->def && (object->def->id == 1007 || object->def->id == 1008))
        {
            EXPECT_FLOAT_EQ(object->heading, 123.0f);
            EXPECT_EQ(object->getPosition(), Vec2(300, 300));
        }
    }
    EXPECT_EQ(HighScores::getInstance()->murderList().size(), 1u) << "the player's victim is on the murder list";
    EXPECT_EQ(droid->cleaningTarget, nullptr);

    // Nothing left: back to searching and wandering.
    mobs->update(Frame);
    mobs->update(Frame);
    EXPECT_EQ(droid->cleaning, 0);
    EXPECT_FALSE(droid->orders.empty());
}

TEST_F(CleanerDroidTest, ACarriedOrSinkingBodyIsLeftAloneAndAPickedUpTargetSendsTheDroidOn)
{
    CleanerDroid* droid = cleanerAt(Vec2(100, 100));
    ASSERT_NE(droid, nullptr);
    RecordedCitizen* carried = bodyAt(Vec2(150, 100));
    carried->carried = true;
    RecordedCitizen* sinking = bodyAt(Vec2(160, 100));
    sinking->corpseTimer = 30.0f;
    GameObject* rubbish = litterAt(Vec2(400, 400));

    mobs->update(Frame);
    EXPECT_EQ(droid->cleaningTarget, rubbish) << "past the carried and the sinking body to the litter";
    ASSERT_TRUE(runUntil([&] { return droid->cleaningTarget != rubbish; }, 12.0f));
    EXPECT_EQ(std::count(map->passableObjects.begin(), map->passableObjects.end(), rubbish), 0)
        << "the litter is taken away";

    // A body that the player picks up on the way is dropped for the next target.
    RecordedCitizen* lying = bodyAt(Vec2(500, 500));
    GameObject* more = litterAt(Vec2(100, 500));
    ASSERT_TRUE(runUntil([&] { return droid->cleaningTarget == lying; }, 1.0f));
    lying->carried = true;
    mobs->update(Frame);
    EXPECT_EQ(droid->cleaningTarget, more);
    EXPECT_EQ(droid->cleaning, 1);
    EXPECT_EQ(bodiesGone, 0);
    EXPECT_EQ(police->findSceneWithBody(carried), nullptr);
    EXPECT_EQ(police->findSceneWithBody(sinking), nullptr);
}

TEST_F(CleanerDroidTest, ABodyTakenOnIsLeftToItsDroidAndOnlyCitizensThePlayerKilledGoOnTheMurderList)
{
    CleanerDroid* first = cleanerAt(Vec2(100, 100));
    CleanerDroid* second = cleanerAt(Vec2(120, 100));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    RecordedCitizen* hunter = bodyAt(Vec2(300, 300));
    hunter->mobKind = MobHunter;
    hunter->lastHitBy = PlayerRole;

    bool shared = false;
    ASSERT_TRUE(runUntil(
        [&] {
            shared = shared || (first->cleaningTarget && first->cleaningTarget == second->cleaningTarget);
            return bodiesGone == 1;
        },
        15.0f));
    EXPECT_FALSE(shared) << "one droid takes the body on, the other leaves it be";
    EXPECT_TRUE(HighScores::getInstance()->murderList().empty()) << "a hunter is nobody's innocent";

    RecordedCitizen* citizen = bodyAt(Vec2(200, 200));
    citizen->lastHitBy = PlayerRole;
    ASSERT_TRUE(runUntil([&] { return bodiesGone == 2; }, 15.0f));
    EXPECT_EQ(HighScores::getInstance()->murderList().size(), 1u);
}
