#pragma once
#include <string>

class GameMob;

// What the tutorial checks read of the game, and the pop-up they open. The
// actors (contracts, police, the player's purse) answer through here; until
// an actor can answer, its condition reads as not met, so its tutorial waits
// rather than showing on a guess. Tests put a scripted world in its place.
class TutorialWorld
{
public:
    virtual ~TutorialWorld();

    virtual int gameState();
    // The run's player; null between runs.
    virtual GameMob* player();
    // A shop window or an end-of-run window is open.
    virtual bool interactionWindowOpen();
    virtual int currentZone();
    // A contract target exists and the target marker describes it.
    virtual bool targetDescribed();
    // The police pursue the player.
    virtual bool policePursuing();
    // The player holds more than 200 credits and the marker describes a contact.
    virtual bool richNearContact();
    // Shows the tutorial picture over the play field and pauses the run.
    virtual void showPopup(const std::string& image);
};
