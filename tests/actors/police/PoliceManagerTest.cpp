// The police manager on the small test city: crime scenes opening, joining
// and timing out, bodies, the police level with its quotas and hunters, the
// chase flags and music, EMPs, suspects and witnesses.
#include "PoliceManagerFixture.h"
#include "actors/police/PoliceEscorts.h"
#include "app/StatEngine.h"

using cocos2d::Vec2;

namespace
{
constexpr int BodiesFoundStat = 1010;
}

class PoliceManagerTest : public PoliceManagerFixture
{
};

TEST_F(PoliceManagerTest, ScenesJoinWithin320PixelsAndKeepTheirTime)
{
    CrimeScene* scene = police->reportCrime(1, nullptr, nullptr, Vec2(100, 100), "a");
    ASSERT_NE(scene, nullptr);
    EXPECT_FLOAT_EQ(scene->timeLeft, 90.0f);
    EXPECT_EQ(scene->severity, 1);

    // 320 px away joins, and a join is capped at two minutes.
    EXPECT_EQ(police->reportCrime(1, nullptr, nullptr, Vec2(420, 100), "b"), scene);
    EXPECT_FLOAT_EQ(scene->timeLeft, 120.0f);
    EXPECT_EQ(police->reportCrime(1, nullptr, nullptr, Vec2(100, 420), "b"), scene);
    EXPECT_FLOAT_EQ(scene->timeLeft, 120.0f);
    // 321 px away opens a second scene, with a later id.
    CrimeScene* other = police->reportCrime(1, nullptr, nullptr, Vec2(421, 100), "c");
    ASSERT_NE(other, scene);
    EXPECT_GT(other->id, scene->id);
    EXPECT_EQ(police->getCrimeScenes().size(), 2u);

    // A body: severity 0 holds, and 30 s more beyond the cap.
    const int found = StatEngine::getInstance()->addStat(BodiesFoundStat, 0);
    WitnessCitizen* victim = addWalker(Vec2(110, 100));
    victim->health = 0;
    police->reportBody(victim, nullptr, "`%Someone");
    EXPECT_EQ(scene->severity, 0);
    EXPECT_FLOAT_EQ(scene->timeLeft, 150.0f);
    EXPECT_EQ(police->findSceneWithBody(victim), scene);
    EXPECT_EQ(StatEngine::getInstance()->addStat(BodiesFoundStat, 0), found + 1);

    // Not again while its scene lists it; a police kill never.
    police->reportBody(victim, nullptr, "`%Someone");
    EXPECT_FLOAT_EQ(scene->timeLeft, 150.0f);
    WitnessCitizen* policed = addWalker(Vec2(600, 600));
    policed->health = 0;
    policed->lastHitBy = 1;
    police->reportBody(policed, nullptr, "`%Someone");
    EXPECT_EQ(police->getCrimeScenes().size(), 2u);
    EXPECT_EQ(StatEngine::getInstance()->addStat(BodiesFoundStat, 0), found + 1);

    // Time passes: old after 45 s, closed when its time runs out.
    police->update(46.0f);
    EXPECT_TRUE(other->old);
    EXPECT_FLOAT_EQ(other->age, 46.0f);
    police->update(44.0f);
    EXPECT_EQ(police->getCrimeScenes(), std::vector<CrimeScene*>{scene});

    // Once its scene closed, the next finder reports the body again, and the
    // new scene may raise the level; the statistic counts the body once.
    police->closeCrimeScene(scene);
    police->levelUpChance = 100;
    const int level = police->policeLevel;
    police->reportBody(victim, nullptr, "`!A cleaning droid");
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->findSceneWithBody(victim), police->getCrimeScenes()[0]);
    EXPECT_EQ(police->policeLevel, level + 1);
    EXPECT_EQ(StatEngine::getInstance()->addStat(BodiesFoundStat, 0), found + 1);
}

TEST_F(PoliceManagerTest, OnlyPeopleTheDroidsCanChaseBecomeSuspectsOfAJoinedScene)
{
    CrimeScene* scene = police->reportCrime(1, nullptr, nullptr, Vec2(200, 200), "a");
    WitnessCitizen* guard = addWalker(Vec2(210, 200));
    guard->mobKind = MobBodyguard;
    police->reportCrime(1, guard, nullptr, Vec2(200, 200), "a");
    EXPECT_EQ(scene->suspect, nullptr);
    WitnessCitizen* citizen = addWalker(Vec2(220, 200));
    police->reportCrime(1, citizen, nullptr, Vec2(200, 200), "a");
    EXPECT_EQ(scene->suspect, citizen);
    EXPECT_TRUE(police->isSuspect(citizen));
    EXPECT_TRUE(police->isWanted(citizen));

    // A report about a dead player is dropped.
    Player* player = addPlayer(Vec2(300, 300));
    player->health = 0;
    EXPECT_EQ(police->reportCrime(1, player, nullptr, Vec2(900, 900), "a"), nullptr);
}

TEST_F(PoliceManagerTest, TheLevelTableSetsQuotasAndHuntersAndTheLevelStopsAtFive)
{
    const PoliceLevelRow expected[] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 3}};
    for (int level = 0; level <= PoliceManager::maxPoliceLevel; ++level)
    {
        EXPECT_EQ(PoliceManager::policeLevelTable[level].droidQuota, expected[level].droidQuota);
        EXPECT_EQ(PoliceManager::policeLevelTable[level].hunterLimit, expected[level].hunterLimit);
    }

    // Level 0 keeps nobody on duty.
    police->update(0.1f);
    EXPECT_TRUE(police->getDroids().empty());

    // Every new scene raises the level when the chance is certain; a joined one does not.
    police->levelUpChance = 100;
    police->reportCrime(1, nullptr, nullptr, Vec2(0, 0), "a");
    EXPECT_EQ(police->policeLevel, 1);
    police->reportCrime(1, nullptr, nullptr, Vec2(10, 0), "a");
    EXPECT_EQ(police->policeLevel, 1);
    // The first droid comes with the first level, one per frame.
    police->update(0.1f);
    ASSERT_EQ(police->getDroids().size(), 1u);
    police->update(0.1f);
    EXPECT_EQ(police->getDroids().size(), 1u);
    for (int i = 1; i < 8; ++i)
        police->reportCrime(1, nullptr, nullptr, Vec2(1000.0f * i, 0), "a");
    EXPECT_EQ(police->policeLevel, 5);
    police->extraDroids = 1;
    for (int i = 0; i < 5; ++i)
        police->update(0.1f);
    EXPECT_EQ(static_cast<int>(police->getDroids().size()), 4);
}

TEST_F(PoliceManagerTest, AHitmanComesFromASpawnMarkerAwayFromThePlayerOrNotAtAll)
{
    Player* player = addPlayer(centreOf(2, 2));
    police->policeLevel = 2;
    police->levelUpChance = 100;
    // Level 3 allows one hunter, but no marker is far enough: none comes from off the map.
    police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    EXPECT_EQ(police->policeLevel, 3);
    EXPECT_EQ(mobs->countLivingHunters(), 0);

    auto* marker = new MapMarker(MapMarkerKind::Spawn, centreOf(18, 18));
    map->allMarkers.push_back(marker);
    map->spawnMarkers.push_back(marker);
    police->reportCrime(1, player, nullptr, centreOf(15, 2), "a");
    ASSERT_EQ(mobs->countLivingHunters(), 1);
    EXPECT_EQ(mobs->lastHunter->getPosition(), centreOf(18, 18));
    // The limit of level 4 holds.
    police->levelUpChance = 0;
    EXPECT_EQ(police->policeLevel, 4);
    police->reportCrime(1, player, nullptr, centreOf(2, 15), "a");
    EXPECT_EQ(mobs->countLivingHunters(), 1);
}

TEST_F(PoliceManagerTest, ChaseFlagsFollowTheDroidsOnThePlayersScenes)
{
    Player* player = addPlayer(Vec2(320, 320));
    PoliceDroid* droid = droidOnDuty();
    ASSERT_NE(droid, nullptr);
    droid->setPosition(Vec2(100, 100));

    CrimeScene* scene = police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    EXPECT_EQ(droid->crimeScene, scene);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);
    EXPECT_TRUE(police->isPursued());
    EXPECT_FALSE(police->isChasing());
    EXPECT_EQ(police->countPursuingDroids(), 1);
    EXPECT_EQ(police->chaseMusic, -1);

    droid->enterCombatMode();
    EXPECT_TRUE(police->isChasing());
    EXPECT_NE(police->chaseMusic, -1);

    police->closeCrimeScene(scene);
    EXPECT_EQ(droid->mode, PoliceDroid::Patrol);
    EXPECT_EQ(droid->crimeScene, nullptr);
    EXPECT_FALSE(police->isPursued());
    EXPECT_FALSE(police->isChasing());
    EXPECT_EQ(police->chaseMusic, -1);

    // A new run: no droid is left pointing at a scene that is gone.
    police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    droid->enterCombatMode();
    police->reset();
    EXPECT_TRUE(police->getDroids().empty());
    EXPECT_TRUE(police->getCrimeScenes().empty());
    EXPECT_EQ(police->chaseMusic, -1);
    EXPECT_EQ(police->policeLevel, 0);
    for (FlyingMob* flyer : mobs->flyingMobs)
        EXPECT_EQ(dynamic_cast<PoliceDroid*>(flyer), nullptr);
}

TEST_F(PoliceManagerTest, AnEmpDisablesNearDroidsAndClearsTheirScenesSuspect)
{
    Player* player = addPlayer(Vec2(320, 320));
    PoliceDroid* near = droidOnDuty();
    PoliceDroid* far = droidOnDuty();
    ASSERT_TRUE(near && far);
    near->setPosition(Vec2(320, 320) + Vec2(480, 0));
    far->setPosition(Vec2(320, 320) + Vec2(481, 0));
    CrimeScene* scene = police->reportCrime(1, player, near, player->getPosition(), "a");
    ASSERT_EQ(near->crimeScene, scene);

    police->empBlast(Vec2(320, 320));
    police->updateChaseState();
    EXPECT_EQ(near->mode, PoliceDroid::Disabled);
    EXPECT_EQ(near->crimeScene, nullptr);
    EXPECT_EQ(scene->suspect, nullptr);
    EXPECT_NE(far->mode, PoliceDroid::Disabled);
    EXPECT_FALSE(police->isPursued());

    // A droid asking twice to leave is taken out once (and not replaced now).
    police->extraDroids = 0;
    police->queueDroidRemoval(near);
    police->queueDroidRemoval(near);
    police->update(0.0f);
    ASSERT_EQ(police->getDroids().size(), 1u);
    EXPECT_EQ(police->getDroids()[0], far);
}

TEST_F(PoliceManagerTest, AHackedTerminalPinsTheCrimeOnSomeoneAliveOrNobody)
{
    Player* player = addPlayer(Vec2(320, 320));
    CrimeScene* scene = police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    police->clearSuspect(player, true);
    EXPECT_EQ(scene->suspect, nullptr) << "nobody walks the city";

    police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    WitnessCitizen* corpse = addWalker(Vec2(100, 100));
    corpse->health = 0;
    police->clearSuspect(player, true);
    EXPECT_EQ(scene->suspect, nullptr) << "never a corpse";

    WitnessCitizen* living = addWalker(Vec2(120, 100));
    police->reportCrime(1, player, nullptr, player->getPosition(), "a");
    police->clearSuspect(player, true);
    EXPECT_EQ(scene->suspect, living);
    EXPECT_FALSE(police->isSuspect(player));
}

TEST_F(PoliceManagerTest, WitnessesSeeTheCrimeButTheCulpritDoesNotWitnessItself)
{
    WitnessCitizen* culprit = addWalker(Vec2(300, 300));
    culprit->heading = 0.0f;
    WitnessCitizen* witness = addWalker(Vec2(330, 300));
    witness->viewAngle = 360.0f;
    witness->sightRange = 256.0f;
    culprit->viewAngle = 360.0f;
    culprit->sightRange = 256.0f;

    police->witnessCrime(culprit, false, false, 1.0f);
    ASSERT_EQ(witness->seen.size(), 1u);
    EXPECT_EQ(witness->culprits[0], culprit);
    EXPECT_TRUE(culprit->seen.empty());
    EXPECT_TRUE(police->getCrimeScenes().empty()) << "no droid or camera saw it";

    // A droid that sees it reports it itself.
    PoliceDroid* droid = droidOnDuty();
    ASSERT_NE(droid, nullptr);
    droid->setPosition(Vec2(320, 320));
    police->witnessCrime(culprit, false, false, 1.0f);
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, culprit);
    EXPECT_EQ(droid->crimeScene, police->getCrimeScenes()[0]);
}

// The contracts' actors as the NPC classes complete them: the escort part is the police's.
class EscortingActors : public PoliceEscorts
{
public:
    GameMob* spawnTarget(CitizenRecord*, Vec2) override { return nullptr; }
    GameMob* spawnBodyguard(GameMob*, Vec2, bool) override { return nullptr; }
};

TEST_F(PoliceManagerTest, AnEscortedTargetHasItsOwnDroidUntilReleased)
{
    WitnessCitizen* target = addWalker(Vec2(200, 200));
    EscortingActors actors;
    actors.requestEscort(target);
    ASSERT_EQ(police->getDroids().size(), 1u);
    PoliceDroid* escort = police->getDroids()[0];
    EXPECT_EQ(escort->mode, PoliceDroid::Escort);
    EXPECT_EQ(escort->escortedNpc, target);
    EXPECT_EQ(escort->getPosition(), target->getPosition());

    // An escort is never sent to a crime scene.
    police->reportCrime(1, nullptr, nullptr, Vec2(220, 200), "a");
    EXPECT_EQ(escort->crimeScene, nullptr);

    actors.releaseEscort(target);
    EXPECT_EQ(escort->escortedNpc, nullptr);
    // It leaves the city and is taken out once off screen.
    map->cameraPoint = Vec2(5000, 5000);
    for (int i = 0; i < 20 && !police->getDroids().empty(); ++i)
    {
        escort->update(0.1f);
        police->update(0.1f);
    }
    EXPECT_TRUE(police->getDroids().empty());
}
