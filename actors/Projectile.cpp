#include "actors/Projectile.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <cstdlib>
#include <string>

namespace {
constexpr int ImpactEffect = 1000;
constexpr int MissedShotsStat = 1013;
constexpr int PlayerRole = 2;

enum DamageType { Blaster = 0, Rifle = 1, Buckshot = 2, Maverick = 3 };

// The sound of a bullet striking a person, by damage type; empty = none.
std::string hitSoundFor(int damageType)
{
    switch (damageType)
    {
    case Blaster:
    case Rifle:
    case Maverick: return "bullet_hit.wav";
    case Buckshot: return "shotgunhit" + std::to_string(rand() % 5 + 1) + ".wav";
    default: return std::string();
    }
}

void playAt(cocos2d::Vec2 point, const std::string& name)
{
    // The sound engine copies the point: the bullet may go before the sound ends.
    SoundEngine::getInstance()->play(&point, false, name, 1.0f);
}
}

int32_t Projectile::nextSerial = 0;

Projectile::Projectile(int definitionId, float bulletDamage, int role, float bulletHeading, float bulletSpeed)
    : Projectile(GameData::getInstance()->getObjectDef(definitionId), true, bulletDamage, role, bulletHeading,
                 bulletSpeed)
{
}

Projectile::Projectile(ObjectDef* definition, bool buildSpritesNow, float bulletDamage, int role,
                       float bulletHeading, float bulletSpeed)
    : GameObject(definition, buildSpritesNow, PlainObject),
      serialNumber(nextSerial++),
      shooterRole(role),
      speed(bulletSpeed),
      damage(bulletDamage)
{
    setRotation(bulletHeading);
}

void Projectile::update(float dt)
{
    if (finished)
        return;
    const cocos2d::Vec2 start = flightStart.value_or(position);
    setPosition(position + vectorFromAngle(heading, speed * dt));
    flightStart = position;
    if (hitObject() || hitWall(start) || hitMob() || hitPlayer())
        return;
    flyOn(dt);
}

void Projectile::finish()
{
    finished = true;
    WorldMap::getInstance()->destroyProjectile(this);
}

bool Projectile::hitObject()
{
    WorldMap* map = WorldMap::getInstance();
    const GameObject* object = map->findCollidingObject(this);
    if (!object)
        return false;
    const bool intoPerson = object->def && object->def->mob;
    const cocos2d::Vec2 at = position;
    finish();
    if (!intoPerson)
        map->spawnObject(ImpactEffect, at);
    countMiss();
    return true;
}

bool Projectile::hitWall(cocos2d::Vec2 start)
{
    WorldMap* map = WorldMap::getInstance();
    const cocos2d::Vec2 moved = position - start;
    float share = -1.0f;
    if (!isCircle())
        share = map->rectangleMeetsWall(this, moved);
    else if (WorldMap::anyBlocked(map->collideWithTiles(this, false)))
        share = 1.0f;
    if (share < 0.0f)
        return false;
    // The spark stands where the bullet met the wall, not where this
    // frame's move would have taken it, past the wall.
    const cocos2d::Vec2 at = start + moved * share;
    finish();
    map->spawnObject(ImpactEffect, at);
    playAt(at, rand() % 2 == 0 ? "bullet_ricochet1.wav" : "bullet_ricochet2.wav");
    return true;
}

bool Projectile::hitMob()
{
    // A bullet leaving its own shooter's shape flies on, but still hits
    // whoever stands behind it.
    GameMob* victim = MobManager::getInstance()->segmentHitTest(this, shooter);
    if (!victim)
        return false;
    strike(victim, false);
    return true;
}

bool Projectile::hitPlayer()
{
    // The player's own shots never hit the player.
    Player* player = MobManager::getInstance()->player;
    if (!player || shooterRole == PlayerRole || player == shooter || !player->overlaps(this))
        return false;
    strike(player, true);
    return true;
}

// The player learns whether the shot was aimed at it only after the damage;
// anyone else knows it before.
void Projectile::strike(GameMob* victim, bool isPlayer)
{
    const cocos2d::Vec2 at = position;
    const int damageType = def ? def->damagetype : 0;
    finish();
    victim->lastHitBy = shooterRole;
    if (!isPlayer)
        victim->hitFlag = aimedAtPlayer;
    victim->takeDamage(damageType, damage, heading);
    if (isPlayer)
        victim->hitFlag = aimedAtPlayer;
    const std::string sound = hitSoundFor(damageType);
    if (!sound.empty())
        playAt(at, sound);
}

void Projectile::flyOn(float dt)
{
    // Off the map nothing can stop a round bullet any more: it ends there.
    const WorldMap* map = WorldMap::getInstance();
    if (!map->tileAtCell(cell.x, cell.y) || position.x < 0.0f || position.y < 0.0f)
    {
        finish();
        countMiss();
        return;
    }
    if (maxRange == -1.0f)
        return;
    distanceFlown += speed * dt;
    if (distanceFlown < maxRange)
        return;
    finish();
    countMiss();
}

// Accuracy is the player's: only the player's shots that miss are counted.
void Projectile::countMiss() const
{
    if (shooterRole == PlayerRole)
        StatEngine::getInstance()->addStat(MissedShotsStat, 1);
}
