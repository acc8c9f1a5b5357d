#include "world/MapMarker.h"

#include "2d/Sprite.h"
#include "app/SpriteHelpers.h"
#include "world/WorldMap.h"

namespace {

// Half the side of the square the editor's mouse picks a marker with.
constexpr float kPickHalf = 8.0f;
// Markers are drawn above every tile and object while the editor shows them.
constexpr int kMarkerZOrder = 1500;

struct KindInfo {
    const char* name;
    const char* picture;
};

const KindInfo kKinds[MapMarker::kKindCount] = {
    {"Pedestrian Spawn Point", "Editor_SpawnMarker.png"},
    {"Player Spawn Point", "Editor_PlayerSpawnMarker.png"},
    {"Point of Interest", "Editor_InterestMarker.png"},
    {"Queue Location", "Editor_QueueMarker.png"},
    {"Contact Position", "Editor_ContactMarker.png"},
    {"Checkpoint", "Editor_CheckpointMarker.png"},
};

}  // namespace

MapMarker::MapMarker(MapMarkerKind kind, const cocos2d::Vec2& position)
    : position(position),
      gridPos(WorldMap::pixelToGrid(position.x, position.y)),
      kind(kind),
      pickRect(position.x - kPickHalf, position.y - kPickHalf, 2 * kPickHalf, 2 * kPickHalf)
{
}

std::string MapMarker::kindName(int kind)
{
    return isValidKind(kind) ? kKinds[kind].name : std::string();
}

std::string MapMarker::kindPicture(int kind)
{
    return isValidKind(kind) ? kKinds[kind].picture : std::string();
}

void MapMarker::createSprite()
{
    if (sprite) {
        sprite->removeFromParentAndCleanup(true);
        sprite = nullptr;
    }
    cocos2d::Node* worldNode = WorldMap::getInstance()->worldNode;
    if (!isValidKind(static_cast<int>(kind)) || !worldNode)
        return;
    sprite = ::createSprite(kindPicture(static_cast<int>(kind)));
    if (!sprite)
        return;
    sprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
    sprite->setPosition(position);
    worldNode->addChild(sprite, kMarkerZOrder);
}

void MapMarker::setPosition(float x, float y)
{
    position = cocos2d::Vec2(x, y);
    if (sprite)
        sprite->setPosition(position);
    pickRect.origin = cocos2d::Vec2(x - kPickHalf, y - kPickHalf);
    gridPos = WorldMap::pixelToGrid(x, y);
}

cocos2d::Vec2 MapMarker::getWorldPosition() const
{
    return position + WorldMap::getInstance()->worldNodePosition();
}
