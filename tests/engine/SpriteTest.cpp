// Sprites from files, rectangles, textures and frames; colour, opacity and
// texture coordinates; all headless.
#include <gtest/gtest.h>

#include "DrawingTestFiles.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

class Sprites : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.searchFirst();
        folder.writeSolidPng("box.png", 40, 20, {255, 0, 0, 255});
    }
    void TearDown() override
    {
        SpriteFrameCache::getInstance()->removeSpriteFrames();
        TextureCache::getInstance()->removeAllTextures();
        AutoreleasePool::getInstance()->clear();
    }

    DrawingTestFolder folder;
};

}

TEST_F(Sprites, FromAFileTakesTheImageSizeAndSharesTheTexture)
{
    Sprite* a = Sprite::create("box.png");
    Sprite* b = Sprite::create("box.png");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->getContentSize(), Size(40, 20));
    EXPECT_EQ(a->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(a->getTexture(), b->getTexture());
    EXPECT_EQ(TextureCache::getInstance()->getTextureCount(), 1u);

    Texture2D::TexParams params = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
    a->getTexture()->setTexParameters(params);
    EXPECT_EQ(b->getTexture()->getTexParameters().minFilter, GLuint(GL_NEAREST));
    EXPECT_EQ(b->getTexture()->getTexParameters().wrapT, GLuint(GL_CLAMP_TO_EDGE));
}

TEST_F(Sprites, MissingImagesGiveNull)
{
    EXPECT_EQ(Sprite::create("nope.png"), nullptr);
    EXPECT_EQ(Sprite::create("nope.png", Rect(0, 0, 1, 1)), nullptr);
    EXPECT_EQ(Sprite::create(""), nullptr);
    folder.write("junk.png", "not a picture");
    EXPECT_EQ(Sprite::create("junk.png"), nullptr);
}

TEST_F(Sprites, AFrameNameStandsInForAMissingImage)
{
    Texture2D* texture = TextureCache::getInstance()->addImage("box.png");
    SpriteFrameCache::getInstance()->addSpriteFrame(SpriteFrame::createWithTexture(texture, Rect(0, 0, 8, 4)),
                                                    "glyph.png");
    Sprite* sprite = Sprite::create("glyph.png");
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getContentSize(), Size(8, 4));
}

TEST_F(Sprites, RectangleMapsToTextureCoordinatesTopRowFirst)
{
    Sprite* sprite = Sprite::create("box.png", Rect(10, 5, 20, 10));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getContentSize(), Size(20, 10));
    const Quad& q = sprite->getQuad();
    EXPECT_FLOAT_EQ(q.tl.u, 0.25f);
    EXPECT_FLOAT_EQ(q.tl.v, 0.25f);
    EXPECT_FLOAT_EQ(q.br.u, 0.75f);
    EXPECT_FLOAT_EQ(q.br.v, 0.75f);

    sprite->setTextureRect(Rect(0, 0, 4, 2));
    EXPECT_EQ(sprite->getContentSize(), Size(4, 2));
    sprite->setFlippedY(true);
    EXPECT_FLOAT_EQ(sprite->getQuad().tl.v, 0.1f);
    EXPECT_FLOAT_EQ(sprite->getQuad().bl.v, 0.0f);
}

TEST_F(Sprites, RotatedFrameTurnsItsTextureCoordinates)
{
    Texture2D* texture = TextureCache::getInstance()->addImage("box.png");
    // Stored turned: 8 wide by 4 high on screen, 4 wide by 8 high in the texture.
    Sprite* sprite = Sprite::createWithSpriteFrame(
        SpriteFrame::createWithTexture(texture, Rect(0, 0, 8, 4), true, Vec2::ZERO, Size(8, 4)));
    ASSERT_NE(sprite, nullptr);
    const Quad& q = sprite->getQuad();
    EXPECT_FLOAT_EQ(q.bl.u, 0.0f);
    EXPECT_FLOAT_EQ(q.bl.v, 0.0f);
    EXPECT_FLOAT_EQ(q.tr.u, 4.0f / 40.0f);
    EXPECT_FLOAT_EQ(q.tr.v, 8.0f / 20.0f);
}

TEST_F(Sprites, ColourIsPremultipliedByOpacity)
{
    Sprite* sprite = Sprite::create("box.png");
    ASSERT_NE(sprite, nullptr);
    sprite->setColor(Color3B(200, 100, 50));
    sprite->setOpacity(128);
    const QuadVertex& v = sprite->getQuad().tr;
    EXPECT_EQ(v.r, 200 * 128 / 255);
    EXPECT_EQ(v.g, 100 * 128 / 255);
    EXPECT_EQ(v.b, 50 * 128 / 255);
    EXPECT_EQ(v.a, 128);
    EXPECT_EQ(sprite->getBlendFunc(), BlendFunc::ALPHA_PREMULTIPLIED);
}
