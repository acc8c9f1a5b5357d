// What the renderer queues for a scene, headless: visit order, batching per
// texture and blend function, meshes as their own calls.
#include <gtest/gtest.h>

#include "DrawingTestFiles.h"
#include "cocos2d.h"
#include "renderer/Mesh.h"

USING_NS_CC;

namespace {

class RendererQueue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.searchFirst();
        folder.writeSolidPng("a.png", 4, 4, {255, 0, 0, 255});
        folder.writeSolidPng("b.png", 4, 4, {0, 255, 0, 255});
        folder.writeCubeObj("cube.obj");
        root = Node::create();
        root->retain();
    }
    void TearDown() override
    {
        root->release();
        TextureCache::getInstance()->removeAllTextures();
        AutoreleasePool::getInstance()->clear();
    }

    Sprite* add(const char* file, float x, int z = 0)
    {
        Sprite* sprite = Sprite::create(file);
        sprite->setPosition(Vec2(x, 0));
        root->addChild(sprite, z);
        return sprite;
    }

    std::size_t frame()
    {
        renderer.clear();
        root->visit(&renderer, Mat4::IDENTITY, 0);
        order.clear();
        for (const Quad& q : renderer.getQueuedQuads())
            order.push_back((q.bl.x + q.tr.x) / 2);
        renderer.render();
        return renderer.getDrawnBatches();
    }

    DrawingTestFolder folder;
    Node* root = nullptr;
    Renderer renderer;
    std::vector<float> order;
};

}

TEST_F(RendererQueue, SpritesOfOneTextureShareACall)
{
    for (int i = 0; i < 50; ++i)
        add("a.png", float(i));
    EXPECT_EQ(frame(), 1u);
    EXPECT_EQ(renderer.getDrawnQuads(), 50u);
}

TEST_F(RendererQueue, TextureOrBlendChangesStartANewCall)
{
    add("a.png", 0);
    add("a.png", 1);
    add("b.png", 2);
    add("a.png", 3)->setBlendFunc(BlendFunc::ADDITIVE);
    add("a.png", 4);
    EXPECT_EQ(frame(), 4u);
}

TEST_F(RendererQueue, NegativeZChildrenComeBeforeTheirParent)
{
    Sprite* parent = add("a.png", 100);
    Sprite* behind = Sprite::create("a.png");
    behind->setPosition(Vec2(10, 2));
    Sprite* front = Sprite::create("a.png");
    front->setPosition(Vec2(20, 2));
    parent->addChild(front, 1);
    parent->addChild(behind, -1);
    add("a.png", 500, -5);
    frame();
    // The parent's anchor (0.5, 0.5) puts its children 2 units left of its position.
    EXPECT_EQ(order, (std::vector<float>{500, 108, 100, 118}));
}

TEST_F(RendererQueue, InvisibleAndTransparentNodesQueueNothing)
{
    add("a.png", 0)->setVisible(false);
    add("a.png", 1)->setOpacity(0);
    EXPECT_EQ(frame(), 0u);
}

TEST_F(RendererQueue, MeshesAreCallsOfTheirOwnBetweenQuads)
{
    add("a.png", 0);
    Sprite3D* box = Sprite3D::create("cube.obj", "b.png");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getMesh()->vertices().size(), 36u);
    root->addChild(box);
    add("a.png", 2);
    EXPECT_EQ(frame(), 3u);

    EXPECT_EQ(Sprite3D::create("missing.obj", "b.png"), nullptr);
    folder.write("empty.obj", "# nothing\n");
    EXPECT_EQ(Sprite3D::create("empty.obj"), nullptr);
    Sprite3D* untextured = Sprite3D::create("cube.obj", "missing.png");
    ASSERT_NE(untextured, nullptr);
    EXPECT_EQ(untextured->getTexture(), nullptr);
}

TEST_F(RendererQueue, ColourLayerFillsTheVisibleSizeByDefault)
{
    LayerColor* layer = LayerColor::create(Color4B(10, 20, 30, 255));
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->getContentSize(), Director::getInstance()->getVisibleSize());
    LayerColor* sized = LayerColor::create(Color4B(0, 0, 0, 128), 30, 40);
    EXPECT_EQ(sized->getContentSize(), Size(30, 40));
    EXPECT_EQ(sized->getOpacity(), 128);
    root->addChild(sized);
    frame();
    ASSERT_EQ(renderer.getDrawnQuads(), 1u);
}
