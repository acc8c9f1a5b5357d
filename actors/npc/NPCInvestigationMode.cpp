// Investigation: the NPC walks up to a body or a lure, looks at it, reports a
// body, and files a crime report when it leaves.
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/MobManager.h"
#include "actors/police/PoliceManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "app/Geometry.h"
#include <cstdlib>

namespace {
// Too close to look at it properly: the NPC steps back to this distance.
constexpr float kNearest = 16.0f;

// Whose body it is: the citizen id of an actor's record, -1 for anything else.
int bodyOwner(const GameObject* object)
{
    const CitizenActor* citizen = MobManager::citizenOf(object);
    return citizen ? citizen->citizenId() : -1;
}

// A body this NPC has already looked at is not visited again.
bool knowsBody(const GameNPC& npc, const GameObject* object)
{
    const int owner = bodyOwner(object);
    return object->isDead() && owner != -1 && npc.record->knowsCitizen(owner);
}

// The citizen's id joins the friends list, and so does that of any other
// body (a bodyguard's, a hunter's), so that the NPC does not come back to it.
void rememberBody(GameNPC& npc, GameObject* object)
{
    if (npc.rememberCitizen(object))
        return;
    const int owner = bodyOwner(object);
    if (owner != -1 && object->isDead() && !npc.record->knowsCitizen(owner))
        npc.record->friends.push_back(owner);
}

// nDm: the sum of n throws of an m-sided die.
float dice(int count, int sides)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += rand() % sides + 1;
    return static_cast<float>(sum);
}
}

void GameNPC::enterInvestigationMode()
{
    GameObject* object = watchedObject;
    if (!object)
        return;
    if (knowsBody(*this, object))
    {
        watchedObject = nullptr;
        return;
    }
    leaveCurrentMode();
    watchedObject = object;
    mode = ModeInvestigation;
    investigated = object;
    // Every investigation walks up to its object anew.
    arrived = false;
    withdrawPathRequest(*this);
    viewingDistance = static_cast<float>(31 + rand() % 4);
    path.clear();
    path.push_back(PathPoint{0, object->getPosition()});
    stateChange.restart(-1.0f);
    if (object->isDead())
        running = true;
    debugLog(this, "Entering investigation mode.");
}

void GameNPC::onInvestigationArrived()
{
    GameObject* object = investigated;
    path.clear();
    arrived = true;
    if (!object)
        return;
    if (object->isMob() && static_cast<GameMob*>(object)->mobKind == MobCitizen)
    {
        rememberCitizen(object);
        setThoughtBubble(BubbleScared);
    }
    stateChange.duration = object->isMob() ? 10.0f + dice(3, 6) : 2.0f + dice(2, 4);
    running = false;
    if (object->isDead())
        PoliceManager::getInstance()->reportBody(object, nullptr, record->fullName);
}

void GameNPC::updateInvestigationMode(float dt)
{
    (void)dt;
    GameObject* object = investigated;
    if (stateChange.fired || !object)
    {
        enterTravelMode();
        return;
    }
    const cocos2d::Vec2 seen = object->getPosition();
    if (arrived)
    {
        if (currentAnimation != AnimStand)
            playAnimation(AnimStand);
        const float facing = angleBetween(position, seen);
        if (turnTarget != facing)
            turnTowards(facing);
        return;
    }
    const float distance = fastDistance(position, seen);
    if (distance >= kNearest && distance <= viewingDistance)
        onInvestigationArrived();
    else if (!path.empty())
        return;
    else if (distance < kNearest)
        path.push_front(PathPoint{0, position + vectorFromAngle(angleBetween(seen, position), kNearest)});
    else
        path.push_front(PathPoint{0, seen});
}

void GameNPC::leaveInvestigationMode()
{
    GameObject* object = investigated;
    investigated = nullptr;
    stateChange.duration = -1.0f;
    if (object)
    {
        // The crime at the body's place, naming whoever is already suspected.
        if (!hasPendingReport() && object->isMob())
        {
            reportPosition = object->getPosition();
            reportSeverity = 1;
        }
        rememberBody(*this, object);
        // Only the object looked at is let go: a threat that took its place
        // in the watch stays there for the mode that follows.
        if (watchedObject == object)
            watchedObject = nullptr;
    }
    setThoughtBubble(BubbleNone);
    playAnimation(AnimStand);
}
