// The drawing side of the city map: the cell nodes, the window of shown cells
// round the camera, interiors, the zone view, zoom and screen conversions.
#include "world/WorldMap.h"
#include "2d/Animation.h"
#include "2d/Sprite.h"
#include "2d/SpriteFrame.h"
#include "3d/Sprite3D.h"
#include "actors/GameObject.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "renderer/Texture2D.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include <algorithm>
#include <cmath>

namespace {
const cocos2d::Texture2D::TexParams PixelArtParams = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};

// An object or tile without that image name simply has no such sprite.
cocos2d::Sprite* makeSprite(const std::string& file)
{
    return file.empty() ? nullptr : createSprite(file);
}

template <typename T>
void dropNode(T*& node)
{
    if (!node)
        return;
    if (node->getParent())
        node->removeFromParentAndCleanup(true);
    node = nullptr;
}

int slotOf(int x, int y)
{
    return y * WorldMap::MaxSize + x;
}

cocos2d::Size visibleSize()
{
    return cocos2d::Director::getInstance()->getVisibleSize();
}
}

void WorldMap::releaseSoundMarker()
{
    dropNode(soundMarker);
}

void WorldMap::releaseGridNodes()
{
    for (int slot = 0; slot < GridSlots; ++slot)
    {
        dropNode(floorGrid[slot]);
        dropNode(overlayGrid[slot]);
        dropNode(modelGrid[slot]);
    }
}

void WorldMap::forgetWorldNodeChildren()
{
    if (!worldNode)
        return;
    auto forget = [this](auto*& node) {
        if (node && node->getParent() == worldNode)
            node = nullptr;
    };
    forget(soundMarker);
    for (int slot = 0; slot < GridSlots; ++slot)
    {
        forget(floorGrid[slot]);
        forget(overlayGrid[slot]);
        forget(modelGrid[slot]);
    }
    for (const std::vector<GameObject*>* list : {&passableObjects, &solidObjects, &projectiles, &activeObjects})
    {
        for (GameObject* object : *list)
            object->forgetNodesUnder(worldNode);
    }
}

void WorldMap::removeWorldNodeChildren()
{
    if (worldNode)
        worldNode->removeAllChildrenWithCleanup(true);
}

void WorldMap::removeObjectNodes(GameObject* object)
{
    object->releaseNodes();
}

std::string WorldMap::sideTextureName(const std::string& texture, int sideTexture)
{
    if (sideTexture == 0 || texture.size() < 4)
        return texture;
    return texture.substr(0, texture.size() - 4) + sideSuffix(sideTexture) + ".png";
}

void WorldMap::buildTiles(float x0, float y0, float w, float h)
{
    if (w == -1.0f)
        w = static_cast<float>(width);
    if (h == -1.0f)
        h = static_cast<float>(height);
    if (!worldNode)
    {
        worldNode = cocos2d::Node::create();
        worldNode->retain();  // kept across levels, whoever its parent is
    }
    std::vector<std::pair<int, cocos2d::Node*>> nodes;
    for (int y = static_cast<int>(std::trunc(y0)); static_cast<float>(y) < y0 + h; ++y)
    {
        for (int x = static_cast<int>(std::trunc(x0)); static_cast<float>(x) < x0 + w; ++x)
        {
            MapTile* tile = getTile(x, y);
            if (tile)
                buildCell(tile, x, y, nodes);
        }
    }
    // Added in draw order (equal orders keep the order the cells were built
    // in, as adding them one by one would): each then goes to the end of the
    // world node's child list instead of being searched into it.
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [z, node] : nodes)
        worldNode->addChild(node, z);
    // The police checkpoints follow the Checkpoint markers.
    PoliceManager::getInstance()->buildCheckpoints();
}

cocos2d::Sprite* WorldMap::makeTileSprite(MapTile* tile, const TileDef* def)
{
    if (def->animateframes == -1)
        return makeSprite(def->file(0));
    return makeAnimatedTileSprite(tile, def->animateframes, def->file(0));
}

void WorldMap::buildCell(MapTile* tile, int x, int y, std::vector<std::pair<int, cocos2d::Node*>>& nodes)
{
    const int slot = slotOf(x, y);
    const cocos2d::Vec2 p(static_cast<float>(CellSize * x + 16), static_cast<float>(CellSize * y + 16));
    dropNode(floorGrid[slot]);
    dropNode(modelGrid[slot]);
    const TileDef* floor = tile->floor;
    if (floor && !floor->hasModel)
    {
        if (cocos2d::Sprite* sprite = makeTileSprite(tile, floor))
        {
            sprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
            sprite->setRotation(static_cast<float>(tile->rotation));
            sprite->setPosition(p);
            nodes.emplace_back(tile->level * 100, sprite);
            floorGrid[slot] = sprite;
        }
    }
    else if (floor)
    {
        const std::string texture = sideTextureName(floor->file(tile->textureIndex), tile->sideTexture);
        if (cocos2d::Sprite3D* model = cocos2d::Sprite3D::create(floor->model, texture))
        {
            if (model->getTexture())
                model->getTexture()->setTexParameters(PixelArtParams);
            model->setRotation3D(cocos2d::Vec3(90.0f, 0.0f, static_cast<float>(tile->rotation)));
            model->setPosition3D(cocos2d::Vec3(p.x, p.y, 0.0f));
            nodes.emplace_back(tile->level * 100, model);
            modelGrid[slot] = model;
        }
    }

    dropNode(overlayGrid[slot]);
    if (tile->overlay)
    {
        if (cocos2d::Sprite* sprite = makeTileSprite(tile, tile->overlay))
        {
            sprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
            // The overlay turns with the floor: overlayRotation is the editor's own record.
            sprite->setRotation(static_cast<float>(tile->rotation));
            sprite->setPosition(p);
            nodes.emplace_back(tile->level == 0 ? 0 : tile->level - 100, sprite);
            overlayGrid[slot] = sprite;
        }
    }
    if (viewMode == 2)
    {
        const cocos2d::Color3B colour = zoneColour(tile->zone);
        for (cocos2d::Node* node : {static_cast<cocos2d::Node*>(floorGrid[slot]),
                                    static_cast<cocos2d::Node*>(modelGrid[slot])})
        {
            if (!node)
                continue;
            node->setOpacity(255);
            node->setVisible(true);
            node->setColor(colour);
        }
    }
}

cocos2d::Sprite* WorldMap::makeAnimatedTileSprite(MapTile* tile, int frames, const std::string& file)
{
    const std::vector<std::string> pieces = splitString(file, '.');
    const std::string base = pieces.empty() ? std::string() : pieces[0];
    const std::string extension = pieces.size() > 1 ? pieces[1] : std::string();
    cocos2d::Animation* animation = cocos2d::Animation::create();
    if (tile)
    {
        if (tile->animation)
            tile->animation->release();
        animation->retain();
        tile->animation = animation;
    }
    std::string firstFile;
    for (int i = 0; i < frames; ++i)
    {
        const std::string number = i < 9 ? "0" + std::to_string(i + 1) : std::to_string(i + 1);
        const std::string frameFile = base + number + "." + extension;
        cocos2d::Sprite* frameSprite = makeSprite(frameFile);
        if (!frameSprite)
            continue;
        const cocos2d::Size size = frameSprite->getContentSize();
        animation->addSpriteFrame(cocos2d::SpriteFrame::createWithTexture(
            frameSprite->getTexture(), cocos2d::Rect(0.0f, 0.0f, size.width, size.height)));
        if (firstFile.empty())
            firstFile = frameFile;
    }
    animation->setDelayPerUnit(frames > 0 ? 1.0f / static_cast<float>(frames) : 1.0f);
    cocos2d::Sprite* sprite = makeSprite(firstFile);
    if (sprite)
        sprite->runAction(cocos2d::RepeatForever::create(cocos2d::Animate::create(animation)));
    return sprite;
}

void WorldMap::placeTileModel(MapTile* tile)
{
    if (!tile)
        return;
    const int x = static_cast<int>(tile->gridPos.x);
    const int y = static_cast<int>(tile->gridPos.y);
    if (x < 0 || y < 0 || x >= MaxSize || y >= MaxSize)
        return;
    if (cocos2d::Sprite3D* model = modelGrid[slotOf(x, y)])
        model->setPosition3D(cocos2d::Vec3(static_cast<float>(CellSize * x + 16), static_cast<float>(CellSize * y + 16), 0.0f));
}

void WorldMap::refreshView()
{
    const cocos2d::Vec2 cell = pixelToGrid(cameraPoint.x, cameraPoint.y);
    updateVisibleTiles(cell.x, cell.y);
}

void WorldMap::updateVisibleTiles(float cx, float cy)
{
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            const int slot = slotOf(x, y);
            if (floorGrid[slot])
                floorGrid[slot]->setVisible(false);
            if (overlayGrid[slot])
                overlayGrid[slot]->setVisible(false);
            if (modelGrid[slot])
                modelGrid[slot]->setVisible(false);
        }
    }
    const cocos2d::Size size = visibleSize();
    const float span = std::max(size.width, size.height);
    visibleRadius = static_cast<int32_t>(span * 0.5f / (zoomScale() * CellSize) + 2.0f);
    if (currentInterior != shownInterior)
        showInteriorObjects();

    const float r = static_cast<float>(visibleRadius);
    for (int y = static_cast<int>(cy - r); static_cast<float>(y) < r + cy; ++y)
    {
        for (int x = static_cast<int>(cx - r); static_cast<float>(x) < r + cx; ++x)
        {
            MapTile* tile = getTile(x, y);
            if (tile)
                showCell(tile, slotOf(x, y));
        }
    }
    updateSoundListener();
}

void WorldMap::showInteriorObjects()
{
    for (GameObject* object : passableObjects)
    {
        if (!object->mainSprite || object->heightLevel != 1)
            continue;
        if (object->buildingId == currentInterior)
        {
            if (currentInterior != -1)
                object->mainSprite->setVisible(false);
        }
        else
            object->mainSprite->setVisible(true);
    }
}

void WorldMap::showCell(MapTile* tile, int slot)
{
    cocos2d::Sprite* floor = floorGrid[slot];
    cocos2d::Sprite* overlay = overlayGrid[slot];
    cocos2d::Sprite3D* model = modelGrid[slot];
    for (cocos2d::Node* node : {static_cast<cocos2d::Node*>(floor), static_cast<cocos2d::Node*>(model),
                                static_cast<cocos2d::Node*>(overlay)})
    {
        if (!node)
            continue;
        node->setColor(cocos2d::Color3B::WHITE);
        node->setVisible(true);
    }
    // Inside a building the player sees the interior floor instead of the roof.
    if (currentInterior != -1 && tile->overlay && tile->buildingId == currentInterior && floor)
        floor->setVisible(false);

    if (levelFilter != -2)
    {
        const bool onLevel = tile->level == levelFilter;
        if (floor)
            floor->setOpacity(onLevel ? 255 : 128);
        // Models of every level stay: only floors dim and overlays hide.
        if (overlay)
            overlay->setOpacity(onLevel ? 255 : 0);
        return;
    }
    if (viewMode == 1)
    {
        if (model)
            model->setVisible(false);
        if (floor)
            floor->setOpacity(overlay ? 0 : 128);
        if (overlay)
            overlay->setOpacity(255);
    }
    else if (viewMode == 2)
    {
        const cocos2d::Color3B colour = zoneColour(tile->zone);
        for (cocos2d::Node* node : {static_cast<cocos2d::Node*>(floor), static_cast<cocos2d::Node*>(model)})
        {
            if (!node)
                continue;
            node->setOpacity(255);
            node->setVisible(true);
            node->setColor(colour);
        }
    }
    else
    {
        if (floor)
            floor->setOpacity(255);
        if (model)
            model->setVisible(true);
    }
}

void WorldMap::setCameraCentre(cocos2d::Vec2 point)
{
    if (point == cameraPoint && shownInterior == currentInterior)
        return;
    cameraPoint = point;
    if (worldNode)
        worldNode->setPosition(worldNodePosition());
    const cocos2d::Vec2 cell = pixelToGrid(point.x, point.y);
    if (cell != cameraCell)
    {
        cameraCell = cell;
        updateVisibleTiles(cell.x, cell.y);
    }
    else
        updateSoundListener();
    shownInterior = currentInterior;
}

cocos2d::Vec2 WorldMap::worldNodePosition() const
{
    const cocos2d::Size size = visibleSize();
    return cocos2d::Vec2(size.width / 2.0f, size.height / 2.0f) - cameraPoint * zoomScale();
}

cocos2d::Vec2 WorldMap::screenToWorld(cocos2d::Vec2 point) const
{
    const cocos2d::Vec2 gl = cocos2d::Director::getInstance()->convertToGL(point);
    const cocos2d::Vec2 origin = worldNode ? worldNode->getPosition() : cocos2d::Vec2::ZERO;
    return (gl - origin) / zoomScale();
}

cocos2d::Vec2 WorldMap::screenToGrid(cocos2d::Vec2 point) const
{
    const cocos2d::Vec2 pixel = screenToWorld(point);
    return pixelToGrid(pixel.x, pixel.y);
}

cocos2d::Vec2 WorldMap::gridToScreen(cocos2d::Vec2 cell) const
{
    const cocos2d::Vec2 origin = worldNode ? worldNode->getPosition() : cocos2d::Vec2::ZERO;
    return origin + gridToPixel(cell.x, cell.y);
}

cocos2d::Vec2 WorldMap::pixelToScreen(cocos2d::Vec2 pixel) const
{
    const cocos2d::Vec2 origin = worldNode ? worldNode->getPosition() : cocos2d::Vec2::ZERO;
    return origin + pixel;
}

bool WorldMap::isPointOnScreen(cocos2d::Vec2 pixel) const
{
    const cocos2d::Size size = visibleSize();
    const float s = zoomScale();
    const float left = cameraPoint.x - size.width * 0.5f * s;
    const float bottom = cameraPoint.y - size.height * 0.5f * s;
    return pixel.x >= left && pixel.x <= left + size.width * s && pixel.y >= bottom &&
           pixel.y <= bottom + size.height * s;
}

void WorldMap::updateSoundListener()
{
    SoundEngine* sound = SoundEngine::getInstance();
    sound->listener = cameraPoint;
    sound->range = static_cast<float>(visibleRadius * CellSize);
}

void WorldMap::setZoom(int index)
{
    const float oldScale = zoomScale();
    zoomIndex = index;
    const float newScale = zoomScale();
    cocos2d::CallFunc* refresh = nullptr;
    if (newScale > oldScale)
        refresh = cocos2d::CallFunc::create([this]() { refreshView(); });
    else
        refreshView();
    if (!worldNode)
        return;
    worldNode->stopAllActions();
    worldNode->runAction(cocos2d::EaseInOut::create(cocos2d::ScaleTo::create(0.3f, newScale), 3.0f));
    cocos2d::FiniteTimeAction* move = cocos2d::EaseInOut::create(cocos2d::MoveTo::create(0.3f, worldNodePosition()), 3.0f);
    if (refresh)
        worldNode->runAction(cocos2d::Sequence::create(move, refresh, nullptr));
    else
        worldNode->runAction(move);
}

void WorldMap::showSoundMarker(bool yellow, cocos2d::Vec2 point, float radius)
{
    releaseSoundMarker();
    if (!worldNode)
        return;
    soundMarker = makeSprite("SoundMarker.png");
    if (!soundMarker)
        return;
    soundMarker->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
    soundMarker->setScale(0.0f);
    soundMarker->setOpacity(0);
    soundMarker->setPosition(point);
    worldNode->addChild(soundMarker, 4);
    soundMarker->setColor(yellow ? cocos2d::Color3B(255, 255, 0) : cocos2d::Color3B(255, 0, 0));
    const float width = soundMarker->getContentSize().width;
    const float grown = width > 0.0f ? radius / width : 0.0f;
    soundMarker->runAction(cocos2d::Sequence::create(cocos2d::EaseSineIn::create(cocos2d::ScaleTo::create(0.25f, grown)),
                                                     cocos2d::EaseSineIn::create(cocos2d::ScaleTo::create(0.25f, 0.0f)),
                                                     nullptr));
    soundMarker->runAction(cocos2d::Sequence::create(cocos2d::EaseSineIn::create(cocos2d::FadeTo::create(0.25f, 96)),
                                                     cocos2d::EaseSineIn::create(cocos2d::FadeTo::create(0.25f, 0)),
                                                     nullptr));
}

void WorldMap::setLightsNear(bool visible, bool red, cocos2d::Vec2 point, float radius)
{
    for (GameObject* object : passableObjects)
    {
        if (!object->def || !object->def->light || !object->underSprite)
            continue;
        if (fastDistance(object->getPosition(), point) > radius)
            continue;
        object->underSprite->setVisible(visible);
        object->underSprite->setColor(red ? cocos2d::Color3B(255, 0, 0) : cocos2d::Color3B(255, 255, 255));
    }
}
