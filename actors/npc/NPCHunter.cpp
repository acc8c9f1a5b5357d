#include "actors/npc/NPCHunter.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "world/MapTile.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kHunterGun = 319;
constexpr int kDeclaredEnemy = 2;
constexpr int kPlayerIsEnemy = -2;
// Where it searches: within this many cells of a sighting or a crime.
constexpr float kSearchRadius = 12.0f;
constexpr int kSearchTries = 102;

float puffPause()
{
    return static_cast<float>(rand() % 8 + 1) * 0.5f;
}

// A whole cell near the centre that one can stand on at street level, or
// (-1, -1) when every try fell on a wall, a roof or off the map.
cocos2d::Vec2 searchCellNear(cocos2d::Vec2 centre)
{
    const WorldMap* map = WorldMap::getInstance();
    for (int tries = 0; tries < kSearchTries; ++tries)
    {
        const cocos2d::Vec2 drawn = randomPointAround(centre, kSearchRadius);
        const cocos2d::Vec2 cell(std::floor(drawn.x), std::floor(drawn.y));
        const MapTile* tile = map->tileAtCell(cell.x, cell.y);
        if (tile && tile->level == 0 && !tile->isBlocked())
            return cell;
    }
    return cocos2d::Vec2(-1.0f, -1.0f);
}
}

NPCHunter::NPCHunter(CitizenRecord* record, cocos2d::Vec2 spawnCell) : GameNPC(record, spawnCell)
{
    mobKind = MobHunter;
    roleCode = RoleHunter;
    watchMode = kDeclaredEnemy;
    watchId = kPlayerIsEnemy;
    giveWeapon(kHunterGun);
}

void NPCHunter::update(float dt)
{
    if (health <= 0 || NPCRoles::holdWhileFrozen(*this, dt))
        return;
    switch (huntMode)
    {
    case Hunting: updateHuntMode(dt); break;
    case Fighting: updateCombatMode(dt); break;
    case Loitering: updateLoiterMode(dt); break;
    default: break;
    }
}

void NPCHunter::onScanStart()
{
    NPCRoles::startScan(*this);
}

void NPCHunter::onScanEnd(const std::string& result)
{
    (void)result;
    NPCRoles::endScan(*this);
}

void NPCHunter::pathFailed()
{
    waitingForPath = false;
    if (huntMode == Fighting)
        enterHuntMode();
    else if (huntMode == Hunting)
        huntPosition = cocos2d::Vec2(-1.0f, -1.0f);
}

// Any noise draws it, however faint, unless it is already fighting.
void NPCHunter::onHeardSound(int loudness, cocos2d::Vec2 point)
{
    (void)loudness;
    if (health <= 0 || huntMode == Fighting)
        return;
    noiseHeading = angleBetween(position, point);
    enterLoiterMode();
}

void NPCHunter::onSawCrime(int severity, cocos2d::Vec2 point, GameMob* culprit)
{
    (void)severity;
    (void)point;
    (void)culprit;
}

void NPCHunter::pickHuntPosition()
{
    huntPosition = cocos2d::Vec2(-1.0f, -1.0f);
    PoliceManager* police = PoliceManager::getInstance();
    const Player* player = MobManager::getInstance()->player;
    if (player && police->findCameraSeeing())
    {
        huntPosition = searchCellNear(player->cell);
        return;
    }
    const std::vector<CrimeScene*>& scenes = police->getCrimeScenes();
    const auto newest = std::max_element(scenes.begin(), scenes.end(),
                                         [](const CrimeScene* a, const CrimeScene* b) { return a->id < b->id; });
    if (newest != scenes.end())
    {
        const CrimeScene* scene = *newest;
        const cocos2d::Vec2 at = WorldMap::pixelToGrid(scene->position.x, scene->position.y);
        huntPosition = searchCellNear(cocos2d::Vec2(std::floor(at.x), std::floor(at.y)));
        return;
    }
    huntPosition = WorldMap::getInstance()->randomCellNearInterest();
}

void NPCHunter::enterHuntMode()
{
    watchedObject = nullptr;
    huntPosition = cocos2d::Vec2(-1.0f, -1.0f);
    huntMode = Hunting;
    setThoughtBubble(BubbleNone);
    lowerWeapon();
    running = false;
    debugLog(this, "Hunting.");
}

void NPCHunter::updateHuntMode(float dt)
{
    if (watchedObject)
    {
        enterCombatMode();
        return;
    }
    // One pick a frame: a map with nowhere to search is asked again next frame.
    if (huntPosition.x == -1.0f)
        pickHuntPosition();
    if (huntPosition.x != -1.0f)
    {
        if (cell == huntPosition)
        {
            enterLoiterMode();
            return;
        }
        if (path.empty() && !waitingForPath)
            moveBodyguards(huntPosition);
    }
    GameMob::update(dt);
}

void NPCHunter::enterCombatMode()
{
    huntMode = Fighting;
    setThoughtBubble(BubbleCrime);
    raiseWeapon();
    running = true;
    combat.fireTimer = -1.0f;
    path.clear();
    withdrawPathRequest(*this);
    debugLog(this, "Entering combat mode.");
}

void NPCHunter::updateCombatMode(float dt)
{
    GameObject* target = watchedObject;
    if (!target || NPCRoles::isDown(target))
    {
        enterHuntMode();
        return;
    }
    NPCRoles::CombatRules rules;
    rules.fireInterval = 1.0f;
    if (!NPCRoles::pursue(*this, target, rules, combat, dt))
        enterHuntMode();
}

void NPCHunter::enterLoiterMode()
{
    watchedObject = nullptr;
    huntMode = Loitering;
    setThoughtBubble(BubbleNone);
    lowerWeapon();
    running = false;
    loiterTimer = static_cast<float>(7 + rand() % 6);
    puffTimer = puffPause();
    // It stands here now; the search after it starts from this spot, not
    // along the way it was walking before.
    path.clear();
    withdrawPathRequest(*this);
    if (noiseHeading != -1.0f)
    {
        setRotation(noiseHeading);
        noiseHeading = -1.0f;
    }
}

void NPCHunter::updateLoiterMode(float dt)
{
    if (currentAnimation != AnimStand)
        playAnimation(AnimStand);
    if (watchedObject)
    {
        enterCombatMode();
        return;
    }
    loiterTimer -= dt;
    if (loiterTimer <= 0.0f)
    {
        enterHuntMode();
    }
    else
    {
        puffTimer -= dt;
        if (puffTimer <= 0.0f)
        {
            setRotation(static_cast<float>(rand() % 360));
            puffTimer = puffPause();
            puffSmoke();
        }
    }
    // A loitering hunter stands where it is.
    GameObject::update(dt);
    WeaponsPlatform::update(dt);
}
