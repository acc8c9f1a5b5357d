#include "actors/police/CrimeScene.h"
#include <algorithm>

namespace
{
// Every scene gets its own number, across levels and runs.
int nextSceneId = 0;
constexpr float secondsPerSeverity = 30.0f;
} // namespace

CrimeScene::CrimeScene(int severity, cocos2d::Vec2 position, GameMob* suspect)
    : severity(severity), id(++nextSceneId), timeLeft((severity + 2) * secondsPerSeverity), position(position),
      suspect(suspect)
{
}

void CrimeScene::join(int reportedSeverity)
{
    severity = std::min(severity, reportedSeverity);
    timeLeft = std::min(timeLeft + reportedSeverity * secondsPerSeverity, joinedTimeCap);
}

void CrimeScene::addBody(GameObject* body)
{
    bodies.push_back(body);
    timeLeft += secondsPerSeverity;
}

bool CrimeScene::hasBody(const GameObject* body) const
{
    return std::find(bodies.begin(), bodies.end(), body) != bodies.end();
}

void CrimeScene::forgetBody(const GameObject* body)
{
    bodies.erase(std::remove(bodies.begin(), bodies.end(), body), bodies.end());
}

bool CrimeScene::hasScanned(int identity) const
{
    return std::find(scannedIds.begin(), scannedIds.end(), identity) != scannedIds.end();
}

void CrimeScene::addScanned(int identity)
{
    if (!hasScanned(identity))
        scannedIds.push_back(identity);
}

bool CrimeScene::advance(float dt)
{
    timeLeft -= dt;
    age += dt;
    if (age > oldAge)
        old = true;
    return timeLeft <= 0.0f;
}
