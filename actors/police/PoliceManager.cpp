#include "actors/police/PoliceManager.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/Checkpoint.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/hud/UICopHUD.h"
#include "world/MapMarker.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

// The scene list, the level, the droids on duty and the chase. The witnesses,
// cameras and the questions about them are in PoliceManagerWitness.cpp.

const PoliceLevelRow PoliceManager::policeLevelTable[PoliceManager::maxPoliceLevel + 1] = {
    {0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 3},
};

namespace
{
constexpr int kBodiesFoundStat = 1010;
// The role code of the police droids' shots.
constexpr int kPoliceDroneRole = 1;
constexpr int kBodySeverity = 0;

bool isPlayer(const GameMob* mob)
{
    return mob && mob->mobKind == MobPlayer;
}

void eraseDroid(std::vector<PoliceDroid*>& list, const PoliceDroid* droid)
{
    list.erase(std::remove(list.begin(), list.end(), droid), list.end());
}
} // namespace

void PoliceManager::reset()
{
    setChaseMusic(false);
    chasing = false;
    pursued = false;
    if (UICopHUD* panel = GameInterface::getInstance()->copHUD)
        panel->alert = false;
    policeLevel = 0;
    playerScanProgress = -1.0f;
    removalQueue.clear();
    // The droids let go of their scenes before the scenes go, and leave the
    // city with them: a new level or run starts with nobody on duty.
    sendDroidsOffDuty();
    for (CrimeScene* scene : crimeScenes)
        delete scene;
    crimeScenes.clear();
    reportedBodies.clear();
    for (auto* checkpoint : checkpoints)
        checkpoint->reactivate();
}

void PoliceManager::sendDroidsOffDuty()
{
    const std::vector<PoliceDroid*> leaving = droids;
    for (PoliceDroid* droid : leaving)
    {
        droid->enterPatrolMode();
        droid->crimeScene = nullptr;
        droid->escortedNpc = nullptr;
        MobManager::getInstance()->removeMob(droid);
    }
    droids.clear();
}

void PoliceManager::buildCheckpoints()
{
    for (auto* checkpoint : checkpoints)
        delete checkpoint;
    checkpoints.clear();
    for (const MapMarker* marker : WorldMap::getInstance()->allMarkers)
    {
        if (marker->kind == MapMarkerKind::Checkpoint)
            checkpoints.push_back(new Checkpoint(marker->gridPos));
    }
}

void PoliceManager::update(float dt)
{
    for (auto* checkpoint : checkpoints)
        checkpoint->update(dt);
    WorldMap* map = WorldMap::getInstance();
    for (PoliceDroid* droid : droids)
    {
        if (droid->despawn && !map->isPointOnScreen(droid->getPosition()))
            queueDroidRemoval(droid);
    }
    removeQueuedDroids();
    addDroidOnQuota();
    closeExpiredScenes(dt);
}

void PoliceManager::removeQueuedDroids()
{
    const std::vector<PoliceDroid*> queued = removalQueue;
    removalQueue.clear();
    for (PoliceDroid* droid : queued)
    {
        eraseDroid(droids, droid);
        MobManager::getInstance()->removeMob(droid);
    }
}

void PoliceManager::addDroidOnQuota()
{
    if (static_cast<int>(droids.size()) >= droidQuota())
        return;
    const cocos2d::Vec2 point = WorldMap::getInstance()->randomOffscreenPoint();
    if (point == WorldMap::None)
        return;
    auto* droid = dynamic_cast<PoliceDroid*>(MobManager::getInstance()->spawnPoliceDroid(point));
    if (!droid)
        return;
    droids.push_back(droid);
    if (policeLevel != 0)
        GameInterface::getInstance()->addConsoleLine("`9Police`7 presence in the city increased.");
}

void PoliceManager::closeExpiredScenes(float dt)
{
    std::vector<CrimeScene*> expired;
    for (CrimeScene* scene : crimeScenes)
    {
        if (scene->advance(dt))
            expired.push_back(scene);
    }
    for (CrimeScene* scene : expired)
    {
        stopCamerasWatching(scene->suspect);
        closeCrimeScene(scene);
    }
}

CrimeScene* PoliceManager::reportCrime(int severity, GameMob* suspect, PoliceDroid* responder,
                                       cocos2d::Vec2 position, const std::string& reporterName)
{
    if (isPlayer(suspect) && suspect->health <= 0)
        return nullptr;
    for (CrimeScene* scene : crimeScenes)
    {
        if (scene->position.distance(position) > sceneJoinRadius)
            continue;
        if (!scene->suspect && suspect)
        {
            announceSuspect(suspect, reporterName);
            // Only people the police can chase are recorded; a bodyguard, say, is named and let be.
            if (suspect->mobKind == MobCitizen || isPlayer(suspect))
                scene->suspect = suspect;
        }
        scene->join(severity);
        dispatchDroid(scene, false, nullptr);
        // A droid sent to a joined scene pursues its suspect as much as one sent to a new one.
        updateChaseState();
        return scene;
    }
    auto* scene = new CrimeScene(severity, position, suspect);
    crimeScenes.push_back(scene);
    if (suspect)
        announceSuspect(suspect, reporterName);
    maybeRaiseLevel();
    maybeDispatchHitman(suspect);
    dispatchDroid(scene, true, responder);
    updateChaseState();
    return scene;
}

void PoliceManager::announceSuspect(const GameMob* suspect, const std::string& reporterName) const
{
    const std::string who = isPlayer(suspect) ? "`@you" : "`!" + suspect->name;
    GameInterface::getInstance()->addConsoleLine("`%" + reporterName + "`7 identified " + who + "`7 as a suspect.");
}

void PoliceManager::maybeRaiseLevel()
{
    if (policeLevel < maxPoliceLevel && rand() % 100 + 1 <= levelUpChance)
        policeLevel += 1;
}

void PoliceManager::maybeDispatchHitman(const GameMob* suspect)
{
    if (!isPlayer(suspect) || suspect->health <= 0)
        return;
    if (MobManager::getInstance()->countLivingHunters() < hunterLimit())
        GameInterface::getInstance()->dispatchHitman();
}

void PoliceManager::reportBody(GameObject* body, PoliceDroid* responder, const std::string& reporterName)
{
    // An open scene already has the body; once it closed, whoever finds the
    // body next reports it again.
    if (!body || body->lastHitBy == kPoliceDroneRole || findSceneWithBody(body))
        return;
    if (std::find(reportedBodies.begin(), reportedBodies.end(), body) == reportedBodies.end())
    {
        reportedBodies.push_back(body);
        StatEngine::getInstance()->addStat(kBodiesFoundStat, 1);
    }
    GameInterface::getInstance()->addConsoleLine("`%" + reporterName + "`7 reported finding a body.");
    CrimeScene* scene = reportCrime(kBodySeverity, nullptr, responder, body->getPosition(), reporterName);
    if (!scene)
        return;
    scene->addBody(body);
}

void PoliceManager::dispatchDroid(CrimeScene* scene, bool bark, PoliceDroid* responder)
{
    if (!scene)
        return;
    PoliceDroid* chosen = responder && responder->mode != PoliceDroid::Disabled ? responder : nullptr;
    for (auto it = droids.begin(); !chosen && it != droids.end(); ++it)
    {
        PoliceDroid* droid = *it;
        if (!droid->crimeScene && droid->mode != PoliceDroid::Escort && droid->mode != PoliceDroid::Disabled)
            chosen = droid;
    }
    if (!chosen)
        return;
    chosen->crimeScene = scene;
    chosen->enterEnforceMode(bark);
    GameInterface::getInstance()->addConsoleLine("`9" + chosen->getName() + "`7 dispatched to a crime scene.");
}

void PoliceManager::closeCrimeScene(CrimeScene* scene)
{
    auto it = std::find(crimeScenes.begin(), crimeScenes.end(), scene);
    if (it == crimeScenes.end())
        return;
    for (PoliceDroid* droid : droids)
    {
        if (droid->crimeScene != scene)
            continue;
        droid->enterPatrolMode();
        droid->crimeScene = nullptr;
    }
    GameInterface::getInstance()->addConsoleLine("`9Police`7 have closed a crime scene.");
    // Looked up again: a droid's leaving its scan tells people things, and
    // nothing of that may leave the list as it was.
    it = std::find(crimeScenes.begin(), crimeScenes.end(), scene);
    if (it == crimeScenes.end())
        return;
    crimeScenes.erase(it);
    delete scene;
    updateChaseState();
}

void PoliceManager::updateChaseState()
{
    const bool wasChasing = chasing;
    chasing = false;
    pursued = false;
    for (const PoliceDroid* droid : droids)
    {
        if (!droid->crimeScene || !isPlayer(droid->crimeScene->suspect))
            continue;
        pursued = true;
        if (droid->mode == PoliceDroid::Combat)
            chasing = true;
    }
    if (UICopHUD* panel = GameInterface::getInstance()->copHUD)
    {
        panel->alert = pursued;
        panel->update();
    }
    if (chasing != wasChasing)
        setChaseMusic(chasing);
}

void PoliceManager::setChaseMusic(bool on)
{
    SoundEngine* sound = SoundEngine::getInstance();
    if (!on && chaseMusic != -1)
    {
        sound->stop(chaseMusic);
        chaseMusic = -1;
    }
    else if (on && chaseMusic == -1)
        chaseMusic = sound->play(nullptr, false, "chase.mp3", 1.0f);
}

void PoliceManager::queueDroidRemoval(PoliceDroid* droid)
{
    if (droid && std::find(removalQueue.begin(), removalQueue.end(), droid) == removalQueue.end())
        removalQueue.push_back(droid);
}

void PoliceManager::forgetDroid(const GameObject* droid)
{
    const auto* leaving = dynamic_cast<const PoliceDroid*>(droid);
    if (!leaving)
        return;
    eraseDroid(droids, leaving);
    eraseDroid(removalQueue, leaving);
}

int PoliceManager::droidQuota() const
{
    return levelRow().droidQuota + extraDroids;
}

int PoliceManager::hunterLimit() const
{
    return levelRow().hunterLimit;
}

const PoliceLevelRow& PoliceManager::levelRow() const
{
    // The level is a public field: a value set out of range reads as the nearest row.
    return policeLevelTable[std::clamp(policeLevel, 0, maxPoliceLevel)];
}
