#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include <string>
#include <vector>

class Checkpoint;
class CrimeScene;
class GameMob;
class GameObject;
class PoliceDroid;

// How many droids patrol and how many hunters may be alive at each police level.
struct PoliceLevelRow
{
    int droidQuota;
    int hunterLimit;
};

// Turns acts seen or heard in the city into police work: the open crime
// scenes, the security cameras and checkpoints of the map, the droids on
// duty, the police level with its droid quota, and the two alert flags that
// drive the chase music and the police panel.
//
// Of each droid the manager reads `mode` (PoliceDroid::Mode), `crimeScene`,
// `scanTarget`, `escortedNpc` and `despawn`, and calls getName(),
// enterEnforceMode(bark), enterPatrolMode(), enterEscortMode(npc) and
// enterDisabledMode(). It sets `crimeScene` before enterEnforceMode.
class PoliceManager : public Singleton<PoliceManager>
{
public:
    static constexpr int maxPoliceLevel = 5;
    static const PoliceLevelRow policeLevelTable[maxPoliceLevel + 1];
    // Reports this close to an open scene join it.
    static constexpr float sceneJoinRadius = 320.0f;
    // An EMP disables every droid this close.
    static constexpr float empRadius = 480.0f;

    // Level load and run start: no scenes, no droids, level 0, no chase.
    void reset();
    // One checkpoint per checkpoint marker of the map, in marker order.
    void buildCheckpoints();
    void update(float dt);

    // The scene opened or joined, or null when the report is dropped (the
    // suspect is the dead player).
    CrimeScene* reportCrime(int severity, GameMob* suspect, PoliceDroid* responder, cocos2d::Vec2 position,
                            const std::string& reporterName);
    void reportBody(GameObject* body, PoliceDroid* responder, const std::string& reporterName);
    // An act by the culprit (a shot, a raised or dropped weapon) that droids,
    // cameras and walking people may see or hear.
    void witnessCrime(GameMob* culprit, bool noSightReaction, bool noHearing, float loudness);
    // An act with no culprit at a point (explosions, flash-bangs).
    void witnessCrimeAt(bool noSightReaction, bool noHearing, float loudness, cocos2d::Vec2 point);
    void dispatchDroid(CrimeScene* scene, bool bark, PoliceDroid* responder);
    void closeCrimeScene(CrimeScene* scene);
    // Recomputes the chase and pursued flags, the police panel's alert and the chase music.
    void updateChaseState();

    // A new droid escorts the NPC; every droid escorting it lets go.
    void requestEscort(GameMob* npc);
    void releaseEscort(const GameMob* npc);
    void empBlast(cocos2d::Vec2 point);
    // Every scene loses the mob as suspect; with reassign, a random walking
    // person takes its place. No camera keeps watching it.
    void clearSuspect(const GameMob* mob, bool reassign);
    // An actor leaves the game: every droid scanning it drops it, and no
    // scene keeps it among its bodies; a leaving droid goes off duty.
    void forgetDroidTarget(const GameMob* mob);
    void forgetBody(const GameObject* body);
    void forgetDroid(const GameObject* droid);
    // A droid asks to be taken out of the game at the next update (once).
    void queueDroidRemoval(PoliceDroid* droid);

    // The map's security cameras (not owned).
    void addCamera(GameObject* camera);
    void removeCamera(const GameObject* camera);

    // Queries.
    bool isWanted(const GameMob* mob) const;
    bool isSuspect(const GameMob* mob) const;
    // The player died: the chase music stops where it is; the chase itself
    // stays as it was, so the music does not start again over the body.
    void stopChaseMusic() { setChaseMusic(false); }
    CrimeScene* findSceneWithBody(const GameObject* body) const;
    GameObject* findCameraSeeing() const;
    bool isPlayerInSight() const;
    int countPursuingDroids() const;
    int droidQuota() const;
    int hunterLimit() const;
    bool isChasing() const { return chasing; }
    bool isPursued() const { return pursued; }
    const std::vector<CrimeScene*>& getCrimeScenes() const { return crimeScenes; }
    const std::vector<PoliceDroid*>& getDroids() const { return droids; }
    const std::vector<Checkpoint*>& getCheckpoints() const { return checkpoints; }
    const std::vector<GameObject*>& getCameras() const { return cameras; }

    int chaseMusic = -1;
    // Percent chance that a new scene raises the level; droids beyond the
    // level's quota. The zone set-up overwrites both when a zone starts.
    int levelUpChance = 50;
    int extraDroids = 0;
    // -1 while no droid scans the player, else 0 to 96 over the 8-second scan.
    float playerScanProgress = -1.0f;
    int policeLevel = 0;

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;

    bool chasing = false;
    bool pursued = false;
    std::vector<CrimeScene*> crimeScenes;
    std::vector<GameObject*> cameras;
    std::vector<Checkpoint*> checkpoints;
    std::vector<PoliceDroid*> droids;
    std::vector<PoliceDroid*> removalQueue;
    // Bodies reported during this level: the found-bodies statistic counts
    // each once, however often it is reported again after its scene closed.
    std::vector<const GameObject*> reportedBodies;

    const PoliceLevelRow& levelRow() const;
    void addDroidOnQuota();
    void closeExpiredScenes(float dt);
    void removeQueuedDroids();
    void announceSuspect(const GameMob* suspect, const std::string& reporterName) const;
    void maybeRaiseLevel();
    void maybeDispatchHitman(const GameMob* suspect);
    void stopCamerasWatching(const GameMob* mob);
    void cameraReport(GameObject* camera, GameMob* culprit, cocos2d::Vec2 point);
    void walkersWitness(GameMob* culprit, cocos2d::Vec2 point, bool noSightReaction, bool noHearing,
                        float loudness, bool lookAllRound);
    void sendDroidsOffDuty();
    void setChaseMusic(bool on);
    GameMob* randomWalkerOtherThan(const GameMob* mob) const;
};
