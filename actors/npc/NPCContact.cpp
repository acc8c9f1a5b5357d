#include "actors/npc/NPCContact.h"
#include "actors/npc/NPCRoles.h"
#include "world/MapMarker.h"
#include "world/WorldMap.h"
#include <cstdlib>

NPCContact::NPCContact(CitizenRecord* record, cocos2d::Vec2 spawnCell) : GameNPC(record, spawnCell)
{
    marker = WorldMap::getInstance()->takeFreeContactMarker();
    mobKind = MobContact;
    if (marker)
        standAtMarker();
}

void NPCContact::standAtMarker()
{
    homeCell = marker->gridPos;
    setPosition(marker->position);
}

void NPCContact::update(float dt)
{
    if (health <= 0 || NPCRoles::holdWhileFrozen(*this, dt))
        return;
    if (!marker)
    {
        // It walks to the one it got from the next frame on.
        marker = WorldMap::getInstance()->takeFreeContactMarker();
        return;
    }
    if (!path.empty())
    {
        GameMob::update(dt);
        return;
    }
    if (cell == marker->gridPos)
    {
        if (loiterTimer == -1.0f)
        {
            loiterTimer = static_cast<float>(61 + rand() % 30);
            setThoughtBubble(BubbleChat);
        }
        else
        {
            loiterTimer -= dt;
            // The contact stays for good: the time is only drawn again.
            if (loiterTimer <= 0.0f)
                loiterTimer = static_cast<float>(61 + rand() % 30);
            else
                idleAtMarker(dt);
        }
    }
    else if (!waitingForPath)
    {
        moveBodyguards(marker->gridPos);
    }
    GameMob::update(dt);
}

void NPCContact::idleAtMarker(float dt)
{
    if (behaviourTimer == -1.0f)
        behaviourTimer = 0.0f;
    behaviourTimer -= dt;
    if (behaviourTimer <= 0.0f)
    {
        if (rand() % 2 == 0)
        {
            behaviour = LookingRound;
            behaviourTimer = static_cast<float>(26 + rand() % 15);
        }
        else
        {
            behaviour = Smoking;
            behaviourTimer = static_cast<float>(31 + rand() % 20);
            setRotation(static_cast<float>(1 + rand() % 360));
        }
        actionTimer = 0.0f;
    }
    actionTimer -= dt;
    if (actionTimer > 0.0f)
        return;
    if (behaviour == LookingRound)
    {
        actionTimer = static_cast<float>(8 + rand() % 5);
        turnTowards(static_cast<float>(1 + rand() % 360));
    }
    else if (behaviour == Smoking)
    {
        actionTimer = static_cast<float>(6 + rand() % 4);
        puffSmoke();
    }
}

void NPCContact::onKilled()
{
    // A dealer's death is no citizen's: no statistics, messages or drop. Its
    // marker is free for the next contact.
    if (marker)
        marker->taken = false;
    marker = nullptr;
}

void NPCContact::onScanStart()
{
    NPCRoles::startScan(*this);
}

void NPCContact::onScanEnd(const std::string& result)
{
    (void)result;
    NPCRoles::endScan(*this);
}

// The marker could not be reached: another free one is taken and the one
// given up is freed for others. With none free the contact keeps its own and
// tries the walk again.
void NPCContact::pathFailed()
{
    if (!marker || cell != marker->gridPos)
    {
        MapMarker* other = WorldMap::getInstance()->takeFreeContactMarker();
        if (other)
        {
            if (marker)
                marker->taken = false;
            marker = other;
        }
    }
    waitingForPath = false;
}
