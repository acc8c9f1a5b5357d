#include "IntroFixture.h"
#include "actors/Player.h"
#include "app/DisplaySettings.h"
#include "app/FileNotices.h"
#include "app/Message.h"
#include "app/StringHelpers.h"
#include "support/FileSizeLimit.h"
#include "world/ObjectDef.h"
#include "ui/TextMarkup.h"
#include "ui/menus/MenuEngine.h"
#include "ui/menus/UIMenu.h"

#include <algorithm>
#include <filesystem>

USING_NS_CC;

using KC = EventKeyboard::KeyCode;

namespace {

class EndOfRunTest : public IntroFixture
{
protected:
    void SetUp() override
    {
        IntroFixture::SetUp();
        scores = HighScores::getInstance();
        scores->load();
        scores->clearMurders();
        scores->entering = false;
        scores->resetInitials();
        driver->difficulty = 0;
        driver->creditsEarned = 0;
        driver->murders = 0;
        driver->gangKills = 0;
        driver->contractsDone = 0;
        // The run is over: the player lies dead.
        player.health = 0;
        driver->player = &player;
        driver->state = GameState::Dead;
        driver->runSummaryShown = false;
        scores->typedInitials = "XYZ";
        scores->cursor = -1;
    }

    void TearDown() override
    {
        driver->player = nullptr;
        driver->clearMessages();
        scores->entering = false;
        scores->clearMurders();
        driver->creditsEarned = 0;
        driver->murders = 0;
        driver->gangKills = 0;
        driver->contractsDone = 0;
        IntroFixture::TearDown();
    }

    // The frame's end-of-run check.
    void endRun() { driver->checkRunEnd(); }

    void setCounts(int m, int g, int c)
    {
        driver->murders = m;
        driver->gangKills = g;
        driver->contractsDone = c;
    }

    std::string tableShown() const
    {
        const UIText* table = dynamic_cast<const UIText*>(driver->rankTableNode);
        return table ? table->text : std::string();
    }

    // QRS typed, with room left for the game state and the settings, not for
    // the score tables.
    void typeInitialsOnAFullDisk()
    {
        FileSizeLimit full(1024);
        tap(KC::KEY_Q);
        tap(KC::KEY_R);
        tap(KC::KEY_S);
    }

    // What the driver's frames do with the notices waiting to be told.
    static void tellFileNotices()
    {
        for (FileNotices* notices = FileNotices::getInstance(); notices->hasPending();)
            notices->showNext();
    }

    HighScores* scores = nullptr;
    ObjectDef playerDef;
    Player player{&playerDef, false};
};

// Where a pop-up's lines stand: its box hangs from its top, as tall as its lines.
Rect linesOf(const UIText* text)
{
    const Rect box = text->getBoundingBox();
    const float height = static_cast<float>(text->lineCount * TextMarkup::kLineHeight);
    return Rect(box.getMinX(), box.getMaxY() - height, box.size.width, height);
}

bool insideView(const Rect& lines, const Size& view)
{
    return lines.getMinX() >= 0.0f && lines.getMaxX() <= view.width && lines.getMinY() >= 0.0f &&
           lines.getMaxY() <= view.height;
}

}

TEST_F(EndOfRunTest, VerdictLines)
{
    const struct
    {
        int m, g, c;
        const char* line;
    } cases[] = {
        {3, 0, 0, "\n\n`@You psychotic murderer."},
        {1, 0, 0, "\n\n`%You murderer."},
        {3, 3, 3, "\n\n`%You absolute `@psychopath`%."},
        {1, 1, 1, "\n\n`%You `@psychopath`%."},
        {0, 0, 5, "\n\n`@47`% would be proud."},
        {0, 3, 1, "\n\n`%How professional of you."},
        {0, 11, 0, "\n\n`%You brutal bastard."},
        {1, 1, 0, "\n\n`%You bastard."},
        {0, 0, 0, ""},
    };
    for (const auto& c : cases)
    {
        setCounts(c.m, c.g, c.c);
        EXPECT_EQ(scores->ratingLine(), c.line) << c.m << " " << c.g << " " << c.c;
    }
}

TEST_F(EndOfRunTest, NormalModeShowsOnlyTheSummary)
{
    endRun();
    EXPECT_EQ(driver->windowMode, 4);
    EXPECT_EQ(driver->runEndStep, 5);
    ASSERT_NE(scores->summaryNode, nullptr);
    EXPECT_EQ(scores->summaryNode->text, "\n`%You executed `7no`% contracts.");
    EXPECT_EQ(scores->summaryNode->getParent(), layer);
    EXPECT_EQ(scores->promptNode, nullptr);
    EXPECT_EQ(scores->initialsNode, nullptr);
    UIText* summary = scores->summaryNode;
    endRun();
    EXPECT_EQ(scores->summaryNode, summary) << "once per run";
    tap(KC::KEY_X);
    tap(KC::KEY_ENTER);
    EXPECT_EQ(driver->windowMode, 4) << "Normal mode keeps no table";
    EXPECT_EQ(driver->rankTableNode, nullptr);
}

TEST_F(EndOfRunTest, DeathWithANewHighScoreTakesInitialsAndRestarts)
{
    driver->mode = 1;
    driver->creditsEarned = 500;
    setCounts(3, 0, 1);
    // W is held, walking away from a droid, as the shot comes.
    view->injectKeyPress(KC::KEY_W);
    endRun();
    ASSERT_NE(scores->summaryNode, nullptr);
    EXPECT_EQ(scores->summaryNode->text, "`%Your score: `!500\n`%You murdered `@3`7 citizens."
                                         "\n`%You executed `!1`7 contract.\n\n`%You bastard.");
    ASSERT_TRUE(scores->entering);
    ASSERT_NE(scores->initialsNode, nullptr);
    EXPECT_EQ(scores->initialsNode->text, "`%Enter Initials`7: `8[`!`$#`!*`!*`8]");
    view->injectKeyRelease(KC::KEY_W);
    EXPECT_EQ(scores->typedInitials, "   ") << "a key pressed before the entry opened types nothing";

    tap(KC::KEY_A);
    tap(KC::KEY_B);
    EXPECT_EQ(scores->typedInitials, "AB ");
    EXPECT_EQ(scores->cursor, 2);
    tap(KC::KEY_BACKSPACE);
    EXPECT_EQ(scores->typedInitials, "A  ");
    EXPECT_EQ(scores->cursor, 1);
    EXPECT_EQ(scores->initialsNode->text, "`%Enter Initials`7: `8[`!`!A`$#`!*`8]");
    tap(KC::KEY_ENTER);
    EXPECT_TRUE(scores->entering) << "one letter is not enough";
    tap(KC::KEY_B);
    tap(KC::KEY_C);

    EXPECT_FALSE(scores->entering) << "the third letter ends the entry";
    EXPECT_EQ(driver->windowMode, 5);
    EXPECT_EQ(driver->runEndStep, 5);
    EXPECT_EQ(driver->scoreRank, 0);
    EXPECT_EQ(scores->summaryNode, nullptr);
    ASSERT_NE(driver->rankTableNode, nullptr);
    EXPECT_EQ(driver->rankTableNode->getParent(), layer);
    const std::string table = tableShown();
    EXPECT_EQ(table.substr(0, table.find('\n') + 1), "-> `% 1) ABC`%.................500\n");
    EXPECT_NE(table.find("   `%10)`! "), std::string::npos);
    EXPECT_EQ(table.substr(table.rfind('\n')), "\n     `%press `$space`% to restart");

    const std::string file = folder.read(HighScores::kFileName);
    ASSERT_EQ(file.size(), 2744u);
    EXPECT_EQ(file.substr(8 + 16, 4), std::string("ABC\0", 4));
    EXPECT_EQ(read16(file, 8 + 16 + 4), 500);

    tap(KC::KEY_SPACE);
    EXPECT_TRUE(driver->restarting);
}

TEST_F(EndOfRunTest, OnlyPressesMadeWhileTheScreensAreUpActOnThem)
{
    // SPACE goes down as the fatal shot comes and is let go on the summary.
    view->injectKeyPress(KC::KEY_SPACE);
    endRun();
    ASSERT_EQ(driver->runEndStep, 5);
    view->injectKeyRelease(KC::KEY_SPACE);
    EXPECT_FALSE(driver->restarting) << "a key pressed before the summary does not restart";
    tap(KC::KEY_SPACE);
    EXPECT_TRUE(driver->restarting) << "one pressed on the summary does";

    // The pad acts as a button goes down: the confirm button, pressed as the
    // player falls in a Score Attack run and held on to the table, does
    // nothing there until it is pressed again.
    scores->closeScreens();
    driver->restarting = false;
    driver->windowMode = 0;
    driver->runEndStep = 0;
    driver->runSummaryShown = false;
    driver->mode = 2;
    for (int i = 0; i < 10; ++i)
        scores->insertScore(0, 0, 1000);
    GamePadState pad;
    pad.buttonCount = 12;
    pad.buttons[11] = 1;
    controller->readPad(pad);
    endRun();
    tap(KC::KEY_X);
    ASSERT_EQ(driver->windowMode, 5);
    controller->readPad(pad);
    pad.buttons[11] = 0;
    controller->readPad(pad);
    EXPECT_FALSE(driver->restarting) << "a button pressed before the screens does not restart";
    pad.buttons[11] = 1;
    controller->readPad(pad);
    EXPECT_TRUE(driver->restarting) << "one pressed on the table does";
}

TEST_F(EndOfRunTest, AHighScoreTheDiskHasNoRoomForIsSaidOnScreenAndWrittenAtTheNextRun)
{
    driver->mode = 1;
    driver->creditsEarned = 500;
    const std::string before = folder.read(HighScores::kFileName);
    ASSERT_EQ(before.size(), 2744u);
    endRun();
    ASSERT_TRUE(scores->entering);
    typeInitialsOnAFullDisk();
    const std::string table = tableShown();
    EXPECT_EQ(table.substr(0, table.find('\n') + 1), "-> `% 1) QRS`%.................500\n");
    EXPECT_EQ(folder.read(HighScores::kFileName), before) << "the old tables stay whole";

    // The frames put what went wrong on screen, naming the file.
    tellFileNotices();
    std::vector<std::string> shown;
    for (const Message& message : driver->messages)
        shown.push_back(message.text);
    if (driver->popupText)
        shown.push_back(driver->popupText->text);
    const bool told = std::any_of(shown.begin(), shown.end(), [](const std::string& text) {
        return text.find("Not saved") != std::string::npos && text.find("tallowind_hs.dat") != std::string::npos;
    });
    EXPECT_TRUE(told) << "nothing on screen says the high scores were not saved";

    // With room again, the next run's start writes the score.
    driver->player = nullptr;
    driver->startRun();
    const std::string file = folder.read(HighScores::kFileName);
    ASSERT_EQ(file.size(), 2744u);
    EXPECT_EQ(file.substr(8 + 16, 4), std::string("QRS\0", 4));
}

TEST_F(EndOfRunTest, AHighScoreTheDiskHasNoRoomForIsWrittenWhenTheGameQuits)
{
    driver->mode = 1;
    driver->creditsEarned = 500;
    endRun();
    ASSERT_TRUE(scores->entering);
    typeInitialsOnAFullDisk();
    ASSERT_NE(folder.read(HighScores::kFileName).substr(8 + 16, 4), std::string("QRS\0", 4));

    // Room again, and the player quits instead of playing on.
    driver->saveBeforeQuitting();
    EXPECT_EQ(folder.read(HighScores::kFileName).substr(8 + 16, 4), std::string("QRS\0", 4));
}

TEST_F(EndOfRunTest, ANoticeStandsClearOfTheHighScoreTableAndOfTheMainMenu)
{
    driver->mode = 1;
    // The smallest window the game offers and the automatic one (the view is
    // half the window), each with a saves folder of its own so that each
    // failure there is news.
    const std::pair<Size, std::string> windows[] = {{Size(512.0f, 384.0f), "1024x768"},
                                                    {Size(640.0f, 360.0f), "1280x720"}};
    for (const auto& [view, name] : windows)
    {
        SCOPED_TRACE(name);
        std::filesystem::create_directories(folder.file(name));
        ScopedSavesFolder ownSaves(folder.file(name));
        scores->load();
        driver->visibleSize = view;
        driver->state = GameState::Dead;
        driver->player = &player;
        driver->runSummaryShown = false;
        driver->creditsEarned = 500;
        endRun();
        ASSERT_TRUE(scores->entering);
        typeInitialsOnAFullDisk();
        tellFileNotices();
        ASSERT_NE(driver->popupText, nullptr);
        EXPECT_NE(driver->popupText->text.find(HighScores::kFileName), std::string::npos);
        const Rect atTable = linesOf(driver->popupText);
        EXPECT_TRUE(insideView(atTable, view)) << "the notice is cut off";
        ASSERT_NE(driver->rankTableNode, nullptr);
        EXPECT_FALSE(atTable.intersectsRect(driver->rankTableNode->getBoundingBox()))
            << "the notice covers the table the player has just entered";

        // At the main menu: the notice a settings file too large for the
        // display gives at start, the widest of them.
        driver->clearMessages();
        driver->leaveRunToMenu();
        ASSERT_NE(driver->menu, nullptr);
        FileNotices::getInstance()->readProblem(
            settingsFilePath(), "the screen size 100000x100000 is larger than the display,\nso the smallest size is used.");
        tellFileNotices();
        ASSERT_NE(driver->popupText, nullptr);
        const Rect atMenu = linesOf(driver->popupText);
        EXPECT_TRUE(insideView(atMenu, view)) << "the notice is cut off";
        EXPECT_FALSE(atMenu.intersectsRect(driver->menu->getBoundingBox()))
            << "the notice runs under the menu's see-through panel";
        driver->clearMessages();
        MenuEngine::getInstance()->dismiss();
    }
}

TEST_F(EndOfRunTest, LeavingTheZoneWithoutARecordShowsTheScoreBelowTheTable)
{
    driver->mode = 2;
    for (int i = 0; i < 10; ++i)
        scores->insertScore(0, 0, 1000);
    driver->creditsEarned = 100;
    driver->runOver = true;
    setCounts(0, 0, 6);
    endRun();
    EXPECT_FALSE(scores->entering);
    ASSERT_NE(scores->promptNode, nullptr);
    EXPECT_EQ(scores->promptNode->text, "`%Press `$space`% to see the high scores.");
    EXPECT_NE(scores->summaryNode->text.find("\n`%You `!survived`%.\n\n`@47`% would be proud."), std::string::npos);

    tap(KC::KEY_X);
    EXPECT_EQ(driver->windowMode, 5);
    EXPECT_EQ(scores->promptNode, nullptr);
    EXPECT_FALSE(driver->newHighScore);
    const std::string table = tableShown();
    EXPECT_NE(table.find("\n`%  `!     `7..............." + dotPaddedNumber(100, "`4") + "\n"), std::string::npos);
    EXPECT_EQ(table.substr(table.rfind('\n')), "\n     `%press `$space`% to continue");

    // The pad's confirm does what SPACE does: this run leaves to the menu.
    scores->onPadButton(11);
    EXPECT_FALSE(driver->restarting);
    EXPECT_NE(driver->menu, nullptr) << "the main menu opened";
    // The other branch from the same table: a run that is not over restarts.
    MenuEngine::getInstance()->dismiss();
    driver->windowMode = 5;
    driver->runOver = false;
    scores->onPadButton(11);
    EXPECT_TRUE(driver->restarting);
}

TEST_F(EndOfRunTest, PadEntryCyclesLettersAndConfirmsThem)
{
    driver->mode = 1;
    driver->creditsEarned = 20;
    endRun();
    ASSERT_TRUE(scores->entering);
    scores->onPadButton(11);
    EXPECT_EQ(scores->cursor, 0) << "a blank letter cannot be confirmed";
    scores->onPadButton(1);
    EXPECT_EQ(scores->typedInitials[0], 'Z');
    scores->onPadButton(0);
    EXPECT_EQ(scores->typedInitials[0], ' ') << "past Z comes the blank";
    scores->onPadButton(3);
    EXPECT_EQ(scores->typedInitials[0], 'A');
    scores->onPadButton(2);
    EXPECT_EQ(scores->typedInitials[0], ' ');
    scores->onPadButton(0);
    scores->onPadButton(11);
    EXPECT_EQ(scores->cursor, 1);
    scores->onPadButton(0);
    scores->onPadButton(0);
    scores->onPadButton(11);
    scores->onPadButton(13);
    EXPECT_EQ(scores->typedInitials, "A  ");
    scores->onPadButton(0);
    scores->onPadButton(11);
    scores->onPadButton(1);
    scores->onPadButton(11);
    EXPECT_FALSE(scores->entering);
    EXPECT_EQ(scores->cursor, -1);
    EXPECT_EQ(driver->windowMode, 5);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].initials, "AAZ");
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].score, 20);
    // Buttons on the table no longer change the letters.
    scores->onPadButton(0);
    EXPECT_EQ(scores->typedInitials, "AAZ");
}

TEST_F(EndOfRunTest, TableLinesAndClosingTheScreens)
{
    driver->mode = 1;
    scores->typedInitials = "TOP";
    scores->insertScore(0, 0, 900);
    scores->typedInitials = "   ";
    Node* slot = nullptr;
    const std::string tenth = scores->tableText(0, 9, -1);
    EXPECT_NE(tenth.find("-> `%10) `@   `%............."), std::string::npos);
    EXPECT_NE(tenth.find("   `% 1)`! TOP`7..............." + dotPaddedNumber(900, "`$")), std::string::npos);
    EXPECT_NE(tenth.find("   `% 2)`!    `7..............." + dotPaddedNumber(0, "`!")), std::string::npos);
    EXPECT_EQ(tenth.find("   `% 1)"), 0u);
    EXPECT_NE(tenth.find(dotPaddedNumber(900, "`$") + "\n\n   `% 2)"), std::string::npos)
        << "a blank line between ranks";

    scores->showTable(0, &slot, 9, -1);
    ASSERT_NE(slot, nullptr);
    layer->addChild(slot);
    EXPECT_EQ(scores->highlightRank, 9);
    scores->closeScreens();
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(scores->highlightRank, -1);
    EXPECT_EQ(scores->shownZone, -1);
}

TEST_F(EndOfRunTest, NewspaperPages)
{
    scores->addMurder({HighScores::murderLine("Ann Vale", 34, 0), "Ann was found.", "No record."});
    scores->addMurder({HighScores::murderLine("Bo Reyes", 51, 7), "Bo is missing.", "Theft."});
    EXPECT_EQ(scores->murderList()[0].line, "`@Ann Vale`7, `!34`7 years old, female");
    EXPECT_EQ(scores->buildNewspaper(0, 0, 2), "`%Murders committed:`7\n- " + scores->murderList()[0].line + "\n- " +
                                                  scores->murderList()[1].line);
    EXPECT_EQ(scores->buildNewspaper(1, 0, 1), "`%Kessa City Times`7\n\nAnn was found.\n");
    EXPECT_EQ(scores->buildNewspaper(2, 1, 2), "`%Kessa City Times`7\n\nTheft.");
    EXPECT_EQ(scores->buildNewspaper(1, -3, 99), scores->buildNewspaper(1, 0, 2)) << "the range is clamped";
    EXPECT_EQ(HighScores::murderLine("X", 1, 1), "`@X`7, `!1`7 years old, male");
    scores->clearMurders();
    EXPECT_EQ(scores->buildNewspaper(0, 0, 5), "`%Murders committed:`7\n");
}
