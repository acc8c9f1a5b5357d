#pragma once
#include <string>

// Which wording the key hints use. The game starts on the keyboard's; the
// game pad's wording is there for a pad mode.
constexpr int kKeyboardInput = 0;
constexpr int kPadInput = 1;
extern int inputMode;

// Prompt ids that other code names.
constexpr int kPromptNone = 0;
constexpr int kPromptHideCorpse = 1;
constexpr int kPromptVendingMachine = 2;
constexpr int kPromptTalkToContact = 3;
constexpr int kPromptHackPoliceBox = 5;
constexpr int kPromptPickUpCorpse = 6;
constexpr int kPromptReload = 7;
constexpr int kPromptSpawn = 8;
constexpr int kPromptPickUpObject = 9;
constexpr int kPromptTooPoorToHack = 10;
constexpr int kPromptNotWanted = 11;
constexpr int kPromptNeedPapers = 12;
constexpr int kPromptLeaveArea = 13;
constexpr int kPromptOutOfAmmo = 14;
constexpr int kPromptBackKey = 16;
constexpr int kPromptRestart = 17;
constexpr int kPromptContinue = 18;

// The one-line hint for a prompt id (0 to 18) in the wording of the input
// mode; an unknown id gives the empty text.
std::string actionPrompt(int id);

// A personal belonging of a wallet's owner, found about one time in ten;
// otherwise the empty text.
std::string randomBodyItem();
