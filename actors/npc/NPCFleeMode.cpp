// Flee: the NPC runs home or to a busy place far away, and reports what it
// saw once it gets there.
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "app/Geometry.h"
#include "world/WorldMap.h"
#include <cstdlib>

namespace {
// Below this courage an NPC always runs home.
constexpr float kTimidCourage = 30.0f;
// A refuge near an Interest marker must be at least this many cells away.
constexpr float kRefugeCells = 8.0f;
constexpr int kRefugeTries = 12;

// Home, for the timid and for half the others; else a busy place far enough
// away. Stays unset when none was found, so the next frame tries again.
void chooseRefuge(GameNPC& npc)
{
    if (npc.record->courage < kTimidCourage || rand() % 2 == 0)
    {
        npc.fleeDestination = npc.homeCell;
        if (npc.routine)
            npc.routine->goingHome = true;
        return;
    }
    const WorldMap* map = WorldMap::getInstance();
    for (int tries = 0; tries < kRefugeTries; ++tries)
    {
        const cocos2d::Vec2 refuge = map->randomCellNearInterest();
        if (refuge.x != -1.0f && fastDistance(refuge, npc.cell) >= kRefugeCells)
        {
            npc.fleeDestination = refuge;
            return;
        }
    }
}
}

void GameNPC::enterFleeMode(GameMob* threat)
{
    leaveCurrentMode();
    mode = ModeFlee;
    path.clear();
    withdrawPathRequest(*this);
    fleeDestination.x = -1.0f;
    running = true;
    // A report still waiting (the body an investigation promised, say) goes
    // out now rather than be overwritten by the flight's own.
    if (threat && hasPendingReport())
        filePendingReport();
    reportCulprit = threat;
    if (threat)
        reportPosition = position;
    setThoughtBubble(BubbleSee);
    debugLog(this, "Entering flee mode.");
}

void GameNPC::updateFleeMode(float dt)
{
    (void)dt;
    if (waitingForPath)
        return;
    if (path.empty())
    {
        if (fleeDestination.x == -1.0f)
        {
            chooseRefuge(*this);
        }
        else if (cell == fleeDestination)
        {
            // Leaving the flight files the report.
            enterTravelMode();
            return;
        }
        else
        {
            moveBodyguards(fleeDestination);
        }
    }
    if (isOnUpperLevel())
        setThoughtBubble(BubbleNone);
}

void GameNPC::leaveFleeMode()
{
    setThoughtBubble(BubbleNone);
    running = false;
    if (hasPendingReport())
        filePendingReport();
    playAnimation(AnimStand);
}
