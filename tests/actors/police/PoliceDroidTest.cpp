// Police droids on the small test city with real crime scenes: a droid's
// round from patrol through a scene, a scan and a fight back to patrol; an
// escort that ends; and an EMP in every mode.
#include "PoliceManagerFixture.h"
#include "actors/Projectile.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include <algorithm>
#include <cstdlib>
#include <functional>

using cocos2d::Vec2;

// A citizen whose release from a scan sends the droid off again at once.
class ImpatientCitizen : public WitnessCitizen
{
public:
    using WitnessCitizen::WitnessCitizen;
    void onScanEnd(const std::string& message) override
    {
        WitnessCitizen::onScanEnd(message);
        if (droid)
            droid->enterPatrolMode();
    }
    PoliceDroid* droid = nullptr;
};

class PoliceDroidTest : public PoliceManagerFixture
{
protected:
    static constexpr float Frame = 1.0f / 30.0f;

    void TearDown() override
    {
        police->playerScanProgress = -1.0f;
        GameInterface::getInstance()->scanCountdown = -1.0f;
        PoliceManagerFixture::TearDown();
    }

    // The city's frame as the driver runs it: the actors, then the police.
    void frame()
    {
        mobs->update(Frame);
        police->update(Frame);
    }

    void run(float seconds)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
            frame();
    }

    // Frames until the condition holds; false when the time ran out first.
    bool runUntil(const std::function<bool()>& done, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            if (done())
                return true;
            frame();
        }
        return done();
    }

    bool onDuty(const PoliceDroid* droid) const
    {
        const std::vector<PoliceDroid*>& droids = police->getDroids();
        return std::find(droids.begin(), droids.end(), droid) != droids.end();
    }

    bool flying(const GameObject* robot) const
    {
        return std::find(mobs->flyingMobs.begin(), mobs->flyingMobs.end(), robot) != mobs->flyingMobs.end();
    }
};

TEST_F(PoliceDroidTest, ADroidWorksASceneFromPatrolThroughAScanAndAFightBackToPatrol)
{
    srand(7);
    PoliceDroid* droid = droidOnDuty();
    ASSERT_NE(droid, nullptr);
    EXPECT_EQ(droid->mode, PoliceDroid::Patrol);
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampWhite);
    ASSERT_NE(droid->getLamp(0), nullptr);
    ASSERT_NE(droid->getLamp(1), nullptr);
    ASSERT_NE(droid->getTurret(), nullptr);
    EXPECT_EQ(droid->getLamp(0)->mainSprite->getParent(), droid->mainSprite) << "the lamps hang under the droid";
    EXPECT_EQ(droid->getTurret()->mainSprite->getParent(), droid->mainSprite);
    ASSERT_NE(droid->weapon(), nullptr) << "the droid carries its blaster";
    EXPECT_EQ(droid->getName().rfind("`9Police Drone ", 0), 0u);
    droid->setPosition(Vec2(300, 300));
    run(1.0f);
    EXPECT_FALSE(droid->orders.empty()) << "a patrolling droid wanders the city";

    // Dispatched to a new scene: enforce, with the patrol barks.
    CrimeScene* scene = police->reportCrime(1, nullptr, nullptr, Vec2(320, 320), "`%Someone");
    ASSERT_EQ(droid->crimeScene, scene);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampOlive);
    EXPECT_EQ(droid->soundNames.size(), 14u);
    EXPECT_EQ(droid->enforceCentre, scene->position);

    // It flies to a point round the scene and waits there 7 to 17 s.
    ASSERT_TRUE(runUntil([&] { return droid->patrolWait > 0.0f; }, 10.0f));
    EXPECT_GE(droid->patrolWait, 7.0f);
    EXPECT_LE(droid->patrolWait, 17.0f);
    const float fromCentre = droid->getPosition().distance(scene->position);
    EXPECT_GE(fromCentre, 95.9f);
    EXPECT_LE(fromCentre, 160.1f);

    // Someone comes by: scanned once, for eight seconds, then told to move along.
    WitnessCitizen* bystander = addWalker(droid->getPosition() + Vec2(30, 0));
    frame();
    ASSERT_EQ(droid->mode, PoliceDroid::Scan);
    EXPECT_EQ(droid->scanTarget, bystander);
    EXPECT_EQ(bystander->scansStarted, 1);
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampBlue);
    EXPECT_TRUE(scene->hasScanned(bystander->citizenId()));
    run(7.5f);
    EXPECT_TRUE(bystander->scanMessages.empty()) << "a scan takes eight seconds";
    ASSERT_TRUE(runUntil([&] { return droid->mode != PoliceDroid::Scan; }, 2.0f));
    ASSERT_EQ(bystander->scanMessages.size(), 1u);
    EXPECT_EQ(bystander->scanMessages[0], "`3Scan complete.\nMove along, citizen.");
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);
    EXPECT_EQ(droid->scanTarget, nullptr);
    run(1.0f);
    EXPECT_EQ(bystander->scansStarted, 1) << "nobody is scanned twice at one scene";

    // The scene's suspect comes within reach: combat, the first shot two seconds later.
    WitnessCitizen* culprit = addWalker(droid->getPosition() + Vec2(0, 100));
    scene->suspect = culprit;
    ASSERT_TRUE(runUntil([&] { return droid->mode == PoliceDroid::Combat; }, 12.0f));
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampRed);
    EXPECT_EQ(droid->soundNames.size(), 7u);
    EXPECT_EQ(droid->pendingSound.rfind("Police_Engaging_", 0), 0u);
    run(1.8f);
    EXPECT_EQ(droid->lastProjectile, nullptr) << "no shot in the first two seconds";
    ASSERT_TRUE(runUntil([&] { return droid->lastProjectile != nullptr; }, 0.5f));
    EXPECT_TRUE(droid->missedShot);
    EXPECT_EQ(droid->getTurret()->currentAnimation, 1) << "the turret fires";

    // The suspect falls: the scene closes and the droid patrols again.
    culprit->health = 0;
    ASSERT_TRUE(runUntil([&] { return droid->mode == PoliceDroid::Patrol; }, 1.0f));
    EXPECT_TRUE(police->getCrimeScenes().empty());
    EXPECT_EQ(droid->crimeScene, nullptr);
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampWhite);
    EXPECT_TRUE(droid->soundNames.empty());
}

TEST_F(PoliceDroidTest, ASuspectOnAnUpperLevelEndsTheFightAsNeutralised)
{
    PoliceDroid* droid = droidOnDuty();
    ASSERT_NE(droid, nullptr);
    WitnessCitizen* culprit = addWalker(Vec2(300, 300));
    droid->setPosition(Vec2(300, 380));
    CrimeScene* scene = police->reportCrime(1, culprit, nullptr, Vec2(300, 300), "`%Someone");
    ASSERT_EQ(droid->crimeScene, scene);
    ASSERT_TRUE(runUntil([&] { return droid->mode == PoliceDroid::Combat; }, 1.0f));
    // A roof over the suspect's cell at its level.
    MapTile* roofed = tile(static_cast<int>(culprit->cell.x), static_cast<int>(culprit->cell.y));
    TileDef* roof = makeTileDef(2);
    roofed->overlay = roof;
    culprit->setHeightLevel(2);
    frame();
    EXPECT_EQ(droid->mode, PoliceDroid::Patrol);
    EXPECT_TRUE(police->getCrimeScenes().empty());
    roofed->overlay = nullptr;
}

TEST_F(PoliceDroidTest, AnEscortKeepsCloseToItsNpcAndLeavesTheCityOnceReleased)
{
    WitnessCitizen* target = addWalker(Vec2(320, 320));
    police->requestEscort(target);
    ASSERT_FALSE(police->getDroids().empty());
    PoliceDroid* droid = police->getDroids().back();
    EXPECT_EQ(droid->mode, PoliceDroid::Escort);
    EXPECT_EQ(droid->escortedNpc, target);
    EXPECT_EQ(droid->lampColour, PoliceDroid::LampWhite);
    run(4.0f);
    EXPECT_LE(droid->getPosition().distance(target->getPosition()), 66.0f);
    EXPECT_LE(droid->orders.size(), 1u);

    // Released: one order for the map's corner, replaced rather than piled up every frame.
    police->releaseEscort(target);
    EXPECT_EQ(droid->escortedNpc, nullptr);
    const size_t robots = mobs->flyingMobs.size();
    bool leftOnce = true;
    const bool gone = runUntil(
        [&] {
            if (!flying(droid))
                return true;
            leftOnce = leftOnce && droid->orders.size() <= 1;
            return false;
        },
        20.0f);
    ASSERT_TRUE(gone) << "removed once off screen";
    EXPECT_TRUE(leftOnce);
    EXPECT_EQ(mobs->flyingMobs.size(), robots - 1);
    EXPECT_FALSE(onDuty(droid));
}

TEST_F(PoliceDroidTest, AnEmpDownsADroidInEveryModeFreesWhomeverItScannedAndRemovesItOnce)
{
    enum Setup { Patrolling, Enforcing, ScanningCitizen, ScanningPlayer, Fighting, Escorting };
    Player* player = addPlayer(Vec2(600, 600));
    for (int setup = Patrolling; setup <= Escorting; ++setup)
    {
        SCOPED_TRACE(setup);
        srand(100 + setup);
        WitnessCitizen* person = addWalker(Vec2(300, 300));
        PoliceDroid* droid = nullptr;
        if (setup == Escorting)
        {
            police->requestEscort(person);
            droid = police->getDroids().back();
        }
        else
            droid = droidOnDuty();
        ASSERT_NE(droid, nullptr);
        droid->setPosition(Vec2(300, 340));
        CrimeScene* scene = nullptr;
        if (setup != Patrolling && setup != Escorting)
        {
            scene = police->reportCrime(1, nullptr, nullptr, Vec2(300, 300), "`%Someone");
            ASSERT_EQ(droid->crimeScene, scene);
        }
        GameInterface* driver = GameInterface::getInstance();
        if (setup == ScanningCitizen)
            droid->enterScanMode(person);
        if (setup == ScanningPlayer)
        {
            player->setPosition(Vec2(300, 320));
            driver->scanCountdown = 20.0f; // what the player's scan start shows
            droid->enterScanMode(player);
            EXPECT_EQ(police->playerScanProgress, 0.0f);
        }
        if (setup == Fighting)
        {
            scene->suspect = person;
            droid->enterCombatMode();
        }
        frame();

        police->empBlast(Vec2(300, 300));
        EXPECT_EQ(droid->mode, PoliceDroid::Disabled);
        EXPECT_EQ(droid->getLamp(0), nullptr);
        EXPECT_EQ(droid->getLamp(1), nullptr);
        EXPECT_EQ(droid->currentAnimation, 2);
        EXPECT_EQ(droid->scanTarget, nullptr);
        EXPECT_GE(droid->shutdownTime, 6.0f);
        EXPECT_LE(droid->shutdownTime, 15.0f);
        if (setup == ScanningCitizen)
        {
            ASSERT_EQ(person->scanMessages.size(), 1u) << "the scanned citizen is let go";
            EXPECT_EQ(person->scanMessages[0], "");
        }
        if (setup == ScanningPlayer)
        {
            EXPECT_EQ(police->playerScanProgress, -1.0f);
            EXPECT_EQ(driver->scanCountdown, -1.0f) << "the scan warning goes";
        }
        EXPECT_FALSE(droid->canSee(person->getPosition(), true)) << "a falling droid reports nothing";

        // It spins and drifts until it shuts down, and is taken out once,
        // even when it is off screen with its despawn flag set in that frame.
        const Vec2 hit = droid->getPosition();
        const float spin = droid->heading;
        run(1.0f);
        EXPECT_NE(droid->getPosition(), hit);
        EXPECT_NE(droid->heading, spin);
        EXPECT_TRUE(flying(droid));
        police->extraDroids = 0; // no new droid takes its place (and its address)
        droid->shutdownTime = Frame * 0.5f;
        droid->despawn = true;
        droid->setPosition(Vec2(5000, 5000));
        const size_t robots = mobs->flyingMobs.size();
        frame();
        EXPECT_FALSE(flying(droid));
        EXPECT_EQ(mobs->flyingMobs.size(), robots - 1);
        EXPECT_FALSE(onDuty(droid));
        frame();
        police->reset();
        mobs->removeMob(person);
    }
}

TEST_F(PoliceDroidTest, LeavingAScanNeverComesBackIntoIt)
{
    PoliceDroid* droid = droidOnDuty();
    ASSERT_NE(droid, nullptr);
    droid->setPosition(Vec2(300, 300));
    police->reportCrime(1, nullptr, nullptr, Vec2(300, 300), "`%Someone");
    auto* citizen = new ImpatientCitizen(mobDef(), nextId++);
    citizen->setPosition(Vec2(320, 300));
    citizen->mobKind = MobCitizen;
    mobs->addGroundMob(citizen);
    citizen->droid = droid;

    droid->enterScanMode(citizen);
    ASSERT_EQ(droid->mode, PoliceDroid::Scan);
    droid->enterPatrolMode();
    EXPECT_EQ(citizen->scanMessages.size(), 1u) << "released once";
    EXPECT_EQ(droid->mode, PoliceDroid::Patrol);
    EXPECT_EQ(droid->scanTarget, nullptr);

    // The same through a verdict, which goes back to enforcing the scene.
    police->reportCrime(1, nullptr, droid, Vec2(300, 300), "`%Someone");
    citizen->scanMessages.clear();
    citizen->droid = nullptr;
    droid->enterScanMode(citizen);
    citizen->droid = droid;
    droid->finishScan(false);
    EXPECT_EQ(citizen->scanMessages.size(), 1u);
    EXPECT_EQ(droid->mode, PoliceDroid::Patrol) << "what the citizen asked for last holds";
}
