#pragma once
#include "actors/GameObject.h"
#include <optional>

class GameMob;

// One bullet, pellet or bolt in flight. The city map updates it every frame
// until it hits a solid object, a wall, a walking actor or the player, or has
// flown its range; then it takes itself off the map. Only people are hurt:
// objects and walls just stop it.
class Projectile : public GameObject
{
public:
    Projectile(int definitionId, float damage, int shooterRole, float heading, float speed);
    // A bullet of a definition at hand (tests pass one that is not in GameData).
    Projectile(ObjectDef* definition, bool buildSpritesNow, float damage, int shooterRole, float heading, float speed);

    void update(float dt) override;

    // Set on the bullet of an actor that aims at the player; the victim's hit flag takes it.
    bool aimedAtPlayer = false;
    int32_t serialNumber = 0;
    // The role code of the shooter (2 the player); the victim's last-hit-by takes it.
    int32_t shooterRole = 0;
    float distanceFlown = 0.0f;
    // -1 = unlimited.
    float maxRange = -1.0f;
    float speed = 0.0f;
    float damage = 0.0f;
    bool finished = false;
    // The actor that fired the bullet, which it never hits. Only compared,
    // never followed; the city map clears it when the shooter leaves the game.
    const GameObject* shooter = nullptr;
    // Where this frame's flight is tested against the walls from: the
    // shooter's own position before the first frame, so that a wall between
    // the shooter and the muzzle stops the shot; after that the bullet's
    // last position. Unset, the bullet's own position.
    std::optional<cocos2d::Vec2> flightStart;

private:
    static int32_t nextSerial;

    void finish();
    bool hitObject();
    // The walls the bullet passed on its way from `start` stop it.
    bool hitWall(cocos2d::Vec2 start);
    bool hitMob();
    bool hitPlayer();
    void flyOn(float dt);
    void strike(GameMob* victim, bool isPlayer);
    void countMiss() const;
};
