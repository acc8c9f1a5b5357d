#include "ui/hud/GameHUD.h"

#include <array>
#include <cmath>

#include "actors/Player.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIBox.h"
#include "ui/UIProgressBar.h"
#include "ui/UIText.h"
#include "ui/hud/HudNodes.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace
{
const std::array<const char*, 17> kTrackerImages = {
    "",
    "UI_Tracker_N.png",   "UI_Tracker_NNE.png", "UI_Tracker_NE.png", "UI_Tracker_ENE.png",
    "UI_Tracker_E.png",   "UI_Tracker_ESE.png", "UI_Tracker_SE.png", "UI_Tracker_SSE.png",
    "UI_Tracker_S.png",   "UI_Tracker_SSW.png", "UI_Tracker_SW.png", "UI_Tracker_WSW.png",
    "UI_Tracker_W.png",   "UI_Tracker_WNW.png", "UI_Tracker_NW.png", "UI_Tracker_NNW.png",
};

// The anti-drone EMP item.
const int kEmpItem = 154;
const float kPixelsPerMetre = 6.0f;
const float kSectorDegrees = 22.5f;

const int kHudZ = 1200;
const GLubyte kMinimapOpacity = 192;
const float kMinimapMargin = 5.0f;
const float kMinimapLabelGap = 6.0f;
// The minimap's drawn area of the city, in its pixels.
const int kMinimapWidth = 96;
const int kMinimapHeight = 101;
const int kDotZ = 2;
const int kOverlayZ = 1;

const int kNormalMode = 0;

GameInterface* driver()
{
    return GameInterface::getInstance();
}
} // namespace

GameHUD::GameHUD() : hudSource(std::make_unique<HudSource>()) {}

GameHUD::~GameHUD() = default;

void GameHUD::setSource(std::unique_ptr<HudSource> newSource)
{
    hudSource = newSource ? std::move(newSource) : std::make_unique<HudSource>();
}

void GameHUD::clear()
{
    dropNode(playerDot);
    dropNode(zoneOverlay);
    dropNode(targetLabel);
    dropNode(minimapBackground);
    minimapZone = -1;
    if (UIMainHUD* panel = driver()->mainHUD)
        panel->removeTargetNode();
}

std::string GameHUD::trackerImage(int direction)
{
    if (direction < 0 || direction >= static_cast<int>(kTrackerImages.size()))
        return "";
    return kTrackerImages[static_cast<size_t>(direction)];
}

int GameHUD::trackerDirection(const GameObject* target) const
{
    const Player* player = driver()->player;
    if (!target || !player)
        return -1;
    const Vec2 from = player->getPosition();
    const Vec2 to = target->getPosition();
    const float dx = from.x - to.x;
    const float dy = to.y - from.y;
    float bearing = std::atan2(dy, dx) * 180.0f / static_cast<float>(M_PI) - 90.0f;
    if (bearing < 0.0f)
        bearing += 360.0f;
    const int index = static_cast<int>(bearing / kSectorDegrees + 1.0f);
    // A bearing that rounds up to a full turn is north again.
    return index > 16 ? 1 : index;
}

int GameHUD::trackerDistance(const GameObject* target) const
{
    const Player* player = driver()->player;
    if (!target || !player)
        return -1;
    // Measured exactly: the quick estimate reads a little short, and a whole
    // number of metres would lose one when truncated.
    return static_cast<int>(player->getPosition().distance(target->getPosition()) / kPixelsPerMetre);
}

void GameHUD::refresh(bool resetTracker)
{
    GameInterface* game = driver();
    if (!game->player || !game->mainHUD)
        return;
    if (const std::optional<int> emps = hudSource->carriedCount(kEmpItem))
        game->mainHUD->setEMPMode(*emps >= 1);
    trackerDirectionShown = -1;
    refreshWeapon();
    refreshItems();
    buildMinimap();
    placePlayerDot();
    refreshPolice();
    const std::optional<ContractReading> contract = hudSource->contract();
    refreshMinimapZone(contract);
    std::string line = moneyLine();
    refreshTracker(resetTracker, contract, line);
    if (!line.empty())
        game->mainHUD->setMoneyLine(line);
}

void GameHUD::refreshWeapon()
{
    UIMainHUD* panel = driver()->mainHUD;
    const std::optional<WeaponReading> weapon = hudSource->weapon();
    if (!weapon)
    {
        // A weapon that was dropped or taken leaves no picture behind.
        panel->clearWeapon();
        return;
    }
    if (weapon->warmingUp)
        panel->setWeapon(weapon->rounds, UIMainHUD::kWarmingUp, -1, weapon->image);
    else if (weapon->recharges)
        panel->setWeapon(weapon->rounds, UIMainHUD::kRecharging, -1, weapon->image);
    else
        panel->setWeapon(weapon->rounds, weapon->magazine, weapon->spare, weapon->image);
}

void GameHUD::refreshItems()
{
    if (const std::optional<ItemReading> item = hudSource->takeItemChange())
    {
        if (item->id == -1)
            driver()->mainHUD->setItemCount(-1, 0);
        else
            driver()->mainHUD->setItemCount(item->id, item->count);
    }
}

void GameHUD::buildMinimap()
{
    GameInterface* game = driver();
    if (!minimapBackground && game->gameLayer)
    {
        const int zone = GameData::getInstance()->currentZone;
        if (Sprite* background = createSprite(formatString("Minimap_%d_Background.png", zone)))
        {
            keepNode(minimapBackground, background);
            background->setAnchorPoint(Vec2(1.0f, 0.0f));
            background->setOpacity(kMinimapOpacity);
            background->setPosition(Vec2(game->visibleSize.width - kMinimapMargin, kMinimapMargin));
            game->gameLayer->addChild(background, kHudZ);
        }
    }
    if (!minimapBackground)
        return;
    if (!playerDot)
    {
        if (Sprite* dot = createSprite("white.png"))
        {
            keepNode(playerDot, dot);
            dot->setScale(1.0f / std::max(dot->getContentSize().width, 1.0f));
            minimapBackground->addChild(dot, kDotZ);
        }
    }
    if (!targetLabel)
    {
        UIText* label = keepNode(targetLabel, UIText::create(-1, -1, "`%target loc."));
        const Size size = minimapBackground->getContentSize();
        label->setAnchorPoint(Vec2(0.5f, 0.0f));
        label->setPosition(Vec2(size.width * 0.5f, size.height + kMinimapLabelGap));
        minimapBackground->addChild(label, kDotZ);
    }
}

void GameHUD::placePlayerDot()
{
    const WorldMap* map = WorldMap::getInstance();
    if (!playerDot || map->width <= 0 || map->height <= 0)
        return;
    const float sx = static_cast<float>(kMinimapWidth / map->width);
    const float sy = static_cast<float>(kMinimapHeight / map->height);
    const Vec2 cell = driver()->player->cell;
    playerDot->setPosition(Vec2(cell.x * sx, cell.y * sy));
}

void GameHUD::refreshPolice()
{
    UICopHUD* panel = driver()->copHUD;
    const std::optional<PoliceReading> police = hudSource->police();
    if (!panel || !police)
        return;
    panel->droidCount = police->droids;
    panel->pursuingCount = police->pursuing;
    panel->policeLevel = police->level;
    panel->alert = police->pursuing > 0;
    panel->update();
}

void GameHUD::refreshMinimapZone(const std::optional<ContractReading>& contract)
{
    if (!minimapBackground)
        return;
    if (contract && !contract->tracked)
    {
        minimapBackground->setVisible(true);
        const int zone = contract->targetZone;
        if (zone < 0)
            return;
        dropNode(zoneOverlay);
        minimapZone = zone;
        const int city = GameData::getInstance()->currentZone;
        if (Sprite* overlay = createSprite(formatString("Minimap_%d_Zone%d.png", city, zone)))
        {
            keepNode(zoneOverlay, overlay);
            overlay->setPosition(Vec2::ZERO);
            minimapBackground->addChild(overlay, kOverlayZ);
        }
        return;
    }
    if (zoneOverlay && zoneOverlay->isVisible())
        zoneOverlay->setVisible(false);
    minimapZone = -1;
    minimapBackground->setVisible(false);
}

std::string GameHUD::moneyLine() const
{
    const std::optional<int> credits = hudSource->credits();
    if (!credits)
        return "";
    const GameInterface* game = driver();
    const int needed = game->travelPapersPrice;
    const char* colour = *credits <= 0 ? "8" : (*credits < needed ? "$" : "!");
    if (game->mode == kNormalMode)
        return formatString("TJ: `%s%d`7/%d`7c\n", colour, *credits, needed);
    return formatString("TJ: `%s%d`7c Score:`%%%d`7\n", colour, *credits, game->creditsEarned);
}

void GameHUD::refreshTracker(bool resetTracker, const std::optional<ContractReading>& contract, std::string& line)
{
    const bool onContract = readTracker(resetTracker, contract);
    // The contract line follows the credits; without the credits there is no line to follow.
    if (onContract && !line.empty())
        line += "`@" + contract->targetName + "\n" + contract->summary + formatString(" `$%d`7c", contract->value);
}

void GameHUD::followTracker()
{
    if (driver()->player && driver()->mainHUD)
        readTracker(true, hudSource->contract());
}

bool GameHUD::readTracker(bool show, const std::optional<ContractReading>& contract)
{
    GameObject* goal = nullptr;
    bool onContract = false;
    GameObject* exit = WorldMap::getInstance()->exitObject;
    if (driver()->papersBought && exit)
        goal = exit;
    else if (contract)
    {
        onContract = true;
        // An untracked contract shows its target's portrait instead of an arrow.
        goal = contract->tracked ? contract->target : nullptr;
    }
    else
    {
        goal = hudSource->nearestContact();
        // With no contact in the city the tracker is left as it is.
        if (!goal)
            return false;
    }
    trackerDistanceShown = trackerDistance(goal);
    trackerDirectionShown = trackerDirection(goal);
    if (show)
        driver()->mainHUD->setTracker(onContract, trackerDistanceShown, trackerImage(trackerDirectionShown));
    return onContract;
}

void GameHUD::refreshHUDTarget()
{
    GameInterface* game = driver();
    UIMainHUD* panel = game->mainHUD;
    if (!panel)
        return;
    const std::optional<ContractReading> contract = hudSource->contract();
    const bool leaving = game->papersBought && WorldMap::getInstance()->exitObject;
    if (!leaving && contract && !contract->tracked)
        panel->setTarget(contract->targetLook);
    else
        panel->setTarget(-1);
}
