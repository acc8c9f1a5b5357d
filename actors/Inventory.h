#pragma once
#include <cstdint>
#include <vector>

class GameObject;

// What a walking actor carries: weapons, ammunition, tools and contraband.
// Every unit is an item of its own (a GameObject with no sprites and no place
// in the world); the inventory owns them.
class Inventory
{
public:
    Inventory() = default;
    ~Inventory();
    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;

    // Makes a new item of the definition; null (and nothing added) for an unknown id.
    GameObject* addItem(int definitionId);
    // Takes a world object into the inventory; it leaves the map without remains.
    void pickUp(GameObject* object);
    // Takes the item out (not destroyed); null when it is not carried.
    GameObject* removeObject(GameObject* item);
    GameObject* removeOne(int definitionId);
    GameObject* findByDefinition(int definitionId);
    int countOf(int definitionId) const;
    int countWeapons() const;
    GameObject* nextWeapon(const GameObject* current) const;
    void recount();
    bool hasWeaponUsing(int definitionId) const;
    bool canCarryMore(int definitionId) const;
    int countContraband() const;
    bool hasContraband() const;
    void removeContraband();
    void destroyAll();
    bool contains(const GameObject* item) const;

    // A pointer that the owner keeps at one of the items (the weapon in hand,
    // the selected tool): destroying that item clears it.
    void trackReference(GameObject** slot);
    void untrackReference(GameObject** slot);

    // The most of a definition one may carry (rounds in loaded weapons count);
    // -1 = no limit.
    static int carryLimit(int definitionId);

    bool changed = true;
    int32_t ammoId = -1;
    int32_t spareAmmo = 0;
    std::vector<GameObject*> items;

private:
    void destroy(GameObject* item);
    std::vector<GameObject**> references;
};
