// The player's construction and its frame: walking by the input hub's
// request or the pad's sticks, the weapon's warm-up and idling into a smoke.
#include "actors/Player.h"
#include "actors/Inventory.h"
#include "actors/police/PoliceManager.h"
#include "app/ControllerInterface.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "ui/hud/GameHUD.h"
#include "world/WeaponDef.h"

namespace {
constexpr int StartingWeapon = 67;
constexpr float PlayerWalkSpeed = 24.0f;
constexpr float PlayerViewAngle = 90.0f;
// The pad's right stick puts the cursor this far from the middle of the view.
constexpr float PadCursorDistance = 64.0f;
// The sticks' axes on game pad 0: left x, left y, right x, right y.
constexpr int LeftStickX = 0;
constexpr int LeftStickY = 1;
constexpr int RightStickX = 2;
constexpr int RightStickY = 3;
}

Player::Player(int definitionId) : GameMob(definitionId)
{
    takePlayerRole();
}

Player::Player(ObjectDef* definition, bool buildSpritesNow) : GameMob(definition, buildSpritesNow)
{
    takePlayerRole();
}

Player::~Player()
{
    if (inventory)
        inventory->untrackReference(&secondaryItem);
}

// The player's kind and role (its shots carry the role), its pace and view,
// and the blaster it starts every run with.
void Player::takePlayerRole()
{
    mobKind = MobPlayer;
    roleCode = PlayerRole;
    // Its own update fires a weapon once the weapon's warm-up is over.
    runsWarmup = true;
    name = "TJ Trench";
    walkSpeed = PlayerWalkSpeed;
    viewAngle = PlayerViewAngle;
    inventory->trackReference(&secondaryItem);
    inventory->addItem(StartingWeapon);
    if (inventory->countWeapons() > 0)
        equip(inventory, inventory->nextWeapon(nullptr));
    else
    {
        currentWeapon = nullptr;
        inventory->ammoId = -1;
        inventory->recount();
    }
    selectNextSecondary();
}

void Player::update(float dt)
{
    if (interactionCooldown != -1.0f)
    {
        interactionCooldown -= dt;
        if (interactionCooldown <= 0.0f)
            interactionCooldown = -1.0f;
    }
    GameMob::update(dt);
    if (health < 1)
        return;
    // Nobody runs with a body over the shoulder.
    running = runInput && *runInput && !carriedBody;

    const ControllerInterface* controller = GameInterface::getInstance()->controller;
    const bool moved = controller && controller->padMode ? moveByPad(dt) : moveByInput(dt);
    if (!moved)
        settleAnimation();
    runWarmup(dt);
    idleAndSmoke(!moved && !weaponRaised, dt);
}

// The keys: relative to the heading, or in screen directions with the
// alternate movement chosen in the options.
bool Player::moveByInput(float dt)
{
    const int horizontal = horizontalInput ? static_cast<int>(*horizontalInput) : 0;
    const int vertical = verticalInput ? static_cast<int>(*verticalInput) : 0;
    if (GameInterface::getInstance()->alternateMovement)
        return moveInDirection(vertical, horizontal, dt);
    return moveStep(vertical, horizontal, true, dt);
}

// The left stick walks; the right stick aims, through a cursor a little way
// out from the middle of the view.
bool Player::moveByPad(float dt)
{
    GameInterface* game = GameInterface::getInstance();
    ControllerInterface* controller = game->controller;
    const auto& axes = controller->padAxes;
    const bool moved = moveAlong(true, cocos2d::Vec2(axes[LeftStickX], -axes[LeftStickY]), dt);
    const cocos2d::Vec2 aim(axes[RightStickX], -axes[RightStickY]);
    if (!aim.isZero())
    {
        const cocos2d::Vec2 centre(game->visibleSize.width * 0.5f, game->visibleSize.height * 0.5f);
        const cocos2d::Vec2 cursor = pointAtAngle(centre, PadCursorDistance, angleBetween(cocos2d::Vec2::ZERO, aim));
        controller->padCursor = game->onMouseMove(cursor);
    }
    return moved;
}

// Standing still ends the walking animation.
void Player::settleAnimation()
{
    if (!weaponRaised && currentAnimation == AnimWalk)
        playAnimation(AnimStand);
    else if (weaponRaised && (currentAnimation == AnimWalk || currentAnimation == AnimWalkArmed))
        playAnimation(AnimStandArmed);
}

// A weapon that warms up fires by itself once its warm-up is over, where the
// player faces and with the aim of the moment.
void Player::runWarmup(float dt)
{
    const WeaponDef* held = weapon();
    if (!held || !(held->warmup > -1.0f) || warmupTimer < 0.0f)
        return;
    warmupTimer += dt;
    if (warmupTimer <= held->warmup)
        return;
    smokeTimer = -1.0f;
    idleTime = 0.0f;
    WeaponsPlatform::fire(-1.0f, -1.0f);
    cancelWarmup();
    PoliceManager::getInstance()->witnessCrime(this, false, false, held->soundlevel);
    GameHUD::getInstance()->refresh(true);
}

// Twenty seconds of standing still with the weapon down light a cigarette:
// twelve seconds of smoke, a puff at once and then about every three seconds.
// Any step, a raised weapon or a shot puts it out.
void Player::idleAndSmoke(bool still, float dt)
{
    if (!isSmoking())
    {
        if (!still)
        {
            idleTime = 0.0f;
            return;
        }
        idleTime += dt;
        if (idleTime >= IdleSecondsToSmoke)
            startSmoking();
        return;
    }
    if (still)
    {
        smokeTimer -= dt;
        if (smokeTimer > 0.0f)
        {
            if (puffClock == 0.0f)
                puffSmoke();
            puffClock += dt;
            if (puffClock > PuffSeconds)
                puffClock = 0.0f;
            return;
        }
    }
    idleTime = 0.0f;
    smokeTimer = -1.0f;
}

void Player::fire(float inaccuracy)
{
    attack(inaccuracy);
    smokeTimer = -1.0f;
    idleTime = 0.0f;
}

void Player::startSmoking()
{
    smokeTimer = SmokeSeconds;
    puffClock = 0.0f;
}
