// Travel: the NPC walks its errand, pauses now and then, and at the end of
// the errand heads home, where it leaves the game.
#include "actors/npc/GameNPC.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "app/Geometry.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr int AnimHalt = 6;
constexpr float kTargetVisit = 5.0f;
}

void GameNPC::enterTravelMode()
{
    setThoughtBubble(BubbleNone);
    running = false;
    watchedObject = nullptr;
    leaveCurrentMode();
    mode = ModeTravel;
}

void GameNPC::updateTravelMode(float dt)
{
    (void)dt;
    if (waitingForPath || !routine)
        return;
    MobManager* mobs = MobManager::getInstance();
    if (hasBodyguards && !isOnUpperLevel() && mobs->isBodyguardFarFrom(this))
    {
        // Wait for the guard to catch up.
        stateChange.fired = true;
        mobs->moveBodyguardsOf(citizenId(), cell);
    }
    if (stateChange.fired)
    {
        enterActivityMode(ActivityNone);
        return;
    }
    if (!path.empty())
        return;
    if (routine->goingHome)
    {
        if (cell == homeCell)
        {
            // Home: the NPC leaves the game at the end of the pass, once.
            auto& pending = mobs->pendingRemovals;
            if (std::find(pending.begin(), pending.end(), this) == pending.end())
                pending.push_back(this);
            return;
        }
        if (record->resident)
        {
            drawNewRoutine();
            if (!routine->hasDestination())
                return;
            moveBodyguards(routine->destination);
        }
        else
            moveBodyguards(homeCell);
        stateChange.duration = walkingSpell();
        return;
    }
    if (!routine->hasDestination())
    {
        drawNewRoutine();
        if (routine->hasDestination())
        {
            moveBodyguards(routine->destination);
            stateChange.duration = walkingSpell();
        }
        return;
    }
    if (sameCell(cell, routine->destination))
    {
        routine->goingHome = true;
        switch (routine->activity)
        {
        case CitizenRoutine::Smoking:
            enterActivityMode(ActivitySmoke);
            break;
        case CitizenRoutine::VisitingFriend:
            playAnimation(AnimHalt);
            standStill = isAcceptedTarget() ? kTargetVisit : static_cast<float>(8 + rand() % 23);
            setRotation(0.0f);
            break;
        case CitizenRoutine::GoingSomewhere:
            enterActivityMode(ActivityNone);
            break;
        default:
            // Shopping: the next update sends the NPC home.
            break;
        }
        return;
    }
    moveBodyguards(routine->destination);
}

void GameNPC::leaveTravelMode()
{
    playAnimation(AnimStand);
}
