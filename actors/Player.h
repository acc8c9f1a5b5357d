#pragma once
#include "actors/GameMob.h"
#include "ui/windows/ShopCustomer.h"

#include <array>

class ObjectDef;

// The player's character: a walking actor steered by the input hub. It walks
// (running unless SHIFT is held) or follows the pad's left stick, fires and
// warms up its weapons, idles into a smoke, carries one secondary item (lure,
// flash-bang or explosive) that it drops and sets off later, answers police
// scans and flash-bangs, and ends the run when it dies. It is also the
// vending machine's customer.
class Player : public GameMob, public ShopCustomer
{
public:
    explicit Player(int definitionId);
    // A player of a definition at hand, as for any mob.
    Player(ObjectDef* definition, bool buildSpritesNow);
    ~Player() override;

    static constexpr int PlayerRole = 2;
    // The secondary items, in the order Q cycles through them: the remote
    // explosive, the holo-lure and the flash-bang.
    static constexpr std::array<int, 3> SecondaryItems{{88, 320, 321}};
    // Standing still this long with the weapon down lights a cigarette.
    static constexpr float IdleSecondsToSmoke = 20.0f;
    static constexpr float SmokeSeconds = 12.0f;
    static constexpr float PuffSeconds = 3.0f;
    // What a police scan puts on the HUD's countdown.
    static constexpr float ScanSeconds = 20.0f;

    // Once a frame, before the actor manager runs (Player.cpp).
    void update(float dt) override;
    // Attacks with the held weapon; a shot ends any smoke.
    virtual void fire(float inaccuracy);
    virtual void startSmoking();
    bool isSmoking() const { return smokeTimer != -1.0f; }

    // The secondary item (PlayerItems.cpp).
    void selectNextSecondary() override;

    // What the vending machine hands over (PlayerItems.cpp).
    bool canCarryMore(int definitionId) const override;
    bool addItem(int definitionId) override;
    bool hasWeaponUsing(int ammunitionId) const override;
    void equipBought(int definitionId) override;
    bool hasSecondarySelected() const override { return secondaryItem != nullptr; }
    virtual void dropItem();
    // Sets off the dropped item; false when none waits.
    virtual bool activateLure();

    // Police, flash-bangs and death (PlayerFate.cpp).
    void onScanStart() override;
    void onScanEnd(const std::string& message) override;
    void onFlashbang(float duration) override;
    void onKilled() override;

    // The input hub's movement request, read every frame and never owned:
    // horizontal 0 none, 1 left, 2 right; vertical 0 none, 3 up, 4 down.
    const float* horizontalInput = nullptr;
    const float* verticalInput = nullptr;
    const bool* runInput = nullptr;
    // Set by the input hub while a left or right key is held.
    bool sidewaysKey = false;

    // Credits to spend; fines may take them below 0.
    int32_t credits = 0;
    // Seconds before the use key may handle a body again; -1 = none.
    float interactionCooldown = 0.0f;
    // Seconds left of the current smoke; -1 = not smoking.
    float smokeTimer = -1.0f;
    float puffClock = 0.0f;
    // Seconds spent standing still with the weapon lowered.
    float idleTime = 0.0f;
    // Index into SecondaryItems of the selected kind; -1 = none.
    int32_t secondaryIndex = -1;
    // The carried item of the selected kind (the inventory clears it when it
    // destroys the item).
    GameObject* secondaryItem = nullptr;
    // The secondary item lying on the map, waiting to be set off; the actor
    // manager clears it when the object leaves the map.
    GameObject* droppedItem = nullptr;

private:
    void takePlayerRole();
    bool moveByInput(float dt);
    bool moveByPad(float dt);
    void settleAnimation();
    void runWarmup(float dt);
    void idleAndSmoke(bool still, float dt);
    GameObject* placeDroppedItem(int definitionId);
};
