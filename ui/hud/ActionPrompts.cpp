#include "ui/hud/ActionPrompts.h"

#include <array>
#include <cstdlib>

int inputMode = kKeyboardInput;

namespace
{
struct Prompt
{
    const char* keyboard;
    const char* pad;
};

const std::array<Prompt, 19> kPrompts = {{
    {"", ""},
    {"`%Press `$E`% to hide corpse", "`%Press `0A`% to hide corpse"},
    {"`%Press `$E`% to use vending machine", "`%Press `0A`% to use vending machine"},
    {"`%Press `$E`% to talk to contact", "`%Press `0A`% to talk to contact"},
    {"`@weapon warming up", "`@weapon warming up"},
    {"`%Press `$E`% to call `!Tom`7 the `!Hacker `%(`!400`%c)", "`%Press `0A`% to `!Hack`% police box (`!400`%c)"},
    {"`%Press `$E`% to pick up corpse", "`%Press `0A`% to pick up corpse"},
    {"`%Press `$R`% to reload", "`%Press `9X`% to reload"},
    {"`%Press `$space`% to spawn", "`%Press `0A`% to spawn"},
    {"`%Press `$E`% to pick up object", "`%Press `0A`% to pick up object"},
    {"`8not enough money (`9400`8c to hack)", "`8not enough money (`9400`8c to hack)"},
    {"`8not wanted by cops, no need to use this", "`8not wanted by cops, no need to use this"},
    {"`8return here with fake papers to leave the area", "`8return here with fake papers to leave the area"},
    {"`%Press `$E`% to leave the area", "`%Press `0A`% to leave the area"},
    {"`#Out of Ammo - `%press `$TAB`% to switch weapons", "`#Out of Ammo - `%press `9LB`% to switch weapons"},
    {"\n\n`!press `$space`! to continue", "\n\n`!press `0A`! to continue"},
    {"`!escape`7/`!q", "`@B`7 button"},
    {"\n     `%press `$space`% to restart", "\n     `%press `0A`% to restart"},
    {"\n     `%press `$space`% to continue", "\n     `%press `0A`% to continue"},
}};

const std::array<const char*, 11> kFoundItems = {
    "a photo of their newborn",
    "a photo of their wife",
    "a photo of their husband",
    "a photo of their sister",
    "a photo of their brother",
    "a single feather",
    "their lucky coin",
    "a used cinema ticket stub",
    "a prophylactic",
    "phone number on a scrap of paper",
    "a photo from an anti-government rally",
};
} // namespace

std::string actionPrompt(int id)
{
    if (id < 0 || id >= static_cast<int>(kPrompts.size()))
        return "";
    const Prompt& prompt = kPrompts[static_cast<size_t>(id)];
    return inputMode == kPadInput ? prompt.pad : prompt.keyboard;
}

std::string randomBodyItem()
{
    if (std::rand() % 10 + 1 != 1)
        return "";
    return kFoundItems[static_cast<size_t>(std::rand()) % kFoundItems.size()];
}
