#pragma once
#include "cocos2d.h"

#include <functional>
#include <string>

class GameLaunch;
class JourneyReport;

// The stretches of road a player takes through the game, each driven only by
// keys where the game offers keys, each checking what the player would see.
// Where a stretch cannot be driven the way a player would (a key reaches no
// handler, a screen is missing), the report gets the problem and the stretch
// goes on the nearest honest way, so the rest of the road is still tested.
class PlayerJourney
{
public:
    // A journey that is not strict passes through the intro and the menu only
    // to get somewhere else: what it cannot drive there is noted, not counted.
    PlayerJourney(GameLaunch& game, JourneyReport& report, float dt, bool strict = true);

    // From the launch to the main menu. On a first start that means the
    // logos, the character choice (the male character, with D then E) and
    // the first comic part; a later start skips both.
    bool introToMenu(bool firstStart);
    // Chooses the zone's mode in the main menu by its keys, from the menu as
    // it opens; checks that the run started there.
    bool startRunFromMenu(int zone = 0, int mode = 0);
    // Checks of a run that has just begun: state, player, HUD, camera.
    bool checkRunStarted();
    // Plays the given frames with the movement keys held; true when nothing
    // fell over (the player and the run still there).
    bool playHolding(int frames, cocos2d::EventKeyboard::KeyCode first, cocos2d::EventKeyboard::KeyCode second);

    // Plays the given frames; a tutorial that pops up is read and closed with
    // E, as a player would.
    void play(int frames);
    // Closes a tutorial that is showing with E; true when one was showing.
    bool readTutorial();

    // The loaded zone: map size, markers and the world node under the game layer.
    bool checkZoneLoaded(int zone);

    static std::string describe(cocos2d::Vec2 point);

    // Called at the moments a player would look at the screen: "logo",
    // "choice", "comic" and "menu" (the window test takes pictures there).
    std::function<void(const std::string& moment)> onMoment;

private:
    bool logosShown();
    bool chooseCharacter();
    bool readComic();
    bool arriveAtMenu(bool firstStart);
    // A check of the road itself (keys, menus); a problem only when strict.
    bool checkRoad(bool condition, const std::string& problem);
    void moment(const std::string& name);

    GameLaunch& _game;
    JourneyReport& _report;
    float _dt;
    bool _strict;
};
