#pragma once
#include "world/PathNodePool.h"
#include "world/PathRequest.h"
#include "world/PathSearch.h"
#include <array>
#include <memory>
#include <vector>

class GameMob;
class MapTile;
class WorldMap;

// The path-finding service of the city map: A* over the tile grid, four
// neighbours per cell. Mobs file PathRequests into four queues; once a frame
// update() serves them within a budget of node expansions shared by all
// requests, resuming an unfinished search in the next frame. Answers go back
// through GameMob::setPath and GameMob::pathFailed.
class Pather
{
public:
    static constexpr int QueueCount = 4;
    static constexpr unsigned FrameBudget = 1000;

    static Pather* getInstance();
    // The instance if one exists; never makes one.
    static Pather* existingInstance();
    // The level loader drops the instance so that the next one fits the new map.
    static void destroyInstance();

    Pather();
    Pather(const Pather&) = delete;
    Pather& operator=(const Pather&) = delete;

    std::vector<PathRequest*>& getQueue(int index) { return _queues[index]; }
    PathRequest* getCurrentRequest() const { return _current; }
    unsigned getFrameExpansions() const { return _frameExpansions; }
    PathSearch& getSearch() { return *_search; }
    PathNodePool& getPool() { return _pool; }

    void update();
    bool findPathNow(cocos2d::Vec2 goal, cocos2d::Vec2 start, int level, std::vector<cocos2d::Vec2>& path);
    void cancelRequests(GameMob* requester);

    PathNode* searchStep(PathSearch& search, int level, unsigned budget);
    static float heuristic(cocos2d::Vec2 a, cocos2d::Vec2 b, int mode);
    void beginSearch(cocos2d::Vec2 start, cocos2d::Vec2 goal, int mode);
    void resetSearch(PathSearch& search);

private:
    static void startNode(PathSearch& search, PathNodePool& pool, cocos2d::Vec2 start);
    bool takeNextRequest();
    // A cell next to the expanded one: where it lies from it, and its map
    // record, fetched once.
    struct Neighbour
    {
        int x;
        int y;
        int dx;
        int dy;
        const MapTile* tile;
    };
    void expandNeighbour(PathSearch& search, PathNode* current, const MapTile* currentTile, const Neighbour& cell,
                         int level);
    static bool isBlockedCell(const PathSearch& search, cocos2d::Vec2 cell);

    // The map never changes identity: looked up once.
    WorldMap* _map;
    std::array<std::vector<PathRequest*>, QueueCount> _queues;
    PathRequest* _current = nullptr;
    unsigned _frameExpansions = 0;
    std::unique_ptr<PathSearch> _search;
    PathNodePool _pool;
};
