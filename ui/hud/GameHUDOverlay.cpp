// The HUD's per-frame overlay: the action prompt, the scan bar, the warning
// frame and the timed refresh; and the weapon's warm-up animation.
#include "ui/hud/GameHUD.h"

#include "actors/Player.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/SpriteHelpers.h"
#include "ui/UIBox.h"
#include "ui/UIProgressBar.h"
#include "ui/UIText.h"
#include "ui/hud/ActionPrompts.h"
#include "ui/hud/HudNodes.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace
{
const int kHudZ = 1200;
const int kHudOverlayZ = 1201;
const int kWarningZ = 2005;
const int kNormalMode = 0;
// Open windows during which the reload hint stays away: the shop and the
// end-of-run windows.
const int kNoWindow = 0;
// Near means within four radii of the player.
const float kReachRadii = 4.0f;
const int kHackPrice = 400;

const Color3B kScanBorder(48, 48, 48);
const Color3B kScanFill(0, 0, 96);
const Vec2 kScanBarSize(72, 8);
const char* const kScanLabel = "`7Stay still, `9scanning`7...";
const float kScanBarRise = 16.0f;
const float kPromptDrop = 24.0f;

const Color3B kYellow(255, 255, 0);
const Color3B kRed(255, 0, 0);
const Color3B kBlue(0, 0, 255);
const float kWarningThickness = 3.0f;
const float kFlashHold = 1.0f;

const char* const kGunAnimation = "GunAnim";
const int kGunFrames = 64;
const float kGunSeconds = 2.0f;

GameInterface* driver()
{
    return GameInterface::getInstance();
}

bool alive(const Player* player)
{
    return player && player->health > 0;
}

// The prompt for what lies in the player's reach; 0 when nothing there asks
// for one.
int reachPrompt(const Player* player, const HudSource& source)
{
    WorldMap* map = WorldMap::getInstance();
    const float reach = kReachRadii * player->getRadius();
    if (player->carriedBody)
        return map->findObjectNear(false, false, true, player->getPosition(), reach) ? kPromptHideCorpse : 0;

    GameObject* near = map->findObjectNear(false, true, false, player->getPosition(), reach);
    const ObjectDef* def = near ? near->def : nullptr;
    if (def && def->vendingmachine)
        return kPromptVendingMachine;
    if (def && def->exit)
        return driver()->papersBought ? kPromptLeaveArea : kPromptNeedPapers;
    if (source.contactNearPlayer())
        return kPromptTalkToContact;
    if (def && def->hackbox)
    {
        // Without the player's purse or the police's word there is nothing true to say.
        const std::optional<int> credits = source.credits();
        if (!credits)
            return 0;
        if (*credits < kHackPrice)
            return kPromptTooPoorToHack;
        const std::optional<PoliceReading> police = source.police();
        if (!police)
            return 0;
        return police->pursued ? kPromptHackPoliceBox : kPromptNotWanted;
    }
    if (near && near->isVisibleBody())
        return kPromptPickUpCorpse;
    if (def && def->canpickup)
        return kPromptPickUpObject;
    return 0;
}

// Reload or out of ammunition, for an empty weapon that needs rounds.
int ammunitionPrompt(const HudSource& source)
{
    if (driver()->windowMode != kNoWindow)
        return 0;
    const std::optional<WeaponReading> weapon = source.weapon();
    if (!weapon || weapon->ammoless || weapon->rounds > 0 || weapon->recharges)
        return 0;
    return weapon->ammunitionCarried >= 1 ? kPromptReload : kPromptOutOfAmmo;
}
} // namespace

int GameHUD::choosePrompt() const
{
    GameInterface* game = driver();
    const Player* player = game->player;
    if (!alive(player))
    {
        if (game->isRunOver() && game->mode == kNormalMode)
            return kPromptSpawn;
        return promptCode == kPromptSpawn ? kPromptSpawn : 0;
    }
    int code = 0;
    if (!game->interactWindow)
        code = reachPrompt(player, *hudSource);
    if (code == 0)
        code = ammunitionPrompt(*hudSource);
    return code;
}

int GameHUD::chooseWarning() const
{
    if (driver()->scanCountdown != -1.0f)
        return kScanned;
    const std::optional<PoliceReading> police = hudSource->police();
    if (police && police->pursued)
        return police->playerInSight ? kPursuedInSight : kPursued;
    return kNoWarning;
}

void GameHUD::updateOverlay(float dt)
{
    const int previous = promptCode;
    promptCode = choosePrompt();
    updateScanBar();
    updateWarningFrame();
    updatePromptText(previous);
    // Both ends of the tracker move every frame: a reading taken only at the
    // timed refresh would lag for seconds and then leap.
    followTracker();

    refreshCountdown -= dt;
    if (refreshCountdown < 0.0f)
    {
        refreshCountdown = kRefreshSeconds;
        refresh(true);
    }
}

void GameHUD::updateScanBar()
{
    GameInterface* game = driver();
    if (!scanBar)
    {
        if (!game->gameLayer)
            return;
        UIProgressBar* bar = keepNode(scanBar, UIProgressBar::create(kScanBorder, kScanFill, kScanBarSize, kScanLabel));
        bar->setAnchorPoint(Vec2(0.5f, 0.0f));
        bar->setVisible(false);
        bar->setPosition(Vec2(game->visibleSize.width * 0.5f, game->visibleSize.height * 0.5f + kScanBarRise));
        game->gameLayer->addChild(bar, kHudZ);
    }
    const std::optional<PoliceReading> police = hudSource->police();
    const int value = police ? static_cast<int>(police->scanProgress) : -1;
    if (value == shownScanValue)
        return;
    shownScanValue = value;
    scanBar->setVisible(value != -1);
    if (value != -1)
        scanBar->setValue(value);
}

void GameHUD::updateWarningFrame()
{
    const int state = chooseWarning();
    if (state == warningState)
        return;
    dropNode(warningFrame);
    warningState = state;
    GameInterface* game = driver();
    if (state == kNoWarning || !game->gameLayer)
        return;
    const Size visible = game->visibleSize;
    UIBox* frame = keepNode(warningFrame, UIBox::create(state == kScanned ? kYellow : kRed,
                                                        Vec2(visible.width, visible.height)));
    frame->thickness = kWarningThickness;
    frame->size = Vec2(visible.width - 2.0f, visible.height - 2.0f);
    frame->resize();
    if (state == kPursuedInSight)
        frame->flash(kRed, kBlue, kFlashHold, kFlashHold);
    frame->setAnchorPoint(Vec2::ZERO);
    frame->setPosition(Vec2(1.0f, 1.0f));
    game->gameLayer->addChild(frame, kWarningZ);
}

void GameHUD::updatePromptText(int previousCode)
{
    if (promptCode == previousCode)
        return;
    GameInterface* game = driver();
    game->removeOverlayNode();
    if (promptCode == 0 || !game->gameLayer)
        return;
    UIText* prompt = UIText::create(-1, -1, actionPrompt(promptCode));
    prompt->setAnchorPoint(Vec2(0.5f, 1.0f));
    prompt->setPosition(Vec2(game->visibleSize.width * 0.5f, game->visibleSize.height * 0.5f - kPromptDrop));
    game->gameLayer->addChild(prompt, kHudZ);
    game->setPromptNode(prompt);
}

void GameHUD::playGunAnimation()
{
    if (chargeAnimation)
        chargeAnimation->stopAllActions();
    dropNode(chargeAnimation);
    GameInterface* game = driver();
    if (!game->gameLayer)
        return;
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile(std::string(kGunAnimation) + ".plist");
    Sprite* sprite = createAnimatedSprite(kGunFrames, false, kGunSeconds, [this]() { onGunAnimationDone(); },
                                          kGunAnimation);
    if (!sprite)
        return;
    keepNode(chargeAnimation, sprite);
    sprite->setAnchorPoint(Vec2(0.5f, 0.5f));
    if (game->cursorSprite)
        sprite->setPosition(game->cursorSprite->getPosition());
    game->gameLayer->addChild(sprite, kHudOverlayZ);
}

void GameHUD::onGunAnimationDone()
{
    if (chargeAnimation)
        chargeAnimation->stopAllActions();
    dropNode(chargeAnimation);
}
