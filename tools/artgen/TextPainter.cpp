#include "TextPainter.h"
#include "GlyphBitmaps.h"
#include <map>
#include <sstream>
#include <vector>

namespace
{
const GlyphBitmap* glyph(char c)
{
    static const std::map<char, std::string> names = {
        {'!', "bang"},         {'#', "hash"},        {'%', "percent"},           {'\'', "apostrophe"},
        {'(', "leftbracket"},  {')', "rightbracket"}, {'*', "asterisk"},        {'+', "plus"},
        {',', "comma"},        {'-', "minus"},       {'.', "period"},            {'/', "slash"},
        {':', "colon"},        {';', "semicolon"},   {'<', "lt"},                {'=', "equals"},
        {'>', "gt"},           {'@', "at"},          {'[', "leftbracketsquare"}, {'\\', "backslash"},
        {']', "rightbracketsquare"}, {'^', "carat"}, {'_', "underscore"}};
    std::string frame;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        frame = std::string("CHAR_") + c + ".png";
    else
    {
        auto it = names.find(c);
        frame = it == names.end() ? "CHAR_unknown.png" : "CHAR_" + it->second + ".png";
    }
    for (const GlyphBitmap& g : glyphBitmaps())
        if (g.frame == frame)
            return &g;
    return nullptr;
}

// One glyph, its top-left corner at (x, y), each dot a scale x scale square.
void drawGlyph(Image& img, int x, int y, const GlyphBitmap& g, Rgba colour, int scale)
{
    for (int gy = 0; gy < kGlyphRows; ++gy)
        for (int gx = 0; gx < kGlyphColumns; ++gx)
            if (g.rows[gy][gx] == '#')
                img.blendRect(x + gx * scale, y + gy * scale, scale, scale, colour);
}
}

namespace TextPainter
{
int width(const std::string& text, int scale)
{
    return text.empty() ? 0 : (static_cast<int>(text.size()) * 6 - 1) * scale;
}

void draw(Image& img, int x, int y, const std::string& text, Rgba colour, int scale)
{
    int cx = x;
    for (char c : text)
    {
        const GlyphBitmap* g = c == ' ' ? nullptr : glyph(c);
        if (g)
            drawGlyph(img, cx, y, *g, colour, scale);
        cx += 6 * scale;
    }
}

void drawCentred(Image& img, int centreX, int y, const std::string& text, Rgba colour, int scale)
{
    draw(img, centreX - width(text, scale) / 2, y, text, colour, scale);
}

int drawWrapped(Image& img, int x, int y, int maxWidth, const std::string& text, Rgba colour, int scale)
{
    std::istringstream words(text);
    std::string word, line;
    int lineY = y;
    auto flush = [&] {
        draw(img, x, lineY, line, colour, scale);
        lineY += 9 * scale;
        line.clear();
    };
    while (words >> word)
    {
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && width(candidate, scale) > maxWidth)
        {
            flush();
            line = word;
        }
        else
            line = candidate;
    }
    if (!line.empty())
        flush();
    return lineY - y;
}
}
