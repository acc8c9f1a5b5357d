#pragma once
#include <string>

// What a police droid says and shows: its voice lines by mode, the stop
// warnings of a scan and the verdicts that end one.
namespace PoliceDroidTexts
{
// Voice lines: a printf pattern numbered from 1 to the count.
struct VoiceLines
{
    const char* pattern;
    int count;
};
extern const VoiceLines PatrolBark;
extern const VoiceLines Scanning;
extern const VoiceLines Combat;
extern const VoiceLines Engaging;

// One of the four warnings to a player walking away from a scan.
std::string randomWarning();

extern const char* const ScanComplete;
// For a player carrying a body: one of three, at random.
std::string randomBodyVerdict();
// The fine paid: no contraband, one item taken, or several.
std::string fineVerdict(int fine, int contrabandCount);
extern const char* const CannotPay;
extern const char* const CitizenArmed;
extern const char* const ResistingArrest;
}
