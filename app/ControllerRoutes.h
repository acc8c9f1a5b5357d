#pragma once

// Where the input hub sends what it has decided: the screens, windows, the
// editor and the play commands of the other parts of the game. The hub decides
// which of them gets a key in which state; these only deliver it. Tests put a
// recording in its place.
class ControllerRoutes
{
public:
    // The commands of the play keys and the game-pad buttons.
    enum class Command
    {
        ToggleWeapon,
        SelectWeapon, // with a weapon definition id
        FireEmp,
        Interact,
        DropWeapon,
        ToggleSecondary,
        ReloadWeapon,
        StartSmoking,
        UseSecondary,
    };

    virtual ~ControllerRoutes();

    // A UI element with the input focus takes keys and pad buttons first.
    virtual bool uiHasFocus();
    virtual void keyToFocused(int key);
    virtual void buttonToFocused(int button);

    virtual void tutorialPaneKey(int key);
    virtual void infoPageKey(int key);
    virtual bool creditsShowing();
    virtual void closeCredits();

    // The intro: the character choice (-1 left, +1 right) and the comic pages.
    virtual void highlightCharacter(int choice);
    virtual void confirmCharacter();
    // Turns to the next comic page when the current one is complete.
    virtual void turnComicPage();

    // The map editor: direction 1 left, 2 right, 3 up, 4 down; its other keys.
    virtual void editorDirectionKey(int direction);
    virtual void editorKey(int key);

    // The open main-menu panel (or the options page over a paused run).
    virtual void menuCloseKey(int key);
    virtual void openMainMenu();

    // The end-of-run windows: high-score table and initials entry.
    virtual void highScoreKey(int key);
    virtual void highScoreButton(int button);
    // The vending machine and the contract dealer.
    virtual void shopKey(int key);

    virtual void runCommand(Command command, int argument);
};
