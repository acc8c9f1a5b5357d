// The NPC's behaviour machine driven by what it is made to see and hear:
// which mode each sight or noise leads to, by the citizen's courage and
// arms; how long a witness waits before it reports; the pauses of activity
// mode; the errand's end at home; turning; stuns, the path watchdog and
// the path requests withdrawn when an NPC stops waiting for them.
#include "NPCFixture.h"
#include "actors/Player.h"
#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCHunter.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "world/GameData.h"
#include "world/PathRequest.h"
#include "world/Pather.h"

using cocos2d::Vec2;

class GameNPCModesTest : public NPCFixture
{
protected:
    void TearDown() override
    {
        PoliceManager::getInstance()->reset();
        NPCFixture::TearDown();
    }
};

TEST_F(GameNPCModesTest, ARaisedWeaponInViewLeadsToFlightFightOrAReportByCourageAndArms)
{
    GameMob* gunman = makeMob(centreOf(12, 10));
    gunman->weaponRaised = true;

    GameNPC* timid = makeNPC(40.0f, 30.0f);
    run(timid, Frame, gunman);
    EXPECT_EQ(timid->mode, ModeFlee) << "timid: runs";
    EXPECT_EQ(timid->reportCulprit, gunman);
    EXPECT_EQ(timid->reportPosition, timid->getPosition()) << "reports where its flight began";

    GameNPC* brave = makeNPC(60.0f, 30.0f);
    run(brave, Frame, gunman);
    EXPECT_EQ(brave->mode, ModeFlee) << "a crime seen without the courage to report it";

    GameNPC* armed = makeNPC(80.0f, 90.0f);
    run(armed, Frame, gunman);
    EXPECT_EQ(armed->mode, ModeCombat) << "bold and armed: fights";
    EXPECT_EQ(armed->watchedObject, gunman);

    GameNPC* witness = makeNPC(80.0f, 30.0f);
    witness->enterActivityMode(ActivityLook);
    run(witness, Frame, gunman);
    EXPECT_EQ(witness->mode, ModeTravel) << "the activity ends first";
    EXPECT_TRUE(witness->hasPendingReport());
    EXPECT_EQ(witness->reportCulprit, gunman);
    EXPECT_GE(witness->standStill, 2.0f - 2 * Frame);
    EXPECT_LE(witness->standStill, 5.0f);
    EXPECT_NEAR(witness->heading, 90.0f, 0.5f) << "faces the crime";
    EXPECT_EQ(witness->shownBubble, BubbleScared);

    // A lowered weapon is no threat.
    gunman->weaponRaised = false;
    GameNPC* passer = makeNPC(40.0f, 30.0f);
    run(passer, Frame, gunman);
    EXPECT_EQ(passer->mode, ModeTravel);
}

TEST_F(GameNPCModesTest, AWitnessReportsOnceAfterItsPauseAndSoonerWhenAlert)
{
    GameMob* gunman = makeMob(centreOf(12, 10));
    for (bool alert : {false, true})
    {
        for (int trial = 0; trial < 8; ++trial)
        {
            GameNPC* witness = makeNPC(80.0f, 30.0f);
            if (alert)
                witness->alertCountdown = 30.0f;
            witness->onSawCrime(3, gunman->getPosition(), gunman);
            EXPECT_EQ(witness->reportSeverity, 3);
            const float waited = timeUntil(witness, 10.0f, [witness] { return !witness->hasPendingReport(); });
            const float shortest = alert ? 1.0f : 2.0f;
            const float longest = alert ? 2.5f : 5.0f;
            EXPECT_GE(waited, shortest - Frame) << "alert " << alert;
            EXPECT_LE(waited, longest + 2 * Frame) << "alert " << alert;
            EXPECT_EQ(witness->reportCulprit, nullptr);
            EXPECT_EQ(witness->requestedBubble, BubbleNone) << "the Scared bubble goes with the report";
        }
    }
}

TEST_F(GameNPCModesTest, SteadyFireIsReportedAfterOnePauseAndTheReportOnItsWayMakesTheShooterWanted)
{
    PoliceManager* police = PoliceManager::getInstance();
    police->reset();
    GameMob* gunman = makeMob(centreOf(12, 10));
    GameNPC* witness = makeNPCInWorld(80.0f, 30.0f, Vec2(10, 10));
    witness->setRotation(90.0f);
    // A citizen paying a friend a visit, facing the shots as well.
    GameNPC* visitor = makeNPCInWorld(80.0f, 30.0f, Vec2(10, 11));
    visitor->setRotation(angleBetween(visitor->getPosition(), gunman->getPosition()));
    visitor->standStill = 20.0f;
    ASSERT_TRUE(witness->canSee(gunman->getPosition(), false));
    ASSERT_TRUE(visitor->canSee(gunman->getPosition(), false));

    police->witnessCrime(gunman, false, false, 1.0f);
    ASSERT_TRUE(witness->hasPendingReport());
    EXPECT_TRUE(police->getCrimeScenes().empty());
    EXPECT_TRUE(police->isWanted(gunman)) << "a witness still holds a report naming it";

    // A shot every half second: the witness's pause is not begun again.
    float t = 0.0f;
    int frame = 0;
    while (witness->hasPendingReport() && t < 10.0f)
    {
        if (++frame % 30 == 0)
            police->witnessCrime(gunman, false, false, 1.0f);
        witness->update(Frame);
        visitor->update(Frame);
        t += Frame;
    }
    EXPECT_LE(t, 5.0f + 2 * Frame) << "the report goes out while the shooting goes on";
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, gunman);
    EXPECT_FALSE(visitor->hasPendingReport()) << "standing still, the visitor notices nothing";
    EXPECT_EQ(visitor->alertCountdown, -1.0f) << "nor hears it";
}

TEST_F(GameNPCModesTest, ABraveWitnessOfACarriedBodyReportsAfterOnePauseWhereverTheBodyIsTaken)
{
    PoliceManager* police = PoliceManager::getInstance();
    police->reset();
    GameNPC* body = makeNPCInWorld(40.0f, 30.0f, Vec2(11, 10));
    body->health = 0;
    auto* carrier = new Player(nullptr, false);
    carrier->setPosition(centreOf(11, 10));
    mobs->player = carrier;
    carrier->carriedBody = body;
    body->carried = true;
    GameNPC* witness = makeNPCInWorld(80.0f, 30.0f, Vec2(10, 10));
    witness->setRotation(90.0f);

    // Its eyes report the body once; while it pauses it looks no more, and
    // the carrier walks off with the body far out of its sight.
    witness->watchedObject = body;
    witness->update(Frame);
    ASSERT_TRUE(witness->hasPendingReport());
    carrier->setPosition(centreOf(1, 1));
    ASSERT_EQ(body->getPosition(), carrier->getPosition());
    const float waited = timeUntil(witness, 60.0f, [witness] { return !witness->hasPendingReport(); });
    EXPECT_LE(waited, 5.0f + 2 * Frame) << "one pause, not one begun again at every frame";
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, carrier);

    // Out of its sight the body is not reported again: the witness walks on.
    float pending = 0.0f;
    for (float t = 0.0f; t < 20.0f; t += Frame)
    {
        witness->update(Frame);
        pending += witness->hasPendingReport() ? Frame : 0.0f;
    }
    EXPECT_EQ(pending, 0.0f);
    EXPECT_EQ(police->getCrimeScenes().size(), 1u);

    police->reset();
    mobs->player = nullptr;
    carrier->carriedBody = nullptr;
    delete carrier;
}

TEST_F(GameNPCModesTest, BodiesAndNoisesInViewStartAnInvestigationAFlightOrALook)
{
    GameNPC* body = makeNPCInWorld(40.0f, 30.0f, Vec2(11, 10));
    body->health = 0;
    GameNPC* finder = makeNPC(40.0f, 30.0f);
    run(finder, Frame, body);
    EXPECT_EQ(finder->mode, ModeInvestigation) << "a body lying there is looked at";

    // A body being carried is a crime by its carrier, whoever carries it.
    auto* carrier = new Player(nullptr, false);
    carrier->setPosition(centreOf(12, 10));
    mobs->player = carrier;
    carrier->carriedBody = body;
    body->carried = true;
    GameNPC* onlooker = makeNPC(40.0f, 30.0f);
    run(onlooker, Frame, body);
    EXPECT_EQ(onlooker->mode, ModeFlee);
    EXPECT_EQ(onlooker->reportCulprit, carrier);
    mobs->player = nullptr;
    delete carrier;

    // A noise: a look round, a wider view while alert, more alert with a second noise.
    GameNPC* listener = makeNPC(40.0f, 30.0f);
    listener->onHeardSound(2, centreOf(10, 11));
    EXPECT_EQ(listener->mode, ModeActivity);
    EXPECT_EQ(listener->activity, ActivityLook);
    EXPECT_GE(listener->alertCountdown, 11.0f);
    EXPECT_LE(listener->alertCountdown, 20.0f);
    EXPECT_FLOAT_EQ(listener->turnTarget, 0.0f) << "a close noise is faced";
    run(listener, 5.0f);
    EXPECT_FLOAT_EQ(listener->viewAngle, GameNPC::kAlertView);
    const float left = listener->alertCountdown;
    listener->onHeardSound(2, centreOf(10, 11));
    EXPECT_GE(listener->alertCountdown - left, 11.0f);
    EXPECT_LE(listener->alertCountdown - left, 20.0f);
    run(listener, listener->alertCountdown + 0.1f);
    run(listener, 2 * Frame);
    EXPECT_FLOAT_EQ(listener->viewAngle, GameNPC::kNormalView);
    EXPECT_FLOAT_EQ(listener->alertCountdown, -1.0f);
    listener->onHeardSound(0, centreOf(10, 11));
    EXPECT_FLOAT_EQ(listener->alertCountdown, -1.0f) << "silence is not heard";
}

TEST_F(GameNPCModesTest, ActivitiesLastTheirTimeAndSmokersPuffAndLeaveAButt)
{
    // Travel pauses when its walking spell runs out.
    GameNPC* walker = makeNPC(40.0f, 30.0f);
    EXPECT_GE(walker->stateChange.duration, 33.0f);
    EXPECT_LE(walker->stateChange.duration, 48.0f);
    walker->stateChange.duration = 0.5f;
    run(walker, 0.6f);
    EXPECT_EQ(walker->mode, ModeActivity);
    const float pause = walker->stateChange.duration;
    run(walker, pause + 2 * Frame);
    EXPECT_EQ(walker->mode, ModeTravel) << "the pause ends in travel";

    // A paranoid smoker: 13 to 28 s divided by 1.8, a puff every 0.33 to 2.67 s facing somewhere new.
    GameNPC* smoker = makeNPC(40.0f, 30.0f);
    smoker->record->smoker = smoker->record->paranoid = true;
    smoker->enterActivityMode(ActivitySmoke);
    EXPECT_GE(smoker->stateChange.duration, 13.0f / 1.8f - 0.01f);
    EXPECT_LE(smoker->stateChange.duration, 28.0f / 1.8f + 0.01f);
    const float smoke = smoker->stateChange.duration;
    int puffs = 0;
    float t = 0.0f;
    while (smoker->mode == ModeActivity && t < 30.0f)
    {
        smoker->update(Frame);
        t += Frame;
        puffs += smoker->activityTimer.fired ? 1 : 0;
        EXPECT_LE(smoker->activityTimer.duration, 8 * 0.5f * 2.0f / 3.0f + 0.01f);
    }
    EXPECT_NEAR(t, smoke, 2 * Frame);
    EXPECT_GE(puffs, static_cast<int>(smoke / 2.67f) - 1);
    EXPECT_LE(puffs, static_cast<int>(smoke / 0.33f) + 1);
    EXPECT_EQ(countPlaced(26), 1) << "the butt is dropped when the smoke ends";

    // A laid-back reader reads twice as long; reading plays its animation.
    GameNPC* reader = makeNPC(40.0f, 30.0f);
    reader->record->laidBack = true;
    reader->enterActivityMode(ActivityRead);
    EXPECT_GE(reader->stateChange.duration, 66.0f);
    EXPECT_LE(reader->stateChange.duration, 96.0f);
    run(reader, Frame);
    EXPECT_EQ(reader->currentAnimation, 12);
}

TEST_F(GameNPCModesTest, AnErrandEndsWithAVisitAndTheWalkHomeWhereTheCitizenIsQueuedToLeaveOnce)
{
    GameNPC* visitor = makeNPC(40.0f, 30.0f, Vec2(3, 3));
    visitor->setPosition(centreOf(8, 8));
    visitor->routine->activity = CitizenRoutine::VisitingFriend;
    visitor->routine->destination = Vec2(8, 8);
    visitor->setRotation(120.0f);
    run(visitor, 2 * Frame);
    EXPECT_TRUE(visitor->routine->goingHome);
    EXPECT_GE(visitor->standStill, 8.0f - 2 * Frame);
    EXPECT_LE(visitor->standStill, 30.0f);
    EXPECT_FLOAT_EQ(visitor->heading, 0.0f) << "faces heading 0 while it stays";
    EXPECT_TRUE(visitor->waitingForPath) << "asks the way home while it stays";

    // At home, frame after frame: one place in the removal queue.
    GameNPC* home = makeNPC(40.0f, 30.0f, Vec2(4, 4));
    home->routine->goingHome = true;
    home->routine->destination = Vec2(9, 9);
    run(home, 1.0f);
    EXPECT_EQ(std::count(mobs->pendingRemovals.begin(), mobs->pendingRemovals.end(), home), 1);

    // A resident target draws a new errand instead of going in.
    GameNPC* resident = makeNPC(40.0f, 30.0f, Vec2(5, 5));
    resident->record->resident = true;
    resident->setPosition(centreOf(6, 6));
    resident->routine->goingHome = true;
    resident->routine->destination = Vec2(9, 9);
    run(resident, Frame);
    EXPECT_FALSE(resident->routine->goingHome) << "a fresh errand";
    EXPECT_EQ(std::count(mobs->pendingRemovals.begin(), mobs->pendingRemovals.end(), resident), 0);
}

TEST_F(GameNPCModesTest, TurnsTakeTheShortWayRoundAndStunsAndStuckPathsWearOff)
{
    GameNPC* npc = makeNPC(40.0f, 30.0f);
    npc->setRotation(10.0f);
    npc->turnTarget = 20.0f;
    run(npc, Frame);
    EXPECT_FLOAT_EQ(npc->heading, 20.0f) << "a clockwise turn is taken at once";

    npc->setRotation(120.0f);
    npc->turnTarget = 20.0f;
    const float anticlockwise = timeUntil(npc, 2.0f, [npc] { return npc->turnTarget == -1.0f; });
    EXPECT_NEAR(anticlockwise, 0.25f, 2 * Frame) << "100 degrees at 400 a second";

    // Across north, never the long way round.
    npc->setRotation(10.0f);
    npc->turnTarget = 350.0f;
    bool longWay = false;
    const float across = timeUntil(npc, 2.0f, [npc, &longWay] {
        longWay = longWay || (npc->heading > 20.0f && npc->heading < 340.0f);
        return npc->turnTarget == -1.0f;
    });
    EXPECT_FALSE(longWay);
    EXPECT_NEAR(across, 0.05f, 2 * Frame);
    EXPECT_FLOAT_EQ(npc->heading, 350.0f);
    npc->setRotation(350.0f);
    npc->turnTarget = 10.0f;
    run(npc, Frame);
    EXPECT_FLOAT_EQ(npc->heading, 10.0f);

    // A 3-second flash-bang.
    npc->onFlashbang(3.0f);
    EXPECT_TRUE(npc->frozen);
    EXPECT_EQ(npc->shownBubble, BubbleScared);
    run(npc, 2.9f);
    EXPECT_TRUE(npc->frozen);
    run(npc, 0.2f);
    EXPECT_FALSE(npc->frozen);
    EXPECT_FALSE(npc->stunned);
    EXPECT_EQ(npc->shownBubble, BubbleNone);

    // A path answer that never comes: after 10 s back to a blank errand, the report dropped.
    GameMob* culprit = makeMob(centreOf(12, 10));
    npc->enterActivityMode(ActivityLook);
    npc->reportPosition = culprit->getPosition();
    npc->reportCulprit = culprit;
    npc->standStill = 20.0f;
    npc->waitingForPath = true;
    run(npc, 9.9f);
    EXPECT_TRUE(npc->waitingForPath);
    run(npc, 0.2f);
    EXPECT_FALSE(npc->waitingForPath);
    EXPECT_EQ(npc->mode, ModeTravel);
    EXPECT_FALSE(npc->hasPendingReport());
    EXPECT_FALSE(npc->routine->hasDestination());
}

TEST_F(GameNPCModesTest, AnNPCThatStopsWaitingForAPathWithdrawsItsRequest)
{
    auto queued = [](const GameMob* mob) {
        Pather* pather = Pather::getInstance();
        for (int q = 0; q < Pather::QueueCount; ++q)
        {
            for (const PathRequest* request : pather->getQueue(q))
            {
                if (request->requester == mob)
                    return true;
            }
        }
        return false;
    };
    auto ask = [&](GameMob* mob) {
        mob->findPath(Vec2(3, 3), true);
        ASSERT_TRUE(queued(mob));
    };

    // A pause in place.
    GameNPC* npc = makeNPC(40.0f, 30.0f);
    ask(npc);
    npc->enterActivityMode(ActivityLook);
    EXPECT_FALSE(queued(npc));
    EXPECT_FALSE(npc->waitingForPath);

    // The 10 s watchdog gives up waiting, and the request with it.
    npc->enterTravelMode();
    ask(npc);
    run(npc, 10.1f);
    EXPECT_FALSE(npc->waitingForPath);
    EXPECT_FALSE(queued(npc));

    // The roles' fights.
    GameMob* gunman = makeMob(centreOf(12, 10));
    NPCHunter* hunter = map->spawnHunter(centreOf(10, 12));
    mobs->addGroundMob(hunter);
    ask(hunter);
    hunter->enterCombatMode();
    EXPECT_FALSE(queued(hunter));
    NPCBodyguard* guard = map->spawnBodyguard(npc, centreOf(8, 8));
    mobs->addGroundMob(guard);
    ask(guard);
    guard->watchedObject = gunman;
    guard->enterCombatMode();
    EXPECT_FALSE(queued(guard));
    EXPECT_FALSE(guard->waitingForPath);
}
