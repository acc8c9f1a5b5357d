#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include "world/EditorTool.h"
#include "world/MapMarker.h"
#include "world/TileClipboard.h"

#include <string>

class GameObject;
class MapTile;
class ObjectDef;
class TileDef;
class UIElement;
class UIText;

// The built-in map editor. In the Edit state it works on the live WorldMap:
// it paints floor and overlay tiles, places, moves, turns and deletes objects
// and markers, edits single cells, copies and pastes cells and paints zones.
// It never owns what it selects (the map does) nor the definitions (GameData
// does); it owns its panel, highlight, brushes and texts.
//
// The game reaches it through: onKeyReleased (every key released in Edit),
// onDirectionKey (A, D, W, S pressed in Edit), onMouseClick (a click in
// Edit), onMouseMove (a drag in Edit), setVisible and showMarkers /
// hideMarkers (entering and leaving Edit), onLevelLoaded (after every level
// load) and enterOnRequest (after the first level load).
class MapEditor : public Singleton<MapEditor>
{
public:
    // Screen layout of the tool slots along the top of the screen.
    static constexpr float kSlotSpacing = 36.0f;
    static constexpr float kSlotX = 20.0f;
    static constexpr float kSlotFromTop = 20.0f;

    // --- called from outside the editor ---
    void setVisible(bool shown);
    void showMarkers();
    void hideMarkers();
    void onMouseClick(cocos2d::Vec2 screenPoint);
    void onMouseMove(cocos2d::Vec2 screenPoint);
    // 1 left, 2 right, 3 up, 4 down.
    void onDirectionKey(int direction);
    void onKeyReleased(int keyCode);
    // After a level load: the old selection went with the old map; in the
    // Edit state the editor shows itself and the new map's markers again.
    void onLevelLoaded();
    // With TALLOWIND_EDITOR=1 in the environment, skips the intro and enters
    // the Edit state (the map makers' way in; no key of the game leads there).
    // Acts once.
    void enterOnRequest();
    // F5: keeps the map file on disk as a backup beside it, then saves the
    // edited map over it. Either way the outcome is reported on screen; when
    // the backup cannot be made nothing is written.
    void saveMap();

    // --- tools and selection ---
    void setTool(int t);
    void deleteSelection();
    void stepTileSelection(int dx, int dy);
    void selectTileDef(int id);
    void stepTileDef(int step);
    void buildTileBrush();
    void rotateBrush();
    void stepObjectDef(int step);
    void selectObjectDef(int index);
    void changeMarkerKind(int step);
    void changeSpawnChance(int step);
    void changeZone(int step);
    void cycleSideTexture();
    void changeTexture(int step);
    void changeBuildingId(int step);
    void changeLevel(int step);
    void changeLevelFilter(int step);
    void rotateObject(float step);
    void clearOverlay();
    void pasteTextureIndex();
    void toggleNpcAvoid();
    void toggleBlocked();
    void copyTile(int x, int y);
    void pasteTile(int x, int y);
    void moveObject(int direction);
    void moveMarker(int direction);
    void scrollView(int direction);

    // --- highlight and panel ---
    void highlightTile(MapTile* tile);
    void highlightObject(GameObject* object);
    void highlightMarker(MapMarker* marker);
    void moveHighlight(cocos2d::Vec2 target);
    void scaleHighlight(float w, float h);
    void refreshInfo();
    // The brush rotation in whole degrees (0 without a brush).
    int brushRotation() const;

    TileClipboard clipboard;
    UIElement* panel = nullptr;
    GameObject* selectedObject = nullptr;
    MapMarker* selectedMarker = nullptr;
    MapTile* selectedTile = nullptr;
    int32_t tool = EditorTool::None;
    cocos2d::Sprite* highlight = nullptr;
    cocos2d::Sprite* tileBrush = nullptr;
    TileDef* tileDef = nullptr;
    int32_t textureIndex = 0;
    MapMarkerKind markerKind = MapMarkerKind::Spawn;
    UIText* tileCounterText = nullptr;
    UIText* objectCounterText = nullptr;
    UIText* infoText = nullptr;
    GameObject* objectBrush = nullptr;
    ObjectDef* objectDef = nullptr;
    int32_t objectDefIndex = 0;

private:
    friend class Singleton<MapEditor>;
    MapEditor();

    void buildPanel();
    void buildToolLabels();
    void makeHighlight();
    // Puts the panel and the highlight back on the current game layer when a
    // new game layer has replaced the one they hung on.
    void attachToGameLayer();
    void clearSelection();

    // The cell under a screen point, or null off the map.
    MapTile* tileUnder(cocos2d::Vec2 screenPoint) const;
    // Where an object clicked to screenPoint would stand (snapped to the cell
    // centre for a locktotile definition); false (and a message when it is a
    // building) when it may not stand there.
    bool objectSpotAt(const ObjectDef* def, cocos2d::Vec2 screenPoint, cocos2d::Vec2& spot) const;
    // False when the click was refused and the panel stays as it was.
    bool clickWithTool(cocos2d::Vec2 screenPoint);
    void placeMarkerAt(cocos2d::Vec2 point);
    void paintCell(MapTile* tile, bool drag);
    void reZoneCell(MapTile* tile);
    void rebuildCell(const MapTile* tile);
    void deleteMarker(MapMarker* marker);
    void releaseObjectBrush();
    bool zoomBy(int step);
    void cycleViewMode();
    void nextZone();

    std::string infoLines() const;
    std::string objectInfo() const;
    std::string markerInfo() const;
    std::string tileBrushInfo() const;
    std::string objectBrushInfo() const;
    std::string tileInfo() const;
    void setPanelText(UIText*& text, int height, cocos2d::Vec2 anchor, cocos2d::Vec2 position,
                      const std::string& content);

    bool entryRequestHandled = false;
};
