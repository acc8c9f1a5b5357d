// The contract's texts: the board line and the dealer's detail page. Pieces
// without a glyph are appended as they stand: several hold colour codes such
// as "`%" that the formatter would take for conversions.
#include "actors/contracts/Contract.h"

#include "actors/citizens/CitizenRecord.h"
#include "app/StringHelpers.h"
#include "world/GameData.h"

namespace {

// The icon glyphs of the text font.
enum Glyph : int { NoGlyph = 0, Tracker = 1, Package = 2, Gun = 3, Face = 5, Timer = 6, Shield = 8 };

using Condition = bool (*)(const Contract&);

// One piece of text, shown when the condition holds or else (when given) its
// other form; a piece with a glyph is a format with one %c.
struct TextPiece
{
    int minZone;
    Condition holds;
    const char* whenHeld;
    const char* otherwise;
    Glyph glyph;
};

bool hasTracker(const Contract& c) { return c.tracker; }
bool knowsPlayer(const Contract& c) { return c.knowsplayer; }
bool isArmed(const Contract& c) { return c.armed; }
bool isUrgent(const Contract& c) { return c.urgent == 1; }
bool isVisiting(const Contract& c) { return c.urgent > 0; }
bool hasEscort(const Contract& c) { return c.policeescort; }
bool hasBodyguard(const Contract& c) { return c.bodyguard; }
bool isParanoid(const Contract& c) { return c.paranoid; }
bool isSteal(const Contract& c) { return c.kind == Contract::Steal; }
bool mustHideBody(const Contract& c) { return c.musthidebody; }

// The board line's icons, in order; "`8" dims a condition that does not hold.
const TextPiece kSummaryIcons[] = {
    {0, hasTracker, "`9%c", "`8%c", Tracker},
    {2, knowsPlayer, "`$%c", "`8%c", Face},
    {0, isArmed, "`@%c", "`8%c", Gun},
    {0, isUrgent, "`$%c", "`8%c", Timer},
    {2, hasEscort, "`9%c", "`8%c", Shield},
    {1, hasBodyguard, "`#%c", "`8%c", Shield},
    {0, isParanoid, "`@!", "`8!", NoGlyph},
    {1, isSteal, "`!%c", "`8%c", Package},
    {0, mustHideBody, "`%?", "`8?", NoGlyph},
};

// The detail page's condition lines after the target's own, in order.
const TextPiece kDetailLines[] = {
    {0, hasTracker, "`%%%c `6has tracker on them", "`8%c `9no tracker on target", Tracker},
    {0, knowsPlayer, "`!%c `7knows your face", nullptr, Face},
    {0, isArmed, "`@%c is armed", nullptr, Gun},
    {0, isVisiting, "`$%c `$visiting the zone, kill quickly", nullptr, Timer},
    {0, hasEscort, "`9%c `7has `9police`7 escort", nullptr, Shield},
    {0, hasBodyguard, "`#%c `7has a `#bodyguard", nullptr, Shield},
    {0, isSteal, "`!%c `7take the package they drop when assassinated", nullptr, Package},
    {0, mustHideBody, "`%? `7body must be hidden", nullptr, NoGlyph},
};

const char* const kKindWords[] = {"Assassinate", "Steal from"};

// The piece's text for this contract, or null when it shows nothing.
const char* chosenText(const TextPiece& piece, const Contract& contract)
{
    return piece.holds(contract) ? piece.whenHeld : piece.otherwise;
}

void appendPiece(std::string& text, const char* piece, Glyph glyph)
{
    if (glyph == NoGlyph)
        text += piece;
    else
        text += formatString(piece, glyph);
}

int currentZone()
{
    return GameData::getInstance()->currentZone;
}

}  // namespace

std::string Contract::getSummaryText(bool compact) const
{
    std::string text;
    if (!compact)
        text += formatString(" `$%d`7c ", getValue());
    const int zone = currentZone();
    for (const TextPiece& icon : kSummaryIcons)
    {
        if (zone >= icon.minZone)
            appendPiece(text, chosenText(icon, *this), icon.glyph);
    }
    if (!compact)
        text += formatString(" `7%s", target->fullName.c_str());
    return text;
}

std::string Contract::getDetailText() const
{
    std::string lines = formatString("`7- `%%%d year old %s", target->age, target->getGenderText().c_str()) + "\n";
    if (target->smoker)
        lines += "`7- `%smoker\n";
    if (target->paranoid)
        lines += "`@! `7is paranoid\n";
    for (const TextPiece& line : kDetailLines)
    {
        if (const char* piece = chosenText(line, *this))
        {
            appendPiece(lines, piece, line.glyph);
            lines += "\n";
        }
    }
    const char* kindWord = kKindWords[kind == Steal ? 1 : 0];
    return formatString("`@%s `!%s\n%s \n`7  Contract value: `$%d`7c", kindWord, target->fullName.c_str(),
                        lines.c_str(), getValue());
}
