#include <gtest/gtest.h>

#include "ui/NinePieceFrame.h"

namespace
{
struct Box
{
    float left, bottom, right, top;
};

// The window area a piece covers, from its position, anchor and size.
Box coverage(const NinePieceFrame::Piece& p)
{
    const float left = p.x - p.anchorX * p.rectWidth;
    const float bottom = p.y - p.anchorY * p.rectHeight;
    return {left, bottom, left + p.rectWidth, bottom + p.rectHeight};
}

float area(const NinePieceFrame::Piece& p) { return p.rectWidth * p.rectHeight; }

// Checks that the pieces cover the window exactly: every piece inside it and
// their areas adding up to the whole (so no overlap and no gap).
void expectTiles(const std::array<NinePieceFrame::Piece, 9>& pieces, float width, float height)
{
    float total = 0;
    for (const auto& piece : pieces) {
        const Box b = coverage(piece);
        EXPECT_GE(b.left, 0);
        EXPECT_GE(b.bottom, 0);
        EXPECT_LE(b.right, width);
        EXPECT_LE(b.top, height);
        total += area(piece);
    }
    EXPECT_FLOAT_EQ(total, width * height);
}
} // namespace

TEST(NinePieceFrame, WindowFrameOfTheGame)
{
    // The list window: 264 x 256 with a taller bottom row.
    const NinePieceFrame::Corners corners{{4, 4}, {4, 4}, {4, 12}, {4, 12}};
    const auto pieces = NinePieceFrame::layout(corners, 256, 240, 300, 300);
    expectTiles(pieces, 264, 256);

    const auto& topRight = pieces[2];
    EXPECT_FLOAT_EQ(topRight.x, 260);
    EXPECT_FLOAT_EQ(topRight.y, 252);
    EXPECT_FLOAT_EQ(topRight.rectX, 296);
    const auto& centre = pieces[4];
    EXPECT_FLOAT_EQ(centre.x, 4);
    EXPECT_FLOAT_EQ(centre.y, 252);
    EXPECT_FLOAT_EQ(centre.anchorY, 1);
    EXPECT_FLOAT_EQ(centre.rectWidth, 256);
    EXPECT_FLOAT_EQ(centre.rectHeight, 240);
    const auto& bottom = pieces[7];
    EXPECT_FLOAT_EQ(bottom.rectY, 288);
    EXPECT_FLOAT_EQ(bottom.rectHeight, 12);
    const auto& bottomRight = pieces[8];
    EXPECT_FLOAT_EQ(bottomRight.x, 260);
    EXPECT_FLOAT_EQ(bottomRight.rectX, 296);
    EXPECT_FLOAT_EQ(bottomRight.rectY, 288);
}

TEST(NinePieceFrame, UnevenColumnsAndRowsTileTheWindow)
{
    // Left column 3 wide, right 9; top row 5 high, bottom 10.
    const NinePieceFrame::Corners corners{{3, 5}, {9, 5}, {3, 10}, {9, 10}};
    const auto pieces = NinePieceFrame::layout(corners, 100, 60, 128, 128);
    expectTiles(pieces, 112, 75);
    EXPECT_FLOAT_EQ(pieces[2].x, 103);
    EXPECT_FLOAT_EQ(pieces[5].x, 103);
    EXPECT_FLOAT_EQ(pieces[8].x, 103);
    EXPECT_FLOAT_EQ(pieces[7].rectWidth, 100);
}

TEST(NinePieceFrame, CornersOfDifferentSizesSitInTheirCorners)
{
    // Top-right corner taller than the top row, bottom-right corner shorter
    // and narrower than the bottom-left one.
    const NinePieceFrame::Corners corners{{3, 5}, {9, 7}, {6, 10}, {4, 8}};
    const float width = 3 + 100 + 9, height = 5 + 60 + 10;
    const auto pieces = NinePieceFrame::layout(corners, 100, 60, 128, 128);

    EXPECT_EQ(coverage(pieces[0]).left, 0);
    EXPECT_EQ(coverage(pieces[0]).top, height);
    EXPECT_EQ(coverage(pieces[2]).right, width);
    EXPECT_EQ(coverage(pieces[2]).top, height);
    EXPECT_EQ(coverage(pieces[6]).left, 0);
    EXPECT_EQ(coverage(pieces[6]).bottom, 0);
    EXPECT_EQ(coverage(pieces[8]).right, width);
    EXPECT_EQ(coverage(pieces[8]).bottom, 0);
    // Edges fill between their two corners.
    EXPECT_EQ(coverage(pieces[5]).top, coverage(pieces[2]).bottom);
    EXPECT_EQ(coverage(pieces[5]).bottom, coverage(pieces[8]).top);
    EXPECT_EQ(coverage(pieces[7]).left, coverage(pieces[6]).right);
    EXPECT_EQ(coverage(pieces[7]).right, coverage(pieces[8]).left);
    // Texture rectangles of the right-hand pieces come from the texture's
    // right side, the bottom ones from its bottom.
    EXPECT_FLOAT_EQ(pieces[2].rectX, 119);
    EXPECT_FLOAT_EQ(pieces[8].rectX, 124);
    EXPECT_FLOAT_EQ(pieces[8].rectY, 120);
    EXPECT_FLOAT_EQ(pieces[6].rectY, 118);
}
