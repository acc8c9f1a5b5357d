// The pages opened from the menu, played by their keys: the tutorial viewer,
// the unlock pages and the newspaper pages after a zone, with the HUD kept
// away while they show.
#include "MenuFixture.h"

#include "app/ControllerKeys.h"
#include "ui/ComicEngine.h"
#include "ui/GlyphFrameTable.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "actors/citizens/CitizenRecord.h"
#include "world/GameData.h"

#include <algorithm>

USING_NS_CC;

namespace {

constexpr int kHelp = 4;

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

int count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

}

class MenuPagesTest : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        // A run's panels as the interface manager leaves them in Paused.
        driver->mainHUD = UIMainHUD::create();
        driver->copHUD = UICopHUD::create();
        layer->addChild(driver->mainHUD);
        layer->addChild(driver->copHUD);
    }

    void TearDown() override
    {
        driver->mainHUD = nullptr;
        driver->copHUD = nullptr;
        MenuFixture::TearDown();
    }

    // Help, then the entry below "View Controls" at the given step, through the menu's fade.
    void openFromHelp(int steps)
    {
        menus->buildMainMenu();
        for (int i = 0; i < kHelp; ++i)
            key(Key::Down);
        key(Key::Enter);
        for (int i = 0; i < steps; ++i)
            key(Key::Down);
        key(Key::Enter);
        advance(0.6f);
    }

    bool hudShown() const { return driver->mainHUD->isVisible() || driver->copHUD->isVisible(); }
    std::string page() const { return menus->pageText ? menus->pageText->text : std::string(); }
};

TEST_F(MenuPagesTest, TheTutorialViewerFlipsPanesUnderAReadableHintAndReopensWhereLeft)
{
    openFromHelp(1);
    ASSERT_EQ(driver->state, GameState::TutorialPanes);
    EXPECT_EQ(driver->menu, nullptr);
    EXPECT_FALSE(hudShown()) << "no player, and still no panels over the viewer";
    ASSERT_NE(menus->pagePicture, nullptr);
    const Size view = driver->visibleSize;
    EXPECT_NEAR(menus->pagePicture->getContentSize().height * menus->pagePicture->getScale(), view.height / 3 * 2,
                0.01f);
    EXPECT_LT(menus->pagePicture->getOpacity(), 255) << "the first pane fades in";
    advance(0.25f);
    EXPECT_EQ(menus->pagePicture->getOpacity(), 255);

    // The hint stands on the layer at the font's size, on the picture's bottom edge.
    ASSERT_NE(menus->paneHint, nullptr);
    EXPECT_EQ(menus->paneHint->getParent(), layer);
    EXPECT_FLOAT_EQ(menus->paneHint->getScale(), 1.0f);
    EXPECT_EQ(menus->paneHint->text, "`%Press `$d`% to see next pane.");
    const float bottom = menus->pagePicture->getBoundingBox().getMinY();
    EXPECT_NEAR(menus->paneHint->getPositionY(), bottom + 2.0f, 0.01f);

    key(Key::D);
    EXPECT_EQ(menus->paneIndex, 1);
    EXPECT_EQ(menus->paneHint->text, "`%Press `$a`% to see previous pane or `$d`% to see next pane.");
    EXPECT_EQ(menus->pagePicture->getOpacity(), 255) << "only the first pane fades in";
    key(Key::A);
    key(Key::A);
    EXPECT_EQ(menus->paneIndex, 0);
    for (int i = 0; i < 20; ++i)
        key(Key::D);
    EXPECT_EQ(menus->paneIndex, TutorialEngine::kEntryCount - 1);
    EXPECT_EQ(menus->paneHint->text, "`%Press `$a`% to see previous pane.");

    key(Key::Q);
    EXPECT_EQ(driver->state, GameState::Menu);
    ASSERT_NE(driver->menu, nullptr) << "a fresh main menu";
    EXPECT_EQ(driver->menu->selection, 0);
    EXPECT_EQ(menus->pagePicture, nullptr);
    EXPECT_EQ(menus->paneHint, nullptr);

    for (int i = 0; i < kHelp; ++i)
        key(Key::Down);
    key(Key::Enter);
    key(Key::Down);
    key(Key::Enter);
    advance(0.6f);
    EXPECT_EQ(menus->paneIndex, TutorialEngine::kEntryCount - 1) << "the viewer reopens on the last pane";
}

TEST_F(MenuPagesTest, UnlockPagesFlipInPlaceAndMarkWhatIsLockedWithThePadlock)
{
    Achievements::getInstance()->unlock(2000, false, true);
    openFromHelp(2);
    ASSERT_EQ(driver->state, GameState::InfoPages);
    EXPECT_FALSE(hudShown()) << "Paused brings a run's panels; the page keeps them away";
    EXPECT_EQ(std::count(modes.begin(), modes.end(), GameState::InfoPages), 0)
        << "the page state does not change the panels' mode";
    EXPECT_EQ(modes.back(), GameState::Paused);

    std::string text = page();
    EXPECT_EQ(text.rfind("`%UNLOCKS:\n", 0), 0u);
    EXPECT_TRUE(has(text, "\n  `%EMP - Start Tallowind")) << text;
    EXPECT_EQ(count(text, "\n  `%") + count(text, "\n`$\x04`7 "), 25);
    EXPECT_TRUE(has(text, "\n\n`%Press `$d`% to see next page, `$escape`% to exit."));
    ASSERT_NE(menus->pageBackground, nullptr);
    EXPECT_EQ(menus->pageBackground->getColor(), Color3B::BLACK);

    // The locked mark is drawn with the font's padlock.
    SpriteFrame* padlock = SpriteFrameCache::getInstance()->getSpriteFrameByName("CHAR_padlock.png");
    ASSERT_NE(padlock, nullptr);
    EXPECT_EQ(GlyphFrameTable::frameName(4), "CHAR_padlock.png");
    const bool drawn = std::any_of(menus->pageText->glyphs.begin(), menus->pageText->glyphs.end(), [&](Sprite* glyph) {
        return glyph->getTexture() == padlock->getTexture() && glyph->getTextureRect().equals(padlock->getRect());
    });
    EXPECT_TRUE(drawn);

    key(Key::D);
    text = page();
    EXPECT_EQ(count(text, "\n  `%") + count(text, "\n`$\x04`7 "), 13);
    EXPECT_TRUE(has(text, "\n\n`%Press `$a`% to see previous page, `$escape`% to exit."));
    key(Key::D);
    EXPECT_EQ(menus->unlockPageIndex, 1);
    key(Key::A);
    EXPECT_EQ(menus->unlockPageIndex, 0);
    key(Key::Escape);
    EXPECT_EQ(driver->state, GameState::Menu);
    EXPECT_EQ(menus->pageText, nullptr);
    EXPECT_NE(driver->menu, nullptr);
}

TEST_F(MenuPagesTest, NewspaperPagesListTheRunsMurdersThenPlayTheNextComic)
{
    HighScores* scores = HighScores::getInstance();
    for (int i = 0; i < 10; ++i)
        scores->addMurder(MurderRecord{"Victim " + std::to_string(i), "Found dead.", "Theft."});
    // Each zone prints its own paper: The Docks the obituaries, Hilldale the criminal records.
    GameData* data = GameData::getInstance();
    data->currentZone = 1;
    EXPECT_EQ(menus->messagePageText(), scores->buildNewspaper(1, 0, 6) + "\n\n`%Press `$e`% to continue.");
    data->currentZone = 2;
    EXPECT_EQ(menus->messagePageText(), scores->buildNewspaper(2, 0, 4) + "\n\n`%Press `$e`% to continue.");
    menus->removePageNodes();
    data->currentZone = 0;

    // Leaving Downtown with the menu closed opens its list of murders at once.
    driver->state = GameState::Playing;
    driver->zoneCompleted = true;
    menus->showMessagePages();
    ASSERT_EQ(driver->state, GameState::InfoPages);
    EXPECT_FALSE(hudShown());
    std::string text = page();
    EXPECT_EQ(text.rfind("`%Murders committed:`7\n", 0), 0u) << text;
    EXPECT_EQ(count(text, "- Victim "), 10);
    EXPECT_TRUE(has(text, "\n\n`%Press `$e`% to continue."));

    key(Key::Escape);
    key(Key::D);
    EXPECT_EQ(menus->messagePageIndex, 0) << "only E turns a newspaper page";
    key(Key::E);
    EXPECT_EQ(count(page(), "- Victim "), 0) << "a page with only the heading";
    EXPECT_EQ(intros, 0);
    key(Key::E);
    EXPECT_EQ(intros, 1) << "the comic that follows Downtown";
    EXPECT_EQ(driver->comicPart, 2);
    EXPECT_EQ(driver->state, GameState::Intro);
    EXPECT_FALSE(driver->zoneCompleted) << "the pages' flag goes with them";
    EXPECT_EQ(menus->pageText, nullptr);
    advance(0.6f);

    // The unlock pages opened afterwards follow their own keys again.
    driver->state = GameState::Menu;
    openFromHelp(2);
    ASSERT_EQ(driver->state, GameState::InfoPages);
    key(Key::Escape);
    EXPECT_EQ(driver->state, GameState::Menu);
}

TEST_F(MenuPagesTest, EveryPageKeepsItsTextInsideItsBoxAtEveryWindowSize)
{
    // Real victims: their news and records are the longest texts the pages carry.
    HighScores* scores = HighScores::getInstance();
    std::srand(31);
    for (int i = 0; i < 10; ++i)
        scores->recordMurder(CitizenRecord(false), true, i % 2 == 0);
    // The outside of every glyph, in the layer's coordinates, lies within the black box.
    auto spills = [&]() -> std::string {
        const Rect box = menus->pageBackground->getBoundingBox();
        for (Sprite* glyph : menus->pageText->glyphs)
        {
            const Rect own = glyph->getBoundingBox();
            const Vec2 low = layer->convertToNodeSpace(menus->pageText->convertToWorldSpace(own.origin));
            const Vec2 high =
                layer->convertToNodeSpace(menus->pageText->convertToWorldSpace(Vec2(own.getMaxX(), own.getMaxY())));
            if (!box.containsPoint(low) || !box.containsPoint(high))
                return "a glyph from " + std::to_string(low.x) + ", " + std::to_string(low.y) + " to " +
                       std::to_string(high.x) + ", " + std::to_string(high.y);
        }
        return "";
    };
    const Size shown = driver->visibleSize;
    // The game's windows, smallest first, two window pixels to a design unit.
    for (const Size& window : {Size(1024, 768), Size(1280, 720), Size(1366, 768), Size(1280, 1024), Size(1920, 1080)})
    {
        driver->visibleSize = Size(window.width / 2.0f, window.height / 2.0f);
        for (int index = 0; index < 2; ++index)
        {
            SCOPED_TRACE(std::to_string(int(window.width)) + " x " + std::to_string(int(window.height)) +
                         ", unlock page " + std::to_string(index));
            menus->unlockPageIndex = index;
            menus->unlockPageText();
            EXPECT_EQ(spills(), "");
        }
        for (int zone = 0; zone < 3; ++zone)
        {
            SCOPED_TRACE(std::to_string(int(window.width)) + " x " + std::to_string(int(window.height)) +
                         ", the paper of zone " + std::to_string(zone));
            GameData::getInstance()->currentZone = zone;
            menus->messagePageText();
            EXPECT_EQ(spills(), "");
        }
    }
    GameData::getInstance()->currentZone = 0;
    driver->visibleSize = shown;
    menus->removePageNodes();
}

TEST_F(MenuPagesTest, ComicPagesFitWholeIntoEveryWindowShape)
{
    const Size page(1920.0f, 1080.0f);
    for (const Size& view : {Size(640.0f, 360.0f), Size(480.0f, 360.0f), Size(400.0f, 400.0f), Size(900.0f, 360.0f)})
    {
        const float scale = ComicEngine::fitScale(page, view);
        EXPECT_LE(page.width * scale, view.width + 0.01f);
        EXPECT_LE(page.height * scale, view.height + 0.01f);
        EXPECT_TRUE(std::abs(page.width * scale - view.width) < 0.01f ||
                    std::abs(page.height * scale - view.height) < 0.01f)
            << "as large as the window allows";
    }

    // A 4:3 window: the shown page keeps its sides, captions included, on screen.
    const Size wide = driver->visibleSize;
    driver->visibleSize = Size(480.0f, 360.0f);
    ComicEngine* comic = ComicEngine::getInstance();
    layer->addChild(comic);
    comic->show(1);
    ASSERT_NE(comic->pages[0], nullptr);
    const Rect box = comic->pages[0]->getBoundingBox();
    EXPECT_GE(box.getMinX(), -0.01f);
    EXPECT_LE(box.getMaxX(), 480.01f);
    EXPECT_NEAR(box.getMidY(), 180.0f, 0.01f) << "centred, with bars above and below";
    comic->clear();
    comic->stopAllActions();
    comic->removeFromParent();
    driver->visibleSize = wide;
}

TEST_F(MenuPagesTest, ThePageStatesLeaveThePanelsWhereThePreviousStateLeftThem)
{
    driver->setState(GameState::TutorialPanes);
    driver->setState(GameState::InfoPages);
    EXPECT_TRUE(modes.empty()) << "states 8 and 9 are not interface modes";
    for (int state = GameState::Intro; state <= GameState::Edit; ++state)
        if (state != GameState::Intro && state != GameState::Edit)
            driver->setState(state);
    EXPECT_EQ(modes, (std::vector<int>{GameState::NotSpawned, GameState::Playing, GameState::Paused,
                                       GameState::Dead, GameState::Menu}));
}
