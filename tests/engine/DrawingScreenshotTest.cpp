// A real window under Xvfb with Mesa: a scene of known sprites, colour
// layers, textured 3D boxes and particle bursts is drawn, captured to a PNG
// and checked pixel by pixel.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DrawingTestFiles.h"
#include "support/ScreenCapture.h"
#include "support/XvfbServer.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

const int WIDTH = 320;
const int HEIGHT = 240;

struct Pixel
{
    int r, g, b;
};

::testing::AssertionResult near(const Pixel& got, const Pixel& want, int tolerance = 3)
{
    if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance
        && std::abs(got.b - want.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.r << ", " << got.g << ", " << got.b << "), want ("
                                         << want.r << ", " << want.g << ", " << want.b << ")";
}

// One X server for the whole program: the window library stays connected to
// the first display it saw, so later windows must open on the same one.
XvfbServer& sharedDisplay()
{
    static XvfbServer server;
    if (server.display().empty() && server.error().empty())
        server.start(640, 480);
    return server;
}

class Screenshot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(sharedDisplay().display().empty()) << sharedDisplay().error();
        folder.searchFirst();
        ASSERT_TRUE(openWindowScene("drawing test", WIDTH, HEIGHT, scene));
    }

    void TearDown() override
    {
        Director::getInstance()->end();
        Director::getInstance()->stepFrame(0.0f);
        SpriteFrameCache::getInstance()->removeSpriteFrames();
        TextureCache::getInstance()->removeAllTextures();
    }

    // Draws frames until the scene is shown, then captures the next one.
    void capture(const std::string& name)
    {
        shot = folder.file(name);
        ASSERT_TRUE(captureWindow(shot, name, image));
        ASSERT_EQ(image.getWidth(), WIDTH);
        ASSERT_EQ(image.getHeight(), HEIGHT);
    }

    // The pixel at a design point (y up, one design unit a pixel).
    Pixel at(int x, int y) const
    {
        const unsigned char* p = image.getData() + (std::size_t(HEIGHT - 1 - y) * WIDTH + x) * 4;
        return Pixel{p[0], p[1], p[2]};
    }

    Sprite* solid(const char* name, DrawingRgba colour, float x, float y, int z, int size = 40)
    {
        folder.writeSolidPng(name, size, size, colour);
        Sprite* sprite = Sprite::create(name);
        sprite->setPosition(Vec2(x, y));
        scene->addChild(sprite, z);
        return sprite;
    }

    DrawingTestFolder folder;
    Scene* scene = nullptr;
    std::string shot;
    Image image;
};

}

TEST_F(Screenshot, SpritesLayersBoxesAndParticlesLandWhereTheyShould)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 64, 255)), -10);

    // Draw order: green (z 1) over red (z 0) where they overlap.
    solid("red.png", {255, 0, 0, 255}, 60, 60, 0);
    solid("green.png", {0, 255, 0, 255}, 80, 60, 1);

    // Texture orientation and flipping: top half magenta, bottom half white.
    folder.writePng("halves.png", 40, 40, [](int, int y) {
        return y < 20 ? DrawingRgba{255, 0, 255, 255} : DrawingRgba{255, 255, 255, 255};
    });
    Sprite* halves = Sprite::create("halves.png");
    halves->setPosition(Vec2(160, 60));
    scene->addChild(halves);
    Sprite* flipped = Sprite::create("halves.png");
    flipped->setPosition(Vec2(220, 60));
    flipped->setFlippedY(true);
    scene->addChild(flipped);

    // Tint and opacity: a half-transparent white layer over the dark blue.
    LayerColor* veil = LayerColor::create(Color4B(255, 255, 255, 128), 40, 40);
    veil->setPosition(Vec2(10, 180));
    scene->addChild(veil);
    Sprite* tinted = solid("white.png", {255, 255, 255, 255}, 280, 60, 0);
    tinted->setColor(Color3B(255, 255, 0));

    // A box drawn after a sprite covers it; a box drawn later still but
    // further away is hidden by the depth test.
    folder.writeCubeObj("cube.obj");
    solid("blue.png", {0, 0, 255, 255}, 160, 170, 5, 30);
    Sprite3D* box = Sprite3D::create("cube.obj", "white.png");
    ASSERT_NE(box, nullptr);
    box->setPosition3D(Vec3(160, 170, 0));
    box->setScale(60.0f);
    box->setScaleZ(60.0f);
    box->setColor(Color3B(255, 128, 0));
    scene->addChild(box, 6);
    Sprite3D* farBox = Sprite3D::create("cube.obj", "white.png");
    farBox->setPosition3D(Vec3(160, 170, -100));
    farBox->setScale(40.0f);
    farBox->setScaleZ(40.0f);
    farBox->setColor(Color3B(0, 255, 255));
    scene->addChild(farBox, 7);

    // A burst of particles that all stay on the spot, added to the blue.
    ParticleSystemQuad* burst = ParticleSystemQuad::createWithTotalParticles(30);
    burst->setTexture(TextureCache::getInstance()->addImage("white.png"));
    burst->setPositionType(ParticleSystem::PositionType::GROUPED);
    burst->setDuration(0.05f);
    burst->setEmissionRate(1000.0f);
    burst->setLife(10.0f);
    burst->setStartSize(20.0f);
    burst->setEndSize(20.0f);
    burst->setStartColor(Color4F(1, 0, 0, 1));
    burst->setEndColor(Color4F(1, 0, 0, 1));
    burst->setBlendAdditive(true);
    burst->setPosition(Vec2(270, 190));
    scene->addChild(burst, 8);

    Director::getInstance()->stepFrame(1.0f / 60.0f);
    Director::getInstance()->stepFrame(1.0f / 60.0f);
    ASSERT_GT(burst->getParticleCount(), 0);
    capture("drawing_scene.png");

    const Pixel background{0, 0, 64};
    EXPECT_TRUE(near(at(5, 5), background));
    EXPECT_TRUE(near(at(50, 60), {255, 0, 0}));
    EXPECT_TRUE(near(at(70, 60), {0, 255, 0})) << "the later sprite covers the earlier";
    EXPECT_TRUE(near(at(95, 60), {0, 255, 0}));
    EXPECT_TRUE(near(at(110, 60), background));
    EXPECT_TRUE(near(at(160, 70), {255, 0, 255})) << "the image's top row is drawn on top";
    EXPECT_TRUE(near(at(160, 50), {255, 255, 255}));
    EXPECT_TRUE(near(at(220, 70), {255, 255, 255}));
    EXPECT_TRUE(near(at(220, 50), {255, 0, 255}));
    EXPECT_TRUE(near(at(280, 60), {255, 255, 0}));
    EXPECT_TRUE(near(at(30, 200), {128, 128, 160}));
    EXPECT_TRUE(near(at(160, 170), {255, 128, 0})) << "the box hides the sprite and the box behind it";
    EXPECT_TRUE(near(at(160, 140), {255, 128, 0}));
    EXPECT_TRUE(near(at(160, 215), background)) << "the box stands out of the ground in perspective";
    EXPECT_TRUE(near(at(270, 190), {255, 0, 64})) << "additive particles";
    EXPECT_TRUE(near(at(270, 210), background));
}

TEST_F(Screenshot, OneDesignUnitIsOnePixelAtZeroAndRaisedSpritesGrow)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 0, 255)), -10);
    // An 11-unit square centred at (100, 100) on the ground covers pixels 95..105.
    solid("ground.png", {255, 255, 255, 255}, 100.5f, 100.5f, 0, 11);
    Sprite* raised = solid("raised.png", {255, 0, 0, 255}, 200.5f, 100.5f, 0, 11);
    raised->setPositionZ(64.0f);
    capture("drawing_scale.png");

    EXPECT_TRUE(near(at(95, 100), {255, 255, 255}));
    EXPECT_TRUE(near(at(105, 100), {255, 255, 255}));
    EXPECT_TRUE(near(at(94, 100), {0, 0, 0}));
    EXPECT_TRUE(near(at(106, 100), {0, 0, 0}));
    // Raised by 64 it is seen from closer, from the eye at (160, 120, 207.5):
    // scaled by 207.5 / 143.5 = 1.446 about the screen centre, so centred at
    // (218, 91) and about 16 wide.
    EXPECT_TRUE(near(at(218, 91), {255, 0, 0}));
    EXPECT_TRUE(near(at(212, 91), {255, 0, 0}));
    EXPECT_TRUE(near(at(224, 91), {255, 0, 0}));
    EXPECT_TRUE(near(at(218, 97), {255, 0, 0}));
    EXPECT_TRUE(near(at(208, 91), {0, 0, 0}));
    EXPECT_TRUE(near(at(228, 91), {0, 0, 0}));
    EXPECT_TRUE(near(at(200, 100), {0, 0, 0}));
}

TEST_F(Screenshot, RotatedFramesAndNearestFilteringShowAsMeant)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 0, 255)), -10);

    // A 40 x 20 frame stored turned clockwise in a 20 x 40 texture. On screen
    // its quarters are red, green (top) and blue, white (bottom).
    folder.writePng("turned.png", 20, 40, [](int x, int y) {
        if (x >= 10)
            return y < 20 ? DrawingRgba{255, 0, 0, 255} : DrawingRgba{0, 255, 0, 255};
        return y < 20 ? DrawingRgba{0, 0, 255, 255} : DrawingRgba{255, 255, 255, 255};
    });
    Texture2D* turnedTexture = TextureCache::getInstance()->addImage("turned.png");
    ASSERT_NE(turnedTexture, nullptr);
    Sprite* turned = Sprite::createWithSpriteFrame(
        SpriteFrame::createWithTexture(turnedTexture, Rect(0, 0, 40, 20), true, Vec2::ZERO, Size(40, 20)));
    turned->setPosition(Vec2(100, 180));
    scene->addChild(turned);

    // A 2 x 2 checker blown up 20 times: crisp with nearest filtering,
    // blended with the default linear filtering.
    auto checker = [](int x, int y) {
        return (x + y) % 2 ? DrawingRgba{255, 255, 255, 255} : DrawingRgba{0, 0, 0, 255};
    };
    folder.writePng("checker_nearest.png", 2, 2, checker);
    folder.writePng("checker_linear.png", 2, 2, checker);
    Sprite* crisp = Sprite::create("checker_nearest.png");
    Texture2D::TexParams pixelArt = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
    crisp->getTexture()->setTexParameters(pixelArt);
    crisp->setScale(20.0f);
    crisp->setPosition(Vec2(200, 80));
    scene->addChild(crisp);
    Sprite* smooth = Sprite::create("checker_linear.png");
    smooth->setScale(20.0f);
    smooth->setPosition(Vec2(260, 80));
    scene->addChild(smooth);

    capture("drawing_frames.png");

    EXPECT_TRUE(near(at(90, 185), {255, 0, 0}));
    EXPECT_TRUE(near(at(110, 185), {0, 255, 0}));
    EXPECT_TRUE(near(at(90, 175), {0, 0, 255}));
    EXPECT_TRUE(near(at(110, 175), {255, 255, 255}));

    // Top-left texel of the checker is black, top-right white.
    EXPECT_TRUE(near(at(195, 85), {0, 0, 0}));
    EXPECT_TRUE(near(at(205, 85), {255, 255, 255}));
    const Pixel blended = at(255, 85);
    EXPECT_GT(blended.r, 20);
    EXPECT_LT(blended.r, 235);
}

// A frame with fewer quads than the last one is written into the vertex buffer
// the renderer already has: the GL driver is not made to build new storage
// for every frame, which scatters a long play's memory.
TEST_F(Screenshot, FramesWithFewerQuadsKeepTheVertexBuffer)
{
    Sprite* first = solid("first.png", {255, 0, 0, 255}, 60, 60, 0);
    Sprite* second = solid("second.png", {0, 255, 0, 255}, 120, 60, 0);
    solid("third.png", {0, 0, 255, 255}, 180, 60, 0);
    Director::getInstance()->stepFrame(1.0f / 60.0f);
    const std::size_t held = Director::getInstance()->getRenderer()->getBufferSizes().vertexBuffer;
    EXPECT_GE(held, 3 * sizeof(Quad));

    first->removeFromParent();
    second->removeFromParent();
    Director::getInstance()->stepFrame(1.0f / 60.0f);
    EXPECT_EQ(Director::getInstance()->getRenderer()->getBufferSizes().vertexBuffer, held);
}
