#pragma once
#include <string>

#include "ui/UIInterface.h"

class UIText;

// The top-left HUD panel: the weapon in hand with its ammunition or charge,
// the selected secondary item, the credit and contract lines, and the tracker
// slot (an arrow with a distance ticker, or the contract target's portrait).
// It holds no game logic: every setter compares its inputs with what the
// panel shows and rebuilds only the nodes whose inputs changed.
class UIMainHUD : public UIInterface
{
public:
    // Weapon states passed as the magazine size of setWeapon.
    static constexpr int kWarmingUp = -3;
    static constexpr int kRecharging = -2;

    static UIMainHUD* create();
    ~UIMainHUD() override;

    void setEMPMode(bool on);
    // rounds loaded, then the magazine size (or kWarmingUp, kRecharging) and
    // the spare rounds.
    void setWeapon(int rounds, int second, int third, const std::string& image);
    // Takes the weapon line off the panel (the player holds no weapon).
    void clearWeapon();
    void setItemCount(int id, int count);
    void setMoneyLine(const std::string& text);
    // The tracker arrow and its figure; nothing is made again while both are
    // unchanged, and a new figure under the same arrow replaces only the digits.
    void setTracker(bool onContract, int distance, const std::string& image);
    // The target's portrait in the tracker slot; -1 clears it.
    void setTarget(int id);
    // Removes the portrait node but keeps the id, so the same id given again
    // does not make it anew.
    void removeTargetNode();

    cocos2d::Sprite* panelSprite = nullptr;
    std::string weaponImage;
    int shownRounds = -1;
    int shownSecond = -1;
    int shownThird = -1;
    cocos2d::Sprite* weaponSprite = nullptr;
    UIText* ammoText = nullptr;
    cocos2d::Sprite* empPanel = nullptr;
    int shownItemId = -1;
    int shownItemCount = 0;
    cocos2d::Sprite* itemIcon = nullptr;
    UIText* itemCountText = nullptr;
    std::string moneyLine;
    UIText* moneyText = nullptr;
    std::string trackerImage;
    int shownTrackerDistance = -1;
    // The figure's colour says whose it is: a goal that changes at the same
    // distance and bearing still gets its own colour.
    bool shownOnContract = false;
    cocos2d::Sprite* trackerArrow = nullptr;
    UIText* distanceText = nullptr;
    int targetId = -1;
    cocos2d::Sprite* targetNode = nullptr;

protected:
    UIMainHUD();

private:
    void showAmmunition();
    void showTrackerArrow();
    void showTrackerDistance(bool onContract, int distance);
    void removeItemSlot();
};
