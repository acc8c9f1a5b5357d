#include "actors/npc/NPCMakers.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/MissionManager.h"
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCHunter.h"
#include "actors/npc/NPCContractActors.h"
#include "world/WorldMap.h"

namespace {
GameMob* makeCitizen(bool contact, cocos2d::Vec2 position)
{
    // Without a record the city map draws a random citizen; a contact needs its own.
    CitizenRecord* record = contact ? new CitizenRecord(true) : nullptr;
    GameNPC* npc = WorldMap::getInstance()->spawnNPC(record, position);
    if (!npc)
        delete record;
    return npc;
}

GameMob* makeBodyguard(GameMob* principal, cocos2d::Vec2 position)
{
    return WorldMap::getInstance()->spawnBodyguard(dynamic_cast<GameNPC*>(principal), position);
}

GameMob* makeHunter(cocos2d::Vec2 position)
{
    return WorldMap::getInstance()->spawnHunter(position);
}
}

void registerNPCMakers()
{
    static NPCContractActors contractActors;
    MobManager::ActorMakers& makers = MobManager::getInstance()->makers;
    makers.citizen = makeCitizen;
    makers.bodyguard = makeBodyguard;
    makers.hunter = makeHunter;
    MissionManager::getInstance()->setActors(&contractActors);
}
