#include "world/MapFile.h"
#include "actors/GameObject.h"
#include "world/GameData.h"
#include "world/MapEditorBackup.h"
#include "world/MapFileFormat.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdio>

namespace {

void applyCell(MapTile* tile, const MapCellRecord& record, const GameData* data)
{
    tile->floor = data->getTileDef(record.floorId);
    tile->overlay = record.overlayId != -1 ? data->getTileDef(record.overlayId) : nullptr;
    tile->rotation = record.rotation;
    tile->overlayRotation = record.overlayRotation;
    tile->level = record.level;
    tile->buildingId = record.buildingId;
    tile->textureIndex = record.textureIndex;
    tile->zone = record.zone;
    tile->sideTexture = record.sideTexture;
    tile->npcAvoid = record.npcAvoid;
    tile->blocked = record.blocked;
}

GameObject* makeObject(const MapObjectRecord& record, const GameData* data, const std::string& path)
{
    ObjectDef* def = data->getObjectDef(record.defId);
    if (!def)
    {
        std::fprintf(stderr, "%s: object definition %d is unknown; the object is left out\n", path.c_str(),
                     record.defId);
        return nullptr;
    }
    GameObject* object = new GameObject(def, false, GameObject::PlainObject);
    object->setPosition(cocos2d::Vec2(record.x, record.y));
    object->setHeightLevel(record.heightLevel);
    object->cell = WorldMap::pixelToGrid(record.x, record.y);
    object->setRotation(record.heading);
    object->mapTag = record.mapTag;
    object->buildingId = record.buildingId;
    if (record.fileIndex != 0)
        object->setFileIndex(record.fileIndex);
    return object;
}

void fileMarker(WorldMap* map, MapMarker* marker, int version)
{
    map->allMarkers.push_back(marker);
    if (version == 6 && marker->kind == MapMarkerKind::PlayerSpawn)
        map->playerSpawnMarkers.push_back(marker);
    if (version < 7)
        return;
    if (marker->kind == MapMarkerKind::Contact)
        map->contactMarkers.push_back(marker);
    else if (marker->kind == MapMarkerKind::Spawn)
        map->spawnMarkers.push_back(marker);
    else if (marker->kind == MapMarkerKind::PlayerSpawn)
        map->playerSpawnMarkers.push_back(marker);
}

}  // namespace

bool readMapFile(const std::string& path)
{
    WorldMap* map = WorldMap::getInstance();
    const GameData* data = GameData::getInstance();
    MapFileData file;
    std::string error;
    if (!MapFileFormat::read(path, file, error, data))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        map->init(MapFileFormat::kDefaultSize, MapFileFormat::kDefaultSize);
        return false;
    }
    // The records the reader mended or left out, so the map maker can find them.
    for (const std::string& note : file.notes)
        std::fprintf(stderr, "%s\n", note.c_str());
    map->init(file.width, file.height);
    for (int y = 0; y < file.height; ++y)
    {
        for (int x = 0; x < file.width; ++x)
            applyCell(map->getTile(x, y), file.cell(x, y), data);
    }
    for (const MapObjectRecord& record : file.objects)
    {
        if (GameObject* object = makeObject(record, data, path))
            map->registerObject(object);
    }
    for (const MapMarkerRecord& record : file.markers)
    {
        MapMarker* marker = new MapMarker(static_cast<MapMarkerKind>(record.kind), cocos2d::Vec2(record.x, record.y));
        marker->identifier = record.identifier;
        marker->spawnChance = record.spawnChance;
        marker->zone = record.zone;
        fileMarker(map, marker, file.version);
    }
    return true;
}

namespace {

MapCellRecord cellRecord(const MapTile* tile)
{
    MapCellRecord record;
    // A cell read with an unknown floor id is saved with the default ground (id 0).
    record.floorId = tile->floor ? tile->floor->id : 0;
    record.overlayId = tile->overlay ? tile->overlay->id : -1;
    record.rotation = tile->rotation;
    record.overlayRotation = tile->overlayRotation;
    record.level = tile->level;
    record.buildingId = tile->buildingId;
    record.textureIndex = tile->textureIndex;
    record.zone = tile->zone;
    record.sideTexture = tile->sideTexture;
    record.npcAvoid = tile->npcAvoid;
    record.blocked = tile->blocked;
    return record;
}

bool isSaved(const GameObject* object)
{
    return object->def && !object->def->transient && !object->def->ammo;
}

MapObjectRecord objectRecord(const GameObject* object)
{
    MapObjectRecord record;
    record.defId = object->def->id;
    record.x = object->position.x;
    record.y = object->position.y;
    record.heading = object->heading;
    record.mapTag = object->mapTag;
    record.heightLevel = object->heightLevel;
    record.buildingId = object->buildingId;
    record.fileIndex = object->fileIndex;
    return record;
}

// The WorldMap as the records of a map file, with the header's two values.
MapFileData worldMapData(int citizenCount, int trainLocation)
{
    const WorldMap* map = WorldMap::getInstance();
    MapFileData file = MapFileData::empty(map->width, map->height);
    file.citizenCount = citizenCount;
    file.trainLocation = trainLocation;
    for (int y = 0; y < map->height; ++y)
    {
        for (int x = 0; x < map->width; ++x)
        {
            if (const MapTile* tile = map->getTile(x, y))
                file.cell(x, y) = cellRecord(tile);
        }
    }
    for (const std::vector<GameObject*>* list : {&map->passableObjects, &map->solidObjects})
    {
        for (const GameObject* object : *list)
        {
            if (isSaved(object))
                file.objects.push_back(objectRecord(object));
        }
    }
    for (const MapMarker* marker : map->allMarkers)
    {
        MapMarkerRecord record;
        record.x = marker->position.x;
        record.y = marker->position.y;
        record.kind = static_cast<int32_t>(marker->kind);
        record.identifier = marker->identifier;
        record.spawnChance = marker->spawnChance;
        record.zone = marker->zone;
        file.markers.push_back(record);
    }
    return file;
}

}  // namespace

bool writeMapFile(const std::string& path, int citizenCount, int trainLocation, std::string* error)
{
    std::string bytes;
    std::string problem;
    const bool written = MapFileFormat::encode(worldMapData(citizenCount, trainLocation), bytes, problem) &&
                         MapEditorBackup::saveOver(path, bytes, problem);
    if (written)
        return true;
    std::string oneLine = problem;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    std::fprintf(stderr, "Tallowind: %s: map not saved: %s\n", path.c_str(), oneLine.c_str());
    if (error)
        *error = problem;
    return false;
}
