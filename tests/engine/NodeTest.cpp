#include "EngineFixture.h"
#include <string>
#include <vector>

USING_NS_CC;

using NodeTest = EngineFixture;

namespace {

// Records the order in which nodes are drawn.
class DrawProbe : public Node
{
public:
    DrawProbe(std::vector<int>* log, int id) : _log(log), _id(id) {}
    void draw(Renderer*, const Mat4&, uint32_t) override { _log->push_back(_id); }

private:
    std::vector<int>* _log;
    int _id;
};

DrawProbe* probe(std::vector<int>* log, int id)
{
    auto* p = new DrawProbe(log, id);
    p->autorelease();
    return p;
}

class FailingInit : public Node
{
public:
    static int deaths;
    bool init() override { return false; }
    ~FailingInit() override { ++deaths; }
    CREATE_FUNC(FailingInit);
};
int FailingInit::deaths = 0;

// Counts its own destruction.
class Mortal : public Node
{
public:
    explicit Mortal(int* deaths) : _deaths(deaths) {}
    ~Mortal() override { ++*_deaths; }

private:
    int* _deaths;
};

}

TEST_F(NodeTest, ChildrenAreOrderedByZThenArrivalAndDrawnAroundTheParent)
{
    std::vector<int> log;
    DrawProbe* parent = probe(&log, 0);
    parent->addChild(probe(&log, 1), 5);
    parent->addChild(probe(&log, 2), -1);
    parent->addChild(probe(&log, 3), 5);
    parent->addChild(probe(&log, 4), 0);
    parent->addChild(probe(&log, 5), -3);
    parent->visit(nullptr, Mat4::IDENTITY, 0);
    EXPECT_EQ(log, (std::vector<int>{5, 2, 0, 4, 1, 3}));

    // Re-ordering to the same z puts the child after its equals.
    parent->getChildren().at(3)->setLocalZOrder(5); // child 1
    log.clear();
    parent->visit(nullptr, Mat4::IDENTITY, 0);
    EXPECT_EQ(log, (std::vector<int>{5, 2, 0, 4, 3, 1}));

    // Invisible nodes and their children are not drawn.
    parent->getChildren().at(0)->setVisible(false);
    log.clear();
    parent->visit(nullptr, Mat4::IDENTITY, 0);
    EXPECT_EQ(log, (std::vector<int>{2, 0, 4, 3, 1}));
}

TEST_F(NodeTest, TagsFindAndRemoveChildren)
{
    Node* parent = addNode();
    auto* a = Node::create();
    auto* b = Node::create();
    parent->addChild(a, 0, 11);
    parent->addChild(b, 0, 12);
    EXPECT_EQ(parent->getChildByTag(12), b);
    EXPECT_EQ(parent->getChildByTag(99), nullptr);
    EXPECT_EQ(b->getParent(), parent);
    parent->removeChildByTag(11);
    EXPECT_EQ(parent->getChildrenCount(), 1u);
    EXPECT_EQ(parent->getChildByTag(11), nullptr);
}

TEST_F(NodeTest, EnterAndExitFollowTheRunningScene)
{
    auto* parent = Node::create();
    auto* child = Node::create();
    parent->addChild(child);
    EXPECT_FALSE(child->isRunning());
    scene->addChild(parent);
    EXPECT_TRUE(parent->isRunning());
    EXPECT_TRUE(child->isRunning());
    parent->retain();
    parent->removeFromParentAndCleanup(false);
    EXPECT_FALSE(child->isRunning());
    parent->release();
}

TEST_F(NodeTest, NodeRemovingItselfFromItsOwnCallbackIsFreedSafelyAfterwards)
{
    int deaths = 0;
    auto* node = new Mortal(&deaths);
    node->autorelease();
    scene->addChild(node);
    int after = 0;
    node->runAction(Sequence::create(MoveBy::create(0.1f, Vec2(1.0f, 0.0f)),
                                     CallFuncN::create([](Node* n) { n->removeFromParent(); }),
                                     CallFunc::create([&] { ++after; }), MoveBy::create(0.1f, Vec2(1.0f, 0.0f)),
                                     nullptr));
    frames(1, 0.15f);
    EXPECT_EQ(after, 0); // removal with clean-up stopped the rest
    EXPECT_EQ(scene->getChildrenCount(), 0u);
    frames(2);
    EXPECT_EQ(deaths, 1);
}

TEST_F(NodeTest, RemovingAnAncestorFromACallbackFreesTheWholeBranch)
{
    int deaths = 0;
    auto* grand = new Mortal(&deaths);
    grand->autorelease();
    auto* parent = new Mortal(&deaths);
    parent->autorelease();
    auto* child = new Mortal(&deaths);
    child->autorelease();
    scene->addChild(grand);
    grand->addChild(parent);
    parent->addChild(child);
    child->runAction(RepeatForever::create(RotateBy::create(0.1f, 10.0f)));
    parent->runAction(MoveBy::create(1.0f, Vec2(5.0f, 0.0f)));
    child->runAction(Sequence::create(DelayTime::create(0.05f),
                                      CallFunc::create([grand] { grand->removeFromParent(); }), nullptr));
    child->scheduleUpdate();
    frames(3, 0.05f);
    EXPECT_EQ(deaths, 3);
    EXPECT_EQ(scene->getChildrenCount(), 0u);
}

TEST_F(NodeTest, RemoveSelfActionRemovesAndCleansUp)
{
    int deaths = 0;
    auto* node = new Mortal(&deaths);
    node->autorelease();
    scene->addChild(node);
    node->runAction(Sequence::create(DelayTime::create(0.1f), RemoveSelf::create(), nullptr));
    node->runAction(RepeatForever::create(RotateBy::create(1.0f, 90.0f)));
    frames(10);
    EXPECT_EQ(deaths, 1);
}

TEST_F(NodeTest, NodeRemovedInItsOwnUpdateIsNotUpdatedAgain)
{
    struct SelfRemover : public Node
    {
        int* updates;
        explicit SelfRemover(int* u) : updates(u) {}
        void update(float) override
        {
            ++*updates;
            removeFromParent();
        }
    };
    int updates = 0;
    auto* node = new SelfRemover(&updates);
    node->autorelease();
    scene->addChild(node);
    node->scheduleUpdate();
    frames(5);
    EXPECT_EQ(updates, 1);
}

TEST_F(NodeTest, OpacityAndColourReachChildrenOnlyWhenCascading)
{
    Node* parent = addNode();
    auto* child = Node::create();
    parent->addChild(child);
    parent->setOpacity(100);
    parent->setColor(Color3B(100, 50, 0));
    EXPECT_EQ(child->getDisplayedOpacity(), 255);
    EXPECT_EQ(child->getDisplayedColor(), Color3B::WHITE);
    parent->setCascadeOpacityEnabled(true);
    parent->setCascadeColorEnabled(true);
    child->setOpacity(128);
    EXPECT_EQ(child->getOpacity(), 128);
    EXPECT_EQ(child->getDisplayedOpacity(), 128 * 100 / 255);
    EXPECT_EQ(child->getDisplayedColor(), Color3B(100, 50, 0));
    parent->setCascadeOpacityEnabled(false);
    EXPECT_EQ(child->getDisplayedOpacity(), 128);
}

TEST_F(NodeTest, SpaceConversionsFollowPositionAnchorRotationAndScale)
{
    Node* parent = addNode();
    parent->setPosition(Vec2(100.0f, 50.0f));
    parent->setScale(2.0f);
    auto* child = Node::create();
    parent->addChild(child);
    child->setContentSize(Size(10.0f, 20.0f));
    child->setAnchorPoint(Vec2(0.5f, 0.5f));
    child->setPosition(Vec2(10.0f, 10.0f));
    child->setRotation(90.0f); // clockwise

    // The child's centre sits at its position.
    const Vec2 centre = child->convertToWorldSpace(Vec2(5.0f, 10.0f));
    EXPECT_NEAR(centre.x, 120.0f, 1e-4f);
    EXPECT_NEAR(centre.y, 70.0f, 1e-4f);
    // Its local +x points down on screen after a clockwise quarter turn.
    const Vec2 right = child->convertToWorldSpace(Vec2(10.0f, 10.0f));
    EXPECT_NEAR(right.x, 120.0f, 1e-4f);
    EXPECT_NEAR(right.y, 60.0f, 1e-4f);
    const Vec2 back = child->convertToNodeSpace(right);
    EXPECT_NEAR(back.x, 10.0f, 1e-4f);
    EXPECT_NEAR(back.y, 10.0f, 1e-4f);
    EXPECT_NEAR(child->convertToNodeSpaceAR(centre).x, 0.0f, 1e-4f);

    // A layer's position is its bottom-left corner whatever its anchor.
    auto* layer = Layer::create();
    scene->addChild(layer);
    layer->setPosition(Vec2(7.0f, 8.0f));
    const Vec2 corner = layer->convertToWorldSpace(Vec2::ZERO);
    EXPECT_NEAR(corner.x, 7.0f, 1e-4f);
    EXPECT_NEAR(corner.y, 8.0f, 1e-4f);
}

TEST_F(NodeTest, PositionZAnd3DRotationEnterTheTransform)
{
    Node* node = addNode();
    node->setPosition3D(Vec3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(node->getPositionZ(), 3.0f);
    node->setRotation3D(Vec3(90.0f, 0.0f, 0.0f));
    const Vec3 p = node->getNodeToWorldTransform().transformPoint(Vec3(0.0f, 1.0f, 0.0f));
    EXPECT_NEAR(p.x, 1.0f, 1e-4f);
    EXPECT_NEAR(p.y, 2.0f, 1e-4f);
    EXPECT_NEAR(p.z, 4.0f, 1e-4f);
    EXPECT_EQ(node->getRotation3D(), Vec3(90.0f, 0.0f, 0.0f));
}

TEST_F(NodeTest, BoundingBoxCoversTheScaledContent)
{
    Node* node = addNode();
    node->setContentSize(Size(10.0f, 4.0f));
    node->setAnchorPoint(Vec2(0.5f, 0.5f));
    node->setPosition(Vec2(50.0f, 50.0f));
    node->setScale(2.0f, 3.0f);
    const Rect box = node->getBoundingBox();
    EXPECT_NEAR(box.origin.x, 40.0f, 1e-4f);
    EXPECT_NEAR(box.origin.y, 44.0f, 1e-4f);
    EXPECT_NEAR(box.size.width, 20.0f, 1e-4f);
    EXPECT_NEAR(box.size.height, 12.0f, 1e-4f);
}

TEST_F(NodeTest, CreateFuncDeletesAnObjectWhoseInitFails)
{
    FailingInit::deaths = 0;
    EXPECT_EQ(FailingInit::create(), nullptr);
    EXPECT_EQ(FailingInit::deaths, 1);
}
