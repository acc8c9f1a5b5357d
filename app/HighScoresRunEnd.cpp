#include "app/HighScores.h"

#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "world/GameData.h"

#include <algorithm>

USING_NS_CC;

namespace {

constexpr int32_t kNormalMode = 0;
constexpr int kScreensDoneStep = 5;
constexpr int kScreenZ = 1200;
constexpr int kSummaryBox = 256;
constexpr int kPadHelpWidth = 256;
constexpr int kTableWidth = 209;
constexpr float kRevealSeconds = 0.05f;
constexpr float kInitialsScale = 2.0f;

// Engine key codes and pad buttons of the end-of-run screens.
constexpr int32_t kKeyBackspace = 7;
constexpr int32_t kKeyReturn = 10;
constexpr int32_t kKeyEnter = 32;
constexpr int32_t kKeySpace = 56;
constexpr int32_t kKeyA = 121;
constexpr int32_t kKeyZ = 146;
constexpr int32_t kKeyPadEnter = 161;
constexpr int32_t kButtonConfirm = 11;
constexpr int32_t kButtonErase = 13;
constexpr char kEraseCode = 9;
constexpr char kBlank = ' ';

const char* kBlankInitials = "   ";

// The verdict on a run, from murders m, gang kills g and contracts c; the
// first rule that holds gives the line.
struct Verdict
{
    bool (*holds)(int m, int g, int c);
    const char* line;
};

const Verdict kVerdicts[] = {
    {[](int m, int g, int c) { return g == 0 && c == 0 && m > 2; }, "\n\n`@You psychotic murderer."},
    {[](int m, int g, int c) { return g == 0 && c == 0 && m > 0; }, "\n\n`%You murderer."},
    {[](int m, int g, int c) { return g > 2 && c > 2 && m > 2; }, "\n\n`%You absolute `@psychopath`%."},
    {[](int m, int g, int c) { return g > 0 && c > 0 && m > 0; }, "\n\n`%You `@psychopath`%."},
    {[](int m, int, int c) { return m == 0 && c > 4; }, "\n\n`@47`% would be proud."},
    {[](int m, int, int c) { return m == 0 && c > 0; }, "\n\n`%How professional of you."},
    {[](int m, int g, int c) { return m + g + c > 10; }, "\n\n`%You brutal bastard."},
    {[](int m, int g, int c) { return m + g + c > 0; }, "\n\n`%You bastard."},
};

// Colour of a rank's score when it is not the player's line.
const char* rankColour(int index)
{
    switch (index)
    {
    case 0:
        return "`$";
    case 1:
        return "`!";
    case 2:
        return "`%";
    default:
        return "`7";
    }
}

bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

int currentZone()
{
    return GameData::getInstance()->currentZone;
}

}

bool HighScores::highScoreMode() const
{
    return GameInterface::getInstance()->mode != kNormalMode;
}

void HighScores::dropText(UIText*& node)
{
    if (!node)
        return;
    node->removeFromParent();
    node->release();
    node = nullptr;
}

UIText* HighScores::addText(UIText* text, Vec2 anchor, Vec2 position)
{
    // Kept by this store until dropText, whether or not a game layer shows it.
    text->retain();
    text->setAnchorPoint(anchor);
    text->setPosition(position);
    if (Layer* layer = GameInterface::getInstance()->gameLayer)
        layer->addChild(text, kScreenZ);
    return text;
}

void HighScores::removeRunEndTexts()
{
    dropText(summaryNode);
    dropText(initialsNode);
    dropText(promptNode);
}

void HighScores::showRunSummary()
{
    GameInterface* game = GameInterface::getInstance();
    game->windowMode = kSummaryWindow;
    removeRunEndTexts();

    std::string text;
    if (game->mode != kNormalMode)
        text += formatString("`%%Your score: `!%d", game->creditsEarned);
    if (game->murders > 0)
        text += formatString("\n`%%You murdered `@%d`7 citizens.", game->murders);
    if (game->gangKills > 0)
        text += formatString("\n`%%You eviscerated `$%d`7 gangmembers.", game->gangKills);
    if (game->contractsDone == 1)
        text += formatString("\n`%%You executed `!%d`7 contract.", game->contractsDone);
    else if (game->contractsDone > 1)
        text += formatString("\n`%%You executed `!%d`7 contracts.", game->contractsDone);
    else
        text += "\n`%You executed `7no`% contracts.";
    if (game->runOver)
        text += "\n`%You `!survived`%.";
    text += ratingLine();

    const Size& view = game->visibleSize;
    if (game->mode == kNormalMode)
    {
        game->runEndStep = kScreensDoneStep;
    }
    else
    {
        entering = qualifies(currentZone(), game->creditsEarned);
        if (entering)
        {
            resetInitials();
            showInitialsEntry();
        }
        else
        {
            promptNode = addText(UIText::create(-1, -1, "`%Press `$space`% to see the high scores."), Vec2(0.5f, 1.0f),
                                 Vec2(view.width * 0.5f, view.height * 0.5f - 96.0f));
        }
    }

    UIText* summary = UIText::create(kSummaryBox, kSummaryBox, "");
    summary->setText(false, false, text);
    summaryNode = addText(summary, Vec2(0.5f, 1.0f), Vec2(view.width * 0.5f, view.height * 0.5f + 64.0f));
    summaryNode->buildGlyphs(UIText::kTypewriter, kRevealSeconds, 0.0f);
}

std::string HighScores::ratingLine() const
{
    const GameInterface* game = GameInterface::getInstance();
    for (const Verdict& verdict : kVerdicts)
    {
        if (verdict.holds(game->murders, game->gangKills, game->contractsDone))
            return verdict.line;
    }
    return std::string();
}

std::string HighScores::tableText(int32_t zone, int32_t highlight, int32_t extraScore)
{
    const GameInterface* game = GameInterface::getInstance();
    std::string text;
    if (const HighScoreTable* table = currentTable(zone))
    {
        const int lines = std::min<int>(kEntriesPerTable, static_cast<int>(table->entries.size()));
        for (int i = 0; i < lines; ++i)
        {
            const HighScoreEntry& entry = table->entries[i];
            const char* pad = i < 9 ? " " : "";
            // Every line ends with a break and every line but the first starts
            // with one: a blank line stands between the ranks.
            if (i > 0)
                text += "\n";
            if (i == highlight)
            {
                const char* colour = entry.initials == kBlankInitials ? "`@" : "";
                text += formatString("-> `%%%s%d) %s%s`%%.............%s\n", pad, i + 1, colour,
                                     entry.initials.c_str(), dotPaddedNumber(entry.score, "").c_str());
            }
            else
            {
                text += formatString("   `%%%s%d)`! %s`7...............%s\n", pad, i + 1, entry.initials.c_str(),
                                     dotPaddedNumber(entry.score, rankColour(i)).c_str());
            }
        }
    }
    if (extraScore != -1)
        text += formatString("\n`%%  `!  %s`7...............%s\n", typedInitials.c_str(),
                             dotPaddedNumber(extraScore, "`4").c_str());
    text += game->runOver ? "\n     `%press `$space`% to continue" : "\n     `%press `$space`% to restart";
    return text;
}

void HighScores::showTable(int32_t zone, Node** slot, int32_t highlight, int32_t extraScore)
{
    removeRunEndTexts();
    GameInterface::getInstance()->windowMode = kTableWindow;
    shownZone = zone;
    highlightRank = highlight;
    tableNodeSlot = slot;

    const std::string text = tableText(zone, highlight, extraScore);
    if (!slot)
        return;
    if (!*slot)
        *slot = UIText::create(kTableWidth, -1, text);
    else if (UIText* shown = dynamic_cast<UIText*>(*slot))
        shown->setText(true, false, text);
}

void HighScores::showInitialsEntry()
{
    dropText(initialsNode);
    dropText(promptNode);

    std::string letters;
    for (int i = 0; i < 3; ++i)
    {
        const char letter = i < static_cast<int>(typedInitials.size()) ? typedInitials[i] : kBlank;
        letters += i == cursor ? "`$" : "`!";
        if (letter == kBlank)
            letters += i == cursor ? "#" : "*";
        else
            letters += letter;
    }

    const GameInterface* game = GameInterface::getInstance();
    const Size& view = game->visibleSize;
    UIText* entry = UIText::create(-1, -1, formatString("`%%Enter Initials`7: `8[`!%s`8]", letters.c_str()));
    entry->setScale(kInitialsScale);
    initialsNode = addText(entry, Vec2(0.5f, 0.5f), Vec2(view.width * 0.5f, view.height * 0.5f - 64.0f));

    if (game->controller && game->controller->padMode)
    {
        promptNode = addText(
            UIText::create(kPadHelpWidth, -1, "`7Change letter: `$d-pad\n`7Select: `0A`7 button\nBackspace: `9X`7 button"),
            Vec2(0.5f, 1.0f), Vec2(view.width * 0.5f, view.height * 0.5f - 96.0f));
    }
}

void HighScores::onKeyPressed(int32_t key)
{
    GameInterface* game = GameInterface::getInstance();
    if (!entering && game->mode != kNormalMode && game->windowMode == kSummaryWindow)
    {
        game->showHighScoreTable();
        return;
    }
    if (game->windowMode == kSummaryWindow)
    {
        if (key >= kKeyA && key <= kKeyZ)
            typeLetter(static_cast<char>('A' + (key - kKeyA)));
        else if (key == kKeyBackspace)
            typeLetter(kEraseCode);
        else if (key == kKeyEnter || key == kKeyReturn || key == kKeyPadEnter)
        {
            const auto letters = std::count_if(typedInitials.begin(), typedInitials.end(), isLetter);
            if (letters >= 2)
                submitInitials();
        }
        return;
    }
    if (key == kKeySpace)
    {
        if (game->runOver)
            game->leaveRunToMenu();
        else
            game->restart();
    }
}

void HighScores::onPadButton(int32_t button)
{
    GameInterface* game = GameInterface::getInstance();
    if (game->windowMode == kTableWindow)
    {
        // On the table the confirm button is the space key.
        if (button == kButtonConfirm)
            onKeyPressed(kKeySpace);
        return;
    }
    if (button == kButtonErase)
    {
        if (eraseLetter())
        {
            playTypingTick();
            showInitialsEntry();
        }
        return;
    }
    if (button == kButtonConfirm)
        confirmLetter();
    else if (button == 0 || button == 3)
        changeLetter(1);
    else if (button == 1 || button == 2)
        changeLetter(-1);
}
