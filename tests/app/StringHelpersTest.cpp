#include "app/StringHelpers.h"

#include <gtest/gtest.h>

TEST(FormatString, FormatsLikePrintf)
{
    EXPECT_EQ(formatString("%dx%d\n%s", 1280, 720, "windowed"), "1280x720\nwindowed");
    EXPECT_EQ(formatString("Earned `$%d`7c", 150), "Earned `$150`7c");
    EXPECT_EQ(formatString("%s", ""), "");
}

TEST(FormatString, LongTextIsNeitherCutNorOverflowing)
{
    const std::string big(40000, 'q');
    const std::string text = formatString("<%s>", big.c_str());
    ASSERT_EQ(text.size(), big.size() + 2);
    EXPECT_EQ(text.front(), '<');
    EXPECT_EQ(text.back(), '>');
}

TEST(SplitString, KeepsInnerEmptyPiecesButNotATrailingOne)
{
    EXPECT_EQ(splitString("a,,b,", ','), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitString(",a", ','), (std::vector<std::string>{"", "a"}));
    EXPECT_TRUE(splitString("", ',').empty());
    EXPECT_EQ(splitString("x", 'x'), (std::vector<std::string>{""}));
    EXPECT_EQ(splitString("1920x1080", 'x'), (std::vector<std::string>{"1920", "1080"}));
}

TEST(ReplaceAll, ReplacesInPlaceAndStopsAfterOneHundredPasses)
{
    std::string text = "aaa";
    EXPECT_EQ(replaceAll(text, "a", "b"), "bbb");
    EXPECT_EQ(text, "bbb");

    std::string growing = "a";
    EXPECT_EQ(replaceAll(growing, "a", "aa").size(), 101u);

    std::string untouched = "abc";
    EXPECT_EQ(replaceAll(untouched, "", "x"), "abc");
}

TEST(StringEdits, PrefixExtensionAndDotPadding)
{
    EXPECT_TRUE(startsWith("tallowind_levelOne", "tallowind"));
    EXPECT_FALSE(startsWith("ab", "abc"));
    EXPECT_TRUE(startsWith("abc", ""));

    EXPECT_EQ(insertBeforeExtension("base.png", "01"), "base01.png");
    EXPECT_EQ(insertBeforeExtension("a.b.c", "X"), "aX.b.c");
    EXPECT_EQ(insertBeforeExtension("noext", "01"), "noext01");

    EXPECT_EQ(dotPaddedNumber(42, ""), ".....42");
    EXPECT_EQ(dotPaddedNumber(1234567, ""), "1234567");
    EXPECT_EQ(dotPaddedNumber(12345678, ""), "12345678");
    EXPECT_EQ(dotPaddedNumber(5, "`4"), "....`45");
}

TEST(ParseLeadingInt, ReadsLikeAtoiButTellsWhenThereIsNoNumber)
{
    int value = 7;
    EXPECT_TRUE(parseLeadingInt("720\r", value));
    EXPECT_EQ(value, 720);
    EXPECT_TRUE(parseLeadingInt("-1", value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(parseLeadingInt(" 12abc", value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(parseLeadingInt("abc", value));
    EXPECT_FALSE(parseLeadingInt("", value));
    EXPECT_FALSE(parseLeadingInt("99999999999999", value));
}
