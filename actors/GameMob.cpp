#include "actors/GameMob.h"
#include "2d/Sprite.h"
#include "actors/Inventory.h"
#include "actors/contracts/MissionManager.h"
#include "actors/PopulationSettings.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/ParticleMaker.h"
#include "app/SoundEngine.h"
#include "world/GameData.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/Pather.h"
#include "world/TileDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"
#include <cstdlib>

namespace {
constexpr int BloodPool = 1002;
constexpr int FirstBodyPart = 1003;
constexpr int OverkillHealth = -50;
constexpr float BloodDistance = 8.0f;
constexpr int RemainsDrawOrder = 10;
constexpr int SmokeDrawOrder = 30;
constexpr float SmokeDistance = 4.0f;
// A weapon raised in view alarms, but carries less far than a shot.
constexpr float RaisedWeaponLoudness = 0.4f;

bool isPedestrian(int kind)
{
    return kind == MobCitizen || kind == MobContact || kind == MobBodyguard || kind == MobHunter;
}
}

GameMob::GameMob(int definitionId) : GameMob(GameData::getInstance()->getObjectDef(definitionId), true)
{
}

GameMob::GameMob(ObjectDef* definition, bool buildSpritesNow)
    : GameObject(definition, false, WalkingMob), WeaponsPlatform(this)
{
    viewAngle = 50.0f;
    sightRange = 192.0f;
    hearingRange = 192.0f;
    inventory = new Inventory();
    if (buildSpritesNow)
        createSprites();
}

GameMob::~GameMob()
{
    // A queued or running request must never outlive the mob it answers.
    if (Pather* pather = Pather::existingInstance())
        pather->cancelRequests(this);
    delete pathRequest;
    delete inventory;
    inventory = nullptr;
}

void GameMob::setPosition(cocos2d::Vec2 newPosition)
{
    GameObject::setPosition(newPosition);
    if (carriedBody)
        carriedBody->setPosition(newPosition);
}

bool GameMob::isVisibleBody() const
{
    if (health >= 1)
        return false;
    const MapTile* tile = WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
    return !(tile && tile->floor && tile->floor->water);
}

// The dead see nothing, and neither does anyone up on a roof.
bool GameMob::canSee(cocos2d::Vec2 point, bool ignoreViewCone) const
{
    if (health < 1 || isOnUpperLevel())
        return false;
    return GameObject::canSee(point, ignoreViewCone);
}

bool GameMob::canHear(cocos2d::Vec2 point, float loudness) const
{
    if (health < 1 || stunned || hearingRange == 0.0f)
        return false;
    return fastDistance(position, point) <= loudness * hearingRange;
}

void GameMob::update(float dt)
{
    GameObject::update(dt);
    WeaponsPlatform::update(dt);
    if (frozen)
        return;
    if (path.empty())
    {
        stopWalking();
        return;
    }
    followPath(dt);
}

// A pedestrian whose path has run out stops its walking animation.
void GameMob::stopWalking()
{
    if (!isPedestrian(mobKind))
        return;
    if (!weaponRaised && currentAnimation == AnimWalk)
        playAnimation(AnimStand);
    else if (weaponRaised && (currentAnimation == AnimWalk || currentAnimation == AnimWalkArmed))
        playAnimation(AnimStandArmed);
}

void GameMob::followPath(float dt)
{
    if (checkNextLeg)
    {
        checkNextLeg = false;
        if (!WorldMap::getInstance()->canMobMoveTo(this, path.front().point))
        {
            if (!validatePath() || path.empty())
                return;
        }
    }
    const int walked = moveTowards(dt, path.front().point);
    // The minimap shows where the contract's target has walked to.
    if (walked != Blocked && MissionManager::getInstance()->target() == this)
        targetZone = WorldMap::getInstance()->zoneAt(cell);
    if (walked == Arrived)
    {
        path.pop_front();
        checkNextLeg = true;
    }
    else if (walked == Blocked)
    {
        path.clear();
        playAnimation(AnimStand);
    }
}

void GameMob::takeDamage(int damageType, float damage, float shotHeading)
{
    if (health <= 0)
        return;
    lastDamageType = damageType;
    health = static_cast<int32_t>(static_cast<float>(health) - damage);
    if (health >= 1)
        return;
    onKilled();
    setRotation(shotHeading - 180.0f);  // the body falls away from the shot
    playAnimation(rand() % 2 == 0 ? AnimDieA : AnimDieB);
    leaveRemains(shotHeading);
    // A dead citizen no longer counts among the walkers: the spawner makes a
    // replacement while the body still lies in the street.
    PopulationSettings::getInstance()->citizenLeft(this);
}

void GameMob::leaveRemains(float shotHeading)
{
    if (health <= OverkillHealth)
        scatterBodyParts(shotHeading);
    else if (ObjectDef* blood = GameData::getInstance()->getObjectDef(BloodPool))
        WorldMap::getInstance()->placeObject(blood, heightLevel, pointAtAngle(position, BloodDistance, shotHeading),
                                             -1.0f);
    if (mainSprite)
        mainSprite->setLocalZOrder(RemainsDrawOrder);
}

// One body part, and a second one half of the time, thrown along the shot.
void GameMob::scatterBodyParts(float shotHeading)
{
    WorldMap* map = WorldMap::getInstance();
    float direction = shotHeading;
    int parts = 0;
    do
    {
        direction += static_cast<float>(rand() % 20 - 9);
        ++parts;
        ObjectDef* part = GameData::getInstance()->getObjectDef(FirstBodyPart + rand() % 2);
        if (part)
            map->placeObject(part, heightLevel, pointAtAngle(position, part->size.y * 0.5f, direction), direction);
    } while (rand() % 2 + 1 > parts);
}

bool GameMob::holdsShowableWeapon() const
{
    const WeaponDef* held = weapon();
    return held && !held->hideable;
}

void GameMob::playAtMob(const std::string& sound)
{
    if (!sound.empty())
        SoundEngine::getInstance()->play(&position, false, sound, 1.0f);
}

void GameMob::raiseWeapon()
{
    if (!holdsShowableWeapon() || weaponRaised)
        return;
    weaponRaised = true;
    playAtMob(weapon()->raise);
    playAnimation(AnimRaise);
    poseAnimation = AnimRaise;
    PoliceManager::getInstance()->witnessCrime(this, true, false, RaisedWeaponLoudness);
    if (mobKind == MobPlayer)
        GameInterface::getInstance()->refreshCursor();
}

void GameMob::lowerWeapon()
{
    if (health <= 0 || !holdsShowableWeapon())
        return;
    cancelWarmup();
    weaponRaised = false;
    playAtMob(weapon()->lower);
    playAnimation(AnimLower);
    poseAnimation = AnimStand;
    if (mobKind == MobPlayer)
        GameInterface::getInstance()->refreshCursor();
}

bool GameMob::canFire() const
{
    const WeaponDef* held = weapon();
    return held && (weaponRaised || held->hideable) && warmupTimer <= 0.0f && !carriedBody;
}

void GameMob::attack(float aim)
{
    if (!canFire())
        return;
    if (!tryFire(heading, aim))
        return;
    playAnimation(weaponRaised ? AnimFireRaised : AnimFireLowered);
    const WeaponDef* held = weapon();
    PoliceManager::getInstance()->witnessCrime(this, false, false, held ? held->soundlevel : 1.0f);
}

void GameMob::puffSmoke()
{
    playAnimation(AnimSmoke);
    cocos2d::Node* world = WorldMap::getInstance()->worldNode;
    ParticleMaker* smoke = world ? ParticleMaker::createSmoke() : nullptr;
    if (!smoke)
        return;
    smoke->setAngle(90.0f - heading);
    const cocos2d::Vec2 at = pointAtAngle(position, SmokeDistance, heading);
    smoke->setPosition3D(cocos2d::Vec3(at.x, at.y, getZ()));
    world->addChild(smoke, SmokeDrawOrder);
}

GameObject* GameMob::dropObjectNearby(ObjectDef* definition)
{
    if (!definition || isOnUpperLevel())
        return nullptr;
    const float distance = static_cast<float>(rand() % 4 + 1);
    GameObject* dropped =
        WorldMap::getInstance()->placeObject(definition, -1, pointAtAngle(position, distance, heading), -1.0f);
    if (dropped)
        dropped->setRotation(static_cast<float>(rand() % 360));
    return dropped;
}
