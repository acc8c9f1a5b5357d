#pragma once
#include <string>

// One queued pop-up text for the player.
struct Message
{
    std::string text;
    bool centred = false;
};
