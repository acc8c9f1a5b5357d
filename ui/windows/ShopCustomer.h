#pragma once

// What the vending machine needs of the player's inventory and weapons. The
// player implements it; while it does not, the machine can hand nothing over
// and refuses every sale as one that cannot be carried.
class ShopCustomer
{
public:
    virtual ~ShopCustomer() = default;

    // Whether one more of the object definition fits the inventory.
    virtual bool canCarryMore(int definitionId) const = 0;
    // Puts a new item of the definition into the inventory; false when it
    // could not be taken after all (then nothing is paid).
    virtual bool addItem(int definitionId) = 0;
    // Whether a carried weapon fires the ammunition of that definition.
    virtual bool hasWeaponUsing(int ammunitionId) const = 0;
    // A weapon just bought: loaded with its full ammunition and equipped
    // (nothing for an item without a weapon definition).
    virtual void equipBought(int definitionId) = 0;
    // The secondary item (tools): whether one is selected, and the next one.
    virtual bool hasSecondarySelected() const = 0;
    virtual void selectNextSecondary() = 0;
};
