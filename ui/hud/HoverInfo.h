#pragma once
#include <string>
#include <vector>

#include "app/Singleton.h"

class GameMob;
class HudSource;
class UIText;
struct PersonReading;

// The spotlight behind the main menu, while there is no player: every 11 to
// 20 seconds the camera picks a random walking citizen, follows them, and a
// panel in the bottom-left corner types out who they are and what they do.
class HoverInfo : public Singleton<HoverInfo>
{
public:
    // Once a frame while there is no player.
    void update(float dt);
    // A run starts: the panel goes and nobody is followed.
    void reset();

    // The panel's text for a person.
    static std::string describe(const GameMob* mob, const PersonReading& person);

    float changeTimer = 0.0f;
    bool errandGoingHome = false;
    int errandActivity = -1;
    int followedCitizenId = -1;
    UIText* panel = nullptr;

private:
    friend class Singleton<HoverInfo>;
    HoverInfo() = default;

    static std::vector<GameMob*> livingPeople(const HudSource& source);
    void change(GameMob* mob);
    void removePanel();
};
