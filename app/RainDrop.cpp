#include "app/RainDrop.h"

#include "world/MapTile.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace {

constexpr int kRainZOrder = 800;
// A height level is 16 map pixels tall, as the buildings and objects are drawn.
constexpr float kPixelsPerLevel = 16.0f;
const Color3B kRainColour(167, 209, 235);
constexpr GLubyte kRainOpacity = 64;

int groundHeightOf(Vec2 cell)
{
    const MapTile* tile = WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
    if (!tile)
        return 0;
    if (tile->overlay)
        return tile->overlay->height;
    return tile->floor ? tile->level : 0;
}

}

RainDrop::RainDrop(Vec2 point)
{
    node = Sprite3D::create("Rain.obj", "white.png");
    if (node)
    {
        node->retain();
        node->setRotation3D(Vec3(90.0f, 0.0f, 0.0f));
        node->setColor(kRainColour);
        node->setScaleZ(2.0f);
        node->setOpacity(kRainOpacity);
        node->setAnchorPoint(Vec2(0.5f, 0.5f));
    }
    placeAt(point);
}

RainDrop::~RainDrop()
{
    if (!node)
        return;
    node->removeFromParentAndCleanup(true);
    node->release();
}

void RainDrop::placeAt(Vec2 point)
{
    cell = WorldMap::pixelToGrid(point.x, point.y);
    groundHeight = groundHeightOf(cell);
    if (!node)
        return;
    node->setPosition3D(Vec3(point.x, point.y, kStartZ));
    attachToWorld();
}

float RainDrop::landingZ() const
{
    return static_cast<float>(groundHeight) * kPixelsPerLevel;
}

void RainDrop::attachToWorld()
{
    // A map that was cleared without the rain took the node off its parent:
    // the drop joins the new world node when it next starts.
    Node* world = WorldMap::getInstance()->worldNode;
    if (world && node->getParent() != world)
    {
        node->removeFromParent();
        world->addChild(node, kRainZOrder);
    }
}
