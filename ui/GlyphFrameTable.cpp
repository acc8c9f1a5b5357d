#include "ui/GlyphFrameTable.h"

const char* const GlyphFrameTable::kAtlasFile = "dosfont.plist";
const char* const GlyphFrameTable::kUnknownFrame = "CHAR_unknown.png";

namespace
{
const char* const kIconFrames[] = {
    "CHAR_tracker.png", "CHAR_briefcase.png", "CHAR_gun.png", "CHAR_padlock.png",
    "CHAR_smiley.png", "CHAR_timer.png", "CHAR_skull.png", "CHAR_shield.png",
};

struct PunctuationFrame
{
    char code;
    const char* frame;
};

const PunctuationFrame kPunctuationFrames[] = {
    {' ', "CHAR_SPACE.png"},
    {'!', "CHAR_bang.png"},
    {'#', "CHAR_hash.png"},
    {'%', "CHAR_percent.png"},
    {'\'', "CHAR_apostrophe.png"},
    {'(', "CHAR_leftbracket.png"},
    {')', "CHAR_rightbracket.png"},
    {'*', "CHAR_asterisk.png"},
    {'+', "CHAR_plus.png"},
    {',', "CHAR_comma.png"},
    {'-', "CHAR_minus.png"},
    {'.', "CHAR_period.png"},
    {'/', "CHAR_slash.png"},
    {':', "CHAR_colon.png"},
    {';', "CHAR_semicolon.png"},
    {'<', "CHAR_lt.png"},
    {'=', "CHAR_equals.png"},
    {'>', "CHAR_gt.png"},
    {'@', "CHAR_at.png"},
    {'[', "CHAR_leftbracketsquare.png"},
    {'\\', "CHAR_backslash.png"},
    {']', "CHAR_rightbracketsquare.png"},
    {'^', "CHAR_carat.png"},
    {'_', "CHAR_underscore.png"},
    {'`', "CHAR_grave.png"},
};

bool inRange(unsigned char code, char first, char last)
{
    return code >= static_cast<unsigned char>(first) && code <= static_cast<unsigned char>(last);
}
} // namespace

std::string GlyphFrameTable::frameName(unsigned char code)
{
    if (code >= 1 && code <= 8)
        return kIconFrames[code - 1];
    if (inRange(code, '0', '9') || inRange(code, 'A', 'Z') || inRange(code, 'a', 'z'))
        return std::string("CHAR_") + static_cast<char>(code) + ".png";
    for (const PunctuationFrame& entry : kPunctuationFrames) {
        if (static_cast<unsigned char>(entry.code) == code)
            return entry.frame;
    }
    return kUnknownFrame;
}
