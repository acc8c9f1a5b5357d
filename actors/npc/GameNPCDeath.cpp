// An NPC's death: the tutorial, achievements and statistics it earns the
// player, the contract it completes, and the wallet (or package) it drops.
#include "actors/npc/GameNPC.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/PopulationSettings.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/menus/TutorialEngine.h"
#include "world/GameData.h"
#include "world/WorldMap.h"
#include <cstdlib>

namespace {
constexpr int kKillTutorial = 3;
constexpr int kWallet = 252;
constexpr int kPackage = 366;
constexpr float kDropDistance = 16.0f;

// Achievements for a target killed by someone else, by killer role.
constexpr int kGangKilledTarget = 128;
constexpr int kPoliceKilledTarget = 125;
constexpr int kBodyguardKilledTarget = 133;
// Player kills by damage type: 1 rifle, 2 buckshot, 3 maverick, 4 explosion.
struct WeaponKill
{
    int damageType;
    int stat;
    int achievement;
};
constexpr WeaponKill kWeaponKills[] = {{1, 1017, 103}, {2, 1016, 104}, {3, 1018, 0}, {4, 1019, 102}};
constexpr int kKillsStat = 1000;
constexpr int kInnocentsStat = 1001;
constexpr int kGangKillsStat = 1004;
constexpr int kCrossfireStat = 1008;
constexpr int kCrossfireAtPlayerStat = 1020;
constexpr int kWitnessSilenced = 127;
constexpr int kKilledOnTheRun = 101;

const char* const kSuspectNeutralised = "`9Police`7 `@neutralised`7 suspect `%%%s`7.";
const char* const kCrossfireVictim = "`9Police`7 report civilian `%%%s`7 was killed in crossfire.";
const char* const kHideTheBody = "Hide the body to complete the contract.";
const char* const kGangKilled = "Target neutralised: `%%%s";
const char* const kInnocentKilled = "Innocent neutralised: `@%s";

int dice(int count, int sides)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += rand() % sides + 1;
    return sum;
}
}

void GameNPC::onKilled()
{
    standStill = 0.0f;
    setThoughtBubble(BubbleNone);
    MissionManager* missions = MissionManager::getInstance();
    const Contract* contract = missions->acceptedContract();
    if (lastHitBy == RolePlayer)
        TutorialEngine::getInstance()->request(kKillTutorial);
    if (contract && contract->kind == Contract::Assassinate && !contract->musthidebody && isAcceptedTarget())
    {
        Achievements* achievements = Achievements::getInstance();
        if (lastHitBy == RoleGangMember)
            achievements->setAchievement(kGangKilledTarget);
        else if (lastHitBy == RolePoliceDrone)
            achievements->setAchievement(kPoliceKilledTarget);
        else if (lastHitBy == RoleBodyguard)
            achievements->setAchievement(kBodyguardKilledTarget);
    }
    const bool acceptedTarget = isAcceptedTarget();
    if (lastHitBy == RolePoliceDrone)
        reportPoliceKill(acceptedTarget);
    const bool package = contract && contract->kind == Contract::Steal && missions->targetCitizenId() == citizenId();
    const bool wasTarget = applyContractOutcome();
    GameObject* wallet = dropOnDeath(package);
    if (lastHitBy == RolePlayer)
        countPlayerKill(wasTarget, wallet);
}

void GameNPC::reportPoliceKill(bool acceptedTarget)
{
    GameInterface* game = GameInterface::getInstance();
    const bool suspect = PoliceManager::getInstance()->isSuspect(this);
    game->addConsoleLine(formatString(suspect ? kSuspectNeutralised : kCrossfireVictim, record->fullName.c_str()));
    if (record->gangMember || acceptedTarget)
        return;
    StatEngine* stats = StatEngine::getInstance();
    stats->addStat(kCrossfireStat, 1);
    if (hitFlag)
        stats->addStat(kCrossfireAtPlayerStat, 1);
}

// The accepted contract's outcome when this NPC was its target; true then.
bool GameNPC::applyContractOutcome()
{
    MissionManager* missions = MissionManager::getInstance();
    const Contract* contract = missions->acceptedContract();
    if (!contract || missions->targetCitizenId() != citizenId())
        return false;
    GameInterface* game = GameInterface::getInstance();
    if (contract->kind == Contract::Assassinate && !contract->musthidebody)
    {
        game->contractsDone += 1;
        missions->completeContract();
    }
    else if (contract->kind == Contract::Assassinate)
        game->queueMessage(kHideTheBody, true);
    return true;
}

// The wallet dropped, or null when the package (or nothing) was.
GameObject* GameNPC::dropOnDeath(bool package)
{
    const int worth = mobKind == MobHunter ? 80 + dice(5, 15) : 15 + dice(4, 4);
    ObjectDef* definition = GameData::getInstance()->getObjectDef(package ? kPackage : kWallet);
    const cocos2d::Vec2 point = position + vectorFromAngle(heading, kDropDistance);
    GameObject* drop = definition ? WorldMap::getInstance()->placeObject(definition, -1, point, -1.0f) : nullptr;
    if (!drop)
        return nullptr;
    if (!package)
    {
        drop->value = worth;
        return drop;
    }
    // The package is the contract's target from now on: an object on the
    // map, which the contract manager forgets when it is picked up.
    drop->value = 0;
    drop->ownerId = citizenId();
    MissionManager::getInstance()->setTargetPackage(drop);
    return nullptr;
}

void GameNPC::countPlayerKill(bool wasTarget, GameObject* wallet)
{
    StatEngine* stats = StatEngine::getInstance();
    Achievements* achievements = Achievements::getInstance();
    stats->addStat(kKillsStat, 1);
    for (const WeaponKill& kill : kWeaponKills)
    {
        if (kill.damageType != lastDamageType)
            continue;
        stats->addStat(kill.stat, 1);
        if (kill.achievement)
            achievements->setAchievement(kill.achievement);
    }
    const Player* player = MobManager::getInstance()->player;
    if (player && reportCulprit == player && !wasTarget)
        achievements->setAchievement(kWitnessSilenced);
    if (player && player->running)
        achievements->setAchievement(kKilledOnTheRun);
    if (wasTarget)
        return;
    GameInterface* game = GameInterface::getInstance();
    if (record->gangMember)
    {
        game->queueMessage(formatString(kGangKilled, record->fullName.c_str()), false);
        PopulationSettings::getInstance()->gangKills += 1;
        game->gangKills += 1;
        if (wallet)
            wallet->value = 30 + dice(5, 10);
        stats->addStat(kGangKillsStat, 1);
        return;
    }
    // A hunter is sent to kill the player: shooting it back is no murder.
    if (mobKind == MobHunter)
        return;
    game->murders += 1;
    game->queueMessage(formatString(kInnocentKilled, record->fullName.c_str()), false);
    stats->addStat(kInnocentsStat, 1);
}
