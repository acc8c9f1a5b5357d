// Placed objects: filing them in the map's lists, their draw order, spawning,
// explosions and the small object and marker look-ups.
#include "world/WorldMap.h"
#include "actors/GameObject.h"
#include "actors/police/PoliceManager.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCContact.h"
#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCHunter.h"
#include "app/ControllerInterface.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "ui/hud/GameHUD.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
constexpr int FlashEffect = 1000;
constexpr int BlastEffect = 1009;
constexpr int ExplosionEffect = 1010;
constexpr float LoudRange = 256.0f;
constexpr int ProjectileZ = 800;
constexpr int MobZ = 30;
constexpr int HunterLook = 4000;
constexpr int HunterLookMale = 4001;
constexpr int BodyguardLook = 3012;
constexpr int BodyguardLookMale = 3005;
constexpr float BodyguardArmedTrait = 90.0f;
constexpr float FlashbangRadius = 288.0f;
constexpr float ExplosionRadius = 384.0f;

int floorHeightAt(const WorldMap* map, cocos2d::Vec2 cell)
{
    const MapTile* tile = map->getTile(static_cast<int>(cell.x), static_cast<int>(cell.y));
    return tile && tile->floor ? tile->floor->height : 0;
}

void reportUnknownDefinition(const char* what, int id)
{
    std::fprintf(stderr, "WorldMap: %s: no object definition has the id %d; nothing spawned\n", what, id);
}

// Bodyguards and hunters: a role built on a fresh record at the position's
// cell, with its sprites in the world node. The NPC takes the record only
// when it is made.
template <typename Role, typename Make>
Role* placeRole(WorldMap* map, std::unique_ptr<CitizenRecord> record, cocos2d::Vec2 position, Make make)
{
    if (!GameData::getInstance()->getObjectDef(record->appearanceId))
    {
        reportUnknownDefinition("spawnRole", record->appearanceId);
        return nullptr;
    }
    const cocos2d::Vec2 cell = WorldMap::pixelToGrid(position.x, position.y);
    Role* npc = make(record.get(), cell);
    record.release();
    npc->setHeightLevel(floorHeightAt(map, cell));
    npc->setPosition(position);
    if (map->worldNode && npc->mainSprite)
        map->worldNode->addChild(npc->mainSprite, MobZ);
    // The caller hands it to the actor manager, which owns it.
    return npc;
}
}

void WorldMap::registerObject(GameObject* object)
{
    const ObjectDef* def = object->def;
    if (def && def->exit)
        exitObject = object;
    if (!def || def->passable)
        passableObjects.push_back(object);
    else
        solidObjects.push_back(object);
    if (def && def->camera)
    {
        object->sightRange = 256.0f;
        object->viewAngle = 90.0f;
        PoliceManager::getInstance()->addCamera(object);
    }
    if (def && def->islure)
        lures.push_back(object);
    if (object->inUpdateList)
        addActiveObject(object);
}

GameObject* WorldMap::placeObject(ObjectDef* def, int level, cocos2d::Vec2 position, float heading)
{
    if (!def)
    {
        std::fprintf(stderr, "WorldMap: placeObject without an object definition; nothing placed\n");
        return nullptr;
    }
    GameObject* object = new GameObject(def, false, GameObject::PlainObject);
    object->setPosition(position);
    if (level == -1)
        level = floorHeightAt(this, object->cell);
    object->setHeightLevel(level);
    addObjectSprite(object);
    if (heading != -1.0f)
        object->setRotation(heading);
    registerObject(object);
    return object;
}

GameObject* WorldMap::spawnObject(int defId, cocos2d::Vec2 position)
{
    ObjectDef* def = GameData::getInstance()->getObjectDef(defId);
    if (!def)
    {
        reportUnknownDefinition("spawnObject", defId);
        return nullptr;
    }
    return placeObject(def, -1, position, static_cast<float>(rand() % 360));
}

int WorldMap::objectBaseZ(const ObjectDef* def, bool modelCounts)
{
    if (!def)
        return 20;
    if (def->high || (modelCounts && def->hasModel))
        return 40;
    if (def->decal)
        return 5;
    if (def->passable && !def->effect)
        return 10;
    return 20;
}

void WorldMap::addObjectSprite(GameObject* object)
{
    if (object->heightLevel == -1)
        object->heightLevel = floorHeightAt(this, object->cell);
    object->createSprites();
    const int level = object->heightLevel * 100;
    const int base = objectBaseZ(object->def, true) + level;
    if (worldNode)
    {
        if (object->mainSprite)
            worldNode->addChild(object->mainSprite, base);
        if (object->model)
            worldNode->addChild(object->model, base);
        if (object->underSprite)
            worldNode->addChild(object->underSprite, level + 5);
        if (object->overSprite)
            worldNode->addChild(object->overSprite, level + 40);
    }
    if (object->def && !object->def->sound.empty())
    {
        SoundEngine* sound = SoundEngine::getInstance();
        if (object->soundChannel != -1)
            sound->stop(object->soundChannel);
        const cocos2d::Vec2 at = object->getPosition();
        object->soundChannel = sound->play(&at, true, object->def->sound, 1.0f);
    }
}

void WorldMap::objectZOrder(GameObject* object)
{
    const int level = object->heightLevel * 100;
    if (object->mainSprite && object->mainSprite->getParent())
        object->mainSprite->getParent()->reorderChild(object->mainSprite, objectBaseZ(object->def, false) + level);
    if (object->underSprite && object->underSprite->getParent())
        object->underSprite->getParent()->reorderChild(object->underSprite, level + 5);
}

void WorldMap::addAllObjectSprites()
{
    for (GameObject* object : passableObjects)
        addObjectSprite(object);
    for (GameObject* object : solidObjects)
        addObjectSprite(object);
}

Projectile* WorldMap::spawnProjectile(int defId, float maxRange, int role, cocos2d::Vec2 position, float heading,
                                      float speed)
{
    ObjectDef* def = GameData::getInstance()->getObjectDef(defId);
    if (!def)
    {
        reportUnknownDefinition("spawnProjectile", defId);
        return nullptr;
    }
    Projectile* projectile = new Projectile(defId, def->damage, role, heading, speed);
    if (maxRange != -1.0f)
        projectile->maxRange = maxRange;
    if (worldNode && projectile->mainSprite)
        worldNode->addChild(projectile->mainSprite, ProjectileZ);
    projectile->setPosition(position);
    registerObject(projectile);
    projectiles.push_back(projectile);
    return projectile;
}

void WorldMap::destroyProjectile(GameObject* projectile)
{
    GameCamera::getInstance()->forget(projectile);
    removeObject(projectile, false);
    eraseFromList(projectiles, projectile);
    queueForDeletion(projectile);
}

void WorldMap::empBlast(cocos2d::Vec2 point)
{
    GameInterface::getInstance()->shakeScreen(2, 0.025f);
    if (cocos2d::LayerColor* flash = WeatherEngine::getInstance()->flashLayer)
    {
        flash->stopAllActions();
        flash->runAction(cocos2d::Sequence::create(cocos2d::FadeTo::create(0.01f, 64), cocos2d::DelayTime::create(0.75f),
                                                   cocos2d::FadeTo::create(0.02f, 0), nullptr));
    }
    PoliceManager* police = PoliceManager::getInstance();
    police->empBlast(point);
    SoundEngine::getInstance()->play(nullptr, false, "emp_blast.wav", 1.0f);
    police->updateChaseState();
    GameHUD::getInstance()->refresh(true);
}

void WorldMap::explodeAt(GameObject* object)
{
    const ObjectDef* def = object ? object->def : nullptr;
    if (!def || (def->explosive == -1 && !def->isflashbang))
        return;
    const cocos2d::Vec2 p = object->getPosition();
    spawnObject(BlastEffect, p);
    const bool nearCamera = fastDistance(GameCamera::getInstance()->position, p) <= LoudRange;
    if (def->isflashbang)
    {
        spawnObject(FlashEffect, p);
        if (nearCamera)
            SoundEngine::getInstance()->play(nullptr, false, "flashbang.wav", 1.0f);
        MobManager::getInstance()->flashbangAt(p, FlashbangRadius);
    }
    else
    {
        spawnObject(ExplosionEffect, p);
        MobManager::getInstance()->explosionAt(p, ExplosionRadius, static_cast<float>(def->explosive));
        if (nearCamera)
        {
            GameInterface::getInstance()->shakeScreen(2, 0.025f);
            SoundEngine::getInstance()->play(nullptr, false, "explosion.wav", 1.0f);
        }
    }
    // Flash-bangs and explosions alike: a crime with no known culprit.
    PoliceManager::getInstance()->witnessCrimeAt(false, false, 1.0f, p);
    // A spent charge on the map goes with the end-of-frame deletion; one the
    // map never held is its holder's to free.
    if (!holdsObject(object))
        return;
    removeObject(object, false);
    queueForDeletion(object);
}

Player* WorldMap::spawnPlayer(int defId, cocos2d::Vec2 position)
{
    if (!GameData::getInstance()->getObjectDef(defId))
    {
        reportUnknownDefinition("spawnPlayer", defId);
        return nullptr;
    }
    Player* player = new Player(defId);
    player->setPosition(position);
    if (worldNode && player->mainSprite)
        worldNode->addChild(player->mainSprite, MobZ);
    // The caller hands the player to the actor manager, which owns it.
    return player;
}

NPCHunter* WorldMap::spawnHunter(cocos2d::Vec2 position)
{
    auto record = std::make_unique<CitizenRecord>(false);
    record->appearanceId = record->gender == 1 ? HunterLookMale : HunterLook;
    return placeRole<NPCHunter>(this, std::move(record), position, [&](CitizenRecord* citizen, cocos2d::Vec2 cell) {
        return new NPCHunter(citizen, cell);
    });
}

NPCBodyguard* WorldMap::spawnBodyguard(GameNPC* principal, cocos2d::Vec2 position)
{
    if (!principal)
        return nullptr;
    const int employer = principal->citizenId();
    auto record = std::make_unique<CitizenRecord>(false);
    record->appearanceId = record->gender == 1 ? BodyguardLookMale : BodyguardLook;
    // Always armed.
    record->armedTrait = BodyguardArmedTrait;
    return placeRole<NPCBodyguard>(this, std::move(record), position,
                                   [&](CitizenRecord* citizen, cocos2d::Vec2 cell) {
                                       return new NPCBodyguard(citizen, employer, cell);
                                   });
}

GameNPC* WorldMap::spawnNPC(CitizenRecord* record, cocos2d::Vec2 position)
{
    // The NPC takes a given record only when it is made.
    std::unique_ptr<CitizenRecord> drawn(record ? nullptr : new CitizenRecord(false));
    CitizenRecord* citizen = record ? record : drawn.get();
    if (!GameData::getInstance()->getObjectDef(citizen->appearanceId))
    {
        reportUnknownDefinition("spawnNPC", citizen->appearanceId);
        return nullptr;
    }
    const cocos2d::Vec2 cell = pixelToGrid(position.x, position.y);
    NPCContact* contact = citizen->contact ? new NPCContact(citizen, cell) : nullptr;
    GameNPC* npc = contact ? contact : new GameNPC(citizen, cell);
    drawn.release();
    // A contact that took a marker already stands on it.
    if (!contact || !contact->marker)
        npc->setPosition(position);
    npc->setHeightLevel(floorHeightAt(this, npc->cell));
    if (worldNode && npc->mainSprite)
        worldNode->addChild(npc->mainSprite, MobZ);
    // The caller hands the NPC to the actor manager, which owns it.
    return npc;
}

MapMarker* WorldMap::takeFreeContactMarker()
{
    for (MapMarker* marker : contactMarkers)
    {
        if (!marker->taken)
        {
            marker->taken = true;
            return marker;
        }
    }
    return nullptr;
}

MapMarker* WorldMap::markerAtPoint(cocos2d::Vec2 point) const
{
    for (MapMarker* marker : allMarkers)
    {
        if (marker->pickRect.containsPoint(point))
            return marker;
    }
    return nullptr;
}

int WorldMap::zoneAt(cocos2d::Vec2 cell) const
{
    const MapTile* tile = getTile(static_cast<int>(cell.x), static_cast<int>(cell.y));
    return tile ? tile->zone : -1;
}

GameObject* WorldMap::objectAtPoint(cocos2d::Vec2 point) const
{
    for (const std::vector<GameObject*>* list : {&passableObjects, &solidObjects})
    {
        for (GameObject* o : *list)
        {
            const bool hit = o->isCircle() ? fastDistance(o->getPosition(), point) <= o->getDiameter()
                                           : o->getBoundingBox().containsPoint(point);
            if (hit)
                return o;
        }
    }
    return nullptr;
}

void WorldMap::panEditorCamera(float dt)
{
    const GameInterface* game = GameInterface::getInstance();
    if (game->state != GameState::Edit || !game->controller)
        return;
    const float horizontal = game->controller->moveHorizontal;
    const float vertical = game->controller->moveVertical;
    if (horizontal == 0.0f && vertical == 0.0f)
        return;
    cocos2d::Vec2 point = cameraPoint;
    const float step = 128.0f * dt;
    if (horizontal == 1.0f)
        point.x -= step;
    else if (horizontal == 2.0f)
        point.x += step;
    if (vertical == 3.0f)
        point.y += step;
    else if (vertical == 4.0f)
        point.y -= step;
    setCameraCentre(point);
}
