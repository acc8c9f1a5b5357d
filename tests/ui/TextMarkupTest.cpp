#include <gtest/gtest.h>

#include "ui/GlyphFrameTable.h"
#include "ui/TextMarkup.h"

using Lines = std::vector<std::string>;

TEST(TextMarkupMeasure, CodePairsTakeNoWidth)
{
    EXPECT_EQ(TextMarkup::measureWidth("`9cops`7:\n"), 29);
    EXPECT_EQ(TextMarkup::measureWidth("Press `$e`7 to continue."), 119);
    EXPECT_EQ(TextMarkup::measureWidth(""), -1);
    EXPECT_EQ(TextMarkup::measureWidth("Not Spawned"), 65);
}

TEST(TextMarkupMeasure, WidestLineDecides)
{
    EXPECT_EQ(TextMarkup::measureWidth(
                  "`7Change letter: `$d-pad\n`7Select: `0A`7 button\nBackspace: `9X`7 button"),
              119);
    EXPECT_EQ(TextMarkup::measureWidth("ab\n\nabcd\n"), 23);
}

TEST(TextMarkupMeasure, MeasuresWhatIsDrawn)
{
    // A pair of backquotes is a code and draws nothing; a final backquote is
    // dropped. The measured width matches the glyphs drawn.
    EXPECT_EQ(TextMarkup::measureWidth("``abc"), 17);
    EXPECT_EQ(TextMarkup::measureWidth("abc`"), 17);
}

TEST(TextMarkupColour, CodeTable)
{
    const char codes[] = "1234567890!@#$%";
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(TextMarkup::paletteIndexForCode(codes[i]), i + 1) << codes[i];
    EXPECT_EQ(TextMarkup::paletteIndexForCode('b'), 7);
    EXPECT_EQ(TextMarkup::paletteIndexForCode('`'), 7);
    EXPECT_EQ(TextMarkup::paletteIndexForCode('x'), 7);
}

TEST(TextMarkupColour, PlacedGlyphsCarryTheirColours)
{
    const auto glyphs = TextMarkup::placeGlyphs(TextMarkup::wrap("`9cops`7:\n", 29));
    ASSERT_EQ(glyphs.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(glyphs[i].paletteIndex, 9);
        EXPECT_EQ(glyphs[i].column, i);
    }
    EXPECT_EQ(glyphs[4].code, ':');
    EXPECT_EQ(glyphs[4].paletteIndex, 7);
}

TEST(TextMarkupColour, ColourCarriesAcrossLinesAndBlackIsKnown)
{
    const auto glyphs = TextMarkup::placeGlyphs({"a `@b c", "d`bx `%", "y`"});
    ASSERT_EQ(glyphs.size(), 6u);
    EXPECT_EQ(glyphs[0].paletteIndex, 7);
    EXPECT_EQ(glyphs[1].paletteIndex, 12);
    EXPECT_EQ(glyphs[1].column, 2);
    EXPECT_EQ(glyphs[2].column, 4);
    EXPECT_EQ(glyphs[3].line, 1);
    EXPECT_EQ(glyphs[3].paletteIndex, 12);
    EXPECT_EQ(glyphs[4].paletteIndex, 0);
    EXPECT_EQ(glyphs[4].column, 1);
    EXPECT_EQ(glyphs[5].code, 'y');
    EXPECT_EQ(glyphs[5].paletteIndex, 15);
}

TEST(TextMarkupWrap, ExamplesOfTheGame)
{
    EXPECT_EQ(TextMarkup::wrap("`9cops`7:\n", 29), Lines({"`9cops`7:"}));
    EXPECT_EQ(TextMarkup::wrap("Not Spawned", 65), Lines({"Not Spawned"}));
    EXPECT_EQ(TextMarkup::wrap("Not Spawned", 64), Lines({"Not ", "Spawned"}));
    EXPECT_EQ(TextMarkup::wrap("Paused", 29), Lines({"", "Paused"}));
    EXPECT_EQ(TextMarkup::wrap("`7Change letter: `$d-pad\n`7Select: `0A`7 button\nBackspace: `9X`7 button", 119),
              Lines({"`7Change letter: `$d-pad", "`7Select: `0A`7 button", "Backspace: `9X`7 button"}));
    EXPECT_EQ(TextMarkup::wrap("\n\n`!press `$space`! to continue", 137),
              Lines({"", "", "`!press `$space`! to continue"}));
}

TEST(TextMarkupWrap, TrailingSpaceBeforeNewlineStaysOnItsLine)
{
    EXPECT_EQ(TextMarkup::wrap("abc \ndef", 200), Lines({"abc ", "def"}));
}

TEST(TextMarkupWrap, FinalBackquoteEndsTheScan)
{
    EXPECT_EQ(TextMarkup::wrap("abc`", 200), Lines({"abc"}));
    EXPECT_TRUE(TextMarkup::placeGlyphs(TextMarkup::wrap("`", 200)).empty());
}

TEST(TextMarkupWrap, WordsAfterABreakStayApart)
{
    EXPECT_EQ(TextMarkup::wrap("aaaaaaaa bb cc", 53), Lines({"aaaaaaaa ", "bb cc"}));
    EXPECT_EQ(TextMarkup::wrap("aaaaaaaa bb cc\nd", 53), Lines({"aaaaaaaa ", "bb cc", "d"}));
    // The gap counts: "bb cccc" is 7 columns and does not fit 6.
    EXPECT_EQ(TextMarkup::wrap("aaaaa bb cccc", 35), Lines({"aaaaa ", "bb", "cccc"}));
    EXPECT_EQ(TextMarkup::wrap("aaaaa bb cccc\nx", 35), Lines({"aaaaa ", "bb", "cccc", "x"}));
}

TEST(TextMarkupWrap, LongWordsStandAloneAndSpaceRunsVanishAtBreaks)
{
    EXPECT_EQ(TextMarkup::wrap("ab abcdefghij cd", 29), Lines({"ab ", "abcdefghij", "cd"}));
    EXPECT_EQ(TextMarkup::wrap("abcd    efgh", 29), Lines({"abcd ", "efgh"}));
    EXPECT_TRUE(TextMarkup::wrap("", 100).empty());
}

TEST(TextMarkupTests, SpaceAndBlankTests)
{
    EXPECT_TRUE(TextMarkup::startsWithSpace(""));
    EXPECT_TRUE(TextMarkup::startsWithSpace(" a"));
    EXPECT_FALSE(TextMarkup::startsWithSpace("`7 a"));

    EXPECT_TRUE(TextMarkup::endsWithSpace(""));
    EXPECT_TRUE(TextMarkup::endsWithSpace("a "));
    EXPECT_FALSE(TextMarkup::endsWithSpace("a `7"));
    EXPECT_TRUE(TextMarkup::endsWithSpace("a `"));
    EXPECT_FALSE(TextMarkup::endsWithSpace("a` "));

    EXPECT_TRUE(TextMarkup::isBlank(""));
    EXPECT_TRUE(TextMarkup::isBlank("  `7 `$ `"));
    EXPECT_FALSE(TextMarkup::isBlank(" ``"));
    EXPECT_FALSE(TextMarkup::isBlank(" x "));
}

TEST(GlyphFrameTable, NamesOfTheAtlasFrames)
{
    EXPECT_EQ(GlyphFrameTable::frameName(0), "CHAR_unknown.png");
    EXPECT_EQ(GlyphFrameTable::frameName(1), "CHAR_tracker.png");
    EXPECT_EQ(GlyphFrameTable::frameName(8), "CHAR_shield.png");
    EXPECT_EQ(GlyphFrameTable::frameName(9), "CHAR_unknown.png");
    EXPECT_EQ(GlyphFrameTable::frameName(' '), "CHAR_SPACE.png");
    EXPECT_EQ(GlyphFrameTable::frameName('7'), "CHAR_7.png");
    EXPECT_EQ(GlyphFrameTable::frameName('Q'), "CHAR_Q.png");
    EXPECT_EQ(GlyphFrameTable::frameName('q'), "CHAR_q.png");
    EXPECT_EQ(GlyphFrameTable::frameName('\\'), "CHAR_backslash.png");
    EXPECT_EQ(GlyphFrameTable::frameName('^'), "CHAR_carat.png");
    EXPECT_EQ(GlyphFrameTable::frameName('`'), "CHAR_grave.png");
    for (char c : std::string("\"$&?{}|~\x7f"))
        EXPECT_EQ(GlyphFrameTable::frameName(c), "CHAR_unknown.png") << int(c);
    EXPECT_EQ(GlyphFrameTable::frameName(200), "CHAR_unknown.png");
}
