#include "world/Train.h"

#include "actors/GameObject.h"
#include "app/Geometry.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

USING_NS_CC;

namespace {

constexpr int kFrontA = 409;
constexpr int kLinkA = 410;
constexpr int kCargoA[4] = {411, 412, 413, 414};
constexpr int kCargoPerCarriageA = 3;
constexpr int kFrontB = 83;
constexpr int kCarriageB[4] = {86, 84, 85, 84};

}

Train::Train(int direction, int carriages, Vec2 end) : trainDirection(direction), endPoint(end)
{
    Node::init();
    assemble(carriages);
    setRotation(static_cast<float>(direction));
}

Train::~Train()
{
    for (GameObject* piece : pieces)
    {
        keepOffMap(piece);
        delete piece;
    }
    pieces.clear();
}

void Train::assemble(int carriages)
{
    const bool kindA = std::rand() % 2 == 1;
    int32_t offset = 0;
    addPiece(kindA ? kFrontA : kFrontB, offset);
    for (int i = 0; i < carriages; ++i)
    {
        if (kindA)
        {
            addPiece(kLinkA, offset);
            const int cargo = kCargoA[std::rand() % 4];
            for (int j = 0; j < kCargoPerCarriageA; ++j)
                addPiece(cargo, offset);
        }
        else
        {
            for (int id : kCarriageB)
                addPiece(id, offset);
        }
    }
    trainLength = static_cast<float>(offset);
}

void Train::addPiece(int defId, int32_t& offset)
{
    ObjectDef* def = GameData::getInstance()->getObjectDef(defId);
    if (!def)
    {
        std::fprintf(stderr, "Train: no object definition %d; the piece is left out\n", defId);
        return;
    }
    auto* piece = new GameObject(def, true, GameObject::PlainObject);
    piece->setPosition(Vec2(0.0f, static_cast<float>(offset)));
    keepOffMap(piece);
    pieces.push_back(piece);
    Sprite* sprite = piece->mainSprite;
    if (!sprite)
        return;
    sprite->setAnchorPoint(Vec2(0.5f, 1.0f));
    offset = static_cast<int32_t>(std::trunc(static_cast<float>(offset) - sprite->getContentSize().height));
    addChild(sprite);
}

bool Train::travel(float dt)
{
    setPosition(getPosition() + vectorFromAngle(static_cast<float>(trainDirection), dt * kSpeed));
    const Vec2 p = getPosition();
    if (trainDirection == 180)
        return endPoint.y >= p.y - 2.0f * trainLength;
    if (trainDirection == 0)
        return 2.0f * trainLength + p.y >= endPoint.y;
    return false;
}

void Train::keepOffMap(GameObject* piece)
{
    WorldMap* map = WorldMap::getInstance();
    if (piece->inBucket)
    {
        map->removeFromBucket(WorldMap::bucketOfCell(piece->cell), piece);
        piece->inBucket = false;
    }
    auto& active = map->activeObjects;
    active.erase(std::remove(active.begin(), active.end(), piece), active.end());
    piece->inUpdateList = false;
}

Train* Train::spawnOnMap(int column)
{
    WorldMap* map = WorldMap::getInstance();
    if (!map->worldNode)
        return nullptr;
    const float height = static_cast<float>(map->height);
    Train* train = nullptr;
    if (std::rand() % 2 == 0)
    {
        // In floats: the column comes from the zone settings text, which may
        // hold any int.
        const float x = static_cast<float>(column) + 2.0f;
        train = new Train(180, kCarriages, WorldMap::gridToPixel(x, 0.0f));
        train->setPosition(WorldMap::gridToPixel(x, height));
    }
    else
    {
        const float x = static_cast<float>(column);
        train = new Train(0, kCarriages, WorldMap::gridToPixel(x, height));
        train->setPosition(WorldMap::gridToPixel(x, 0.0f));
    }
    train->autorelease();
    map->worldNode->addChild(train, kZOrder);
    return train;
}

bool Train::advance(Train* train, float dt)
{
    if (!train)
        return true;
    if (!train->travel(dt))
        return false;
    train->removeFromParentAndCleanup(true);
    return true;
}
