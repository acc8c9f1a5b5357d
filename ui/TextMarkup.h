#pragma once
#include <string>
#include <vector>

// The rules of the game's text mark-up, kept apart from the text node so that
// they can be checked without a scene. A backquote and the character after it
// form a code pair that picks a palette colour and takes no column; a
// backquote that ends the text is dropped. Every other character is one
// column of the monospaced font, 6 pixels wide; a glyph is 8 pixels high (the
// tails of g, j, p, q and y take the row under the baseline) and lines are 9
// pixels apart, so that a tail never touches the line below.
class TextMarkup
{
public:
    static constexpr int kGlyphAdvance = 6;
    static constexpr int kGlyphHeight = 8;
    static constexpr int kLineHeight = 9;
    static constexpr int kDefaultPaletteIndex = 7;

    // One drawn character of a wrapped text: its line, its column and the
    // palette colour in force where it stands. Spaces are not listed.
    struct PlacedGlyph
    {
        char code;
        int line;
        int column;
        int paletteIndex;
    };

    // Palette index of a code character; the black code 'b' is known only to
    // the glyph builder, so here it gives the default colour like any
    // unknown code.
    static int paletteIndexForCode(char code);

    // Columns a piece of text takes (code pairs take none).
    static int visibleLength(const std::string& text);

    // Pixel width of the widest line (6 x columns - 1); -1 for an empty text.
    static int measureWidth(const std::string& text);

    // Breaks a text into lines no wider than boxWidth pixels where it can: a
    // word is never split, lines keep their trailing spaces and code pairs.
    static std::vector<std::string> wrap(const std::string& text, int boxWidth);

    // Where every visible glyph of the wrapped lines goes and in which colour;
    // the colour starts at 7 and carries over line ends.
    static std::vector<PlacedGlyph> placeGlyphs(const std::vector<std::string>& lines);

    static bool startsWithSpace(const std::string& text);
    static bool endsWithSpace(const std::string& text);
    static bool isBlank(const std::string& text);

    // Pixel width of a run of columns.
    static int pixelWidth(int columns) { return columns * kGlyphAdvance - 1; }
};
