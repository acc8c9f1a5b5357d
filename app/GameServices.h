#pragma once
#include "cocos2d.h"

class ControllerInterface;
class Player;
class Train;
class UIObjectDescriptor;
class UITextConsole;
class UIUnlockBar;

// Every call the game driver makes into the other managers, one operation a
// call. The driver decides which of them run in which state and in what order;
// these only carry them out. Tests put a recording in its place.
class GameServices
{
public:
    virtual ~GameServices();

    // The frame, before the simulation.
    virtual void deliverStatsCallbacks();
    virtual void pollInput(ControllerInterface* controller);
    virtual void updateWorldMap(float dt, bool runGoesOn);
    virtual void updateSound();
    virtual void updatePather();

    // The simulation.
    virtual void updateMovement(ControllerInterface* controller);
    virtual void updatePlayer(Player* player, float dt);
    virtual void updateTutorials(float dt);
    // Lets the dealer hint be shown again.
    virtual void rearmDealerHint();
    virtual void updateHoverInfo(float dt);
    virtual void updateUnlockBar(UIUnlockBar* bar, float dt);
    virtual void updateConsole(UITextConsole* console, float dt);
    virtual void updatePopulation();
    virtual void updateMobs(float dt);
    virtual void updateWeather(float dt);
    virtual void updatePolice(float dt);
    virtual void updateCamera(float dt);
    // Moves the train; true when it has left the map and been taken off it.
    virtual bool updateTrain(Train* train, float dt);
    virtual void spawnTrain();
    virtual void updateMissions(float dt);
    virtual void updateHudOverlay(float dt);

    // After the simulation.
    virtual void updateTargetMarker(UIObjectDescriptor* marker, float dt);
    virtual void checkRunEnd();
    // What went wrong with the files on disk, told on screen.
    virtual void showFileNotices();

    // State changes.
    virtual void closeMainMenu();
    virtual void leaveEditor();
    virtual void enterEditor();
    virtual void showRain();
    virtual void hideRain();
    virtual void setInterfaceMode(int state);
    virtual void playIntro();
};
