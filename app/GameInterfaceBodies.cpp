// The bodies the player handles with the use key: picked up, dropped on the
// spot, sunk in water or stashed in a container, with the bonus that hiding a
// contract target unseen pays and the murder list of the run.
#include "actors/CitizenActor.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "world/MapTile.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <cstdlib>

USING_NS_CC;

namespace {

constexpr int kBodyBonus = 50;
constexpr int32_t kBodiesHiddenStat = 1005;
constexpr int32_t kSunkBodyAchievement = 118;
// Seconds the use key rests after a body is picked up.
constexpr float kBodyHandlingSeconds = 1.2f;
// How far ahead of the player a body is dropped, in player radii.
constexpr float kDropReach = 4.0f;
constexpr int kContainerFilledAnimation = 1;

const char* const kSunkWithBonusText = "`7Body dropped in `9water`7. Bonus `$%d`7c for no witnesses.";
const char* const kSunkText = "`7Body dropped in `9water`7.";
const char* const kDroppedText = "`@Body dropped.";
const char* const kStashedWithBonusText =
    "`9Body stashed.`7 Incognito Bonus of `$%d`7c - Not Wanted, No Witnesses.";
const char* const kStashedText = "`9Body stashed.";
const char* const kPickedUpText = "`7Body picked up.";

void playSound(const char* name)
{
    SoundEngine::getInstance()->play(nullptr, false, name, 1.0f);
}

// The accepted contract, when the body is its target.
Contract* contractOfTarget(const GameObject* body)
{
    const CitizenActor* citizen = MobManager::citizenOf(body);
    MissionManager* missions = MissionManager::getInstance();
    Contract* contract = missions->acceptedContract();
    if (!citizen || !contract || citizen->citizenId() != missions->targetCitizenId())
        return nullptr;
    return contract;
}

// Where a body sinks: the middle of the cell, give or take a pixel or two.
Vec2 sinkingPlace(Vec2 cell)
{
    Vec2 place = WorldMap::gridToPixel(cell.x, cell.y) + Vec2(WorldMap::CellSize / 2.0f, WorldMap::CellSize / 2.0f);
    place.x += static_cast<float>(std::rand() % 4 - 1);
    place.y += static_cast<float>(std::rand() % 4 - 1);
    return place;
}

bool isWater(Vec2 cell)
{
    const MapTile* tile = WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
    return tile && tile->floor && tile->floor->water;
}

}

bool GameInterface::awardBodyBonus()
{
    const GameObject* body = player ? player->carriedBody : nullptr;
    const Contract* contract = contractOfTarget(body);
    if (!contract)
        return false;
    if (contract->musthidebody)
    {
        ++contractsDone;
        MissionManager::getInstance()->completeContract();
        return false;
    }
    if (PoliceManager::getInstance()->isWanted(player))
        return false;
    addMoney(kBodyBonus);
    return true;
}

void GameInterface::dropBodyInWater()
{
    if (!player || !player->carriedBody)
        return;
    GameObject* body = player->carriedBody;
    const Vec2 spot = player->getPosition() + vectorFromAngle(player->heading, kDropReach * player->getRadius());
    const Vec2 cell = WorldMap::pixelToGrid(spot.x, spot.y);
    const Vec2 place = sinkingPlace(cell);
    if (!isWater(cell))
    {
        // Dry ground: the body stays where the player stands.
        body->carried = false;
        player->carriedBody = nullptr;
        queueMessage(kDroppedText, true);
        playSound("body_drop.wav");
        return;
    }
    if (awardBodyBonus())
        queueMessage(formatString(kSunkWithBonusText, kBodyBonus), true);
    else
    {
        queueMessage(kSunkText, true);
        HighScores::getInstance()->recordVictim(body, false);
    }
    body->carried = false;
    player->carriedBody = nullptr;
    body->setPosition(place);
    body->corpseTimer = static_cast<float>(std::rand() % 7 + 6);
    body->setRotation(static_cast<float>(std::rand() % 360));
    playSound("body_splash.wav");
    StatEngine::getInstance()->addStat(kBodiesHiddenStat, 1);
    Achievements::getInstance()->setAchievement(kSunkBodyAchievement);
}

void GameInterface::stashBody(GameObject* container)
{
    if (!player || !player->carriedBody || !container)
        return;
    GameObject* body = player->carriedBody;
    const bool bonus = awardBodyBonus();
    body->carried = false;
    player->carriedBody = nullptr;
    if (body->isMob())
    {
        HighScores::getInstance()->recordVictim(body, false);
        MobManager::getInstance()->removeMob(body);
    }
    else
    {
        WorldMap* map = WorldMap::getInstance();
        map->removeObject(body, false);
        map->queueForDeletion(body);
    }
    container->filled = true;
    container->playAnimation(kContainerFilledAnimation);
    queueMessage(bonus ? formatString(kStashedWithBonusText, kBodyBonus) : std::string(kStashedText), true);
    playSound("body_pickup.wav");
    removeOverlayNode();
}

void GameInterface::pickUpBody(GameObject* body)
{
    if (!player || !body || player->carriedBody || body->corpseTimer != -1.0f)
        return;
    player->carriedBody = body;
    body->carried = true;
    queueMessage(kPickedUpText, true);
    playSound("body_pickup.wav");
    player->interactionCooldown = kBodyHandlingSeconds;
}
