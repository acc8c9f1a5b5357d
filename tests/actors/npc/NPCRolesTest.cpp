// The bodyguard, the contact and the hunter on the small plain map: the
// guard keeps round its employer's cell, fights what it sees and minds its
// employer in the line of fire; the contact loiters at its marker for good;
// the hunter searches, loiters and fights the player. All three stand still
// for a police scan the same way.
#include "NPCFixture.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "actors/police/PoliceManager.h"
#include "actors/contracts/MissionManager.h"
#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCContact.h"
#include "actors/npc/NPCHunter.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/StatEngine.h"
#include "app/TempFolder.h"
#include "platform/StatsStore.h"
#include "world/MapMarker.h"
#include "world/Pather.h"
#include <cmath>
#include <set>

using cocos2d::Vec2;

namespace {
constexpr int HunterGun = 319;

bool isNeighbour(Vec2 cell, Vec2 of)
{
    const float dx = std::fabs(cell.x - of.x);
    const float dy = std::fabs(cell.y - of.y);
    return std::max(dx, dy) == 1.0f;
}

// A hunter that counts how often it looks for a place to search.
class CountingHunter : public NPCHunter
{
public:
    using NPCHunter::NPCHunter;
    void pickHuntPosition() override
    {
        ++picks;
        NPCHunter::pickHuntPosition();
    }
    int picks = 0;
};
}

class NPCRolesTest : public NPCFixture
{
protected:
    void TearDown() override
    {
        if (player)
        {
            mobs->player = nullptr;
            delete player;
        }
        PoliceManager::getInstance()->reset();
        NPCFixture::TearDown();
    }

    // The one update of an actor the manager owns, with the Pather between frames.
    static void step(GameMob* mob, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            Pather::getInstance()->update();
            mob->update(Frame);
        }
    }

    GameNPC* employer(Vec2 cellAt)
    {
        GameNPC* boss = map->spawnNPC(nullptr, centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        mobs->addGroundMob(boss);
        return boss;
    }

    NPCBodyguard* bodyguardOf(GameNPC* boss, Vec2 cellAt)
    {
        NPCBodyguard* guard =
            map->spawnBodyguard(boss, centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        mobs->addGroundMob(guard);
        return guard;
    }

    MapMarker* marker(MapMarkerKind kind, Vec2 cellAt)
    {
        auto* added = new MapMarker(kind, centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        map->allMarkers.push_back(added);
        if (kind == MapMarkerKind::Contact)
            map->contactMarkers.push_back(added);
        return added;
    }

    Player* makePlayer(Vec2 cellAt)
    {
        player = new Player(mobDef(), false);
        player->mobKind = MobPlayer;
        player->setPosition(centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        mobs->player = player;
        return player;
    }

    // The times at which the actor fired, over the given span.
    std::vector<float> shotTimes(GameMob* shooter, float seconds, GameObject* seen)
    {
        std::vector<float> times;
        size_t fired = map->projectiles.size();
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            shooter->watchedObject = seen;
            shooter->update(Frame);
            if (map->projectiles.size() > fired)
                times.push_back(t);
            fired = map->projectiles.size();
        }
        return times;
    }

    Player* player = nullptr;
};

TEST_F(NPCRolesTest, ABodyguardKeepsToCellsRoundItsEmployersWayAndLooksRound)
{
    GameNPC* boss = employer(Vec2(4, 4));
    NPCBodyguard* guard = bodyguardOf(boss, Vec2(5, 10));
    EXPECT_EQ(guard->mobKind, MobBodyguard);
    EXPECT_EQ(guard->roleCode, RoleBodyguard);
    EXPECT_EQ(guard->principal(), boss);
    EXPECT_EQ(guard->guardAnchor, Vec2(5, 10));
    ASSERT_NE(guard->weapon(), nullptr) << "a bodyguard is always armed";

    // The employer sets off: the guard is sent ahead to the cell it walks to.
    boss->hasBodyguards = true;
    boss->moveBodyguards(Vec2(14, 10));
    EXPECT_EQ(guard->guardAnchor, Vec2(14, 10));
    EXPECT_EQ(guard->defendPosition.x, -1.0f);

    guard->enterGuardMode();
    std::set<std::pair<int, int>> stoodOn;
    std::set<int> headings;
    for (float t = 0.0f; t < 40.0f; t += Frame)
    {
        Pather::getInstance()->update();
        guard->update(Frame);
        if (guard->defendPosition.x != -1.0f)
        {
            EXPECT_TRUE(isNeighbour(guard->defendPosition, Vec2(14, 10))) << guard->defendPosition.x;
        }
        if (guard->cell == guard->defendPosition)
        {
            stoodOn.insert({static_cast<int>(guard->cell.x), static_cast<int>(guard->cell.y)});
            headings.insert(static_cast<int>(guard->heading));
        }
    }
    EXPECT_GE(stoodOn.size(), 2u) << "it moves to another cell by the anchor now and then";
    EXPECT_GE(headings.size(), 3u) << "and looks round while it stands";
    EXPECT_EQ(guard->guardMode, NPCBodyguard::Guarding);
    EXPECT_FALSE(guard->weaponRaised);
}

TEST_F(NPCRolesTest, ABodyguardFiresEveryTwoSecondsButNotThroughItsEmployer)
{
    GameNPC* boss = employer(Vec2(4, 4));
    NPCBodyguard* guard = bodyguardOf(boss, Vec2(10, 12));
    guard->enterGuardMode();
    GameMob* gunman = makeMob(centreOf(13, 12));
    gunman->weaponRaised = true;
    guard->setRotation(90.0f);

    guard->watchedObject = gunman;
    guard->update(Frame);
    ASSERT_EQ(guard->guardMode, NPCBodyguard::Fighting);
    EXPECT_EQ(guard->bodyguardMode(), 1);
    EXPECT_EQ(guard->shownBubble, BubbleCrime);
    EXPECT_TRUE(guard->running);

    const std::vector<float> times = shotTimes(guard, 7.5f, gunman);
    ASSERT_GE(times.size(), 3u);
    EXPECT_TRUE(guard->weaponRaised) << "raised while it sees its target";
    EXPECT_NEAR(times[0], 2.0f, 0.1f) << "the first shot two seconds after it could fire";
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NEAR(times[i] - times[i - 1], 2.0f, 2 * Frame);

    // The employer steps into the line of fire, nearer than the target: no shot.
    boss->setPosition(centreOf(11, 12));
    EXPECT_TRUE(shotTimes(guard, 5.0f, gunman).empty());
    boss->setPosition(centreOf(4, 4));

    // A failed path ends the fight; a dead target too.
    guard->waitingForPath = true;
    guard->pathFailed();
    EXPECT_EQ(guard->guardMode, NPCBodyguard::Guarding);
    EXPECT_FALSE(guard->waitingForPath);
    guard->watchedObject = gunman;
    guard->update(Frame);
    ASSERT_EQ(guard->guardMode, NPCBodyguard::Fighting);
    gunman->health = 0;
    guard->update(Frame);
    EXPECT_EQ(guard->guardMode, NPCBodyguard::Guarding);
    EXPECT_EQ(guard->watchedObject, nullptr);

    // Noises and crimes are no business of a bodyguard.
    guard->onHeardSound(5, centreOf(12, 12));
    guard->onSawCrime(1, centreOf(12, 12), gunman);
    EXPECT_EQ(guard->guardMode, NPCBodyguard::Guarding);
    EXPECT_EQ(guard->mode, ModeTravel);
}

TEST_F(NPCRolesTest, ABodyguardTurnsOnThePlayerWhoKilledItsEmployerAndOtherwiseLeaves)
{
    Player* killer = makePlayer(Vec2(15, 10));
    GameNPC* boss = employer(Vec2(10, 10));
    NPCBodyguard* avenger = bodyguardOf(boss, Vec2(11, 10));
    boss->lastHitBy = RolePlayer;
    boss->health = 0;
    avenger->update(Frame);
    EXPECT_EQ(avenger->guardMode, NPCBodyguard::Fighting);
    EXPECT_EQ(avenger->watchedObject, killer);
    EXPECT_FALSE(avenger->despawnFlag);
    EXPECT_EQ(avenger->combat.lastSeen, boss->getPosition()) << "it starts where its employer fell";

    GameNPC* other = employer(Vec2(5, 5));
    NPCBodyguard* leaver = bodyguardOf(other, Vec2(6, 5));
    other->lastHitBy = RoleGangMember;
    other->health = 0;
    leaver->update(Frame);
    EXPECT_TRUE(leaver->despawnFlag);
    EXPECT_EQ(leaver->guardMode, NPCBodyguard::Guarding);

    // An employer taken out of the game leaves the guard without one, and it goes.
    GameNPC* third = employer(Vec2(3, 15));
    NPCBodyguard* orphan = bodyguardOf(third, Vec2(4, 15));
    mobs->removeMob(third);
    EXPECT_EQ(orphan->principal(), nullptr);
    orphan->update(Frame);
    EXPECT_TRUE(orphan->despawnFlag);
}

TEST_F(NPCRolesTest, AContactTakesAMarkerLoitersThereForGoodAndGivesUpAMarkerItCannotReach)
{
    MapMarker* first = marker(MapMarkerKind::Contact, Vec2(15, 15));
    auto* dealer = new NPCContact(new CitizenRecord(true), Vec2(5, 5));
    mobs->addGroundMob(dealer);
    EXPECT_EQ(dealer->mobKind, MobContact);
    EXPECT_EQ(dealer->marker, first);
    EXPECT_TRUE(first->taken);
    EXPECT_EQ(dealer->homeCell, Vec2(15, 15));
    EXPECT_EQ(dealer->getPosition(), first->position);

    dealer->update(Frame);
    EXPECT_EQ(dealer->shownBubble, BubbleChat);
    EXPECT_GE(dealer->loiterTimer, 61.0f);
    EXPECT_LE(dealer->loiterTimer, 90.0f);
    std::set<int> behaviours;
    int puffs = 0;
    int turns = 0;
    float lastTurn = dealer->turnTarget;
    for (float t = 0.0f; t < 240.0f; t += Frame)
    {
        const float action = dealer->actionTimer;
        dealer->update(Frame);
        behaviours.insert(dealer->behaviour);
        if (dealer->actionTimer > action + 1.0f)
        {
            if (dealer->behaviour == NPCContact::Smoking)
            {
                ++puffs;
                EXPECT_GE(dealer->actionTimer, 6.0f - Frame);
                EXPECT_LE(dealer->actionTimer, 9.0f);
            }
            else
            {
                EXPECT_GE(dealer->actionTimer, 8.0f - Frame);
                EXPECT_LE(dealer->actionTimer, 12.0f);
            }
        }
        if (dealer->turnTarget != -1.0f && dealer->turnTarget != lastTurn)
            ++turns;
        lastTurn = dealer->turnTarget;
    }
    EXPECT_EQ(behaviours, (std::set<int>{NPCContact::Smoking, NPCContact::LookingRound}));
    EXPECT_GT(puffs, 2);
    EXPECT_GT(turns, 2);
    EXPECT_EQ(dealer->cell, Vec2(15, 15)) << "it never leaves";
    EXPECT_EQ(dealer->shownBubble, BubbleChat);

    // No marker free: it waits where it was made, and takes one as soon as one is free.
    auto* late = new NPCContact(new CitizenRecord(true), Vec2(3, 3));
    mobs->addGroundMob(late);
    late->setPosition(centreOf(3, 3));
    EXPECT_EQ(late->marker, nullptr);
    late->update(Frame);
    EXPECT_EQ(late->marker, nullptr);
    MapMarker* second = marker(MapMarkerKind::Contact, Vec2(8, 3));
    late->update(Frame);
    EXPECT_EQ(late->marker, second);

    // Its way there fails: another free marker is taken and the one given up is free again.
    MapMarker* third = marker(MapMarkerKind::Contact, Vec2(3, 8));
    late->waitingForPath = true;
    late->pathFailed();
    ASSERT_EQ(late->marker, third);
    EXPECT_TRUE(third->taken);
    EXPECT_FALSE(second->taken);
    EXPECT_FALSE(late->waitingForPath);
    // With none free it keeps its own.
    second->taken = true;
    late->waitingForPath = true;
    late->pathFailed();
    EXPECT_EQ(late->marker, third);
    EXPECT_TRUE(third->taken);

    // A dealer's death frees its marker; contacts ignore noises and crimes.
    late->onHeardSound(5, centreOf(4, 4));
    EXPECT_EQ(late->mode, ModeTravel);
    late->health = 0;
    late->onKilled();
    EXPECT_FALSE(third->taken);
}

TEST_F(NPCRolesTest, AHunterSearchesNearSightingsAndCrimesLoitersAndListens)
{
    marker(MapMarkerKind::Interest, Vec2(15, 15));
    NPCHunter* hunter = map->spawnHunter(centreOf(3, 3));
    mobs->addGroundMob(hunter);
    EXPECT_EQ(hunter->mobKind, MobHunter);
    EXPECT_EQ(hunter->roleCode, RoleHunter);
    EXPECT_EQ(hunter->watchMode, 2);
    EXPECT_EQ(hunter->watchId, -2);
    ASSERT_NE(hunter->currentWeapon, nullptr);
    EXPECT_EQ(hunter->currentWeapon->def->id, HunterGun);
    EXPECT_EQ(mobs->countLivingHunters(), 1);

    // No camera, no crime: next to the Interest marker.
    hunter->update(Frame);
    ASSERT_NE(hunter->huntPosition.x, -1.0f);
    EXPECT_LE(fastDistance(hunter->huntPosition, Vec2(15, 15)), 3.0f);
    const float arrival = [&] {
        float t = 0.0f;
        while (hunter->huntMode == NPCHunter::Hunting && t < 60.0f)
        {
            step(hunter, Frame);
            t += Frame;
        }
        return t;
    }();
    ASSERT_EQ(hunter->huntMode, NPCHunter::Loitering) << "after " << arrival << " s";
    EXPECT_GE(hunter->loiterTimer, 7.0f - Frame);
    EXPECT_LE(hunter->loiterTimer, 12.0f);
    const Vec2 stoodAt = hunter->getPosition();
    hunter->path.push_back(PathPoint{0, centreOf(3, 3)});
    step(hunter, 6.0f);
    EXPECT_EQ(hunter->getPosition(), stoodAt) << "a loitering hunter does not walk";
    step(hunter, 6.5f);
    EXPECT_EQ(hunter->huntMode, NPCHunter::Hunting) << "then searches again";

    // A noise while hunting: it turns to it and loiters.
    hunter->onHeardSound(1, hunter->getPosition() + Vec2(-50.0f, 0.0f));
    EXPECT_EQ(hunter->huntMode, NPCHunter::Loitering);
    EXPECT_FLOAT_EQ(hunter->heading, 270.0f);
    EXPECT_EQ(hunter->noiseHeading, -1.0f);

    // The most recent crime scene draws the next search.
    PoliceManager* police = PoliceManager::getInstance();
    police->reportCrime(1, nullptr, nullptr, centreOf(18, 2), "a witness");
    police->reportCrime(1, nullptr, nullptr, centreOf(2, 18), "a witness");
    ASSERT_EQ(police->getCrimeScenes().size(), 2u);
    for (int trial = 0; trial < 20; ++trial)
    {
        hunter->pickHuntPosition();
        ASSERT_NE(hunter->huntPosition.x, -1.0f);
        EXPECT_LE(fastDistance(hunter->huntPosition, Vec2(2, 18)), 12.5f);
        EXPECT_EQ(hunter->huntPosition.x, std::floor(hunter->huntPosition.x)) << "a whole cell";
    }
}

TEST_F(NPCRolesTest, AHunterThatStopsForANoiseSetsOffAfreshFromWhereItStood)
{
    marker(MapMarkerKind::Interest, Vec2(15, 15));
    NPCHunter* hunter = map->spawnHunter(centreOf(3, 3));
    mobs->addGroundMob(hunter);

    // Half-way along its way to a place to search, it hears something.
    float t = 0.0f;
    while (hunter->path.size() < 4 && t < 10.0f)
    {
        step(hunter, Frame);
        t += Frame;
    }
    ASSERT_GE(hunter->path.size(), 4u) << "on its way after " << t << " s";
    step(hunter, 1.0f);
    ASSERT_FALSE(hunter->path.empty());
    hunter->onHeardSound(1, hunter->getPosition() + Vec2(0.0f, 50.0f));
    ASSERT_EQ(hunter->huntMode, NPCHunter::Loitering);
    EXPECT_TRUE(hunter->path.empty()) << "the old way is dropped";

    // Its search goes on after the pause: a way from here, asked for anew,
    // and not the rest of the old one.
    step(hunter, hunter->loiterTimer + Frame);
    ASSERT_EQ(hunter->huntMode, NPCHunter::Hunting);
    const Vec2 stoodAt = hunter->getPosition();
    hunter->update(Frame);
    EXPECT_TRUE(hunter->waitingForPath);
    EXPECT_EQ(hunter->getPosition(), stoodAt);

    // A request still waiting when the noise comes is withdrawn.
    hunter->onHeardSound(1, hunter->getPosition() + Vec2(0.0f, 50.0f));
    EXPECT_FALSE(hunter->waitingForPath);
    Pather::getInstance()->update();
    EXPECT_TRUE(hunter->path.empty()) << "no late answer sends it off while it stands";
}

TEST_F(NPCRolesTest, AHunterWithNowhereToSearchAsksOnceAFrame)
{
    auto* record = new CitizenRecord(false);
    record->appearanceId = 4000;
    auto* hunter = new CountingHunter(record, Vec2(5, 5));
    mobs->addGroundMob(hunter);
    hunter->setPosition(centreOf(5, 5));
    for (int frame = 0; frame < 30; ++frame)
        hunter->update(Frame);
    EXPECT_EQ(hunter->picks, 30);
    EXPECT_EQ(hunter->huntPosition.x, -1.0f);
    EXPECT_TRUE(hunter->path.empty());
    EXPECT_FALSE(hunter->waitingForPath);
}

TEST_F(NPCRolesTest, AHunterFightsThePlayerOnSightEverySecondAndIsNoInnocentWhenKilled)
{
    TempFolder folder;
    ScopedSavesFolder saves(folder.path());
    StatsStore::getInstance()->shutdown();
    Achievements::getInstance()->reset();
    StatEngine::getInstance()->reset();
    GameInterface* game = GameInterface::getInstance();
    game->clearMessages();
    game->popupShowing = true;
    game->murders = 0;
    MissionManager::getInstance()->resetRun();

    Player* target = makePlayer(Vec2(10, 13));
    NPCHunter* hunter = map->spawnHunter(centreOf(10, 10));
    mobs->addGroundMob(hunter);
    hunter->setRotation(0.0f);
    hunter->watchedObject = target;
    hunter->update(Frame);
    ASSERT_EQ(hunter->huntMode, NPCHunter::Fighting);
    EXPECT_TRUE(hunter->weaponRaised);
    EXPECT_TRUE(hunter->running);
    EXPECT_EQ(hunter->shownBubble, BubbleCrime);
    EXPECT_EQ(hunter->mode, ModeTravel) << "the citizen's own mode is left alone";

    const std::vector<float> times = shotTimes(hunter, 4.5f, target);
    ASSERT_GE(times.size(), 3u);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NEAR(times[i] - times[i - 1], 1.0f, 2 * Frame);
    EXPECT_TRUE(static_cast<Projectile*>(map->projectiles.back())->aimedAtPlayer);

    // Noises do not draw it out of a fight; the player's death ends it.
    hunter->onHeardSound(3, centreOf(2, 2));
    EXPECT_EQ(hunter->huntMode, NPCHunter::Fighting);
    target->health = 0;
    hunter->update(Frame);
    EXPECT_EQ(hunter->huntMode, NPCHunter::Hunting);

    // Shot by the player: one hunter less, and no innocent's murder.
    hunter->lastHitBy = RolePlayer;
    hunter->takeDamage(1, 500.0f, 0.0f);
    EXPECT_EQ(mobs->countLivingHunters(), 0);
    EXPECT_EQ(game->murders, 0);
    MissionManager::getInstance()->resetRun();
    game->clearMessages();
    Achievements::getInstance()->reset();
    StatEngine::getInstance()->reset();
}

TEST_F(NPCRolesTest, AHunterOrABodyguardFightsALureOnlyWhileItIsSwitchedOn)
{
    ObjectDef* lureDef = makeObjectDef(true);
    lureDef->islure = true;
    GameObject* lure = addObject(lureDef, centreOf(10, 13));
    lure->armed = true;

    NPCHunter* hunter = map->spawnHunter(centreOf(10, 10));
    mobs->addGroundMob(hunter);
    hunter->setRotation(0.0f);
    hunter->watchedObject = lure;
    hunter->update(Frame);
    ASSERT_EQ(hunter->huntMode, NPCHunter::Fighting);
    GameNPC* boss = employer(Vec2(4, 4));
    NPCBodyguard* guard = bodyguardOf(boss, Vec2(10, 16));
    guard->enterGuardMode();
    guard->watchedObject = lure;
    guard->update(Frame);
    ASSERT_EQ(guard->guardMode, NPCBodyguard::Fighting);

    // Nothing downs a lure: switched off, it is no threat any more.
    lure->armed = false;
    for (int frame = 0; frame < 120; ++frame)
    {
        hunter->update(Frame);
        guard->update(Frame);
    }
    EXPECT_EQ(hunter->huntMode, NPCHunter::Hunting);
    EXPECT_EQ(guard->guardMode, NPCBodyguard::Guarding);
    EXPECT_NE(hunter->watchedObject, lure) << "nor is it taken up again";
}

TEST_F(NPCRolesTest, BodyguardsContactsAndHuntersStandStillForAScan)
{
    GameNPC* boss = employer(Vec2(2, 2));
    std::vector<GameNPC*> roles;
    roles.push_back(bodyguardOf(boss, Vec2(10, 4)));
    marker(MapMarkerKind::Contact, Vec2(10, 8));
    auto* dealer = new NPCContact(new CitizenRecord(true), Vec2(10, 8));
    mobs->addGroundMob(dealer);
    roles.push_back(dealer);
    NPCHunter* hunter = map->spawnHunter(centreOf(10, 12));
    mobs->addGroundMob(hunter);
    roles.push_back(hunter);
    for (GameNPC* role : roles)
    {
        const Vec2 at = role->getPosition();
        role->onScanStart();
        EXPECT_TRUE(role->frozen);
        EXPECT_EQ(role->currentAnimation, GameMob::AnimStand);
        role->path.push_back(PathPoint{0, at + Vec2(64.0f, 0.0f)});
        step(role, 2.0f);
        EXPECT_EQ(role->getPosition(), at) << role->mobKind;
        role->onScanEnd("done");
        EXPECT_FALSE(role->frozen);
        role->path.clear();

        // A flash-bang's stun wears off on its own.
        role->onFlashbang(1.0f);
        step(role, 0.9f);
        EXPECT_TRUE(role->frozen);
        step(role, 0.2f);
        EXPECT_FALSE(role->frozen) << role->mobKind;
        EXPECT_FALSE(role->stunned);
    }
}
