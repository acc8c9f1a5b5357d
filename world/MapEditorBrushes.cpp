// The map editor's brushes: the tile type the paint tool paints, the object
// type the object tool places and the marker kind the marker tool places,
// with their pictures on the panel.
#include "world/MapEditor.h"

#include "actors/GameObject.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIElement.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <cmath>

USING_NS_CC;

namespace {

constexpr int kBrushZ = 1600;
const Vec2 kTileBrushSpot(20.0f, 32.0f);
const Vec2 kObjectBrushSpot(56.0f, 32.0f);
constexpr float kObjectBrushSize = 32.0f;

int wrapIndex(int index, int count)
{
    if (index < 0)
        return count - 1;
    if (index >= count)
        return 0;
    return index;
}

Sprite* tileBrushPicture(const TileDef* def, int textureIndex)
{
    if (def->hasModel)
        return createSpriteWithRect(def->file(textureIndex), Rect(0.0f, 0.0f, 32.0f, 32.0f));
    if (def->animateframes != -1)
    {
        const std::string& first = def->file(0);
        return createSprite(formatString("%s01.png", first.substr(0, first.find('.')).c_str()));
    }
    return createSprite(def->file(0));
}

}

int MapEditor::brushRotation() const
{
    return tileBrush ? static_cast<int>(tileBrush->getRotation()) : 0;
}

void MapEditor::selectTileDef(int id)
{
    if (tileBrush)
    {
        tileBrush->removeFromParent();
        tileBrush = nullptr;
    }
    const int count = static_cast<int>(GameData::getInstance()->tileDefs.size());
    int chosen = id;
    if (id == -1)
        chosen = tileDef && tileDef->id < count - 1 ? tileDef->id + 1 : 0;
    tileDef = GameData::getInstance()->getTileDef(chosen);
    textureIndex = 0;
    buildTileBrush();
}

void MapEditor::stepTileDef(int step)
{
    const int count = static_cast<int>(GameData::getInstance()->tileDefs.size());
    selectTileDef(wrapIndex(tileDef ? tileDef->id + step : 0, count));
}

void MapEditor::buildTileBrush()
{
    // A brush made anew for another texture keeps its turn.
    float rotation = 0.0f;
    if (tileBrush)
    {
        rotation = tileBrush->getRotation();
        tileBrush->removeFromParent();
        tileBrush = nullptr;
    }
    if (tileDef)
        tileBrush = tileBrushPicture(tileDef, textureIndex);
    if (tileBrush)
    {
        tileBrush->setAnchorPoint(Vec2(0.5f, 0.5f));
        tileBrush->setPosition(kTileBrushSpot);
        tileBrush->setRotation(rotation);
        panel->addChild(tileBrush, kBrushZ);
    }
    refreshInfo();
}

void MapEditor::rotateBrush()
{
    if (tileBrush)
        tileBrush->setRotation(std::fmod(tileBrush->getRotation() + 90.0f, 360.0f));
}

void MapEditor::stepObjectDef(int step)
{
    const int count = static_cast<int>(GameData::getInstance()->objectDefs.size());
    const int index = objectDef ? wrapIndex(objectDefIndex + step, count) : 0;
    objectDefIndex = index;
    selectObjectDef(index);
}

void MapEditor::releaseObjectBrush()
{
    if (!objectBrush)
        return;
    // The preview was never on the map; deleting it takes its sprite off the panel.
    delete objectBrush;
    objectBrush = nullptr;
}

void MapEditor::selectObjectDef(int index)
{
    releaseObjectBrush();
    const std::vector<ObjectDef*>& defs = GameData::getInstance()->objectDefs;
    const int count = static_cast<int>(defs.size());
    if (index != -1)
        objectDefIndex = index;
    else if (!objectDef)
        objectDefIndex = 0;
    else
        objectDefIndex = objectDefIndex + 1 < count ? objectDefIndex + 1 : 0;
    objectDef = objectDefIndex >= 0 && objectDefIndex < count ? defs[static_cast<size_t>(objectDefIndex)] : nullptr;
    if (objectDef && !objectDef->hasModel)
    {
        objectBrush = new GameObject(objectDef, true, GameObject::PlainObject);
        WorldMap* map = WorldMap::getInstance();
        // Made with its nodes, a preview of an emitting or floating type joins
        // the map's per-frame list; it never belongs there.
        auto& active = map->activeObjects;
        active.erase(std::remove(active.begin(), active.end(), objectBrush), active.end());
        objectBrush->inUpdateList = false;
        if (Sprite* sprite = objectBrush->mainSprite)
        {
            // Placed by its sprite alone: the preview stays out of the map's buckets.
            sprite->setAnchorPoint(Vec2(0.5f, 0.5f));
            sprite->setPosition(kObjectBrushSpot);
            const Size size = sprite->getContentSize();
            const float larger = std::max(size.width, size.height);
            if (larger > kObjectBrushSize)
                sprite->setScale(kObjectBrushSize / larger);
            panel->addChild(sprite, kBrushZ);
        }
    }
    refreshInfo();
}

void MapEditor::changeMarkerKind(int step)
{
    markerKind = static_cast<MapMarkerKind>(wrapIndex(static_cast<int>(markerKind) + step, MapMarker::kKindCount));
}
