// The main menu played by its keys: where the selection goes across the
// columns, what each column shows, which entries progress unlocks, the
// difficulty caption, and resuming play.
#include "MenuFixture.h"

#include "app/ControllerKeys.h"

USING_NS_CC;

namespace {

// The root column's entries, in order.
constexpr int kGame = 0;
constexpr int kQuitIndex = 6;

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}

class MainMenuTest : public MenuFixture
{
protected:
    UIMenu* open()
    {
        menus->buildMainMenu();
        return driver->menu;
    }
    int selectedId() const { return driver->menu->entries[driver->menu->selection].id; }
};

TEST_F(MainMenuTest, OpeningShowsTheRootColumnUnderTheLogoWithGameSelected)
{
    UIMenu* menu = open();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(UIInteractElement::focusedElement, menu);
    EXPECT_EQ(menu->getParent(), layer);
    EXPECT_EQ(driver->windowMode, 1) << "the open menu counts as a window";
    EXPECT_EQ(menu->selection, kGame);
    EXPECT_EQ(menu->entries.size(), 36u);

    const std::string root = column(0);
    size_t at = 0;
    for (const char* label : {"Game", "Comics", "Stats", "Options", "Help", "Credits", "Quit"})
    {
        const size_t found = root.find(label, at);
        ASSERT_NE(found, std::string::npos) << label << " in " << root;
        at = found;
    }
    EXPECT_TRUE(has(root, "\n`![`%Game`7`!]")) << root;
    EXPECT_TRUE(has(root, "\n `7Comics`7"));
    EXPECT_TRUE(has(root, "\n\n\n`$arrows`7.. `%move\n`$e`7... `%select\n`$`!escape`7/`!q`7... `@back"));
    EXPECT_EQ(column(1), "");

    ASSERT_NE(menu->logo, nullptr);
    EXPECT_LE(menu->logo->getContentSize().width * menu->logo->getScale(), 160.5f);
    EXPECT_EQ(menu->columns[0]->boxHeight, 196 - static_cast<int>(menu->logo->getContentSize().height))
        << "the column makes room for the logo's own height";
    ASSERT_NE(menus->versionText, nullptr);
    EXPECT_EQ(menus->versionText->text, "`%1.0");
    advance(0.6f);
    EXPECT_FLOAT_EQ(menu->background->getPositionX(), 320.0f) << "one column: the background covers 164 pixels";
}

TEST_F(MainMenuTest, KeysWalkTheColumnsStopAtTheirEndsAndGoBack)
{
    UIMenu* menu = open();
    key(Key::Up);
    EXPECT_EQ(menu->selection, kGame) << "up from the first entry stays";
    for (int i = 0; i < 8; ++i)
        key(Key::S);
    EXPECT_EQ(menu->selection, kQuitIndex) << "down from the last root entry stays";
    for (int i = 0; i < 6; ++i)
        key(Key::W);
    ASSERT_EQ(menu->selection, kGame);

    // Enter opens the Game page left of the root; the new column types itself in.
    key(Key::Enter);
    EXPECT_EQ(selectedId(), 1000) << "Downtown";
    ASSERT_NE(menu->columns[1], nullptr);
    ASSERT_FALSE(menu->columns[1]->glyphs.empty());
    EXPECT_EQ(menu->columns[1]->glyphs.front()->getOpacity(), 0);
    EXPECT_TRUE(has(column(0), "\n`7<Game`7")) << "the root marks the entry that leads to the page";
    EXPECT_TRUE(has(column(1), "`![`%`!Downtown`7`!]"));
    advance(0.6f);
    EXPECT_EQ(menu->columns[1]->glyphs.front()->getOpacity(), 255);
    EXPECT_FLOAT_EQ(menu->background->getPositionX(), 160.0f);

    // Moving inside a column redraws it at once; a locked zone is dim and shows no hints.
    key(Key::Down);
    EXPECT_EQ(selectedId(), 1001);
    EXPECT_EQ(menu->columns[1]->glyphs.front()->getOpacity(), 255);
    EXPECT_TRUE(has(column(1), "\n`![`8The Docks`7`!]")) << column(1);
    EXPECT_FALSE(has(column(1), "arrows"));
    key(Key::E);
    EXPECT_EQ(selectedId(), 1001) << "a locked entry cannot be chosen";

    // Left (A) opens Downtown's modes: three columns, the marks lead the way.
    key(Key::Up);
    key(Key::A);
    EXPECT_EQ(selectedId(), 10000);
    EXPECT_TRUE(has(column(2), "`![`%`%Normal`7`!]"));
    EXPECT_TRUE(has(column(1), "\n`7<`!Downtown`7"));
    EXPECT_FALSE(has(column(0), "<")) << "two levels up has no mark";
    advance(0.6f);
    EXPECT_FLOAT_EQ(menu->background->getPositionX(), 0.0f);
    key(Key::Down);
    key(Key::Down);
    key(Key::Down);
    EXPECT_EQ(selectedId(), 10004);
    key(Key::Down);
    EXPECT_EQ(selectedId(), 10004) << "the last mode stays";

    // Right (D) and Q go back a column each, to the entry that opened it.
    key(Key::D);
    EXPECT_EQ(selectedId(), 1000);
    EXPECT_EQ(column(2), "");
    key(Key::Q);
    EXPECT_EQ(menu->selection, kGame);

    // Help > View Controls: the controls page in the subpage column.
    for (int i = 0; i < 4; ++i)
        key(Key::Down);
    key(Key::Enter);
    key(Key::Enter);
    EXPECT_EQ(column(2), UIMenu::kControlsText);
    key(Key::Escape);
    EXPECT_EQ(menu->entries[menu->selection].label, "View Controls");
    key(Key::Escape);
    key(Key::Up);
    key(Key::Up);
    key(Key::Enter);
    EXPECT_EQ(column(1), StatEngine::getInstance()->showStats()) << "Stats is a text page";
}

TEST_F(MainMenuTest, EscapeAtTheRootResumesAndTheMenuFadesAway)
{
    UIMenu* menu = open();
    key(Key::Escape);
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_TRUE(menus->closing);
    EXPECT_FALSE(menu->interactive);
    key(Key::Down);
    EXPECT_EQ(menu->selection, kGame) << "a closing menu takes no keys";
    advance(0.6f);
    EXPECT_EQ(driver->menu, nullptr);
    EXPECT_EQ(UIInteractElement::focusedElement, nullptr);
    EXPECT_EQ(menus->versionText, nullptr);
    EXPECT_EQ(driver->windowMode, 0);
}

TEST_F(MainMenuTest, ProgressUnlocksZonesModesComicsAndTheImpossibleDifficulty)
{
    UIMenu* menu = open();
    auto entry = [&](int id) -> const MenuEntry& {
        for (const MenuEntry& e : driver->menu->entries)
            if (e.id == id)
                return e;
        throw std::runtime_error("no entry");
    };
    EXPECT_FALSE(entry(1001).enabled);
    EXPECT_EQ(entry(1001).label, "The Docks");
    EXPECT_FALSE(entry(60001).enabled);
    EXPECT_EQ(entry(60001).label, "Part 1") << "comics keep their label when locked";
    EXPECT_FALSE(entry(10001).enabled);
    EXPECT_EQ(entry(10001).label, "Score Attack");
    EXPECT_TRUE(entry(10000).enabled);

    Achievements* achievements = Achievements::getInstance();
    for (int unlock : {2002, 2006, 2038})
        achievements->unlock(unlock, false, true);
    EXPECT_FALSE(entry(1001).enabled) << "unlocks are read when the menu is built";
    menu = open();
    EXPECT_TRUE(entry(1001).enabled);
    EXPECT_EQ(entry(1001).label, "`#The Docks");
    EXPECT_TRUE(entry(60001).enabled);
    EXPECT_EQ(entry(10001).label, "`%Score Attack");
    EXPECT_FALSE(entry(1002).enabled);

    // TAB on a root entry changes nothing; on a mode entry it cycles.
    key(Key::Tab);
    EXPECT_EQ(driver->difficulty, 0);
    key(Key::Enter);
    key(Key::Enter);
    ASSERT_EQ(selectedId(), 10000);
    ASSERT_NE(menu->captionNode, nullptr);
    EXPECT_EQ(menu->captionNode->text, "`%Difficulty: `0Normal`% (`$tab`% to change)");
    key(Key::Tab);
    EXPECT_EQ(menu->captionNode->text, "`%Difficulty: `!Tough`% (`$tab`% to change)");
    key(Key::Tab);
    EXPECT_EQ(driver->difficulty, 2);
    EXPECT_EQ(menu->captionNode->text, "`%Difficulty: `@IMPOSSIBLE MODE`% (`$tab`% to change)");

    // The Docks does not allow Impossible yet: its caption drops it.
    key(Key::D);
    key(Key::Down);
    EXPECT_EQ(menu->captionNode, nullptr) << "no caption on a zone";
    key(Key::Enter);
    EXPECT_EQ(selectedId(), 20000);
    EXPECT_EQ(driver->difficulty, 0);
    key(Key::Tab);
    key(Key::Tab);
    EXPECT_EQ(driver->difficulty, 0) << "Tough, then back to Normal";
}

TEST_F(MainMenuTest, ThePadNavigatesOnlyAFocusedMenu)
{
    UIMenu* menu = open();
    UIInteractElement::dispatchButton(1);
    UIInteractElement::dispatchButton(1);
    EXPECT_EQ(selectedId(), 3) << "Stats";
    UIInteractElement::dispatchButton(0);
    EXPECT_EQ(selectedId(), 1) << "Comics";
    UIInteractElement::dispatchButton(11);
    EXPECT_EQ(selectedId(), 60000) << "Prologue";
    UIInteractElement::dispatchButton(7);
    EXPECT_EQ(selectedId(), 60000) << "other buttons do nothing";
    UIInteractElement::dispatchButton(12);
    EXPECT_EQ(selectedId(), 1);

    UIInteractElement::focusedElement = nullptr;
    UIInteractElement::dispatchButton(1);
    UIInteractElement::dispatchKey(Key::Down);
    EXPECT_EQ(selectedId(), 1) << "without the focus the menu hears nothing";
    UIInteractElement::focusedElement = menu;
}

TEST_F(MainMenuTest, AnEmptyMenuNeitherCrashesNorHangsOnClose)
{
    UIMenu* menu = UIMenu::create();
    layer->addChild(menu);
    menu->refresh();
    key(Key::Down);
    key(Key::Enter);
    key(Key::Escape);
    auto* counter = new CallCounter();
    counter->autorelease();
    counter->retain();
    menu->close(counter, static_cast<cocos2d::SEL_CallFunc>(&CallCounter::hit));
    advance(0.6f);
    EXPECT_EQ(counter->count, 1);
    counter->release();
    menu->removeFromParent();
}
