// The framed windows drawn from the delivered pictures: a frame is cut from its
// picture unstretched, so every piece must lie inside the picture, or its last
// row and column would be smeared over the window.
#include "MapEditorFixture.h"

namespace {

void expectPiecesInsideTheirPicture(const UIElement* frame)
{
    ASSERT_EQ(frame->framePieces.size(), 9u) << frame->frameTexture;
    for (const cocos2d::Sprite* piece : frame->framePieces)
    {
        ASSERT_NE(piece->getTexture(), nullptr);
        const cocos2d::Size picture = piece->getTexture()->getContentSize();
        const cocos2d::Rect& cut = piece->getTextureRect();
        EXPECT_GE(cut.origin.x, 0.0f);
        EXPECT_GE(cut.origin.y, 0.0f);
        EXPECT_LE(cut.origin.x + cut.size.width, picture.width) << frame->frameTexture;
        EXPECT_LE(cut.origin.y + cut.size.height, picture.height) << frame->frameTexture;
    }
}

}  // namespace

TEST_F(MapEditorFixture, TheFramedWindowsFitInsideTheirPictures)
{
    // The editor panel as the editor builds it.
    expectPiecesInsideTheirPicture(editor->panel);

    // The interactive windows: 264 x 256, with a taller bottom row for the help line.
    auto* window = UIElement::create("UI_Window.png");
    window->setContentSize(cocos2d::Size(264.0f, 256.0f));
    window->setFrameCorners(cocos2d::Vec2(4, 4), cocos2d::Vec2(4, 4), cocos2d::Vec2(4, 12), cocos2d::Vec2(4, 12));
    window->buildFrame();
    expectPiecesInsideTheirPicture(window);
}
