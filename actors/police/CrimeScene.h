#pragma once
#include "cocos2d.h"
#include <vector>

class GameMob;
class GameObject;

// The lasting trace of reported crimes at one place: how grave, how long the
// police stay, who is suspected, the bodies found and the people already scanned.
class CrimeScene
{
public:
    // Scenes grow old after this long; old scenes widen the droids' patrol circle.
    static constexpr float oldAge = 45.0f;
    // A join never leaves more than this much time.
    static constexpr float joinedTimeCap = 120.0f;
    // The scanned identity of the player.
    static constexpr int playerId = -1;

    CrimeScene(int severity, cocos2d::Vec2 position, GameMob* suspect);

    // Another report here: the lower severity holds and the time grows (capped).
    void join(int reportedSeverity);
    // A body found here: 30 more seconds, uncapped.
    void addBody(GameObject* body);
    bool hasBody(const GameObject* body) const;
    void forgetBody(const GameObject* body);
    bool hasScanned(int identity) const;
    void addScanned(int identity);
    // Time passes; true once the time has run out.
    bool advance(float dt);

    int severity;
    int id;
    float timeLeft;
    float age = 0.0f;
    bool old = false;
    cocos2d::Vec2 position;
    GameMob* suspect;
    std::vector<GameObject*> bodies;
    std::vector<int> scannedIds;
};
