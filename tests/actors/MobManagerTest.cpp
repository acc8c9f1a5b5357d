// The actor manager with real actors on a small map: the per-frame pass,
// removal and every holder forgetting the removed actor, clearing, and the
// queries of the NPCs, the police, the droids, the bullets and the HUD.
#include "ActorCast.h"
#include "GameMobFixture.h"
#include "../app/LevelFlowFixture.h"
#include "app/GameState.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/PopulationSettings.h"
#include "actors/Projectile.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/menus/TutorialWorld.h"
#include "world/MapMarker.h"
#include "world/PathRequest.h"
#include <set>

using cocos2d::Vec2;

class MobManagerTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        mobs = MobManager::getInstance();
        mobs->makers.citizen = [this](bool contact, Vec2 position) {
            TestCitizen* citizen = makeCitizen(position);
            citizen->contact = contact;
            citizen->mobKind = contact ? MobContact : MobCitizen;
            return citizen;
        };
        mobs->makers.hunter = [this](Vec2 position) {
            TestCitizen* hunter = makeCitizen(position);
            hunter->mobKind = MobHunter;
            return hunter;
        };
        mobs->makers.bodyguard = [this](GameMob* principal, Vec2 position) {
            TestCitizen* guard = makeCitizen(position);
            guard->mobKind = MobBodyguard;
            guard->guarding = principal;
            return guard;
        };
        mobs->makers.flyer = [this](int) { return new TestFlyer(spriteDef(), FlyingMob::AmbientFlyer); };
        mobs->makers.blimp = [this](int) { return new TestFlyer(spriteDef(), FlyingMob::AdvertBlimp); };
        mobs->makers.cleanerDroid = [this]() {
            auto* droid = new TestFlyer(spriteDef(), FlyingMob::AmbientFlyer);
            PopulationSettings::getInstance()->cleaningDroids.push_back(droid);
            return droid;
        };
        map->cameraPoint = Vec2(320, 320);
    }

    void TearDown() override
    {
        mobs->clear();
        mobs->makers = {};
        PopulationSettings* population = PopulationSettings::getInstance();
        population->cleaningDroids.clear();
        population->flyers = population->blimps = population->spawnedCitizens = 0;
        GameInterface::getInstance()->mode = 0;
        GameMobFixture::TearDown();
    }

    // An actor definition with a picture, so that its sprite exists.
    ObjectDef* spriteDef()
    {
        if (!pictured)
        {
            pictured = mobDef();
            pictured->addFile("BloodPool.png");
        }
        return pictured;
    }

    TestCitizen* makeCitizen(Vec2 position)
    {
        auto* citizen = new TestCitizen(spriteDef(), nextId++);
        citizen->setPosition(position);
        citizen->destroyed = &destroyed;
        return citizen;
    }

    TestCitizen* spawn(Vec2 position, int kind = MobCitizen, GameMob* principal = nullptr)
    {
        return static_cast<TestCitizen*>(mobs->spawnMob(kind, principal, position));
    }

    Player* spawnPlayer(Vec2 position)
    {
        auto* player = new Player(mobDef(), true);
        player->setPosition(position);
        mobs->setPlayer(player);
        return player;
    }

    MobManager* mobs = nullptr;
    ObjectDef* pictured = nullptr;
    int nextId = 100;
    int destroyed = 0;
};

TEST_F(MobManagerTest, TheFramePassUpdatesNewcomersAndRemovesEachLeaverOnce)
{
    TestCitizen* first = spawn(centreOf(5, 5));
    TestCitizen* newcomer = nullptr;
    first->onUpdate = [&](TestCitizen*) {
        if (!newcomer)
            newcomer = spawn(centreOf(6, 6));
    };
    // A body whose corpse time runs out while it is off screen with the despawn flag.
    TestCitizen* body = spawn(Vec2(5000, 5000));
    body->health = 0;
    body->corpseTimer = 0.05f;
    body->despawnFlag = true;
    body->destroyed = nullptr;
    int bodyGone = 0;
    body->destroyed = &bodyGone;
    TestCitizen* fading = spawn(centreOf(7, 7));
    fading->health = 0;
    fading->corpseTimer = 1.0f;

    // Robots: one takes itself out during the flying pass, the one after it still flies.
    TestFlyer* leaving = static_cast<TestFlyer*>(mobs->spawnFlyer(1));
    TestFlyer* staying = static_cast<TestFlyer*>(mobs->spawnAdBlimp(3));
    int leftTwice = 0;
    leaving->destroyed = &leftTwice;
    leaving->onUpdate = [&](TestFlyer* self) {
        mobs->removeMob(self);
        mobs->removeMob(self);
        EXPECT_EQ(mobs->pendingRemovals.size(), 1u) << "queued once";
    };
    PopulationSettings* population = PopulationSettings::getInstance();
    population->flyers = 1;
    population->blimps = 1;

    mobs->update(0.1f);
    ASSERT_NE(newcomer, nullptr);
    EXPECT_EQ(newcomer->updates, 1) << "spawned during the pass, updated in it";
    EXPECT_EQ(bodyGone, 1);
    EXPECT_EQ(leftTwice, 1);
    EXPECT_EQ(staying->updates, 1);
    EXPECT_EQ(population->flyers, 0);
    EXPECT_EQ(population->blimps, 1);
    EXPECT_TRUE(mobs->pendingRemovals.empty());
    EXPECT_EQ(mobs->groundMobs, (std::vector<GameMob*>{first, fading, newcomer}));
    EXPECT_EQ(mobs->flyingMobs, std::vector<FlyingMob*>{staying});
    EXPECT_EQ(fading->mainSprite->getOpacity(), 128) << "a fading corpse is half transparent";
    EXPECT_NEAR(fading->corpseTimer, 0.9f, 1e-5f);
    EXPECT_EQ(fading->updates, 0) << "the dead are not updated";

    mobs->removeMob(fading);
    mobs->removeMob(fading);
    EXPECT_EQ(mobs->groundMobs.size(), 2u) << "a second removal of a gone actor does nothing";
}

TEST_F(MobManagerTest, RemovingAnActorMakesEveryHolderForgetIt)
{
    Player* player = spawnPlayer(centreOf(2, 2));
    player->health = 0;  // no contract statistics for a dead player
    TestCitizen* victim = spawn(centreOf(8, 8), MobContact);
    TestCitizen* watcher = spawn(centreOf(9, 8));
    TestCitizen* guard = spawn(centreOf(8, 9), MobBodyguard, victim);
    TestCitizen* hunter = spawn(centreOf(3, 3), MobHunter);
    FlyingMob* flyer = mobs->spawnFlyer(2);
    auto* droid = static_cast<TestFlyer*>(mobs->spawnCleanerDroid(centreOf(1, 1)));
    ObjectDef* cameraDef = makeObjectDef(true);
    cameraDef->camera = true;
    GameObject* camera = addObject(cameraDef, centreOf(10, 10));

    watcher->watchedObject = victim;
    watcher->culprit = victim;
    flyer->watchedObject = victim;
    droid->cleaningTarget = victim;
    camera->watchedObject = victim;
    player->carriedBody = victim;
    map->addActiveObject(victim);
    GameCamera::getInstance()->setTarget(victim);
    victim->findPath(Vec2(15, 15), true);
    ASSERT_EQ(mobs->contacts, std::vector<GameMob*>{victim});

    mobs->removeMob(victim);
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(mobs->contacts.empty());
    EXPECT_EQ(watcher->watchedObject, nullptr);
    EXPECT_EQ(watcher->culprit, nullptr);
    EXPECT_EQ(guard->guarding, nullptr);
    EXPECT_TRUE(guard->despawnFlag) << "a bodyguard without a principal leaves";
    EXPECT_EQ(flyer->watchedObject, nullptr);
    EXPECT_EQ(droid->cleaningTarget, nullptr);
    EXPECT_EQ(camera->watchedObject, nullptr);
    EXPECT_EQ(player->carriedBody, nullptr);
    EXPECT_TRUE(std::find(map->activeObjects.begin(), map->activeObjects.end(), victim) == map->activeObjects.end());
    EXPECT_EQ(GameCamera::getInstance()->target, nullptr);
    for (int queue = 0; queue < 4; ++queue)
        EXPECT_TRUE(Pather::getInstance()->getQueue(queue).empty());

    // The hunter and the cleaning droid are holders' entries themselves.
    EXPECT_EQ(mobs->lastHunter, hunter);
    EXPECT_EQ(mobs->countLivingHunters(), 1);
    mobs->removeMob(hunter);
    EXPECT_EQ(mobs->lastHunter, nullptr);
    EXPECT_EQ(mobs->countLivingHunters(), 0);
    PopulationSettings* population = PopulationSettings::getInstance();
    population->flyers = 2;
    mobs->removeMob(droid);
    EXPECT_TRUE(population->cleaningDroids.empty());
    EXPECT_EQ(population->flyers, 1) << "a cleaning droid counts as a flyer";

    // Frames after the removals touch nothing that is gone (ASan).
    for (int frame = 0; frame < 30; ++frame)
    {
        mobs->update(1.0f / 60.0f);
        map->update(1.0f / 60.0f);
        Pather::getInstance()->update();
    }
    EXPECT_EQ(mobs->groundMobs.size(), 2u);
}

TEST_F(MobManagerTest, ClearEmptiesTheListsAndDestroysEveryActor)
{
    Player* player = spawnPlayer(centreOf(4, 4));
    GameInterface::getInstance()->player = player;
    for (int i = 0; i < 5; ++i)
        spawn(centreOf(i, 12), i % 2 ? MobContact : MobCitizen);
    for (int side = 1; side <= 4; ++side)
        mobs->spawnFlyer(side);
    // A contact's marker, held while the contact lives.
    auto* marker = new MapMarker(MapMarkerKind::Contact, centreOf(1, 12));
    map->allMarkers.push_back(marker);
    map->contactMarkers.push_back(marker);
    ASSERT_EQ(map->takeFreeContactMarker(), marker);
    mobs->clear();
    EXPECT_FALSE(marker->taken) << "contacts that leave alive give their markers back";
    EXPECT_EQ(destroyed, 5);
    EXPECT_TRUE(mobs->groundMobs.empty());
    EXPECT_TRUE(mobs->flyingMobs.empty());
    EXPECT_TRUE(mobs->contacts.empty());
    EXPECT_EQ(mobs->player, nullptr);
    EXPECT_EQ(GameInterface::getInstance()->player, nullptr) << "the driver never keeps a destroyed player";
    map->update(0.0f);
}

TEST_F(MobManagerTest, SpawnersFileEachKind)
{
    GameInterface::getInstance()->mode = 3;  // Dead Trench Walking
    TestCitizen* hostile = spawn(centreOf(5, 5));
    EXPECT_EQ(hostile->watchMode, 2);
    EXPECT_EQ(hostile->watchId, -2);
    EXPECT_FLOAT_EQ(hostile->armedTrait, 100.0f);
    ASSERT_EQ(hostile->givenWeapons.size(), 1u);
    EXPECT_TRUE(hostile->givenWeapons[0] == 73 || hostile->givenWeapons[0] == 74);

    FlyingMob* blimp = mobs->spawnAdBlimp(3);
    EXPECT_FLOAT_EQ(blimp->getPosition().x, 0.0f) << "from the west edge, cell corner";
    EXPECT_EQ(blimp->mainSprite->getParent(), map->worldNode);
    EXPECT_EQ(blimp->mainSprite->getLocalZOrder(), 800);
    mobs->makers.policeDroid = nullptr;
    EXPECT_EQ(mobs->spawnPoliceDroid(centreOf(1, 1)), nullptr) << "no maker registered, nothing made";
}

TEST_F(MobManagerTest, RadiusPicksAndBodies)
{
    Player* player = spawnPlayer(centreOf(5, 5));
    TestCitizen* near = spawn(centreOf(5, 6));
    TestCitizen* body = spawn(centreOf(6, 5));
    body->health = 0;
    FlyingMob* flyer = mobs->spawnFlyer(1);
    flyer->setPosition(centreOf(4, 5));

    for (int draw = 0; draw < 20; ++draw)
    {
        const std::vector<int> scanned{near->record};
        GameObject* pick = mobs->pickMobInRadius(false, &scanned, true, centreOf(5, 5), 48.0f);
        EXPECT_EQ(pick, player) << "the scanned citizen is skipped";
        const std::vector<int> all{near->record, -1};
        EXPECT_EQ(mobs->pickMobInRadius(false, &all, true, centreOf(5, 5), 48.0f), nullptr)
            << "-1 stands for the player; with a list, never a flying mob";
    }
    EXPECT_EQ(mobs->pickMobInRadius(true, nullptr, false, centreOf(5, 5), 48.0f), body);
    body->claimed = true;
    EXPECT_EQ(mobs->pickMobInRadius(true, nullptr, false, centreOf(5, 5), 48.0f), nullptr);
    body->claimed = false;
    EXPECT_EQ(mobs->findBodyNear(centreOf(6, 6), 32.0f), body);
    EXPECT_EQ(mobs->findBodyNear(centreOf(6, 6), 31.0f), nullptr);

    // The cleaners search the map through findObjectNear: a body first.
    EXPECT_EQ(map->findObjectNear(true, false, false, centreOf(6, 5), 20.0f), body);
    auto* droid = static_cast<TestFlyer*>(mobs->spawnCleanerDroid(centreOf(1, 1)));
    droid->cleaningTarget = body;
    ObjectDef* litterDef = makeObjectDef(true);
    litterDef->garbage = true;
    GameObject* litter = addObject(litterDef, centreOf(6, 5) + Vec2(4, 0));
    EXPECT_EQ(map->findObjectNear(true, false, false, centreOf(6, 5), 20.0f), litter)
        << "a body another droid claimed is passed over";
    auto* second = static_cast<TestFlyer*>(mobs->spawnCleanerDroid(centreOf(1, 2)));
    second->cleaningTarget = litter;
    EXPECT_NE(map->findObjectNear(true, false, false, centreOf(6, 5), 20.0f), litter);
    map->removeObject(litter, true);
    EXPECT_EQ(second->cleaningTarget, nullptr) << "the map's removal makes the droids forget";
    droid->cleaningTarget = nullptr;
    delete litter;
    EXPECT_EQ(map->findObjectNear(false, false, false, centreOf(6, 5), 20.0f), body) << "a body lying near";
    EXPECT_EQ(mobs->findCarrierOf(body), nullptr);
    player->carriedBody = body;
    EXPECT_EQ(mobs->findCarrierOf(body), player);
    player->carriedBody = nullptr;
}

TEST_F(MobManagerTest, ThreatsAreArmedStrangersInViewThenLures)
{
    TestCitizen* looker = spawn(centreOf(5, 5));
    looker->setRotation(0.0f);  // facing up
    TestCitizen* gunman = spawn(centreOf(5, 8));
    EXPECT_EQ(mobs->findThreatFor(3, -1, looker, looker->getPosition(), looker->sightRange), nullptr)
        << "a lowered weapon is no threat";
    gunman->weaponRaised = true;
    EXPECT_EQ(mobs->findThreatFor(3, -1, looker, looker->getPosition(), looker->sightRange), gunman);
    // Sought by id: only that citizen, and not when it is a friend.
    EXPECT_EQ(mobs->findThreatFor(3, gunman->record, looker, looker->getPosition(), 192.0f), gunman);
    looker->friends.push_back(gunman->record);
    EXPECT_EQ(mobs->findThreatFor(3, gunman->record, looker, looker->getPosition(), 192.0f), nullptr);
    looker->setRotation(180.0f);
    EXPECT_EQ(mobs->findThreatFor(1, -1, looker, looker->getPosition(), 192.0f), nullptr) << "behind its back";

    // The player, sought by -2, is seen all round only by its definition's flag.
    Player* player = spawnPlayer(centreOf(5, 2));
    EXPECT_EQ(mobs->findThreatFor(3, -2, looker, looker->getPosition(), 192.0f), player);
    EXPECT_EQ(mobs->findThreatFor(3, -1, player, player->getPosition(), 192.0f), nullptr)
        << "the player looks for nothing";

    // The per-object scan fills the watched object every 0.75 s.
    looker->setRotation(0.0f);
    looker->friends.clear();
    looker->watchTimer = 0.0f;
    looker->GameObject::update(0.8f);
    EXPECT_EQ(looker->watchedObject, gunman);

    // A lure comes last and only draws people.
    gunman->weaponRaised = false;
    ObjectDef* lureDef = makeObjectDef(true);
    lureDef->islure = true;
    GameObject* lure = addObject(lureDef, centreOf(8, 5));
    EXPECT_EQ(mobs->findThreatFor(3, -1, looker, looker->getPosition(), 192.0f), nullptr)
        << "a lure draws no one until it is switched on";
    lure->armed = true;
    EXPECT_EQ(mobs->findThreatFor(3, -1, looker, looker->getPosition(), 192.0f), lure);
    ObjectDef* cameraDef = makeObjectDef(true);
    GameObject* camera = addObject(cameraDef, centreOf(7, 5));
    camera->sightRange = 256.0f;
    camera->heightLevel = 0;
    camera->watchTimer = 0.0f;
    camera->GameObject::update(0.8f);
    EXPECT_EQ(camera->watchedObject, nullptr) << "an object is not drawn by a lure";
}

TEST_F(MobManagerTest, BlastsAndFlashesFollowTheWalls)
{
    TileDef* wall = makeTileDef(1);
    for (int y = 0; y < 20; ++y)
    {
        setFloor(6, y, wall);
        setFloor(1, y, wall);
    }
    const Vec2 blast(186.0f, 176.0f);
    TestCitizen* close = spawn(blast + Vec2(10, 0));   // in the wall's cell, within 16 px
    TestCitizen* open = spawn(blast + Vec2(0, 40));    // north, nothing in the way
    TestCitizen* shielded = spawn(blast - Vec2(40, 0));  // west, a wall before the blast's edge
    Player* player = spawnPlayer(blast + Vec2(60, 0));   // east, behind the wall
    player->health = 100;
    mobs->explosionAt(blast, 384.0f, 40.0f);
    EXPECT_EQ(close->health, 60);
    EXPECT_EQ(close->lastHitBy, 2);
    EXPECT_EQ(open->health, 60);
    EXPECT_EQ(shielded->health, 100);
    EXPECT_EQ(player->health, 100);

    mobs->flashbangAt(blast, 288.0f);
    EXPECT_FLOAT_EQ(open->flashedFor, 5.0f);
    EXPECT_FLOAT_EQ(shielded->flashedFor, 5.0f) << "the flash only needs a clear line to the actor";
    TestCitizen* beyond = spawn(blast + Vec2(70, 0));
    mobs->flashbangAt(blast, 288.0f);
    EXPECT_FLOAT_EQ(beyond->flashedFor, -1.0f);

    // Charges set off on the map reach the actors through the manager.
    open->flashedFor = -1.0f;
    ObjectDef* bangDef = makeObjectDef(true);
    bangDef->isflashbang = true;
    map->explodeAt(addObject(bangDef, blast));
    EXPECT_FLOAT_EQ(open->flashedFor, 5.0f);
    ObjectDef* chargeDef = makeObjectDef(true);
    chargeDef->explosive = 30;
    map->explodeAt(addObject(chargeDef, blast));
    EXPECT_EQ(open->health, 30);
    map->update(0.0f);
}

TEST_F(MobManagerTest, BlastsStunAndBlameOnlyTheLiving)
{
    const Vec2 blast = centreOf(5, 5);
    TestCitizen* living = spawn(blast + Vec2(20, 0));
    TestCitizen* body = spawn(blast - Vec2(20, 0));
    body->health = 0;
    body->lastHitBy = 1;  // the police drone's kill
    mobs->flashbangAt(blast, 288.0f);
    EXPECT_FLOAT_EQ(living->flashedFor, 5.0f);
    EXPECT_FLOAT_EQ(body->flashedFor, -1.0f) << "a body is not stood up";
    mobs->explosionAt(blast, 384.0f, 10.0f);
    EXPECT_EQ(living->lastHitBy, 2);
    EXPECT_EQ(body->lastHitBy, 1) << "the dead keep who killed them";
}

TEST_F(MobManagerTest, ADeadBodyguardHoldsNoPrincipal)
{
    TestCitizen* principal = spawn(centreOf(3, 3));
    TestCitizen* guard = spawn(centreOf(3, 10), MobBodyguard, principal);
    ASSERT_TRUE(mobs->isBodyguardFarFrom(principal));
    guard->health = 0;
    EXPECT_FALSE(mobs->isBodyguardFarFrom(principal)) << "a dead guard is never waited for";
    TestCitizen* second = spawn(centreOf(3, 12), MobBodyguard, principal);
    EXPECT_TRUE(mobs->isBodyguardFarFrom(principal));
    second->setPosition(centreOf(3, 4));
    EXPECT_FALSE(mobs->isBodyguardFarFrom(principal));
}

TEST_F(MobManagerTest, BulletsMarkersContactsAndBodyguards)
{
    TestCitizen* walker = spawn(centreOf(5, 5));
    ObjectDef* boltDef = makeObjectDef(true, 0, 3.0f);
    GameObject bolt(boltDef, false, GameObject::PlainObject);
    bolt.setPosition(centreOf(5, 5) + Vec2(10, 0));
    EXPECT_EQ(mobs->segmentHitTest(&bolt), walker);
    bolt.setPosition(centreOf(5, 5) + Vec2(12, 0));
    EXPECT_EQ(mobs->segmentHitTest(&bolt), nullptr) << "the circles must overlap";
    walker->health = 0;
    bolt.setPosition(centreOf(5, 5));
    EXPECT_EQ(mobs->segmentHitTest(&bolt), nullptr) << "the dead are not hit";

    Player* player = spawnPlayer(centreOf(10, 10));
    EXPECT_EQ(mobs->nearestContact(), nullptr);
    TestCitizen* farContact = spawn(centreOf(18, 18), MobContact);
    EXPECT_EQ(mobs->nearestContact(), farContact);
    TestCitizen* nearContact = spawn(centreOf(10, 10) + Vec2(0, 20), MobContact);
    EXPECT_EQ(mobs->nearestContact(), nearContact);
    EXPECT_EQ(mobs->countLivingContacts(), 2);
    EXPECT_TRUE(mobs->isContactNearPlayer()) << "within 1.5 diameters (24 px)";
    nearContact->setPosition(centreOf(10, 10) + Vec2(0, 30));
    EXPECT_FALSE(mobs->isContactNearPlayer());

    // The marker keeps its mob until a notable one comes along.
    EXPECT_EQ(mobs->findNotableMob(walker), walker);
    player->setRotation(0.0f);
    EXPECT_EQ(mobs->findNotableMob(nullptr), nearContact) << "the first notable actor in view";
    player->health = 0;
    EXPECT_EQ(mobs->findNotableMob(nullptr), nullptr);
    player->health = 100;

    TestCitizen* principal = spawn(centreOf(3, 3));
    TestCitizen* guard = spawn(centreOf(3, 4), MobBodyguard, principal);
    mobs->moveBodyguardsOf(principal->record, centreOf(7, 7));
    EXPECT_EQ(guard->followed, std::vector<Vec2>{centreOf(7, 7)});
    mobs->alertBodyguardsOf(principal->record, centreOf(1, 1));
    EXPECT_EQ(guard->heard.size(), 1u);
    guard->guardMode = 1;
    mobs->alertBodyguardsOf(principal->record, centreOf(1, 1));
    EXPECT_EQ(guard->heard.size(), 1u) << "a bodyguard in combat does not listen";
    mobs->bodyguardsKnowPlayer(principal->record);
    EXPECT_EQ(guard->watchMode, 2);
    EXPECT_EQ(guard->watchId, -2);
    EXPECT_FALSE(mobs->isBodyguardFarFrom(principal));
    guard->setPosition(centreOf(3, 10));
    EXPECT_TRUE(mobs->isBodyguardFarFrom(principal));
    EXPECT_EQ(mobs->findByCitizenId(guard->record), guard);
}

TEST_F(MobManagerTest, TheDeadAreNoContactsNorThePlayersMurdersAndTheGoneShieldNobody)
{
    constexpr int PoliceRole = 1;
    constexpr int PistolItem = 73;
    GameInterface* game = GameInterface::getInstance();
    HighScores* scores = HighScores::getInstance();
    scores->clearMurders();
    Player* player = spawnPlayer(centreOf(5, 5));
    player->setRotation(90.0f);
    game->player = player;

    // The police shoot the contact beside the player in crossfire; its body
    // stays on the list until it is cleaned away, a living one trades far off.
    TestCitizen* nearContact = spawn(centreOf(5, 6), MobContact);
    TestCitizen* farContact = spawn(centreOf(18, 18), MobContact);
    nearContact->health = 0;
    nearContact->lastHitBy = PoliceRole;
    EXPECT_EQ(mobs->nearestContact(), farContact) << "the tracker leads to the living";
    // The marker lingers a moment on the fallen contact as it fades.
    UIObjectDescriptor* marker = UIObjectDescriptor::create("", false);
    marker->target = nearContact;
    game->targetMarker = marker;
    player->credits = 500;
    EXPECT_FALSE(TutorialWorld().richNearContact()) << "no contact to spend the money with";
    game->targetMarker = nullptr;
    farContact->health = 0;
    EXPECT_EQ(mobs->nearestContact(), nullptr);

    // Citizens the police shot, stashed and sunk by the player, are no murders of his.
    auto bodyAt = [&](int killerRole) {
        TestCitizen* body = spawn(player->getPosition());
        body->identity = std::make_unique<CitizenRecord>(false);
        body->health = 0;
        body->lastHitBy = killerRole;
        player->carriedBody = body;
        body->carried = true;
        return body;
    };
    ObjectDef* containerDef = makeObjectDef(true, 0, 6.0f);
    containerDef->cancarrybody = true;
    bodyAt(PoliceRole);
    game->stashBody(addObject(containerDef, centreOf(5, 4)));
    TileDef* water = makeTileDef(0);
    water->water = true;
    setFloor(6, 5, water);
    bodyAt(PoliceRole);
    game->dropBodyInWater();
    EXPECT_TRUE(scores->murderList().empty());
    bodyAt(Player::PlayerRole);
    game->dropBodyInWater();
    EXPECT_EQ(scores->murderList().size(), 1u) << "the player's own victim is";
    game->clearMessages();
    scores->clearMurders();

    // A shooter leaves the game while its bullet flies: a newcomer in the
    // line of fire, at its address as likely as not, is hit like anyone else.
    TestCitizen* shooter = spawn(centreOf(10, 10));
    shooter->setRotation(90.0f);
    shooter->equip(shooter->inventory, shooter->inventory->addItem(PistolItem));
    shooter->raiseWeapon();
    shooter->attack(0.0f);
    ASSERT_EQ(map->projectiles.size(), 1u);
    auto* bullet = static_cast<Projectile*>(map->projectiles.front());
    ASSERT_EQ(bullet->shooter, shooter);
    mobs->removeMob(shooter);
    EXPECT_EQ(bullet->shooter, nullptr);
    TestCitizen* newcomer = spawn(centreOf(10, 10) + Vec2(32.0f, 0.0f));
    for (int frame = 0; frame < 120 && !map->projectiles.empty(); ++frame)
        map->update(1.0f / 60.0f);
    EXPECT_LT(newcomer->health, 100);
}

TEST_F(MobManagerTest, SpawnPositionsKeepToThePlayersLimits)
{
    for (int x : {1, 18})
    {
        auto* marker = new MapMarker(MapMarkerKind::Spawn, centreOf(x, 1));
        map->allMarkers.push_back(marker);
        map->spawnMarkers.push_back(marker);
    }
    std::set<float> withoutPlayer;
    for (int draw = 0; draw < 40; ++draw)
        withoutPlayer.insert(map->randomSpawnPosition(false, 3).x);
    EXPECT_EQ(withoutPlayer.size(), 2u) << "no player, no limit";
    spawnPlayer(centreOf(1, 1));
    for (int draw = 0; draw < 40; ++draw)
    {
        EXPECT_EQ(map->randomSpawnPosition(false, 3), centreOf(1, 1)) << "the far marker lies 17 cells away";
        EXPECT_EQ(map->randomSpawnPosition(true, 3), centreOf(1, 1));
    }
}

// The level flow: loading a level takes every actor out; a run hands the
// manager the player it spawns.
class MobManagerLevelTest : public LevelFlowFixture
{
};

TEST_F(MobManagerLevelTest, LoadingALevelTakesEveryActorOutAndARunHandsOverItsPlayer)
{
    MobManager* mobs = MobManager::getInstance();
    ObjectDef walkerDef;
    auto* walker = new GameMob(&walkerDef, false);
    mobs->addGroundMob(walker);
    auto* earlier = new Player(&playerDef, false);
    mobs->setPlayer(earlier);
    driver->player = earlier;

    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();
    EXPECT_TRUE(mobs->groundMobs.empty());
    EXPECT_EQ(mobs->player, nullptr);
    EXPECT_EQ(driver->player, nullptr);

    driver->startRun();
    ASSERT_EQ(driver->state, GameState::Playing);
    ASSERT_NE(driver->player, nullptr);
    EXPECT_EQ(mobs->player, driver->player);
    EXPECT_EQ(driver->player->mobKind, MobPlayer);
}
