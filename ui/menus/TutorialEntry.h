#pragma once
#include <string>

// One tutorial picture and what the tutorial list knows of it in this run.
struct TutorialEntry
{
    static constexpr int kNoPrerequisite = -1;

    int id = 0;
    // A tutorial that must have been shown before this one is checked.
    int prerequisite = kNoPrerequisite;
    std::string image;
    bool shown = false;
    // Asked for while the player was busy; shown at the next free check.
    bool pending = false;
};
