// The cursor and the mouse: the cursor's three looks, its size and opacity
// for the weapon's reach, the player's aim, and the mouse buttons in play and
// in the map editor.
#include "app/GameInterface.h"
#include "actors/Player.h"
#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "ui/hud/GameHUD.h"
#include "ui/windows/ShopEngine.h"
#include "world/MapEditor.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <cstdlib>

USING_NS_CC;

namespace {

constexpr int kCursorZ = 1700;
const char* const kNormalCursor = "Cursor_Normal.png";
const char* const kTargetCursor = "Cursor_Target.png";
const char* const kIllegalCursor = "Cursor_Illegal.png";
const Vec2 kCentred(0.5f, 0.5f);
const Vec2 kTopLeft(0.0f, 1.0f);

// Past the weapon's range the target cursor grows and fades over this many
// pixels beyond the player's aim range.
constexpr float kFadeDistance = 200.0f;
constexpr float kLargestScale = 3.0f;
constexpr float kScalePerPixel = 0.01f;
constexpr float kOpacityPerPixel = 1.275f;
constexpr float kFaintestOpacity = 128.0f;
constexpr float kFullOpacity = 255.0f;
// The cursor's arrow points away from the player.
constexpr float kCursorTurn = 45.0f;

constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

bool alive(const Player* player)
{
    return player && player->health > 0;
}

}

void GameInterface::refreshCursor()
{
    aiming = alive(player) && player->weaponRaised;
    if (aiming)
        setCursorSprite(kTargetCursor, kCentred);
    else
        setCursorSprite(kNormalCursor, kTopLeft);
    updateCursorState();
}

void GameInterface::setCursorSprite(const std::string& fileName, const Vec2& anchor)
{
    if (fileName == cursorFile || !gameLayer)
        return;
    cursorFile = fileName;
    // The new look takes the old one's place (the mouse's, once it moved).
    Vec2 where = controller ? controller->getMousePosition() : Vec2::ZERO;
    if (cursorSprite)
    {
        if (!controller)
            where = cursorSprite->getPosition();
        cursorSprite->removeFromParent();
        cursorSprite->release();
        cursorSprite = nullptr;
    }
    cursorSprite = createSprite(fileName);
    if (!cursorSprite)
        return;
    // Held as well as parented: the driver outlives any one game layer.
    cursorSprite->retain();
    cursorSprite->setAnchorPoint(anchor);
    cursorSprite->setPosition(where);
    gameLayer->addChild(cursorSprite, kCursorZ);
}

void GameInterface::updateCursorState()
{
    if (!player || !cursorSprite || state == GameState::Edit)
        return;
    const Vec2 from = player->getScreenPosition();
    const float angle = angleBetween(from, cursorSprite->getPosition());
    const WeaponDef* weapon = player->weapon();
    if (alive(player))
    {
        player->setRotation(angle);
        const float distance = fastDistance(from, cursorSprite->getPosition());
        cursorOutOfReach = false;
        if (!player->weaponRaised)
            setCursorSprite(kNormalCursor, kCentred);
        else if (weapon && weapon->projectilemaxrange != -1.0f && distance > weapon->projectilemaxrange)
        {
            setCursorSprite(kIllegalCursor, kCentred);
            cursorOutOfReach = true;
        }
        else
            setCursorSprite(kTargetCursor, kCentred);
    }
    if (!cursorSprite)
        return;
    if (aiming)
    {
        const float distance = fastDistance(from, cursorSprite->getPosition());
        float scale = 1.0f;
        float opacity = kFullOpacity;
        if (weapon && distance > weapon->range && !cursorOutOfReach)
        {
            const float t = kFadeDistance - (distance - player->currentRange);
            scale = std::clamp(kLargestScale - kScalePerPixel * t, 1.0f, kLargestScale);
            opacity = std::clamp(t * kOpacityPerPixel, kFaintestOpacity, kFullOpacity);
        }
        cursorSprite->setScale(scale);
        cursorSprite->setOpacity(static_cast<GLubyte>(static_cast<int>(opacity)));
    }
    cursorSprite->setRotation(cursorOutOfReach ? 0.0f : angle + kCursorTurn);
}

// The inaccuracy of a shot: none within the weapon's range, 10 degrees just
// past it, falling to none at 200 pixels past it, and 10 again farther out.
float GameInterface::aimFalloff() const
{
    const WeaponDef* weapon = player ? player->weapon() : nullptr;
    if (!weapon)
        return -1.0f;
    const Vec2 cursor = cursorSprite ? cursorSprite->getPosition() : Vec2::ZERO;
    return weapon->rangePenalty(fastDistance(player->getScreenPosition(), cursor));
}

bool GameInterface::aimsFreely() const
{
    return state == GameState::Playing && !ShopEngine::getInstance()->holdsPlay() && alive(player);
}

Vec2 GameInterface::placeCursor(Vec2 position)
{
    position.x = std::clamp(position.x, 0.0f, visibleSize.width);
    position.y = std::clamp(position.y, 0.0f, visibleSize.height);
    // A cursor picture made while the move is handled starts where the mouse is.
    if (controller)
        controller->mousePosition = position;
    if (cursorSprite)
        cursorSprite->setPosition(position);
    // The weapon's warm-up animation stays on the cursor.
    if (Sprite* charge = GameHUD::getInstance()->chargeAnimation)
        charge->setPosition(position);
    return position;
}

// The mouse goes on moving while a window, the menu or a tutorial holds play
// still; when play goes on the player faces the cursor again.
void GameInterface::faceCursor()
{
    if (aimsFreely())
        updateCursorState();
}

Vec2 GameInterface::onMouseMove(Vec2 position)
{
    position = placeCursor(position);
    if (aimsFreely())
    {
        // Holding the aim still lets a growing range grow; moving starts it over.
        const WeaponDef* weapon = player->weapon();
        if (weapon && weapon->maxrange != -1.0f)
            player->currentRange = weapon->range;
        updateCursorState();
    }
    if (state == GameState::Edit && controller && controller->mouseButtonDown[kLeftButton])
        MapEditor::getInstance()->onMouseMove(Director::getInstance()->convertToGL(position));
    return position;
}

// A press: the left button fires a weapon in hand; any other button (or the
// left one without a weapon) raises or lowers it, putting a carried body down
// first.
void GameInterface::onMouseAction(int button, Vec2 position)
{
    if (!aimsFreely())
        return;
    // The shot goes where the click is: the player turns there first (the
    // aim's growth is kept, the mouse did not move).
    position = placeCursor(position);
    updateCursorState();
    const WeaponDef* weapon = player->weapon();
    if (button == kLeftButton && weapon)
    {
        const float distance = fastDistance(player->getScreenPosition(), position);
        player->fire(weapon->rangePenalty(distance, player->currentRange));
    }
    else if (player->weaponRaised)
        player->lowerWeapon();
    else if (weapon && !weapon->hideable)
    {
        if (player->carriedBody)
            dropBodyInWater();
        player->raiseWeapon();
    }
    GameHUD::getInstance()->refresh(false);
}

void GameInterface::onMouseClick(int button, Vec2 position)
{
    if (state != GameState::Edit)
    {
        // Letting go of the left button stops a weapon warming up.
        if (button == kLeftButton && player)
            player->cancelWarmup();
        return;
    }
    // Mouse events count y from the bottom; the editor and the map's screen
    // conversion take window points that count y from the top.
    const Vec2 windowPoint = Director::getInstance()->convertToGL(position);
    if (button != kRightButton)
    {
        onEditorMouse(windowPoint.x, windowPoint.y);
        return;
    }
    // The right button looks around the map: the view and the listener move there.
    const Vec2 point = WorldMap::getInstance()->screenToWorld(windowPoint);
    GameCamera::getInstance()->position = point;
    WorldMap::getInstance()->setCameraCentre(point);
    SoundEngine::getInstance()->listener = point;
}

void GameInterface::onEditorMouse(float x, float y)
{
    if (state == GameState::Edit)
        MapEditor::getInstance()->onMouseClick(Vec2(x, y));
}

Vec2 GameInterface::randomPointAroundView() const
{
    const Vec2 camera = GameCamera::getInstance()->position;
    const int spanX = std::max(1, static_cast<int>(static_cast<int>(visibleSize.width) * 1.2f));
    const int spanY = std::max(1, static_cast<int>(static_cast<int>(visibleSize.height) * 1.2f));
    const float x = camera.x + static_cast<float>(std::rand() % spanX + 1) - visibleSize.width * 0.5f;
    const float y = camera.y + static_cast<float>(std::rand() % spanY + 1) - visibleSize.height * 0.5f;
    return Vec2(x, y);
}
