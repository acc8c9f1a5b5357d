// The player's secondary item: choosing it, dropping it on the ground and
// setting it off.
#include "actors/Player.h"
#include "actors/Inventory.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "ui/hud/GameHUD.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"

#include <cstdlib>

namespace {
constexpr int LureAnimation = 1;

const char* droppedText(const ObjectDef* def)
{
    if (def->islure)
        return "`%Lure`7 dropped.";
    if (def->isflashbang)
        return "`!Flashbang`7 dropped.";
    return "`@Explosive`7 dropped.";
}
}

// The next carried kind after the selected one, the selected kind itself
// last; none when none is carried.
void Player::selectNextSecondary()
{
    secondaryItem = nullptr;
    const int kinds = static_cast<int>(SecondaryItems.size());
    int index = secondaryIndex;
    for (int tried = 0; tried < kinds && !secondaryItem; ++tried)
    {
        index = (index + 1) % kinds;
        secondaryItem = inventory->findByDefinition(SecondaryItems[static_cast<size_t>(index)]);
    }
    secondaryIndex = secondaryItem ? index : -1;
    inventory->changed = true;
    GameHUD::getInstance()->refresh(false);
}

void Player::dropItem()
{
    if (isOnUpperLevel() || health < 1 || !secondaryItem || !secondaryItem->def)
        return;
    GameInterface* game = GameInterface::getInstance();
    if (droppedItem)
    {
        game->queueMessage("Can't drop multiple items.", true);
        return;
    }
    const int definitionId = secondaryItem->def->id;
    GameObject* item = placeDroppedItem(definitionId);
    if (!item)
        return;
    droppedItem = item;
    inventory->changed = true;
    // The item dropped may have been the one selected: select what is left
    // of its kind, or the next kind.
    if (inventory->countOf(definitionId) < 1)
        selectNextSecondary();
    else
        secondaryItem = inventory->findByDefinition(definitionId);
    GameHUD::getInstance()->refresh(true);
    game->queueMessage(droppedText(item->def), true);
}

// One item of the kind leaves the inventory for the ground just ahead of the
// player, turned any way.
GameObject* Player::placeDroppedItem(int definitionId)
{
    GameObject* item = inventory->removeOne(definitionId);
    if (!item)
        return nullptr;
    item->setHeightLevel(heightLevel);
    PoliceManager::getInstance()->witnessCrime(this, false, true, 1.0f);
    WorldMap* map = WorldMap::getInstance();
    item->setPosition(position + vectorFromAngle(heading, getRadius()));
    map->registerObject(item);
    map->addObjectSprite(item);
    item->setRotation(static_cast<float>(std::rand() % 360));
    return item;
}

bool Player::activateLure()
{
    GameObject* item = droppedItem;
    if (!item)
        return false;
    droppedItem = nullptr;
    const ObjectDef* def = item->def;
    if (def && def->explosive != -1)
        WorldMap::getInstance()->explodeAt(item);
    else if (def && def->islure)
    {
        // The lure's despawn countdown runs from now; it stays on the ground.
        item->armed = true;
        item->playAnimation(LureAnimation);
        GameInterface::getInstance()->queueMessage("`%Lure`7 activated.", true);
    }
    else if (def && def->isflashbang)
        WorldMap::getInstance()->explodeAt(item);
    return true;
}

bool Player::canCarryMore(int definitionId) const
{
    return inventory && inventory->canCarryMore(definitionId);
}

bool Player::addItem(int definitionId)
{
    return inventory && inventory->addItem(definitionId) != nullptr;
}

bool Player::hasWeaponUsing(int ammunitionId) const
{
    return inventory && inventory->hasWeaponUsing(ammunitionId);
}

// A bought weapon comes with a full magazine and goes straight into the hand.
void Player::equipBought(int definitionId)
{
    GameObject* item = inventory ? inventory->findByDefinition(definitionId) : nullptr;
    if (!item || !item->weaponDef)
        return;
    item->roundsLoaded = item->weaponDef->maxrounds;
    equip(inventory, item);
    inventory->recount();
}
