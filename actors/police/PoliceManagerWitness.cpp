#include "actors/CitizenActor.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/Checkpoint.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "app/SoundEngine.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

// Who sees or hears what: droids, cameras and walking people; the cameras'
// list, the EMP, escorts, the actors leaving the game, and the questions the
// HUD, the hunters and the driver ask.

namespace
{
const char* const kCameraName = "`#A security camera";
const char* const kCameraSound = "camera_crime.wav";
constexpr float kSoundMarkerScale = 192.0f;

// Lures draw every eye: a view test toward one looks all round.
bool isLure(const GameObject* object)
{
    return object && object->def && object->def->islure;
}

Player* currentPlayer()
{
    return MobManager::getInstance()->player;
}
} // namespace

void PoliceManager::witnessCrime(GameMob* culprit, bool noSightReaction, bool noHearing, float loudness)
{
    if (!culprit)
        return;
    const cocos2d::Vec2 point = culprit->getPosition();
    if (culprit->mobKind == MobPlayer)
        WorldMap::getInstance()->showSoundMarker(noSightReaction, point, loudness * kSoundMarkerScale);
    for (PoliceDroid* droid : droids)
    {
        if (droid->canSee(point, true))
        {
            reportCrime(1, culprit, droid, point, droid->getName());
            return;
        }
    }
    const bool lure = isLure(culprit);
    for (GameObject* camera : cameras)
    {
        if (camera->canSee(point, lure))
        {
            camera->watchedObject = culprit;
            cameraReport(camera, culprit, point);
            return;
        }
    }
    walkersWitness(culprit, point, noSightReaction, noHearing, loudness, lure);
}

void PoliceManager::witnessCrimeAt(bool noSightReaction, bool noHearing, float loudness, cocos2d::Vec2 point)
{
    for (PoliceDroid* droid : droids)
    {
        if (droid->canSee(point, true))
        {
            reportCrime(1, nullptr, droid, point, droid->getName());
            return;
        }
    }
    for (GameObject* camera : cameras)
    {
        if (camera->canSee(point, false))
        {
            camera->watchedObject = nullptr;
            cameraReport(camera, nullptr, point);
            return;
        }
    }
    walkersWitness(nullptr, point, noSightReaction, noHearing, loudness, false);
}

void PoliceManager::cameraReport(GameObject* camera, GameMob* culprit, cocos2d::Vec2 point)
{
    reportCrime(1, culprit, nullptr, point, kCameraName);
    const cocos2d::Vec2 at = camera->getPosition();
    SoundEngine::getInstance()->play(&at, false, kCameraSound, 1.0f);
}

void PoliceManager::walkersWitness(GameMob* culprit, cocos2d::Vec2 point, bool noSightReaction, bool noHearing,
                                   float loudness, bool lookAllRound)
{
    // A copy: a witness's reaction may bring others into the game or take them out.
    const std::vector<GameMob*> walkers = MobManager::getInstance()->groundMobs;
    for (GameMob* mob : walkers)
    {
        // The culprit is no witness of its own act, and the dead see nothing.
        if (mob == culprit || mob->health <= 0 || mob->isStandingStill())
            continue;
        if (!noSightReaction && mob->canSee(point, lookAllRound))
        {
            mob->onSawCrime(1, point, culprit);
            continue;
        }
        if (noHearing || !mob->canHear(point, loudness))
            continue;
        if (CitizenActor* citizen = MobManager::citizenOf(mob))
            citizen->onHeardSound(1, point);
    }
}

void PoliceManager::addCamera(GameObject* camera)
{
    if (camera && std::find(cameras.begin(), cameras.end(), camera) == cameras.end())
        cameras.push_back(camera);
}

void PoliceManager::removeCamera(const GameObject* camera)
{
    cameras.erase(std::remove(cameras.begin(), cameras.end(), camera), cameras.end());
}

void PoliceManager::stopCamerasWatching(const GameMob* mob)
{
    if (!mob)
        return;
    for (GameObject* camera : cameras)
    {
        if (camera->watchedObject == mob)
            camera->watchedObject = nullptr;
    }
}

void PoliceManager::empBlast(cocos2d::Vec2 point)
{
    for (PoliceDroid* droid : droids)
    {
        if (droid->getPosition().distance(point) > empRadius)
            continue;
        droid->watchedObject = nullptr;
        if (droid->crimeScene)
        {
            droid->crimeScene->suspect = nullptr;
            droid->crimeScene = nullptr;
        }
        droid->enterDisabledMode();
    }
}

void PoliceManager::requestEscort(GameMob* npc)
{
    if (!npc)
        return;
    auto* droid = dynamic_cast<PoliceDroid*>(MobManager::getInstance()->spawnPoliceDroid(npc->getPosition()));
    if (!droid)
        return;
    droids.push_back(droid);
    droid->enterEscortMode(npc);
}

void PoliceManager::releaseEscort(const GameMob* npc)
{
    for (PoliceDroid* droid : droids)
    {
        if (droid->escortedNpc == npc)
            droid->escortedNpc = nullptr;
    }
}

void PoliceManager::clearSuspect(const GameMob* mob, bool reassign)
{
    if (!mob)
        return;
    for (CrimeScene* scene : crimeScenes)
    {
        if (scene->suspect == mob)
            scene->suspect = reassign ? randomWalkerOtherThan(mob) : nullptr;
    }
    stopCamerasWatching(mob);
}

GameMob* PoliceManager::randomWalkerOtherThan(const GameMob* mob) const
{
    // Only the living, and never the one being cleared: with nobody else
    // about, the scene simply has no suspect.
    std::vector<GameMob*> candidates;
    for (GameMob* walker : MobManager::getInstance()->groundMobs)
    {
        if (walker != mob && walker->health > 0)
            candidates.push_back(walker);
    }
    if (candidates.empty())
        return nullptr;
    return candidates[static_cast<size_t>(rand()) % candidates.size()];
}

void PoliceManager::forgetDroidTarget(const GameMob* mob)
{
    if (!mob)
        return;
    for (PoliceDroid* droid : droids)
    {
        if (droid->scanTarget == mob)
            droid->scanTarget = nullptr;
    }
    // The droid can no longer tell that it was scanning the player.
    if (mob->mobKind == MobPlayer)
        playerScanProgress = -1.0f;
    for (Checkpoint* checkpoint : checkpoints)
        checkpoint->forgetMob(mob);
}

void PoliceManager::forgetBody(const GameObject* body)
{
    for (CrimeScene* scene : crimeScenes)
        scene->forgetBody(body);
    reportedBodies.erase(std::remove(reportedBodies.begin(), reportedBodies.end(), body), reportedBodies.end());
}

bool PoliceManager::isSuspect(const GameMob* mob) const
{
    return mob && std::any_of(crimeScenes.begin(), crimeScenes.end(),
                              [mob](const CrimeScene* scene) { return scene->suspect == mob; });
}

bool PoliceManager::isWanted(const GameMob* mob) const
{
    if (!mob)
        return false;
    if (isSuspect(mob))
        return true;
    const std::vector<GameMob*>& walkers = MobManager::getInstance()->groundMobs;
    return std::any_of(walkers.begin(), walkers.end(), [mob](const GameMob* walker) {
        return walker->health > 0 && walker->pendingReportCulprit() == mob;
    });
}

CrimeScene* PoliceManager::findSceneWithBody(const GameObject* body) const
{
    auto it = std::find_if(crimeScenes.begin(), crimeScenes.end(),
                           [body](const CrimeScene* scene) { return scene->hasBody(body); });
    return it == crimeScenes.end() ? nullptr : *it;
}

GameObject* PoliceManager::findCameraSeeing() const
{
    const Player* player = currentPlayer();
    if (!player)
        return nullptr;
    const bool lure = isLure(player);
    auto it = std::find_if(cameras.begin(), cameras.end(), [player, lure](const GameObject* camera) {
        return camera->canSee(player->getPosition(), lure);
    });
    return it == cameras.end() ? nullptr : *it;
}

bool PoliceManager::isPlayerInSight() const
{
    const Player* player = currentPlayer();
    if (!player)
        return false;
    return std::any_of(droids.begin(), droids.end(), [player](const PoliceDroid* droid) {
        return droid->crimeScene && droid->crimeScene->suspect == player && droid->canSee(player->getPosition(), true);
    });
}

int PoliceManager::countPursuingDroids() const
{
    const Player* player = currentPlayer();
    if (!player)
        return 0;
    return static_cast<int>(std::count_if(droids.begin(), droids.end(), [player](const PoliceDroid* droid) {
        return droid->crimeScene && droid->crimeScene->suspect == player;
    }));
}
