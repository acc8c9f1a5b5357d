#include "actors/Inventory.h"
#include "actors/GameObject.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <array>
#include <utility>

namespace {
// Definition id and the most of it one may carry.
constexpr std::array<std::pair<int, int>, 13> CarryLimits{{
    {69, 1}, {70, 1}, {87, 1}, {367, 1}, {368, 1}, {369, 1},
    {2000, 16}, {2001, 16}, {2002, 16},
    {88, 4}, {320, 4}, {321, 4}, {154, 1},
}};

int definitionOf(const GameObject* item)
{
    return item->def ? item->def->id : -1;
}

bool isContraband(const GameObject* item)
{
    return item->def && item->def->contraband;
}
}

Inventory::~Inventory()
{
    // The owner goes with its inventory: nobody reads its pointers again.
    references.clear();
    destroyAll();
}

int Inventory::carryLimit(int definitionId)
{
    for (const auto& [id, most] : CarryLimits)
    {
        if (id == definitionId)
            return most;
    }
    return -1;
}

GameObject* Inventory::addItem(int definitionId)
{
    ObjectDef* def = GameData::getInstance()->getObjectDef(definitionId);
    if (!def)
        return nullptr;
    GameObject* item = new GameObject(def, false, GameObject::PlainObject);
    items.push_back(item);
    recount();
    changed = true;
    return item;
}

void Inventory::pickUp(GameObject* object)
{
    if (!object || contains(object))
        return;
    items.push_back(object);
    // An activated lure goes back into the pocket switched off.
    object->disarm();
    // Silently: an item taken into the hand leaves no remains behind.
    WorldMap::getInstance()->removeObject(object, true);
    recount();
    changed = true;
}

GameObject* Inventory::removeObject(GameObject* item)
{
    auto it = std::find(items.begin(), items.end(), item);
    GameObject* taken = nullptr;
    if (it != items.end())
    {
        taken = *it;
        items.erase(it);
    }
    recount();
    changed = true;
    return taken;
}

GameObject* Inventory::removeOne(int definitionId)
{
    return removeObject(findByDefinition(definitionId));
}

GameObject* Inventory::findByDefinition(int definitionId)
{
    for (GameObject* item : items)
    {
        if (definitionOf(item) == definitionId)
        {
            recount();
            return item;
        }
    }
    return nullptr;
}

int Inventory::countOf(int definitionId) const
{
    return static_cast<int>(std::count_if(items.begin(), items.end(), [definitionId](const GameObject* item) {
        return definitionOf(item) == definitionId;
    }));
}

int Inventory::countWeapons() const
{
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const GameObject* item) { return item->weaponDef != nullptr; }));
}

GameObject* Inventory::nextWeapon(const GameObject* current) const
{
    GameObject* first = nullptr;
    for (GameObject* item : items)
    {
        if (item->weaponDef)
        {
            first = item;
            break;
        }
    }
    if (!current || countWeapons() == 1)
        return first;
    auto it = std::find(items.begin(), items.end(), current);
    if (it == items.end())
        return nullptr;
    for (auto next = it + 1; next != items.end(); ++next)
    {
        if ((*next)->weaponDef)
            return *next;
    }
    return first;
}

void Inventory::recount()
{
    spareAmmo = ammoId == -1 ? 0 : countOf(ammoId);
}

bool Inventory::hasWeaponUsing(int definitionId) const
{
    return std::any_of(items.begin(), items.end(), [definitionId](const GameObject* item) {
        return item->weaponDef && item->weaponDef->projectileclass == definitionId;
    });
}

bool Inventory::canCarryMore(int definitionId) const
{
    const int most = carryLimit(definitionId);
    if (most == -1)
        return true;
    int count = countOf(definitionId);
    for (const GameObject* item : items)
    {
        if (item->weaponDef && item->weaponDef->projectileclass == definitionId)
            count += item->roundsLoaded;
    }
    return count < most;
}

int Inventory::countContraband() const
{
    return static_cast<int>(std::count_if(items.begin(), items.end(), isContraband));
}

bool Inventory::hasContraband() const
{
    return std::any_of(items.begin(), items.end(), isContraband);
}

void Inventory::removeContraband()
{
    std::vector<GameObject*> kept;
    std::vector<GameObject*> taken;
    for (GameObject* item : items)
        (isContraband(item) ? taken : kept).push_back(item);
    items = std::move(kept);
    for (GameObject* item : taken)
        destroy(item);
    recount();
    changed = true;
}

void Inventory::destroyAll()
{
    std::vector<GameObject*> taken = std::move(items);
    items.clear();
    for (GameObject* item : taken)
        destroy(item);
    spareAmmo = 0;
    changed = true;
}

bool Inventory::contains(const GameObject* item) const
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

void Inventory::trackReference(GameObject** slot)
{
    if (slot && std::find(references.begin(), references.end(), slot) == references.end())
        references.push_back(slot);
}

void Inventory::untrackReference(GameObject** slot)
{
    references.erase(std::remove(references.begin(), references.end(), slot), references.end());
}

void Inventory::destroy(GameObject* item)
{
    for (GameObject** slot : references)
    {
        if (*slot == item)
            *slot = nullptr;
    }
    delete item;
}
