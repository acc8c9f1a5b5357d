// A real window under Xvfb: a framed panel with coloured, wrapped text is
// drawn, captured to a PNG and checked for its frame and its colours.
#include <gtest/gtest.h>

#include "UITestAssets.h"
#include "cocos2d.h"
#include "support/ScreenCapture.h"
#include "support/XvfbServer.h"
#include "ui/ColourPalette.h"
#include "ui/UIElement.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace
{
const int kWidth = 320;
const int kHeight = 240;

class UIScreenshot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UITestAssets::install();
        ASSERT_TRUE(xvfb.start(640, 480)) << xvfb.error();
        ASSERT_TRUE(openWindowScene("ui screenshot", kWidth, kHeight, scene));
    }

    void TearDown() override
    {
        Director::getInstance()->end();
        Director::getInstance()->stepFrame(0.0f);
    }

    void capture()
    {
        shot = UITestAssets::install() + "/framed_text.png";
        ASSERT_TRUE(captureWindow(shot, "framed_text.png", image));
        ASSERT_EQ(image.getWidth(), kWidth);
        ASSERT_EQ(image.getHeight(), kHeight);
    }

    Color3B at(int x, int y) const
    {
        const unsigned char* p = image.getData() + (static_cast<size_t>(kHeight - 1 - y) * kWidth + x) * 4;
        return Color3B(p[0], p[1], p[2]);
    }

    // Whether any pixel of a design rectangle has exactly the colour.
    bool anyPixel(int x0, int y0, int x1, int y1, const Color3B& colour) const
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (at(x, y) == colour)
                    return true;
        return false;
    }

    XvfbServer xvfb;
    Scene* scene = nullptr;
    std::string shot;
    Image image;
};
} // namespace

TEST_F(UIScreenshot, FramedPanelWithColouredWrappedText)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 0, 255)), -10);

    // A 150 x 100 window drawn at twice its size from (10, 20).
    UIElement* window = UIElement::create("test_window.png");
    window->setFrameSize(Size(150, 100));
    window->setFrameCorners(Vec2(4, 4), Vec2(4, 4), Vec2(4, 12), Vec2(4, 12));
    window->buildFrame();
    window->setScale(2.0f);
    window->setPosition(10, 20);
    scene->addChild(window);
    ASSERT_EQ(window->middleRowPieces.size(), 3u);

    UIText* text = UIText::create(static_cast<int>(window->innerSize.x), static_cast<int>(window->innerSize.y),
                              "`@Warning:`7 the `!police`7 are scanning this block.\n"
                              "`0Stay calm`7 or `$run`7. `bblack`7 `%#`7");
    text->setAnchorPoint(Vec2::ZERO);
    window->middleRowPieces[1]->addChild(text, 1100);
    ASSERT_GE(text->lineCount, 3); // the first paragraph wraps

    capture();

    // Frame border (the picture's cyan, drawn whole) at the window's left edge.
    const Color3B border = at(12, 120);
    EXPECT_NEAR(border.g, 250, 3);
    EXPECT_NEAR(border.b, 250, 3);
    // Centre: the picture's dark blue, nothing of the black behind it.
    const Color3B centre = at(160, 60);
    EXPECT_NEAR(centre.b, 90, 3);

    // The words in their colours: "Warning:" on the top line, colour 12.
    const int top = 20 + 2 * (12 + 88); // top of the centre band, screen y
    const int left = 10 + 2 * 4;
    EXPECT_TRUE(anyPixel(left, top - 16, left + 2 * 48, top, ColourPalette::colour(12)));
    EXPECT_FALSE(anyPixel(left, top - 16, left + 2 * 48, top, ColourPalette::colour(11)));
    // "police" after "Warning: the ", colour 11.
    EXPECT_TRUE(anyPixel(left + 2 * 78, top - 16, left + 2 * 114, top, ColourPalette::colour(11)));
    // Ordinary words in colour 7.
    EXPECT_TRUE(anyPixel(left + 2 * 54, top - 16, left + 2 * 72, top, ColourPalette::colour(7)));
}
