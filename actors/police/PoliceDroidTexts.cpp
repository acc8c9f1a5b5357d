#include "actors/police/PoliceDroidTexts.h"
#include "app/StringHelpers.h"
#include <cstdlib>

namespace PoliceDroidTexts
{
const VoiceLines PatrolBark = {"Police_Patrol_%d.wav", 14};
const VoiceLines Scanning = {"Police_Scanning_%d.wav", 3};
const VoiceLines Combat = {"Police_Combat_%d.wav", 7};
const VoiceLines Engaging = {"Police_Engaging_%d.wav", 2};

namespace {
const char* const Warnings[] = {
    "`@WARNING: STOP! `$Or you will be turned into a loaf of toast.",
    "`@WARNING: STOP! `$Or you will be blasted in two.",
    "`@WARNING: STOP! `$Or you will be policed with extreme prejudice.",
    "`@WARNING: STOP! `$Or you will be incinerated.",
};

const char* const BodyVerdicts[] = {
    "`@Your friend seems to be deceased. Prepare for punishment.",
    "`@No body-dumping permit detected. Prepare for punishment.",
    "`@No mortician's license detected. Prepare for punishment.",
};

// By the contraband taken: none, one item, more.
const char* const FineVerdicts[] = {
    "`$Unregistered weapon detected.\n`7Fine of `!%d`7c administered.",
    "`$Unregistered weapon detected.\n`7Weapon removed, fine of `!%d`7c  administered.",
    "`$Unregistered weapon detected.\n`7Weapons removed, fine of `!%d`7c  administered.",
};
}

std::string randomWarning()
{
    return Warnings[rand() % 4];
}

std::string randomBodyVerdict()
{
    return BodyVerdicts[rand() % 3];
}

std::string fineVerdict(int fine, int contrabandCount)
{
    const int row = contrabandCount <= 0 ? 0 : (contrabandCount == 1 ? 1 : 2);
    return formatString(FineVerdicts[row], fine);
}

const char* const ScanComplete = "`3Scan complete.\nMove along, citizen.";
const char* const CannotPay =
    "`@Unregistered weapon detected.\nInsufficient funds for a fine.\n`@Prepare for punishment.";
const char* const CitizenArmed = "`@Unregistered weapon detected.\nPrepare for punishment.";
const char* const ResistingArrest = "`@Resisting arrest.\n`@Prepare for punishment.";
}
