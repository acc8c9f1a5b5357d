// The pages opened from the menu: the tutorial-pane viewer, the unlock pages
// and the message pages (the newspaper after a zone has been left).
#include "ui/menus/MenuEngine.h"

#include "app/Achievements.h"
#include "app/Game.h"
#include "app/ControllerKeys.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/HighScores.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "ui/TextMarkup.h"
#include "ui/UIText.h"
#include "ui/menus/HeldNode.h"
#include "ui/menus/TutorialEngine.h"
#include "world/GameData.h"

#include <algorithm>

USING_NS_CC;

namespace {

constexpr int kPictureZ = 2500;
constexpr int kPageBoxZ = 2499;
constexpr int kPageTextZ = 2501;
constexpr float kPaneFadeSeconds = 0.2f;
constexpr float kHintMargin = 2.0f;
constexpr float kPageMargin = 20.0f;
// A page too long for its box at the font's own size is drawn smaller, a
// step at a time, down to half size (one window pixel to a font pixel).
constexpr float kPageScaleStep = 0.125f;
constexpr float kSmallestPageScale = 0.5f;
constexpr int kUnlocksPerPage = 25;
// The font's padlock icon marks an unlock still to win.
constexpr char kPadlockGlyph = 4;
// Murders on one message page, by zone.
constexpr int kMessagePageSizes[] = {10, 6, 4};
// The comic part that follows each zone: Downtown part 2, and so on.
constexpr int kComicAfterZone = 2;

const char* const kFirstPaneHint = "`%Press `$d`% to see next pane.";
const char* const kLastPaneHint = "`%Press `$a`% to see previous pane.";
const char* const kMiddlePaneHint = "`%Press `$a`% to see previous pane or `$d`% to see next pane.";
const char* const kFirstUnlockHint = "\n\n`%Press `$d`% to see next page, `$escape`% to exit.";
const char* const kLastUnlockHint = "\n\n`%Press `$a`% to see previous page, `$escape`% to exit.";
const char* const kMiddleUnlockHint = "\n\n`%Press `$a`% to see previous page, `$d`% to see next page or `$escape`% to exit.";
const char* const kContinueHint = "\n\n`%Press `$e`% to continue.";

bool closesPage(int key)
{
    return key == Key::Escape || key == Key::Space || key == Key::E || key == Key::Q;
}

int lastUnlockPage()
{
    const int count = static_cast<int>(Achievements::getInstance()->unlockList().size());
    return count > 0 ? (count - 1) / kUnlocksPerPage : 0;
}

// The largest scale at which the text, wrapped to the box's width, also fits
// its height: the first unlock page needs more lines than a 768-pixel-high
// window has at full size.
float pageTextScale(const std::string& text, float width, float height)
{
    float scale = 1.0f;
    for (; scale > kSmallestPageScale; scale -= kPageScaleStep)
    {
        const int lines = static_cast<int>(TextMarkup::wrap(text, static_cast<int>(width / scale)).size());
        if (lines * TextMarkup::kLineHeight - 1 <= height / scale)
            break;
    }
    return scale;
}

}

int MenuEngine::messagePageSize(int zone)
{
    return zone >= 0 && zone <= 2 ? kMessagePageSizes[zone] : kMessagePageSizes[0];
}

void MenuEngine::setHudVisible(bool visible)
{
    GameInterface* game = GameInterface::getInstance();
    if (game->mainHUD)
        game->mainHUD->setVisible(visible);
    if (game->copHUD)
        game->copHUD->setVisible(visible);
    if (game->cursorSprite)
        game->cursorSprite->setVisible(visible);
}

void MenuEngine::removePageNodes()
{
    releaseHeldNode(pageText);
    releaseHeldNode(paneHint);
    releaseHeldNode(pagePicture);
    releaseHeldNode(pageBackground);
}

void MenuEngine::enterPageState(int state)
{
    dismiss();
    GameInterface::getInstance()->state = state;
}

void MenuEngine::showTutorialPanes()
{
    enterPageState(GameState::TutorialPanes);
    drawTutorialPane();
    // Both panels go, with or without a run behind the viewer.
    setHudVisible(false);
}

void MenuEngine::showUnlockPages()
{
    enterPageState(GameState::InfoPages);
    unlockPageText();
}

void MenuEngine::showMessagePages()
{
    enterPageState(GameState::InfoPages);
    messagePageText();
}

void MenuEngine::closeTutorialPanes()
{
    GameInterface* game = GameInterface::getInstance();
    if (game->cursorSprite)
        game->cursorSprite->setVisible(true);
    removePageNodes();
    // The panels come back with the Playing state; the menu keeps them away.
    game->setState(GameState::Menu);
    buildMainMenu();
}

void MenuEngine::drawTutorialPane()
{
    GameInterface* game = GameInterface::getInstance();
    const bool firstPane = pagePicture == nullptr;
    removePageNodes();
    const auto& tutorials = TutorialEngine::getInstance()->entries;
    if (tutorials.empty())
        return;
    const int last = static_cast<int>(tutorials.size()) - 1;
    paneIndex = std::clamp(paneIndex, 0, last);

    const Size& view = game->visibleSize;
    const Vec2 centre(view.width * 0.5f, view.height * 0.5f);
    Sprite* picture = game->gameLayer ? createSprite(tutorials[paneIndex]->image) : nullptr;
    float bottom = 0.0f;
    if (picture)
    {
        pagePicture = holdNode(picture);
        const float height = pagePicture->getContentSize().height;
        const float scale = height > 0.0f ? (view.height / 3.0f * 2.0f) / height : 1.0f;
        pagePicture->setScale(scale);
        pagePicture->setAnchorPoint(Vec2(0.5f, 0.5f));
        pagePicture->setPosition(centre);
        game->gameLayer->addChild(pagePicture, kPictureZ);
        bottom = centre.y - height * scale * 0.5f;
        if (firstPane)
        {
            pagePicture->setOpacity(0);
            pagePicture->runAction(FadeTo::create(kPaneFadeSeconds, 255));
        }
    }

    const char* hint = paneIndex == 0 ? kFirstPaneHint : paneIndex == last ? kLastPaneHint : kMiddlePaneHint;
    // The hint stands on the layer at the font's own size, not scaled with the picture.
    if (!game->gameLayer)
        return;
    paneHint = holdNode(UIText::create(-1, -1, hint));
    paneHint->setAnchorPoint(Vec2(0.5f, 0.0f));
    paneHint->setPosition(Vec2(centre.x, bottom + kHintMargin));
    game->gameLayer->addChild(paneHint, kPageTextZ);
}

void MenuEngine::onTutorialPaneKey(int keyCode)
{
    if (keyCode == Key::A)
    {
        paneIndex = std::max(0, paneIndex - 1);
        drawTutorialPane();
    }
    else if (keyCode == Key::D)
    {
        const int last = static_cast<int>(TutorialEngine::getInstance()->entries.size()) - 1;
        paneIndex = std::min(last, paneIndex + 1);
        drawTutorialPane();
    }
    else if (closesPage(keyCode))
    {
        closeTutorialPanes();
    }
}

std::string MenuEngine::unlockPageText()
{
    const auto& unlocks = Achievements::getInstance()->unlockList();
    const int count = static_cast<int>(unlocks.size());
    unlockPageIndex = std::clamp(unlockPageIndex, 0, lastUnlockPage());
    const int first = kUnlocksPerPage * unlockPageIndex;
    const int end = std::min(first + kUnlocksPerPage, count);

    std::string text = "`%UNLOCKS:\n";
    for (int i = first; i < end; ++i)
    {
        const UnlockEntry& unlock = unlocks[i];
        if (unlock.unlocked)
            text += formatString("\n  `%%%s - %s", unlock.reward.c_str(), unlock.condition.c_str());
        else
            text += formatString("\n`$%c`7 %s - %s", kPadlockGlyph, unlock.reward.c_str(), unlock.condition.c_str());
    }
    if (unlockPageIndex == 0)
        text += kFirstUnlockHint;
    else if (end >= count)
        text += kLastUnlockHint;
    else
        text += kMiddleUnlockHint;
    drawInfoPage(text);
    return text;
}

std::string MenuEngine::messagePageText()
{
    // Each zone prints its own paper: the murder list, the obituaries or the criminal records.
    const int zone = GameData::getInstance()->currentZone;
    const int size = messagePageSize(zone);
    const HighScores* scores = HighScores::getInstance();
    const int count = static_cast<int>(scores->murderList().size());
    const int first = messagePageIndex * size;
    const int end = std::min(first + size, count);
    const std::string text = scores->buildNewspaper(zone, first, end) + kContinueHint;
    drawInfoPage(text);
    return text;
}

void MenuEngine::drawInfoPage(const std::string& text)
{
    GameInterface* game = GameInterface::getInstance();
    game->setState(GameState::Paused);
    removePageNodes();
    const Size& view = game->visibleSize;
    const Vec2 centre(view.width * 0.5f, view.height * 0.5f);
    const float width = view.width / 3.0f * 2.0f;
    const float height = view.height / 5.0f * 4.0f;

    if (game->gameLayer)
    {
        pageBackground = holdNode(createSprite("white.png"));
        if (pageBackground)
        {
            const Size box = pageBackground->getContentSize();
            pageBackground->setColor(Color3B::BLACK);
            pageBackground->setAnchorPoint(Vec2(0.5f, 0.5f));
            pageBackground->setPosition(centre);
            if (box.width > 0.0f && box.height > 0.0f)
                pageBackground->setScale(width / box.width, height / box.height);
            game->gameLayer->addChild(pageBackground, kPageBoxZ);
        }
        const float textWidth = static_cast<float>(static_cast<int>(width - kPageMargin));
        const float textHeight = static_cast<float>(static_cast<int>(height - kPageMargin));
        const float scale = pageTextScale(text, textWidth, textHeight);
        pageText = holdNode(
            UIText::create(static_cast<int>(textWidth / scale), static_cast<int>(textHeight / scale), text));
        pageText->setScale(scale);
        pageText->setAnchorPoint(Vec2(0.5f, 0.5f));
        pageText->setPosition(centre);
        game->gameLayer->addChild(pageText, kPageTextZ);
    }
    // Paused brings the panels of a run; the pages keep them away, run or none.
    setHudVisible(false);
    game->state = GameState::InfoPages;
}

void MenuEngine::onInfoPageKey(int keyCode)
{
    GameInterface* game = GameInterface::getInstance();
    if (game->zoneCompleted)
    {
        if (keyCode != Key::E)
            return;
        ++messagePageIndex;
        const int count = static_cast<int>(HighScores::getInstance()->murderList().size());
        if (messagePageIndex > count / messagePageSize(GameData::getInstance()->currentZone))
            endMessagePages();
        else
            messagePageText();
        return;
    }
    if (closesPage(keyCode))
    {
        closeTutorialPanes();
    }
    else if (keyCode == Key::A)
    {
        unlockPageIndex = std::max(0, unlockPageIndex - 1);
        unlockPageText();
    }
    else if (keyCode == Key::D)
    {
        unlockPageIndex = std::min(lastUnlockPage(), unlockPageIndex + 1);
        unlockPageText();
    }
}

void MenuEngine::endMessagePages()
{
    GameInterface* game = GameInterface::getInstance();
    const int zone = GameData::getInstance()->currentZone;
    // The flag tells the message pages from the unlock pages: it goes with them.
    game->zoneCompleted = false;
    messagePageIndex = 0;
    closeTutorialPanes();
    if (zone >= 0 && zone <= 2)
        game->playComic(zone + kComicAfterZone);
}
