// What happens to the player: police scans, flash-bangs and death.
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/WeatherEngine.h"
#include "ui/hud/GameHUD.h"

namespace {
constexpr int32_t KillsStat = 1000;
constexpr int32_t DeathsStat = 1009;
constexpr int32_t NoKillsAchievement = 105;
constexpr int32_t SuicideAchievement = 112;
constexpr int32_t KilledByTargetAchievement = 113;
constexpr int32_t KilledByPoliceAchievement = 117;
constexpr int32_t KilledCarryingBodyAchievement = 119;
// Killers' roles, as their shots carry them.
constexpr int32_t PoliceRole = 1;
constexpr int32_t TargetRole = 5;
}

void Player::onScanStart()
{
    if (health > 0)
        GameInterface::getInstance()->scanCountdown = ScanSeconds;
}

// However a scan of the player ends, the HUD's scan warning goes with it (a
// warning left standing would hide the pursuit frame for the rest of the run);
// a verdict is also shown.
void Player::onScanEnd(const std::string& message)
{
    GameInterface* game = GameInterface::getInstance();
    game->scanCountdown = -1.0f;
    if (!message.empty())
        game->queueMessage(message, true);
}

void Player::onFlashbang(float duration)
{
    (void)duration; // the white-out always lasts the same
    WeatherEngine::getInstance()->flash();
}

void Player::onKilled()
{
    PoliceManager* police = PoliceManager::getInstance();
    police->stopChaseMusic();
    SoundEngine::getInstance()->play(nullptr, false, "death.mp3", 1.0f);
    StatEngine* stats = StatEngine::getInstance();
    stats->addStat(DeathsStat, 1);
    GameHUD::getInstance()->onGunAnimationDone();

    Achievements* achievements = Achievements::getInstance();
    if (lastHitBy == PlayerRole)
        achievements->setAchievement(SuicideAchievement);
    else if (lastHitBy == TargetRole)
        achievements->setAchievement(KilledByTargetAchievement);
    else if (lastHitBy == PoliceRole)
    {
        achievements->setAchievement(KilledByPoliceAchievement);
        if (carriedBody)
            achievements->setAchievement(KilledCarryingBodyAchievement);
    }
    const StatRecord* kills = stats->find(KillsStat);
    if (!kills || kills->run == 0)
        achievements->setAchievement(NoKillsAchievement);

    GameInterface* game = GameInterface::getInstance();
    game->scanCountdown = -1.0f;
    police->playerScanProgress = -1.0f;
    game->playerDied(lastHitBy);
}
