#include "ui/menus/MenuEngine.h"

#include "app/Achievements.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/SoundEngine.h"
#include "app/StringHelpers.h"
#include "ui/CreditScreen.h"
#include "ui/UIText.h"
#include "ui/menus/HeldNode.h"
#include "ui/menus/MainMenuTable.h"
#include "ui/menus/UIMenu.h"
#include "world/GameData.h"

#include <array>

USING_NS_CC;

const char* const MenuEngine::kVersion = "1.0";
const char* const MenuEngine::kRestartWarning = "`$WARNING: re-start Tallowind\n for changes to take effect.";
const char* const MenuEngine::kNotSavedWarning = "`@NOT SAVED: settings.cfg\n could not be written.";

namespace {

constexpr int kMenuZ = 1375;
constexpr int kVersionZ = 1377;
const Vec2 kVersionMargin(2.0f, 2.0f);
// While the menu is open the driver counts it as an open window.
constexpr int kMenuWindowMode = 1;

constexpr int kImpossible = 2;
// The Impossible difficulty of zone z needs this unlock plus z.
constexpr int kFirstImpossibleUnlock = 2038;
const std::array<const char*, 3> kDifficultyCaptions{{
    "`%Difficulty: `0Normal`% (`$tab`% to change)",
    "`%Difficulty: `!Tough`% (`$tab`% to change)",
    "`%Difficulty: `@IMPOSSIBLE MODE`% (`$tab`% to change)",
}};

// The zone of an entry that carries a difficulty: the mode entries' range.
bool difficultyZone(int id, int& zone)
{
    if (id < 10000 || id > 30004)
        return false;
    zone = id >= 30000 ? 2 : id >= 20000 ? 1 : 0;
    return true;
}

}

UIMenu* MenuEngine::heldMenu() const
{
    return GameInterface::getInstance()->menu;
}

void MenuEngine::buildMainMenu()
{
    GameInterface* game = GameInterface::getInstance();
    if (game->cursorSprite)
        game->cursorSprite->setVisible(false);
    releaseHeldNode(game->menu);
    UIMenu* menu = holdNode(UIMenu::create());
    game->menu = menu;
    bindCallbacks(menu);
    menu->backAtRoot = true;
    if (game->gameLayer)
        game->gameLayer->addChild(menu, kMenuZ);

    menu->clearColumns();
    menu->entries.clear();
    menu->selection = -1;
    menu->logoName = "Tallowind.png";
    addEntries(menu);
    menu->setAnchorPoint(Vec2(1.0f, 0.5f));
    menu->setPosition(Vec2(game->visibleSize.width, game->visibleSize.height * 0.5f));
    menu->refresh();

    game->windowMode = kMenuWindowMode;
    closing = false;
    showVersion();
}

void MenuEngine::bindCallbacks(UIMenu* menu)
{
    menu->isChecked = [](int) { return true; };
    menu->valueText = [this](int id) { return valueLabel(id); };
    menu->selectAction = [this](int id) { onItemSelected(id); };
    menu->alternateAction = [this](int id) { cycleDifficulty(id); };
    menu->captionText = [this](int id) { return difficultyLabel(id); };
    menu->rootBackAction = [this]() { resume(); };
}

void MenuEngine::addEntries(UIMenu* menu)
{
    const Achievements* achievements = Achievements::getInstance();
    for (const MainMenuRow& row : kMainMenuRows)
    {
        const bool enabled = row.unlock == 0 || achievements->isUnlocked(row.unlock);
        std::string label = !enabled && row.lockedLabel ? row.lockedLabel : row.label;
        switch (row.id)
        {
        case kResolutionOption:
            label = resolutionLabel();
            break;
        case kFullScreenOption:
            label = fullscreenLabel();
            break;
        case kTutorialsOption:
            label = tutorialsLabel();
            break;
        case kAlternateMovementOption:
            label = alternateMovementLabel();
            break;
        default:
            break;
        }
        menu->addItem(row.id, row.page, row.subpage, label, enabled, row.targetPage, row.targetSubpage, 0);
    }
}

void MenuEngine::showVersion()
{
    GameInterface* game = GameInterface::getInstance();
    releaseHeldNode(versionText);
    versionText = holdNode(UIText::create(-1, -1, formatString("`%%%s", kVersion)));
    versionText->setAnchorPoint(Vec2(1.0f, 0.0f));
    versionText->setPosition(Vec2(game->visibleSize.width - kVersionMargin.x, kVersionMargin.y));
    if (game->gameLayer)
        game->gameLayer->addChild(versionText, kVersionZ);
}

void MenuEngine::close()
{
    UIMenu* menu = heldMenu();
    if (!menu)
        return;
    closing = true;
    menu->close(this, static_cast<SEL_CallFunc>(&MenuEngine::dismiss));
}

void MenuEngine::dismiss()
{
    GameInterface* game = GameInterface::getInstance();
    game->windowMode = 0;
    if (game->cursorSprite)
        game->cursorSprite->setVisible(true);
    releaseHeldNode(versionText);
    if (!game->menu)
        return;
    UIInteractElement::focusedElement = nullptr;
    releaseHeldNode(game->menu);
    if (game->state == GameState::Menu)
        game->setState(GameState::Playing);
}

void MenuEngine::resume()
{
    if (!closing)
        GameInterface::getInstance()->setState(GameState::Playing);
}

void MenuEngine::onItemSelected(int id)
{
    UIMenu* menu = heldMenu();
    if (closing || !menu)
        return;
    int zone = 0;
    int mode = 0;
    if (modeEntry(id, zone, mode))
    {
        startGame(zone, mode);
        return;
    }
    if (id >= kFirstComic && id <= kLastComic)
    {
        GameInterface::getInstance()->playComic(id - kFirstComic + 1);
        return;
    }
    switch (id)
    {
    case kViewUnlocks:
        menu->close(this, static_cast<SEL_CallFunc>(&MenuEngine::showUnlockPages));
        break;
    case kViewTutorials:
        menu->close(this, static_cast<SEL_CallFunc>(&MenuEngine::showTutorialPanes));
        break;
    case kQuit:
        Director::getInstance()->end();
        break;
    case kCredits:
        // The credits run over the menu, which stays underneath.
        GameInterface::getInstance()->state = GameState::Paused;
        CreditScreen::getInstance()->show();
        break;
    case kTutorialsOption:
    case kAlternateMovementOption:
        toggleOption(id);
        break;
    case kFullScreenOption:
    case kResolutionOption:
        changeDisplay(id);
        break;
    default:
        break;
    }
}

void MenuEngine::startGame(int zone, int mode)
{
    GameInterface* game = GameInterface::getInstance();
    game->mode = mode;
    dismiss();
    GameData* data = GameData::getInstance();
    // The loaded city serves a fresh run only until a run has used it.
    if (zone != data->currentZone || game->levelUsed)
    {
        data->currentZone = zone;
        game->loadLevel();
    }
    game->startRun();
}

void MenuEngine::checkDifficulty(int zone)
{
    GameInterface* game = GameInterface::getInstance();
    if (game->difficulty > kImpossible)
        game->difficulty = 0;
    if (game->difficulty == kImpossible && zone >= 0 && zone <= 2 &&
        !Achievements::getInstance()->isUnlocked(kFirstImpossibleUnlock + zone))
        game->difficulty = 0;
}

void MenuEngine::cycleDifficulty(int id)
{
    int zone = 0;
    if (!difficultyZone(id, zone))
        return;
    GameInterface::getInstance()->difficulty += 1;
    checkDifficulty(zone);
    beep();
}

std::string MenuEngine::difficultyLabel(int id)
{
    int zone = 0;
    if (!difficultyZone(id, zone))
        return std::string();
    checkDifficulty(zone);
    const int difficulty = GameInterface::getInstance()->difficulty;
    if (difficulty < 0 || difficulty >= static_cast<int>(kDifficultyCaptions.size()))
        return std::string();
    return kDifficultyCaptions[difficulty];
}

std::string MenuEngine::valueLabel(int id) const
{
    (void)id;
    return "Value";
}

void MenuEngine::beep()
{
    SoundEngine::getInstance()->play(nullptr, false, "interface_beep.wav", 1.0f);
}
