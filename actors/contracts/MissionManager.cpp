// The accepted contract: its target in the city, and its end by completion,
// failure or abandonment.
#include "actors/contracts/MissionManager.h"

#include "actors/Player.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/ContractActors.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/hud/GameHUD.h"
#include "world/WorldMap.h"

namespace {

constexpr int32_t kContractsFailedStat = 1002;
constexpr int32_t kContractsCompletedStat = 1003;
constexpr int32_t kContractsAcceptedStat = 1011;
constexpr int32_t kFailedContractAchievement = 116;
// Targets and their guards walk a little faster than the crowd.
constexpr float kTargetPace = 1.1f;
// The watch that makes a mob take the player for its declared enemy.
constexpr int32_t kWatchEnemy = 2;
constexpr int32_t kPlayerWatchId = -2;

const char* const kAcceptedText = "Contract Accepted.";
const char* const kUnplacedText = "`@Contract not accepted.\nTarget cannot be located.";
const char* const kFailedTexts[] = {
    "`@Contract failed.\nTarget left the area.",
    "`@Contract failed.\nTarget's body was found and reported to police.",
};
const char* const kCompletedFormat = "Contract completed. Earned `$%d`7c";

void knowThePlayer(GameMob* mob)
{
    mob->watchMode = kWatchEnemy;
    mob->watchId = kPlayerWatchId;
}

}  // namespace

GameObject* MissionManager::target() const
{
    return accepted ? accepted->targetNPC.asObject() : nullptr;
}

void MissionManager::acceptContract(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= contracts.size())
        return;
    Contract* chosen = contracts[static_cast<size_t>(index)];
    // A job whose target finds no place in the city could neither be done nor
    // fail: it stays on the board, and the job in hand stays the player's.
    // Until the actor manager registers its spawner no target can walk, and
    // the job is taken on its record alone.
    if (actors && !spawnTarget(*chosen))
    {
        GameInterface::getInstance()->queueMessage(kUnplacedText, true);
        return;
    }
    if (accepted)
        abandonContract();
    StatEngine::getInstance()->addStat(kContractsAcceptedStat, 1);
    accepted = chosen;
    contracts.erase(contracts.begin() + index);
    GameInterface::getInstance()->queueMessage(kAcceptedText, true);
    refreshHud();
}

bool MissionManager::spawnTarget(Contract& contract)
{
    GameInterface* game = GameInterface::getInstance();
    const cocos2d::Vec2 position =
        WorldMap::getInstance()->randomSpawnPosition(true, game->maxmissionspawndistance, game->player);
    if (position == WorldMap::None)
        return false;
    GameMob* npc = actors->spawnTarget(contract.target, position);
    if (!npc)
        return false;
    contract.handRecordToTarget();
    contract.targetNPC.setPerson(npc);
    if (contract.knowsplayer)
        knowThePlayer(npc);
    // A target that lives here stays; a visitor walks out of the zone in time.
    if (contract.urgent == 0)
        contract.target->resident = true;
    if (contract.policeescort)
        actors->requestEscort(npc);
    npc->walkSpeed *= kTargetPace;
    if (contract.bodyguard)
        spawnBodyguard(contract, npc, position);
    return true;
}

void MissionManager::spawnBodyguard(Contract& contract, GameMob* principal, cocos2d::Vec2 position)
{
    principal->hasBodyguards = true;
    GameMob* guard = actors->spawnBodyguard(principal, position, contract.target->paranoid);
    if (!guard)
        return;
    // The pair keeps together: the target takes the guard's pace.
    guard->walkSpeed *= kTargetPace;
    principal->walkSpeed = guard->walkSpeed;
    if (contract.knowsplayer)
        knowThePlayer(guard);
}

void MissionManager::abandonContract()
{
    if (!accepted)
        return;
    releaseEscort();
    // A package has no errands; a living target stops being a resident and leaves.
    GameMob* person = accepted->targetNPC.person();
    if (person && person->kind == GameObject::WalkingMob && person->health > 0)
        accepted->target->resident = false;
    dropAccepted();
    refreshHud();
}

void MissionManager::failContract(int reason)
{
    if (!accepted)
        return;
    GameInterface::getInstance()->queueMessage(kFailedTexts[reason == 0 ? 0 : 1], true);
    releaseEscort();
    dropAccepted();
    refreshHud();
}

void MissionManager::completeContract()
{
    if (!accepted)
        return;
    const int value = accepted->getValue();
    GameInterface* game = GameInterface::getInstance();
    if (game->player)
        game->addMoney(value);
    dropAccepted();
    ++completed;
    refreshHud();
    StatEngine::getInstance()->addStat(kContractsCompletedStat, 1);
    game->queueMessage(formatString(kCompletedFormat, value), true);
}

void MissionManager::onMobRemoved(GameMob* mob)
{
    if (!mob || !accepted || accepted->targetNPC.person() != mob)
        return;
    failContract(mob->health <= 0 ? 1 : 0);
    const Player* player = GameInterface::getInstance()->player;
    if (player && player->health > 0)
    {
        StatEngine::getInstance()->addStat(kContractsFailedStat, 1);
        Achievements::getInstance()->setAchievement(kFailedContractAchievement);
    }
}

void MissionManager::setTargetPackage(GameObject* package)
{
    if (accepted && package)
        accepted->targetNPC.setPackage(package);
}

void MissionManager::forgetObject(GameObject* object)
{
    if (accepted && accepted->targetNPC.package() == object)
        accepted->targetNPC.clear();
}

void MissionManager::resetRun()
{
    dropAccepted();
    clearContracts();
    completed = 0;
    // The new board stands its full time.
    refreshTimer = 0.0f;
}

void MissionManager::releaseEscort()
{
    GameMob* person = accepted ? accepted->targetNPC.person() : nullptr;
    if (actors && person)
        actors->releaseEscort(person);
}

void MissionManager::dropAccepted()
{
    delete accepted;
    accepted = nullptr;
}

void MissionManager::refreshHud()
{
    GameHUD* hud = GameHUD::getInstance();
    hud->refresh(true);
    hud->refreshHUDTarget();
}

int MissionManager::targetCitizenId() const
{
    return accepted && accepted->target ? accepted->target->id : -1;
}

bool MissionManager::targetHasTracker() const
{
    return accepted && accepted->tracker;
}
