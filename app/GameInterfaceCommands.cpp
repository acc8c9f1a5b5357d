// The play commands of the keys and the game pad: switching, dropping and
// reloading the weapon, the secondary item, the EMP, and the hitman that the
// police send.
#include "app/GameInterface.h"
#include "actors/GameMob.h"
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/hud/GameHUD.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"

#include <cstdlib>

namespace {

// The blaster everybody carries can't be dropped.
constexpr int kBlasterWeapon = 1;
constexpr int kEmpCharge = 154;
constexpr int32_t kItemsUsedStat = 1012;

bool alive(const Player* player)
{
    return player && player->health > 0;
}

void playAtPlayer(Player* player, const std::string& sound)
{
    if (!sound.empty())
        SoundEngine::getInstance()->play(&player->position, false, sound, 1.0f);
}

}

void GameInterface::toggleWeapon()
{
    if (!player)
        return;
    player->selectNextWeapon(player->inventory);
    showWeaponChange(false);
}

void GameInterface::selectWeapon(int definitionId)
{
    if (!player)
        return;
    // Refused while a reload runs: the weapon in hand stays.
    player->equipByDefinition(player->inventory, definitionId);
    showWeaponChange(true);
}

// The cursor follows the weapon in hand, which shows its picture and is heard
// being taken up.
void GameInterface::showWeaponChange(bool resetTracker)
{
    refreshCursor();
    if (const WeaponDef* weapon = player->weapon())
    {
        playAtPlayer(player, weapon->raise);
        showWeaponIcon();
    }
    GameHUD::getInstance()->refresh(resetTracker);
}

void GameInterface::toggleSecondary()
{
    if (!player)
        return;
    player->selectNextSecondary();
    SoundEngine::getInstance()->play(nullptr, false, "interface_beep.wav", 1.0f);
}

void GameInterface::useSecondary()
{
    if (!alive(player))
        return;
    if (player->droppedItem)
    {
        player->activateLure();
        StatEngine::getInstance()->addStat(kItemsUsedStat, 1);
    }
    else
        player->dropItem();
}

void GameInterface::fireEMP()
{
    if (!alive(player) || player->inventory->countOf(kEmpCharge) < 1)
        return;
    player->secondaryItem = nullptr;
    // The charge is spent for good.
    delete player->inventory->removeOne(kEmpCharge);
    WorldMap::getInstance()->empBlast(player->getPosition());
    GameHUD::getInstance()->refresh(true);
}

// The weapon in hand goes to the ground ahead of the player, who takes up the
// next one. A reload under way ends with the drop: the weapon is never both
// in hand and on the ground.
void GameInterface::dropWeapon()
{
    if (!player)
        return;
    const WeaponDef* weapon = player->weapon();
    if (!weapon || weapon->id == kBlasterWeapon)
        return;
    GameObject* item = player->currentWeapon;
    player->inventory->removeObject(item);
    PoliceManager::getInstance()->witnessCrime(player, false, true, 1.0f);
    player->lowerWeapon();
    player->reloadTimer = 0.0f;
    player->currentWeapon = nullptr;
    refreshCursor();

    WorldMap* map = WorldMap::getInstance();
    item->setHeightLevel(player->heightLevel);
    item->setPosition(player->getPosition() + vectorFromAngle(player->heading, player->getRadius()));
    map->registerObject(item);
    map->addObjectSprite(item);
    item->setRotation(static_cast<float>(std::rand() % 360));

    player->selectNextWeapon(player->inventory);
    GameHUD::getInstance()->refresh(true);
}

void GameInterface::reloadWeapon()
{
    if (!player)
        return;
    const WeaponDef* weapon = player->weapon();
    if (!weapon || !player->reload(player->inventory))
        return;
    GameHUD::getInstance()->refresh(false);
    playAtPlayer(player, weapon->lower);
}

// A hunter comes from a spawn marker; a map without one sends none, rather
// than one standing off the map.
void GameInterface::dispatchHitman()
{
    if (!player)
        return;
    const cocos2d::Vec2 position = WorldMap::getInstance()->randomSpawnPosition(true, -1);
    if (position == WorldMap::None)
        return;
    if (!MobManager::getInstance()->spawnMob(MobHunter, nullptr, position))
        return;
    addConsoleLine("`7A `!hitman`7 has been dispatched by a shadow authority.");
}
