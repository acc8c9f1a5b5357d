#pragma once
#include <memory>
#include <string>

#include "app/Singleton.h"
#include "cocos2d.h"
#include "ui/hud/HudSource.h"

class GameObject;
class UIBox;
class UIProgressBar;
class UIText;

// Turns the state of the run into the head-up display. It feeds the two
// status panels, keeps the minimap, points the tracker at the current goal
// and lays the overlay over the play field once a frame: the action prompt,
// the scan bar, the warning frame round the screen, and a full refresh every
// three seconds. It also plays the weapon's charge animation at the cursor.
// Game code never draws the HUD: it calls refresh after a change, and the
// panels rebuild only what changed.
class GameHUD : public Singleton<GameHUD>
{
public:
    static constexpr float kRefreshSeconds = 3.0f;
    // Warning frame states.
    static constexpr int kNoWarning = 0;
    static constexpr int kScanned = 1;
    static constexpr int kPursued = 2;
    static constexpr int kPursuedInSight = 3;

    ~GameHUD();

    // Where the HUD reads the actors, the police and the contracts.
    HudSource& source() { return *hudSource; }
    void setSource(std::unique_ptr<HudSource> newSource);

    // A run starts: the minimap and the target portrait go.
    void clear();
    // Redraws the HUD; without resetTracker the tracker arrow is left alone.
    void refresh(bool resetTracker);
    // Fills or clears the target portrait after a contract changed.
    void refreshHUDTarget();
    // The per-frame overlay.
    void updateOverlay(float dt);
    // Keeps the tracker on the player and its goal; the panel rebuilds only
    // when the figure or the arrow changed.
    void followTracker();

    // Compass index 1 (north) to 16 of the target seen from the player; -1
    // without a target or a player.
    int trackerDirection(const GameObject* target) const;
    // Metres to the target (6 pixels a metre); -1 without one.
    int trackerDistance(const GameObject* target) const;
    // The arrow picture of a compass index; empty for none.
    static std::string trackerImage(int direction);

    // The weapon's warm-up animation at the cursor; the completion takes it away.
    void playGunAnimation();
    void onGunAnimationDone();

    // The prompt the overlay would show now.
    int choosePrompt() const;
    // The warning frame state the overlay would show now.
    int chooseWarning() const;

    float refreshCountdown = 0.0f;
    int trackerDistanceShown = -1;
    int trackerDirectionShown = -1;
    int promptCode = 0;
    int warningState = kNoWarning;
    UIBox* warningFrame = nullptr;
    int shownScanValue = -1;
    UIProgressBar* scanBar = nullptr;
    cocos2d::Sprite* chargeAnimation = nullptr;
    int minimapZone = -1;
    UIText* targetLabel = nullptr;
    cocos2d::Sprite* playerDot = nullptr;
    cocos2d::Sprite* zoneOverlay = nullptr;
    cocos2d::Sprite* minimapBackground = nullptr;

private:
    friend class Singleton<GameHUD>;
    GameHUD();

    void refreshWeapon();
    void refreshItems();
    void buildMinimap();
    void placePlayerDot();
    void refreshPolice();
    void refreshMinimapZone(const std::optional<ContractReading>& contract);
    std::string moneyLine() const;
    void refreshTracker(bool resetTracker, const std::optional<ContractReading>& contract, std::string& line);
    // Measures the way to the tracker's goal (the exit once the papers are
    // bought, the contract's target, or the nearest contact) and, with show,
    // points the arrow; true when the goal is the contract's.
    bool readTracker(bool show, const std::optional<ContractReading>& contract);
    void updateScanBar();
    void updateWarningFrame();
    void updatePromptText(int previousCode);

    std::unique_ptr<HudSource> hudSource;
};
