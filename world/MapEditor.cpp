// The map editor's life: its panel and highlight, showing and hiding it with
// the Edit state, the markers' editor pictures, the tool choice, the
// selection highlight and the level-load and save hooks.
#include "world/MapEditor.h"

#include "actors/GameObject.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/SpriteHelpers.h"
#include "platform/GamePaths.h"
#include "ui/InterfaceElement.h"
#include "ui/InterfaceManager.h"
#include "ui/UIElement.h"
#include "ui/UIText.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

#include <array>
#include <cstdlib>
#include <cstring>

USING_NS_CC;

namespace {

constexpr int kPanelZ = 1600;
constexpr int kHighlightZ = 1601;
constexpr int kPanelElement = 0;
// The panel is as wide as the eight tool slots and as high as puts the brush
// pictures (32 px up from its bottom) on the row of the slots.
constexpr float kPanelWidth = EditorTool::Count * MapEditor::kSlotSpacing + 4.0f;
constexpr float kPanelHeight = 52.0f;
constexpr float kPanelCorner = 8.0f;
const Color3B kHighlightColour(178, 229, 184);
constexpr GLubyte kHighlightOpacity = 64;
constexpr float kHighlightSeconds = 0.1f;
constexpr float kHighlightEaseRate = 3.0f;

// The pictures of tools 0 and 1 are the brushes; the others get a short label.
constexpr std::array<const char*, EditorTool::Count> kToolLabels = {
    nullptr, nullptr, "MRK", "SEL", "TIL", "CPY", "PST", "ZON"};

const char* toolPopup(int tool)
{
    switch (tool)
    {
    case EditorTool::CopyTile:
        return "COPY TILE";
    case EditorTool::PasteTile:
        return "PASTE TILE";
    case EditorTool::ReZone:
        return "RE-ZONE TOOL";
    default:
        return nullptr;
    }
}

float visibleHeight()
{
    return GameInterface::getInstance()->visibleSize.height;
}

}

MapEditor::MapEditor()
{
    buildPanel();
}

void MapEditor::buildPanel()
{
    panel = UIElement::create("EditBackground.png");
    panel->retain();
    panel->setAnchorPoint(Vec2(0.0f, 1.0f));
    const Vec2 corner(kPanelCorner, kPanelCorner);
    panel->setContentSize(Size(kPanelWidth, kPanelHeight));
    panel->setFrameCorners(corner, corner, corner, corner);
    panel->buildFrame();
    buildToolLabels();
    attachToGameLayer();

    InterfaceManager* manager = InterfaceManager::getInstance();
    manager->registerElement(kPanelElement, panel, InterfaceManager::kTopLeft);
    if (InterfaceElement* element = manager->element(kPanelElement))
    {
        element->transitionKind = InterfaceElement::kMove;
        element->visibleInMode[GameState::Edit] = true;
    }
    manager->layoutElement(panel, InterfaceManager::kTopLeft);
    // Off the screen until the interface manager brings it in for Edit.
    panel->setPosition(panel->hiddenPosition);
}

void MapEditor::buildToolLabels()
{
    for (int t = 0; t < EditorTool::Count; ++t)
    {
        if (!kToolLabels[static_cast<size_t>(t)])
            continue;
        auto* label = UIText::create(-1, -1, std::string("`8") + kToolLabels[static_cast<size_t>(t)]);
        label->setAnchorPoint(Vec2(0.5f, 0.5f));
        label->setPosition(Vec2(kSlotSpacing * static_cast<float>(t) + kSlotX, kPanelHeight - kSlotFromTop));
        label->buildGlyphs(UIText::kShowAtOnce, 0.0f, 0.0f);
        panel->addChild(label, kPanelZ);
    }
}

void MapEditor::attachToGameLayer()
{
    Node* layer = GameInterface::getInstance()->gameLayer;
    if (!layer)
        return;
    if (panel && panel->getParent() != layer)
    {
        panel->removeFromParent();
        layer->addChild(panel, kPanelZ);
    }
    if (highlight && highlight->getParent() != layer)
    {
        highlight->removeFromParent();
        layer->addChild(highlight, kHighlightZ);
    }
}

void MapEditor::setVisible(bool shown)
{
    attachToGameLayer();
    GameInterface* game = GameInterface::getInstance();
    if (!shown)
        game->refreshCursor();
    // The editor's own cursor, "Cursor_Normal.png" anchored at (0, 1), waits
    // for GameInterface::setCursorSprite.
    if (highlight)
        highlight->setVisible(shown);
}

void MapEditor::showMarkers()
{
    for (MapMarker* marker : WorldMap::getInstance()->allMarkers)
        marker->createSprite();
}

void MapEditor::hideMarkers()
{
    for (MapMarker* marker : WorldMap::getInstance()->allMarkers)
    {
        if (!marker->sprite)
            continue;
        marker->sprite->removeFromParentAndCleanup(true);
        marker->sprite = nullptr;
    }
}

void MapEditor::clearSelection()
{
    selectedObject = nullptr;
    selectedMarker = nullptr;
    selectedTile = nullptr;
}

void MapEditor::onLevelLoaded()
{
    clearSelection();
    if (GameInterface::getInstance()->state != GameState::Edit)
        return;
    setVisible(true);
    showMarkers();
}

void MapEditor::enterOnRequest()
{
    if (entryRequestHandled)
        return;
    entryRequestHandled = true;
    const char* request = std::getenv("TALLOWIND_EDITOR");
    if (!request || std::strcmp(request, "1") != 0)
        return;
    // The intro would go on under the editor and end in the menu (or, on a
    // first start, hold the keys for the character choice): it is skipped.
    GameInterface* game = GameInterface::getInstance();
    if (game->state == GameState::Intro)
        game->skipIntro();
    game->setState(GameState::Edit);
}

void MapEditor::saveMap()
{
    GameInterface* game = GameInterface::getInstance();
    // The map shown after a refused file is a stand-in: saved, it would
    // replace the real map (and on the next save its backup too).
    if (!WorldMap::getInstance()->mapLoaded)
    {
        game->queueMessage("`@Map not saved:`7 " + GamePaths::fileName(GameData::getInstance()->getLevelMapPath()) +
                               "\nit could not be read, so it is left as it is.",
                           true);
        return;
    }
    // Keeps the old map as the backup, and says on screen how it went.
    game->saveMap();
}

void MapEditor::setTool(int t)
{
    if (GameInterface::getInstance()->state != GameState::Edit)
        return;
    tool = t == -1 ? tool + 1 : t;
    if (const char* popup = toolPopup(tool))
    {
        GameInterface::getInstance()->showPopup(popup, true);
        return;
    }
    if (tool >= EditorTool::Count)
        tool = EditorTool::PaintTile;
    clearSelection();
    if (!highlight)
        makeHighlight();
    refreshInfo();
    if (!highlight)
        return;
    highlight->setVisible(true);
    highlight->setRotation(0.0f);
    scaleHighlight(32.0f, 32.0f);
    moveHighlight(Vec2(kSlotSpacing * static_cast<float>(tool) + kSlotX, visibleHeight() - kSlotFromTop));
}

void MapEditor::makeHighlight()
{
    highlight = createSprite("white.png");
    if (!highlight)
        return;
    highlight->retain();
    highlight->setColor(kHighlightColour);
    highlight->setOpacity(kHighlightOpacity);
    highlight->setAnchorPoint(Vec2(0.5f, 0.5f));
    highlight->setPosition(Vec2(-32.0f, visibleHeight() - 21.0f));
    attachToGameLayer();
}

void MapEditor::scaleHighlight(float w, float h)
{
    if (!highlight)
        return;
    const Size size = highlight->getContentSize();
    if (size.width <= 0.0f || size.height <= 0.0f)
        return;
    highlight->setScaleX((w + 2.0f) / size.width);
    highlight->setScaleY((h + 2.0f) / size.height);
}

void MapEditor::moveHighlight(Vec2 target)
{
    if (!highlight)
        return;
    highlight->stopAllActions();
    highlight->runAction(EaseInOut::create(MoveTo::create(kHighlightSeconds, target), kHighlightEaseRate));
}

void MapEditor::highlightTile(MapTile* tile)
{
    if (!highlight || !tile)
        return;
    highlight->setVisible(true);
    scaleHighlight(32.0f, 32.0f);
    highlight->setRotation(0.0f);
    // Over the cell's centre, where its tile is drawn, at the current zoom.
    const WorldMap* map = WorldMap::getInstance();
    const Vec2 centre = WorldMap::gridToPixel(tile->gridPos.x, tile->gridPos.y) + Vec2(16.0f, 16.0f);
    moveHighlight(map->pixelToScreen(centre * map->zoomScale()));
}

void MapEditor::highlightObject(GameObject* object)
{
    if (!highlight || !object)
        return;
    highlight->setVisible(true);
    const Vec2 size = object->def ? object->def->size : Vec2::ZERO;
    scaleHighlight(size.x, size.y);
    highlight->setRotation(object->heading);
    moveHighlight(object->getScreenPosition() + Vec2(-1.0f, 1.0f));
}

void MapEditor::highlightMarker(MapMarker* marker)
{
    if (!highlight || !marker)
        return;
    highlight->setVisible(true);
    scaleHighlight(marker->pickRect.size.width, marker->pickRect.size.height);
    highlight->setRotation(0.0f);
    moveHighlight(marker->getWorldPosition());
}
