#include "ui/menus/TutorialWorld.h"

#include "actors/CitizenActor.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/contracts/MissionManager.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "ui/hud/UIObjectDescriptor.h"
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
    const GameObject* target = MissionManager::getInstance()->target();
    const UIObjectDescriptor* marker = GameInterface::getInstance()->targetMarker;
    return target && marker && marker->target == target;
}

bool TutorialWorld::policePursuing()
{
    return PoliceManager::getInstance()->isPursued();
}

bool TutorialWorld::richNearContact()
{
    const GameInterface* game = GameInterface::getInstance();
    if (!game->player || game->player->credits <= 200 || !game->targetMarker)
        return false;
    // The marker lingers a moment on a contact shot dead: nobody to trade with there.
    const GameMob* marked = game->targetMarker->target;
    const CitizenActor* citizen = MobManager::citizenOf(marked);
    return citizen && citizen->isContact() && marked->health > 0;
}

void TutorialWorld::showPopup(const std::string& image)
{
    GameInterface::getInstance()->showTutorialPopup(image);
}
