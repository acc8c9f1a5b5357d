#include "actors/npc/NPCContractActors.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCBodyguard.h"
#include "world/WorldMap.h"

GameMob* NPCContractActors::spawnTarget(CitizenRecord* record, cocos2d::Vec2 position)
{
    GameNPC* npc = WorldMap::getInstance()->spawnNPC(record, position);
    if (!npc)
        return nullptr;
    npc->roleCode = RoleTarget;
    npc->contractTarget = true;
    MobManager::getInstance()->addGroundMob(npc);
    return npc;
}

GameMob* NPCContractActors::spawnBodyguard(GameMob* principal, cocos2d::Vec2 position, bool paranoid)
{
    NPCBodyguard* guard = WorldMap::getInstance()->spawnBodyguard(dynamic_cast<GameNPC*>(principal), position);
    if (!guard)
        return nullptr;
    // As nervous as the one it guards; its pace was set when it was made.
    guard->record->paranoid = paranoid;
    MobManager::getInstance()->addGroundMob(guard);
    return guard;
}
