#include "ui/windows/ShopTables.h"

namespace ShopTables
{

const std::array<StockEntry, 4> kTools{{
    {"C-7 Remote Explosive", 88, 125, 2004},
    {"'SkyCleaner' Anti-Drone EMP", 154, 200, 2000},
    {"'Little Friend' Holo-Lure", 320, 50, 2007},
    {"Flashbang", 321, 150, 2012},
}};

const std::array<StockEntry, 9> kWeapons{{
    {"X-8 Shotgun (Illegal)", 69, 350, 2035},
    {"RASC Rifle (Illegal)", 70, 475, 2003},
    {"Maverick Pistol", 87, 950, 2015},
    {"SX-8 Silenced Shotgun (Illegal)", 367, 550, 2023},
    {"RASC-S Silenced Rifle (Illegal)", 369, 675, 2010},
    {"Silenced Maverick Pistol", 368, 1150, 2022},
    {"pistol bullet", 2000, 10, kAmmunition},
    {"buckshot", 2001, 14, kAmmunition},
    {"rifle bullet", 2002, 12, kAmmunition},
}};

const std::array<const char*, 23> kGreetings{{
    "Yeah? Waddaya want?",
    "Nice night we're having, isn't it?",
    "Some cops came around asking about you. Said I didn't know 'ya.",
    "After some ice cream?",
    "The ice is slippery, but the sun is shining.",
    "Got some contracts, if you're interested.",
    "I hear we're likely to get acid rain again next month.",
    "This storm just never lets up, does it?",
    "How comfy are trenchcoats?",
    "Wanna hear a joke? This guy walks into a bar and shoots all the fascists. HAR!",
    "Stop staring and tell me what you want.",
    "This bar curfew is seriously cramping my drinking style.",
    "If you've got the cash, I can make you fake travel papers. So you can get out of here.",
    "Ever notice the way all these street corners start to look the same?",
    "If you want weapons or ammo, go to the vending machine.",
    "Ever used a lure? On a person, I mean.",
    "Lookin' spiffy there! Who's your tailor?",
    "Nice boots.",
    "Apparently we're going to hit 300mm of rain this week.",
    "Got some juicy contracts in right now. You're good for wet work, right?",
    "I take only the smallest commision on these contracts, I assure you.",
    "Don't ask me who issued these contracts. It's better you don't know.",
    "Pretty sure I saw a police drone buzzing overhead earlier. Those things freak me out.",
}};

}
