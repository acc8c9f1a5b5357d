#include "actors/npc/NPCContractActors.h"
#include "actors/MobManager.h"
#include "actors/npc/GameNPC.h"
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
    (void)principal;
    (void)position;
    (void)paranoid;
    // NPCBodyguard is not built yet.
    return nullptr;
}

void NPCContractActors::requestEscort(GameMob* target)
{
    (void)target;
}

void NPCContractActors::releaseEscort(GameMob* target)
{
    (void)target;
}
