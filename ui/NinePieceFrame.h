#pragma once
#include <array>

// Where the nine pieces of a framed window are cut from its texture and where
// they go on the window. Each corner keeps its own size and sits flush in its
// corner of the window; edges and centre are cut at the window's own size
// (the texture is never stretched). The middle row hangs from the top of the
// middle band so that opening can grow it downwards.
class NinePieceFrame
{
public:
    enum Row { kTopRow, kMiddleRow, kBottomRow };

    struct Corner
    {
        float x;
        float y;
    };

    struct Corners
    {
        Corner topLeft;
        Corner topRight;
        Corner bottomLeft;
        Corner bottomRight;
    };

    // One piece: the texture rectangle measured from the texture's top-left
    // corner, the anchor and the position on the window (y up).
    struct Piece
    {
        Row row;
        float rectX, rectY, rectWidth, rectHeight;
        float anchorX, anchorY;
        float x, y;
    };

    // Pieces in the order top left, top, top right, left, centre, right,
    // bottom left, bottom, bottom right. innerWidth and innerHeight are the
    // window's size less the left column (top-left x), the right column
    // (top-right x), the top row (top-left y) and the bottom row (bottom-left y).
    static std::array<Piece, 9> layout(const Corners& corners, float innerWidth, float innerHeight,
                                       float textureWidth, float textureHeight);
};
