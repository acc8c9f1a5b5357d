#include "ui/NinePieceFrame.h"

std::array<NinePieceFrame::Piece, 9> NinePieceFrame::layout(const Corners& c, float innerWidth,
                                                           float innerHeight, float textureWidth,
                                                           float textureHeight)
{
    const Corner& tl = c.topLeft;
    const Corner& tr = c.topRight;
    const Corner& bl = c.bottomLeft;
    const Corner& br = c.bottomRight;
    const float width = tl.x + innerWidth + tr.x;
    const float height = tl.y + innerHeight + bl.y;
    const float middleTop = height - tl.y;
    // Edges between corners of different sizes take what is left between them.
    const float bottomEdgeWidth = width - bl.x - br.x;
    const float rightEdgeHeight = height - tr.y - br.y;

    return {{
        {kTopRow, 0, 0, tl.x, tl.y, 0, 0, 0, middleTop},
        {kTopRow, tl.x, 0, innerWidth, tl.y, 0, 0, tl.x, middleTop},
        {kTopRow, textureWidth - tr.x, 0, tr.x, tr.y, 0, 0, width - tr.x, height - tr.y},
        {kMiddleRow, 0, tl.y, tl.x, innerHeight, 0, 1, 0, middleTop},
        {kMiddleRow, tl.x, tl.y, innerWidth, innerHeight, 0, 1, tl.x, middleTop},
        {kMiddleRow, textureWidth - tr.x, tr.y, tr.x, rightEdgeHeight, 0, 1, width - tr.x, height - tr.y},
        {kBottomRow, 0, textureHeight - bl.y, bl.x, bl.y, 0, 0, 0, 0},
        {kBottomRow, bl.x, textureHeight - bl.y, bottomEdgeWidth, bl.y, 0, 0, bl.x, 0},
        {kBottomRow, textureWidth - br.x, textureHeight - br.y, br.x, br.y, 0, 0, width - br.x, 0},
    }};
}
