#pragma once
#include <string>

// One entry of a UIMenu. Every entry stands in a column named by its page and
// subpage (-1 for none; the root column is (-1, -1)) and may open another
// column; an entry that opens nothing reports its id to the menu's owner.
struct MenuEntry
{
    // What the entry shows after its label.
    static constexpr int kPlain = 0;
    static constexpr int kToggle = 1; // a check mark
    static constexpr int kValue = 2;  // a value text

    static constexpr int kNone = -1;

    bool enabled = true;
    int id = 0;
    int page = kNone;
    int subpage = kNone;
    int targetPage = kNone;
    int targetSubpage = kNone;
    int kind = kPlain;
    std::string label;

    bool inColumn(int columnPage, int columnSubpage) const { return page == columnPage && subpage == columnSubpage; }
    bool opensColumn() const { return targetPage != kNone || targetSubpage != kNone; }
};
