#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <string>

class UIMenu;
class UIText;

// The game's menu logic: fills the main menu (which is also the pause menu)
// with its tree, answers the menu's callbacks and carries out what the player
// chooses: a run by zone, mode and difficulty, a comic chapter, statistics,
// controls, tutorials, unlocks, options, credits, quit. It also draws the
// pages opened from the menu: the tutorial-pane viewer, the unlock pages and
// the message pages that follow the end of a zone.
class MenuEngine : public cocos2d::Ref, public Singleton<MenuEngine>
{
public:
    // Entry ids the menu's owner acts on.
    static constexpr int kQuit = 2000;
    static constexpr int kCredits = 40;
    static constexpr int kTutorialsOption = 50000;
    static constexpr int kAlternateMovementOption = 50001;
    static constexpr int kFullScreenOption = 50002;
    static constexpr int kResolutionOption = 50003;
    static constexpr int kViewTutorials = 70000;
    static constexpr int kViewUnlocks = 70001;
    static constexpr int kFirstComic = 60000;
    static constexpr int kLastComic = 60003;

    static const char* const kVersion;
    static const char* const kRestartWarning;
    // Shown in its place when the settings file could not be written.
    static const char* const kNotSavedWarning;

    void buildMainMenu();
    // Fades the held menu out; dismiss follows.
    void close();
    // Takes the menu down at once.
    void dismiss();
    // Back in the root column: play goes on.
    void resume();
    void onItemSelected(int id);
    void startGame(int zone, int mode);
    // Drops a difficulty that the zone does not allow.
    void checkDifficulty(int zone);
    // TAB on a mode entry: the next difficulty.
    void cycleDifficulty(int id);
    std::string difficultyLabel(int id);
    std::string valueLabel(int id) const;

    // Option labels (MenuEngineOptions.cpp).
    std::string resolutionLabel() const;
    std::string fullscreenLabel() const;
    std::string tutorialsLabel() const;
    std::string alternateMovementLabel() const;

    // The pages (MenuEnginePages.cpp).
    void showTutorialPanes();
    void showUnlockPages();
    void showMessagePages();
    void closeTutorialPanes();
    void drawTutorialPane();
    std::string unlockPageText();
    std::string messagePageText();
    void drawInfoPage(const std::string& text);
    // Takes the page nodes off the screen.
    void removePageNodes();
    void onTutorialPaneKey(int keyCode);
    void onInfoPageKey(int keyCode);
    // The murders a message page lists in the current zone.
    static int messagePageSize(int zone);

    UIText* versionText = nullptr;
    bool closing = false;

    // The tutorial pane shown, and the unlock and message page; the viewer
    // reopens where it was left.
    int paneIndex = 0;
    int unlockPageIndex = 0;
    int messagePageIndex = 0;
    // The picture, the page's dark box, the page text and the pane's hint.
    cocos2d::Sprite* pagePicture = nullptr;
    cocos2d::Sprite* pageBackground = nullptr;
    UIText* pageText = nullptr;
    UIText* paneHint = nullptr;

private:
    friend class Singleton<MenuEngine>;
    MenuEngine() = default;

    UIMenu* heldMenu() const;
    void addEntries(UIMenu* menu);
    void bindCallbacks(UIMenu* menu);
    void showVersion();
    void beep();
    void toggleOption(int id);
    void changeDisplay(int id);
    void saveAndRelabel(int id, const std::string& label);
    // The menu goes and the game state becomes the page's.
    void enterPageState(int state);
    // The pages keep both HUD panels and the cursor away while shown.
    void setHudVisible(bool visible);
    void endMessagePages();
};
