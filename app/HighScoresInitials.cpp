#include "app/HighScores.h"

#include "app/GameInterface.h"
#include "ui/UIText.h"

#include <algorithm>

// The entry of three initials at the end of a run that made the table.

namespace {

constexpr char kEraseCode = 9;
constexpr char kBlank = ' ';
constexpr int32_t kLastPosition = 2;
constexpr int kScreensDoneStep = 5;

bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

}

void HighScores::resetInitials()
{
    typedInitials = "   ";
    cursor = 0;
}

void HighScores::playTypingTick()
{
    if (initialsNode)
        initialsNode->playTypingSound();
}

void HighScores::typeLetter(char letter)
{
    if (!highScoreMode() || !entering)
        return;
    typedInitials.resize(3, kBlank);
    bool changed = false;
    if (isLetter(letter))
    {
        const size_t free = typedInitials.find(kBlank);
        if (free != std::string::npos)
        {
            typedInitials[free] = letter;
            cursor = static_cast<int32_t>(free) + 1;
            changed = true;
        }
    }
    else if (letter == kEraseCode)
    {
        eraseLetter();
        changed = true;
    }
    if (cursor < 0)
        cursor = 0;
    if (changed)
    {
        playTypingTick();
        showInitialsEntry();
    }
    if (cursor > kLastPosition)
        submitInitials();
}

bool HighScores::eraseLetter()
{
    if (!highScoreMode() || !entering)
        return false;
    typedInitials.resize(3, kBlank);
    for (int i = kLastPosition; i >= 0; --i)
    {
        if (typedInitials[i] == kBlank)
            continue;
        typedInitials[i] = kBlank;
        cursor = std::max<int32_t>(0, cursor - 1);
        return true;
    }
    return false;
}

void HighScores::changeLetter(int32_t step)
{
    if (!highScoreMode() || !entering || cursor < 0 || cursor > kLastPosition)
        return;
    typedInitials.resize(3, kBlank);
    char& letter = typedInitials[cursor];
    if (letter == kBlank)
    {
        letter = step < 0 ? 'Z' : 'A';
    }
    else
    {
        const int moved = letter + step;
        letter = moved >= 'A' && moved <= 'Z' ? static_cast<char>(moved) : kBlank;
    }
    playTypingTick();
    showInitialsEntry();
}

void HighScores::confirmLetter()
{
    GameInterface* game = GameInterface::getInstance();
    if (!entering)
    {
        // Outside the entry the button leaves the summary, as any key does.
        if (highScoreMode())
            game->showHighScoreTable();
        return;
    }
    if (!highScoreMode() || cursor < 0 || cursor > kLastPosition)
        return;
    typedInitials.resize(3, kBlank);
    if (typedInitials[cursor] == kBlank)
        return;
    playTypingTick();
    ++cursor;
    if (cursor > kLastPosition)
        cursor = -1;
    showInitialsEntry();
    if (cursor == -1)
    {
        finishEntry();
        save();
        game->showHighScoreTable();
    }
}

void HighScores::submitInitials()
{
    if (!highScoreMode() || !entering)
        return;
    cursor = -1;
    finishEntry();
    save();
    GameInterface* game = GameInterface::getInstance();
    game->showHighScoreTable();
    game->runEndStep = kScreensDoneStep;
}

void HighScores::finishEntry()
{
    // The entry is over: later keys and buttons belong to the table.
    entering = false;
}
