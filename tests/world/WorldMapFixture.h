#pragma once
// A small city for the world tests: every cell on plain level-0 ground, with
// tile types at hand to raise cells, wall sides and change step costs.
#include "actors/GameMob.h"
#include "actors/GameObject.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/PathNode.h"
#include "world/Pather.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class WorldMapFixture : public ::testing::Test
{
protected:
    void SetUp() override { makeMap(20, 20); }

    void TearDown() override
    {
        WorldMap* map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->cameraPoint = cocos2d::Vec2::ZERO;
        map->zoomIndex = 0;
        Pather::destroyInstance();
    }

    void makeMap(int w, int h)
    {
        map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(w, h);
        for (int y = 0; y < h; ++y)
        {
            for (int x = 0; x < w; ++x)
                setFloor(x, y, &ground);
        }
        Pather::destroyInstance();
    }

    MapTile* tile(int x, int y) { return map->getTile(x, y); }

    void setFloor(int x, int y, TileDef* def)
    {
        MapTile* t = map->getTile(x, y);
        t->floor = def;
        t->level = def->height;
    }

    // A tile type of the given height, step cost and walled sides (1 N, 2 S, 3 W, 4 E).
    TileDef* makeTileDef(int height, int cost = 1, std::vector<int> walls = {})
    {
        auto def = std::make_unique<TileDef>();
        def->height = height;
        def->cost = cost;
        for (int side : walls)
        {
            switch (side)
            {
            case 1: def->north_blocked = true; break;
            case 2: def->south_blocked = true; break;
            case 3: def->west_blocked = true; break;
            default: def->east_blocked = true; break;
            }
        }
        tileDefs.push_back(std::move(def));
        return tileDefs.back().get();
    }

    ObjectDef* makeObjectDef(bool passable, int shape = 0, float size = 8.0f)
    {
        auto def = std::make_unique<ObjectDef>();
        def->passable = passable;
        def->shape = shape;
        def->size = cocos2d::Vec2(size, size);
        objectDefs.push_back(std::move(def));
        return objectDefs.back().get();
    }

    // A plain object filed on the map, as the map file reader does it.
    GameObject* addObject(ObjectDef* def, cocos2d::Vec2 position)
    {
        GameObject* object = new GameObject(def, false, GameObject::PlainObject);
        object->setPosition(position);
        map->registerObject(object);
        return object;
    }

    WorldMap* map = nullptr;
    TileDef ground;
    std::vector<std::unique_ptr<TileDef>> tileDefs;
    std::vector<std::unique_ptr<ObjectDef>> objectDefs;
};

// A mob that records the Pather's answers.
class RecordingMob : public GameMob
{
public:
    explicit RecordingMob(std::vector<RecordingMob*>* answerLog = nullptr)
        : GameMob(nullptr, false), log(answerLog)
    {
    }

    void setPath(PathNode* goal) override
    {
        ++answers;
        answeredGoal = goal != nullptr;
        cells.clear();
        for (PathNode* node = goal; node; node = node->parent)
            cells.insert(cells.begin(), node->position);
        GameMob::setPath(goal);
        if (log)
            log->push_back(this);
    }

    void pathFailed() override
    {
        ++answers;
        failed = true;
        GameMob::pathFailed();
        if (log)
            log->push_back(this);
    }

    int answers = 0;
    bool answeredGoal = false;
    bool failed = false;
    std::vector<cocos2d::Vec2> cells;  // start to goal
    std::vector<RecordingMob*>* log;
};
