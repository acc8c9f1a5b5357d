#include "ui/GameMode.h"

GameMode::GameMode(int modeId, std::string modeName) : id(modeId), name(std::move(modeName))
{
}

bool GameMode::hasEnterCall() const
{
    return enterTarget && enterSelector;
}

bool GameMode::hasLeaveCall() const
{
    return leaveTarget && leaveSelector;
}

void GameMode::callEnter() const
{
    if (hasEnterCall())
        (enterTarget->*enterSelector)();
}

void GameMode::callLeave() const
{
    if (hasLeaveCall())
        (leaveTarget->*leaveSelector)();
}
