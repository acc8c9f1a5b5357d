// Activity: a pause in place. The NPC looks round, listens, smokes or reads
// until its time is up, then travels on.
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "world/GameData.h"
#include <cstdlib>

namespace {
constexpr int AnimRead = 12;
constexpr int kCigaretteButt = 26;
constexpr int kNewspaper = 25;
constexpr float kTargetPause = 5.0f;
constexpr float kParanoidHaste = 1.8f;

int dice(int count, int sides)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += rand() % sides + 1;
    return sum;
}

// Time to the next puff: a half-second count of 1 to 8.
float puffPause()
{
    return static_cast<float>(rand() % 8 + 1) * 0.5f;
}
}

void GameNPC::enterActivityMode(int newActivity)
{
    leaveCurrentMode();
    if (hasBodyguards)
        MobManager::getInstance()->moveBodyguardsOf(citizenId(), cell);
    activity = newActivity;
    if (activity == ActivityNone && queuedActivity != ActivityNone)
    {
        activity = queuedActivity;
        queuedActivity = ActivityNone;
    }
    stateChange.elapsed = 0.0f;
    if (activity == ActivityNone)
    {
        if (record->smoker && rand() % 3 + 1 == 1)
            activity = ActivitySmoke;
        else if (rand() % 3 + 1 == 1 && !record->paranoid)
            activity = ActivityRead;
        else
        {
            activity = ActivityLook;
            turnTarget = -1.0f;
        }
    }
    const bool target = isAcceptedTarget();
    float duration = stateChange.duration;
    switch (activity)
    {
    case ActivityLook:
        duration = target ? kTargetPause : static_cast<float>(6 + dice(2, 6));
        activityTimer.restart(0.0f);
        break;
    case ActivityHear:
        duration = static_cast<float>(7 + rand() % 6);
        activityTimer.restart(0.0f);
        break;
    case ActivitySmoke:
        duration = static_cast<float>(10 + dice(3, 6));
        activityTimer.restart(puffPause());
        break;
    case ActivityRead:
        duration = target ? kTargetPause : static_cast<float>(30 + dice(3, 6));
        break;
    default:
        break;
    }
    if (record->paranoid)
        duration /= kParanoidHaste;
    else if (record->laidBack)
        duration *= 2.0f;
    stateChange.duration = duration;
    path.clear();
    withdrawPathRequest(*this);
    mode = ModeActivity;
    debugLog(this, "Entering activity mode: %s.", activityName(activity));
}

void GameNPC::updateActivityMode(float dt)
{
    (void)dt;
    if (stateChange.fired)
    {
        enterTravelMode();
        return;
    }
    switch (activity)
    {
    case ActivitySmoke:
        if (activityTimer.fired)
        {
            puffSmoke();
            float pause = puffPause();
            if (record->paranoid)
            {
                pause *= 2.0f / 3.0f;
                setRotation(static_cast<float>(rand() % 360));
            }
            activityTimer.restart(pause);
        }
        break;
    case ActivityRead:
        if (currentAnimation != AnimRead)
            playAnimation(AnimRead);
        break;
    case ActivityLook:
    case ActivityHear:
        if (currentAnimation != AnimStand)
            playAnimation(AnimStand);
        if (activity == ActivityHear && shownBubble != BubbleHear)
            setThoughtBubble(BubbleHear);
        if (activityTimer.fired)
        {
            if (activity == ActivityHear || turnTarget == -1.0f)
            {
                const float swing = static_cast<float>(91 + rand() % 90);
                turnTowards(rand() % 2 + 1 == 1 ? heading - swing : heading + swing);
            }
            activityTimer.restart(static_cast<float>(4 + rand() % 4));
        }
        break;
    default:
        break;
    }
}

void GameNPC::leaveActivityMode()
{
    turnTarget = -1.0f;
    const int litter = activity == ActivitySmoke ? kCigaretteButt : activity == ActivityRead ? kNewspaper : 0;
    if (litter)
    {
        if (ObjectDef* definition = GameData::getInstance()->getObjectDef(litter))
            dropObjectNearby(definition);
    }
    playAnimation(AnimStand);
    if (hasBodyguards && routine)
        MobManager::getInstance()->moveBodyguardsOf(citizenId(), routine->destination);
}
