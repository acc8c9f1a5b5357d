#include "actors/police/PoliceManager.h"
#include "actors/police/CrimeScene.h"

const PoliceLevelRow PoliceManager::policeLevelTable[PoliceManager::maxPoliceLevel + 1] = {
    {0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 3},
};

// The bodies follow in the next commit; until then the police stay idle.
void PoliceManager::reset() {}
void PoliceManager::buildCheckpoints() {}
void PoliceManager::update(float) {}
CrimeScene* PoliceManager::reportCrime(int, GameMob*, PoliceDroid*, cocos2d::Vec2, const std::string&) { return nullptr; }
void PoliceManager::reportBody(GameObject*, PoliceDroid*, const std::string&) {}
void PoliceManager::witnessCrime(GameMob*, bool, bool, float) {}
void PoliceManager::witnessCrimeAt(bool, bool, float, cocos2d::Vec2) {}
void PoliceManager::dispatchDroid(CrimeScene*, bool, PoliceDroid*) {}
void PoliceManager::closeCrimeScene(CrimeScene*) {}
void PoliceManager::updateChaseState() {}
void PoliceManager::requestEscort(GameMob*) {}
void PoliceManager::releaseEscort(const GameMob*) {}
void PoliceManager::empBlast(cocos2d::Vec2) {}
void PoliceManager::clearSuspect(const GameMob*, bool) {}
void PoliceManager::forgetDroidTarget(const GameMob*) {}
void PoliceManager::forgetBody(const GameObject*) {}
void PoliceManager::forgetDroid(const GameObject*) {}
void PoliceManager::queueDroidRemoval(PoliceDroid*) {}
void PoliceManager::addCamera(GameObject*) {}
void PoliceManager::removeCamera(const GameObject*) {}
bool PoliceManager::isWanted(const GameMob*) const { return false; }
bool PoliceManager::isSuspect(const GameMob*) const { return false; }
CrimeScene* PoliceManager::findSceneWithBody(const GameObject*) const { return nullptr; }
GameObject* PoliceManager::findCameraSeeing() const { return nullptr; }
bool PoliceManager::isPlayerInSight() const { return false; }
int PoliceManager::countPursuingDroids() const { return 0; }
int PoliceManager::droidQuota() const { return policeLevelTable[policeLevel].droidQuota + extraDroids; }
int PoliceManager::hunterLimit() const { return policeLevelTable[policeLevel].hunterLimit; }
