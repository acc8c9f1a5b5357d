#pragma once
#include <array>

// One entry of the main menu's tree, as it is added to the menu.
struct MainMenuRow
{
    int id;
    int page;
    int subpage;
    // The label; the option entries are labelled by MenuEngine instead.
    const char* label;
    // The label while the unlock is missing; null keeps the label.
    const char* lockedLabel;
    int targetPage;
    int targetSubpage;
    // The unlock that enables the entry; 0 when it is always enabled.
    int unlock;
};

// The main menu in the order of its entries; the order decides where the
// selection stops in each column.
extern const std::array<MainMenuRow, 36> kMainMenuRows;

// A mode entry's zone (0 to 2) and game mode (0 to 3); false for other ids.
bool modeEntry(int id, int& zone, int& mode);
