#pragma once
#include "cocos2d.h"
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class MapTile;
class MapMarker;
class TileDef;
class ObjectDef;
class GameObject;
class GameMob;
class GameNPC;
class Player;
class NPCHunter;
class NPCBodyguard;
class CitizenRecord;
class Projectile;
class Line;
namespace cocos2d {
class Node;
class Sprite;
class Sprite3D;
class Animation;
}

// The city of the running game: a grid of at most 200 x 200 cells of 32 x 32
// pixels (y grows to the north), the nodes that draw them, the placed objects
// with their spatial buckets, the markers and the view window round the camera.
// A level load empties it (clear), sizes it (init), lets the map file reader
// fill it and then builds the drawing nodes (buildTiles).
class WorldMap
{
public:
    static constexpr int MaxSize = 200;
    static constexpr int CellSize = 32;
    static constexpr int BucketCells = 4;
    static constexpr int BucketsPerSide = MaxSize / BucketCells;
    static constexpr int BucketCount = BucketsPerSide * BucketsPerSide;
    static constexpr int GridSlots = MaxSize * MaxSize;
    static constexpr int ZoomLevels = 7;
    static const float ZoomScales[ZoomLevels];

    static WorldMap* getInstance();

    WorldMap();
    ~WorldMap();
    WorldMap(const WorldMap&) = delete;
    WorldMap& operator=(const WorldMap&) = delete;

    // --- grid, tiles and layers ---
    void clear();
    void init(int width, int height);
    MapTile* getTile(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return nullptr;
        return tileRows[static_cast<size_t>(y)][static_cast<size_t>(x)];
    }
    MapTile* tileAtPixel(int px, int py) const;
    MapTile* setTileOverlayType(int x, int y, int tileDefId);
    MapTile* setTileFloorType(int x, int y, int tileDefId);
    void buildTiles(float x0, float y0, float w, float h);
    cocos2d::Sprite* makeAnimatedTileSprite(MapTile* tile, int frames, const std::string& file);
    void placeTileModel(MapTile* tile);
    void refreshView();
    void updateVisibleTiles(float cx, float cy);
    void setCameraCentre(cocos2d::Vec2 point);
    float zoomScale() const;
    static std::string sideTextureName(const std::string& texture, int sideTexture);

    // --- placed objects, spawning and the per-frame update ---
    void registerObject(GameObject* object);
    GameObject* placeObject(ObjectDef* def, int level, cocos2d::Vec2 position, float heading);
    GameObject* spawnObject(int defId, cocos2d::Vec2 position);
    void addObjectSprite(GameObject* object);
    void objectZOrder(GameObject* object);
    void addAllObjectSprites();
    static int objectBaseZ(const ObjectDef* def, bool modelCounts);
    Projectile* spawnProjectile(int defId, float maxRange, int role, cocos2d::Vec2 position, float heading,
                                float speed);
    void destroyProjectile(GameObject* projectile);
    void empBlast(cocos2d::Vec2 point);
    void explodeAt(GameObject* object);
    Player* spawnPlayer(int defId, cocos2d::Vec2 position);
    NPCHunter* spawnHunter(cocos2d::Vec2 position);
    NPCBodyguard* spawnBodyguard(GameNPC* principal, cocos2d::Vec2 position);
    GameNPC* spawnNPC(CitizenRecord* record, cocos2d::Vec2 position);
    MapMarker* takeFreeContactMarker();
    MapMarker* markerAtPoint(cocos2d::Vec2 point) const;
    int zoneAt(cocos2d::Vec2 cell) const;
    GameObject* objectAtPoint(cocos2d::Vec2 point) const;
    // A paused run (runGoesOn false) holds its bullets in flight and its lit
    // fuses where they are; everything else on the map goes on as every frame.
    void update(float dt, bool runGoesOn = true);
    // False while a paused run holds the armed countdowns.
    bool fusesBurn() const { return fusesBurning; }
    // Hands an object taken off the map to the end-of-frame deletion (once).
    void queueForDeletion(GameObject* object);

    // --- coordinates, zoom, walls and sight ---
    static cocos2d::Vec2 gridToPixel(float gx, float gy);
    static cocos2d::Vec2 pixelToGrid(float px, float py);
    MapTile* tileAtCell(float gx, float gy) const
    {
        return isOutOfBounds(gx, gy) ? nullptr : getTile(static_cast<int>(gx), static_cast<int>(gy));
    }
    bool isOutOfBounds(float gx, float gy) const { return gx < 0.0f || gx >= width || gy < 0.0f || gy >= height; }
    bool containsCell(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    cocos2d::Vec2 screenToWorld(cocos2d::Vec2 point) const;
    cocos2d::Vec2 screenToGrid(cocos2d::Vec2 point) const;
    cocos2d::Vec2 gridToScreen(cocos2d::Vec2 cell) const;
    cocos2d::Vec2 pixelToScreen(cocos2d::Vec2 pixel) const;
    cocos2d::Vec2 worldNodePosition() const;
    bool isPointOnScreen(cocos2d::Vec2 pixel) const;
    void updateSoundListener();
    void setZoom(int index);
    Line makeTileWalls(int x, int y, int side) const;
    bool isSegmentClear(const Line& line, int level, bool withObjects) const;
    bool hasLineOfSight(int level, cocos2d::Vec2 from, float angle, float distance) const;
    GameObject* findObjectOnSegment(const Line& line) const;
    GameObject* findCollidingObject(GameObject* object) const;
    bool isWidePathClear(int halfWidth, int level, cocos2d::Vec2 from, cocos2d::Vec2 to) const;
    bool canMobMoveTo(GameMob* mob, cocos2d::Vec2 target) const;
    // `moved` is how far the object came this frame: a rectangle (a bullet)
    // is stopped by the walls its corners and its middle passed on the way.
    int* collideWithTiles(GameObject* object, bool anyOtherLevel, cocos2d::Vec2 moved = cocos2d::Vec2::ZERO);
    // Whether any of the eight entries collideWithTiles returns is set.
    static bool anyBlocked(const int* directions);
    // The share of a rectangle's move (0 where it came from, 1 where it
    // stands now) at which its middle or a corner first met a wall, entered a
    // raised cell that is no room or left the map; -1 when the move was clear.
    float rectangleMeetsWall(const GameObject* object, cocos2d::Vec2 moved) const;
    bool isWalkable(int x, int y) const;
    bool canPass(int level, bool avoidFlagged, cocos2d::Vec2 toCell, cocos2d::Vec2 fromCell) const;
    int cellCost(cocos2d::Vec2 cell) const;
    // canPass for two neighbouring cells already looked up, for the path
    // finder's inner loop: `to` lies dx, dy cells from `from` (one of them
    // +-1); `from` is null off the map.
    static bool canPassTiles(int level, bool avoidFlagged, const MapTile* to, const MapTile* from, int dx, int dy);
    // cellCost of a cell already looked up.
    static int tileCost(const MapTile* tile);
    // The level of a cell: its overlay's height when it has an overlay, else its own level.
    static int cellLevel(const MapTile* tile);
    static cocos2d::Vec2 bucketOfCell(cocos2d::Vec2 cell);

    // --- queries and random placement ---
    GameObject* findObjectNear(bool cleanables, bool interactables, bool bodyContainers, cocos2d::Vec2 point,
                               float radius) const;
    cocos2d::Vec2 randomEdgeCell(int side) const;
    cocos2d::Vec2 randomOffscreenPoint() const;
    void moveObjectBucket(GameObject* object, cocos2d::Vec2 newCell);
    void addToBucket(cocos2d::Vec2 bucket, GameObject* object);
    void removeFromBucket(cocos2d::Vec2 bucket, GameObject* object);
    void clearReferencesTo(GameObject* object);
    void removeObject(GameObject* object, bool silent);
    // Whether the map holds the object (placed, spawned or in flight). Only
    // such objects are the map's to delete; the holder of any other (the
    // editor's preview, say) frees it itself.
    bool holdsObject(const GameObject* object) const;
    void setCurrentInterior(cocos2d::Vec2 cell);
    MapMarker* randomSpawnMarkerElsewhere(cocos2d::Vec2 cell) const;
    MapMarker* randomInterestMarker() const;
    cocos2d::Vec2 randomCellNearInterest() const;
    cocos2d::Vec2 randomSpawnPosition(bool nearPlayer, int maxTiles);
    // The same against a given player (null: no player, every drawn marker is taken).
    cocos2d::Vec2 randomSpawnPosition(bool nearPlayer, int maxTiles, const GameObject* player);
    cocos2d::Vec2 randomPlayerSpawn() const;
    void setLightsNear(bool visible, bool red, cocos2d::Vec2 point, float radius);
    cocos2d::Vec2 randomNeighbourCell(float gx, float gy) const;
    void showSoundMarker(bool yellow, cocos2d::Vec2 point, float radius);
    bool isContactMarkerNearCamera() const;
    // Bounds of the random pickers: how often they draw before they give up
    // and answer "none", (-1, -1) for points and cells.
    static constexpr int MaxRandomDraws = 1000;
    static const cocos2d::Vec2 None;

    // --- data ---
    cocos2d::Vec2 cameraPoint;
    cocos2d::Vec2 cameraCell;
    cocos2d::Vec2 mapCentre;
    int32_t shownInterior = -2;
    int32_t currentInterior = -1;
    int32_t viewMode = 0;
    int32_t levelFilter = -2;
    cocos2d::Node* worldNode = nullptr;
    GameObject* exitObject = nullptr;
    bool mapLoaded = false;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<GameObject*> lures;
    int32_t blockedDirections[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int32_t zoomIndex = 0;
    std::array<std::vector<GameObject*>, BucketCount> objectBuckets;
    std::vector<std::vector<MapTile*>> tileRows;
    std::vector<GameObject*> passableObjects;
    std::vector<GameObject*> solidObjects;
    std::vector<GameObject*> projectiles;
    std::vector<GameObject*> activeObjects;
    cocos2d::Sprite* soundMarker = nullptr;
    std::vector<MapMarker*> allMarkers;
    std::vector<MapMarker*> playerSpawnMarkers;
    std::vector<MapMarker*> spawnMarkers;
    std::vector<MapMarker*> contactMarkers;
    std::vector<GameObject*> deleteQueue;
    int32_t visibleRadius = 0;
    std::array<cocos2d::Sprite3D*, GridSlots> modelGrid{};
    std::array<cocos2d::Sprite*, GridSlots> floorGrid{};
    std::array<cocos2d::Sprite*, GridSlots> overlayGrid{};

    // Appends to the per-frame list unless the object is already on it.
    void addActiveObject(GameObject* object);

private:
    bool fusesBurning = true;
    // The records of each init, in one block: rows of neighbouring cells lie
    // close together for the path finder and the sight tests.
    std::vector<std::unique_ptr<MapTile[]>> tileBlocks;

    static void eraseFromList(std::vector<GameObject*>& list, GameObject* object);
    void updateList(std::vector<GameObject*>& list, float dt);
    void releaseSoundMarker();
    void releaseGridNodes();
    void removeWorldNodeChildren();
    void forgetWorldNodeChildren();
    void removeObjectNodes(GameObject* object);
    void releaseTiles();
    void releaseMarkers();
    void buildCell(MapTile* tile, int x, int y, std::vector<std::pair<int, cocos2d::Node*>>& nodes);
    cocos2d::Sprite* makeTileSprite(MapTile* tile, const TileDef* def);
    void showCell(MapTile* tile, int slot);
    void showInteriorObjects();
    void destroyDeleteQueue();
    void panEditorCamera(float dt);
    static bool bucketInRange(cocos2d::Vec2 bucket);
    static size_t bucketIndex(cocos2d::Vec2 bucket);
    bool bucketHasObjects(cocos2d::Vec2 bucket) const;
    // The first object in the bucket or its eight neighbours that matches.
    template <typename Match>
    GameObject* findAroundBucket(cocos2d::Vec2 bucket, Match match) const;
    // The share of the way at which a point going from `from` to `to` first
    // meets a wall, judged cell by cell by the side it crosses; -1 for none.
    float wallOnPath(cocos2d::Vec2 from, cocos2d::Vec2 to) const;
    void markCollisionCells(GameObject* object, int cx, int cy, int level, bool anyOtherLevel, bool marked[3][3]);
    void collideCircleWithWalls(GameObject* object, int cx, int cy, const bool marked[3][3]);
    bool objectMatches(GameObject* o, bool cleanables, bool interactables, bool bodyContainers,
                       cocos2d::Vec2 point, float radius) const;
};
