#include "ui/menus/TutorialWorld.h"

#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/GameData.h"

TutorialWorld::~TutorialWorld() = default;

int TutorialWorld::gameState()
{
    return GameInterface::getInstance()->state;
}

GameMob* TutorialWorld::player()
{
    return GameInterface::getInstance()->player;
}

bool TutorialWorld::interactionWindowOpen()
{
    const GameInterface* game = GameInterface::getInstance();
    return game->interactWindow != nullptr || game->windowMode != 0;
}

int TutorialWorld::currentZone()
{
    return GameData::getInstance()->currentZone;
}

bool TutorialWorld::targetDescribed()
{
    // The contract manager's target is not in the game yet.
    return false;
}

bool TutorialWorld::policePursuing()
{
    return PoliceManager::getInstance()->isPursued();
}

bool TutorialWorld::richNearContact()
{
    // The player's credits and the contacts' citizen records are not in the game yet.
    return false;
}

void TutorialWorld::showPopup(const std::string& image)
{
    GameInterface::getInstance()->showTutorialPopup(image);
}
