#pragma once
#include "app/GameState.h"
#include "app/Message.h"
#include "app/Singleton.h"
#include "cocos2d.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CharSelectScreen;
class ControllerInterface;
class Game;
class GameObject;
class GameServices;
class Player;
class Train;
class UICopHUD;
class UIInteractWindow;
class UIInterface;
class UIMainHUD;
class UIMenu;
class UIObjectDescriptor;
class UIText;
class UITextConsole;
class UIUnlockBar;

// The game driver: the game state, the run's mode and difficulty, the player,
// the HUD panels and overlays. It runs every manager once a frame in a fixed
// order.
class GameInterface : public cocos2d::Ref, public Singleton<GameInterface>
{
public:
    ~GameInterface() override;

    // One-time set-up; ends in the Intro state.
    void init();
    // The window has closed: what the disk refused during play gets a last try.
    void saveBeforeQuitting();
    void setState(int newState);
    // The frame.
    void update(float dt);

    // Level and run flow (GameInterfaceLevel.cpp).
    void loadLevel();
    void startRun();
    void restart();
    void reloadLevelAndStart();
    void playerDied(int cause);
    void grantRunUnlocks();
    void completeZone();
    bool isRunOver() const;
    void leaveRunToMenu();
    void addConsoleLine(const std::string& text);
    // The police call a hunter onto the player: one comes from a spawn marker
    // away from the player, never from off the map.
    void dispatchHitman();
    void shakeScreen(int repeats, float stepSeconds);
    void showWeaponIcon();
    void saveMap();
    // Message pop-ups (MessagePopups.cpp).
    void queueMessage(const std::string& text, bool centred);
    void showNextMessage();
    void showPopup(const std::string& text, bool centred);
    void endPopup();
    void onPopupDone();
    void showCaption(bool middle, bool onTop, const std::string& text);
    void showTutorialPopup(const std::string& image);
    void closePopups();
    void clearMessages();
    void backToMenu();
    // The intro sequence (GameInterfaceIntro.cpp).
    void playIntro();
    // Ends the intro where it stands: its pictures, white fade and character
    // choice go, and no step of it runs again (the map editor's way in).
    void skipIntro();
    void playComic(int part);
    // Removes the intro's pictures and builds the main menu; the argument is not used.
    void openMainMenu(cocos2d::Ref* sender);
    void hideFadeOverlay();
    void showGlitchLogo();
    void showNormalLogo();
    void introLightning();
    // Cursor and mouse (GameInterfaceAim.cpp).
    void refreshCursor();
    // Turns the player to the cursor and gives the cursor its look, size and
    // opacity for the weapon's reach.
    void updateCursorState();
    // The player's aim inaccuracy from the cursor's distance beyond the
    // weapon's range; -1 when the player holds no weapon (GameInterfaceAim.cpp).
    float aimFalloff() const;
    // Puts up the cursor picture with its anchor, unless it is up already.
    void setCursorSprite(const std::string& fileName, const cocos2d::Vec2& anchor);
    // The HUD overlay's prompt under the play field: a new one replaces the
    // old; removeOverlayNode takes it away.
    void setPromptNode(UIText* node);
    void removeOverlayNode();
    // Turns the player to the cursor when play goes on after a window, the
    // menu or a tutorial (the mouse may have moved meanwhile).
    void faceCursor();
    cocos2d::Vec2 onMouseMove(cocos2d::Vec2 position);
    void onMouseAction(int button, cocos2d::Vec2 position);
    void onMouseClick(int button, cocos2d::Vec2 position);
    // A click for the map editor, in the Edit state only.
    void onEditorMouse(float x, float y);
    // A random point within 1.2 view sizes around the camera (rain, ambience).
    cocos2d::Vec2 randomPointAroundView() const;
    // The play commands of the keys and the pad (GameInterfaceCommands.cpp).
    void toggleWeapon();
    void selectWeapon(int definitionId);
    void toggleSecondary();
    void useSecondary();
    void fireEMP();
    void dropWeapon();
    void reloadWeapon();
    // Player interactions.
    // The use key: a carried body is stashed or dropped; otherwise the
    // contact, or the object within reach, is used (GameInterfaceInteract.cpp).
    void interact();
    // Scrambles the police's identification of the player for 400 credits,
    // while the police want the player.
    void hackPoliceTerminal();
    // Bodies (GameInterfaceBodies.cpp). Drops the carried body; into water
    // when the spot ahead is water.
    void dropBodyInWater();
    void stashBody(GameObject* container);
    // What disposing of the carried body pays: the contract target's
    // hidden-body contract completes, or 50 credits for a target disposed of
    // unwanted. True when the 50 were paid.
    bool awardBodyBonus();
    void pickUpBody(GameObject* body);
    // Money (GameInterfaceMoney.cpp).
    // Pays the player: credits, the run's earnings and the money statistic.
    void addMoney(int amount);
    // Takes the open interaction window down at once and forgets it.
    void closeWindow();
    // A fine: the credits go (below 0 if need be) and the contraband with them.
    void spendMoney(int amount);
    // The run's prices, police and armed citizens by zone and difficulty
    // (GameInterfaceRunTuning.cpp).
    void applyLevelTuning();
    void spawnTrain();
    void checkRunEnd();
    // Ranks the run's score and shows the high-score table (GameInterfaceRunEnd.cpp).
    void showHighScoreTable();

    // Replaces the calls into the other managers (tests record them).
    void setServices(std::unique_ptr<GameServices> services);

    int playerCharacter = -1;
    int introStep = 0;
    int runEndStep = 0;
    bool runSummaryShown = false;
    bool alternateMovement = false;
    int comicPart = -1;
    float scanCountdown = -1.0f;
    int cityLoopSound = -1;
    int rainLoopSound = -1;
    bool levelUsed = false;
    int windowMode = 0;
    int scoreRank = -1;
    bool newHighScore = false;
    cocos2d::Node* rankTableNode = nullptr;
    bool restarting = false;
    bool popupShowing = false;
    std::vector<Message> messages;
    bool aiming = false;
    // The cursor lies beyond the raised weapon's projectile reach.
    bool cursorOutOfReach = false;
    cocos2d::Size visibleSize;
    std::array<cocos2d::Node*, 3> tutorialNodes{};
    cocos2d::Sprite* weaponIcon = nullptr;
    cocos2d::LayerColor* flashOverlay = nullptr;
    cocos2d::Sprite* logoSprite = nullptr;
    cocos2d::Sprite* presentsSprite = nullptr;
    UIText* popupText = nullptr;
    int armedCitizenPercent = 25;
    int firstWeaponPercent = 0;
    int secondWeaponPercent = 35;
    int contactcount = 1;
    int travelPapersPrice = 2500;
    int creditsEarned = 0;
    int difficulty = 0;
    UIInteractWindow* interactWindow = nullptr;
    UIMenu* menu = nullptr;
    CharSelectScreen* charSelect = nullptr;
    UIMainHUD* mainHUD = nullptr;
    UICopHUD* copHUD = nullptr;
    UITextConsole* console = nullptr;
    UIUnlockBar* unlockBar = nullptr;
    UIObjectDescriptor* targetMarker = nullptr;
    bool runOver = false;
    bool papersBought = false;
    Player* player = nullptr;
    int maxmissionspawndistance = 40;
    int missioncount = 10;
    int trainlocation = -1;
    Train* train = nullptr;
    bool dealerVisited = false;
    float dealerHintTimer = 0.0f;
    int mode = 0;
    int state = GameState::Menu;
    cocos2d::Sprite* cursorSprite = nullptr;
    std::string cursorFile;
    UIText* promptNode = nullptr;
    Game* gameLayer = nullptr;
    cocos2d::LayerColor* dimLayer = nullptr;
    ControllerInterface* controller = nullptr;
    int murders = 0;
    int gangKills = 0;
    int contractsDone = 0;
    bool zoneCompleted = false;
    // Where the game layer rests between screen shakes.
    cocos2d::Vec2 shakeRestPosition;

private:
    friend class Singleton<GameInterface>;
    GameInterface();

    void showWeaponChange(bool resetTracker);
    // Playing, no shop window holding play and the player alive: the mouse aims.
    bool aimsFreely() const;
    // Puts the cursor (and the weapon's warm-up picture) at the point, kept
    // inside the view; returns the point as kept.
    cocos2d::Vec2 placeCursor(cocos2d::Vec2 position);
    bool simulationRuns() const;
    void runSimulation(float dt);
    void advanceDealerHint(float dt);
    void advanceTrain(float dt);
    bool runEndDue() const;
    bool fileNoticesShowable() const;

    void addOverlayLayers();
    void bindController();
    void registerStates();
    void buildHud();
    void registerHudPanels();
    void registerHudPanel(int id, UIInterface* panel, int anchorCode);
    // Gives back the pictures only the intro shows (GameInterfaceIntro.cpp).
    void releaseIntroArt();

    std::unique_ptr<GameServices> services;
};
