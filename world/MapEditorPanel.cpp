// The map editor's panel texts: the tile and object counters and the info
// text that describes the selection or the current tool.
#include "world/MapEditor.h"

#include "actors/GameObject.h"
#include "app/StringHelpers.h"
#include "ui/UIElement.h"
#include "ui/UIText.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"

USING_NS_CC;

namespace {

constexpr int kTextZ = 1600;
constexpr int kTextWidth = 256;
constexpr int kCounterHeight = 7;
const Vec2 kTileCounterSpot(4.0f, 2.0f);
const Vec2 kObjectCounterSpot(40.0f, 2.0f);
const Vec2 kInfoSpot(4.0f, -4.0f);

std::string zoneText(int zone)
{
    return zone == -1 ? std::string("n/a") : formatString("%d", zone);
}

// A definition's name, or its first picture when it has none.
template <typename Def>
std::string displayName(const Def* def)
{
    return def->name.empty() ? def->file(0) : def->name;
}

}

void MapEditor::refreshInfo()
{
    const GameData* data = GameData::getInstance();
    const std::string tileCount =
        tileDef ? formatString("%d/%d", tileDef->id, static_cast<int>(data->tileDefs.size()) - 1) : std::string();
    const std::string objectCount =
        objectDef ? formatString("%d/%d", objectDef->id, static_cast<int>(data->objectDefs.size()) - 1)
                  : std::string();
    setPanelText(infoText, -1, Vec2(0.0f, 1.0f), kInfoSpot, infoLines());
    setPanelText(tileCounterText, kCounterHeight, Vec2::ZERO, kTileCounterSpot, tileCount);
    setPanelText(objectCounterText, kCounterHeight, Vec2::ZERO, kObjectCounterSpot, objectCount);
}

void MapEditor::setPanelText(UIText*& text, int height, Vec2 anchor, Vec2 position, const std::string& content)
{
    if (!text)
    {
        text = UIText::create(kTextWidth, height, content);
        text->setAnchorPoint(anchor);
        text->setPosition(position);
        panel->addChild(text, kTextZ);
        return;
    }
    // A text that fits its height to its lines fits it again.
    if (height == -1)
        text->boxHeight = -1;
    text->setText(true, false, content);
}

std::string MapEditor::infoLines() const
{
    if (selectedObject)
        return objectInfo();
    if (selectedMarker)
        return markerInfo();
    if (tool == EditorTool::PaintTile && tileDef)
        return tileBrushInfo();
    if (tool == EditorTool::PlaceObject && objectDef)
        return objectBrushInfo();
    if (selectedTile)
        return tileInfo();
    if (tool == EditorTool::PlaceMarker)
        return formatString("Place %s", MapMarker::kindName(static_cast<int>(markerKind)).c_str());
    if (tool == EditorTool::Select)
        return "select object";
    if (tool == EditorTool::SelectTile)
        return "select tile";
    return std::string();
}

std::string MapEditor::objectInfo() const
{
    const GameObject* object = selectedObject;
    const ObjectDef* def = object->def;
    const bool model = def && def->hasModel;
    const Node* node = model ? static_cast<const Node*>(object->model) : object->mainSprite;
    const float z = node ? node->getPositionZ() : object->getZ();
    float rotation = object->heading;
    if (node)
        rotation = model ? node->getRotation3D().z : node->getRotation();
    const std::string name = !def ? std::string() : model ? def->model : def->name;
    std::string lines = formatString("Object: %s\nX: %.0f\nY: %.0f\nZ: %.0f\nRot: %.0f\nHeight: %d", name.c_str(),
                                     object->position.x, object->position.y, z, rotation, object->heightLevel);
    if (def && def->fileCount > 1)
        lines += formatString("\nTexture: %s (%d/%d)", def->file(object->fileIndex).c_str(), object->fileIndex + 1,
                              def->fileCount);
    if (object->buildingId != -1)
        lines += formatString("\nBuildingID: %d", object->buildingId);
    return lines;
}

std::string MapEditor::markerInfo() const
{
    const MapMarker* marker = selectedMarker;
    std::string lines = "Logic Object: " + MapMarker::kindName(static_cast<int>(marker->kind));
    if (marker->kind == MapMarkerKind::Spawn)
        lines += formatString("\nSpawn Probability: %d [`!,`7 / `!.`7]", marker->spawnChance);
    if (marker->kind == MapMarkerKind::Spawn || marker->kind == MapMarkerKind::Interest)
        lines += formatString("\nZone: %s [`!9`7 / `!0`7]", zoneText(marker->zone).c_str());
    if (marker->identifier != -1)
        lines += formatString("\nIdentifier: %d", marker->identifier);
    return lines;
}

std::string MapEditor::tileBrushInfo() const
{
    std::string lines = "Tile: " + displayName(tileDef);
    if (tileDef->fileCount > 1)
        lines += formatString("\n\nTexture: (%d/%d)\n%s", textureIndex + 1, tileDef->fileCount,
                              tileDef->file(textureIndex).c_str());
    return lines;
}

std::string MapEditor::objectBrushInfo() const
{
    const ObjectDef* def = objectDef;
    const bool rectangle = def->shape == 1;
    const std::string size = rectangle ? formatString("%.0fx%.0f", def->size.x, def->size.y)
                                       : formatString("dia=%.0f", def->size.x);
    std::string lines = formatString("Object: %s\n%s - %s\nPassable: %s", displayName(def).c_str(),
                                     rectangle ? "rectangular" : "circular", size.c_str(),
                                     def->passable ? "yes" : "no");
    if (def->emit == 1)
        lines += "\nEmits: Steam";
    else if (def->emit == 2)
        lines += "\nEmits: Smoke";
    if (!def->sound.empty())
        lines += formatString("\nSound: %s", def->sound.c_str());
    return lines;
}

std::string MapEditor::tileInfo() const
{
    const MapTile* tile = selectedTile;
    const TileDef* floor = tile->floor;
    std::string lines = formatString("Tile: %.0f, %.0f\nHeight: %d\nExterior: %s", tile->gridPos.x, tile->gridPos.y,
                                     tile->level, floor ? floor->name.c_str() : "");
    const TileDef* overlay = tile->overlay ? GameData::getInstance()->getTileDef(tile->overlay->id) : nullptr;
    if (overlay)
        lines += formatString("\nInterior: %s\nBuildingID: %d", overlay->name.c_str(), tile->buildingId);
    else
        lines += "\nInterior: None";
    if (floor && floor->fileCount > 1)
        lines += formatString("\nTexture: %d/%d [`$y`7/`$u`7]\n%s", tile->textureIndex + 1, floor->fileCount,
                              floor->file(tile->textureIndex).c_str());
    lines += formatString("\nSide Texture: %d [`$7`7]", tile->sideTexture);
    if (tile->zone == -1)
        lines += "\nZone: n/a [`$9`7/`$0`7]";
    else
        lines += formatString("\nZone: %d [`$9`7/`$0`7]", tile->zone);
    lines += formatString("\n%s (`$\\`7)", tile->npcAvoid ? "NPC Non-Pathable" : "NPC Pathable");
    lines += formatString("\n%s `7(`$P`7)", tile->blocked ? "`@IMPASSABLE" : "Passable");
    return lines;
}
