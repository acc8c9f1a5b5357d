// Frame costs of the engine core: visiting a large scene tree and stepping
// many running actions.
#include "cocos2d.h"
#include <benchmark/benchmark.h>

USING_NS_CC;

namespace {

constexpr int kNodes = 10000;

// A headless Director with a running scene for the length of one benchmark.
struct HeadlessScene
{
    HeadlessScene()
    {
        view = GLView::createHeadless("bench", Size(1920, 1080));
        view->retain();
        Director::getInstance()->setOpenGLView(view);
        view->setDesignResolutionSize(960, 540, ResolutionPolicy::FIXED_HEIGHT);
        scene = Scene::create();
        Director::getInstance()->runWithScene(scene);
        Director::getInstance()->stepFrame(0.0f);
    }
    ~HeadlessScene()
    {
        Director::getInstance()->end();
        Director::getInstance()->stepFrame(0.0f);
        view->release();
    }
    GLView* view = nullptr;
    Scene* scene = nullptr;
};

// 100 groups of 100 nodes, each moved, turned and scaled a little.
void buildTree(Node* root)
{
    for (int g = 0; g < kNodes / 100; ++g)
    {
        auto* group = Node::create();
        group->setPosition(Vec2(static_cast<float>(g * 9), 10.0f));
        root->addChild(group, g % 7 - 3);
        for (int i = 0; i < 99; ++i)
        {
            auto* n = Node::create();
            n->setPosition(Vec2(static_cast<float>(i), static_cast<float>(g)));
            n->setRotation(static_cast<float>(i * 3));
            n->setScale(1.0f + i * 0.01f);
            n->setContentSize(Size(8.0f, 8.0f));
            n->setAnchorPoint(Vec2(0.5f, 0.5f));
            group->addChild(n, i % 5 - 2);
        }
    }
}

void BM_VisitTenThousandNodes(benchmark::State& state)
{
    HeadlessScene s;
    buildTree(s.scene);
    Renderer* renderer = Director::getInstance()->getRenderer();
    int frame = 0;
    for (auto _ : state)
    {
        // Moving every group dirties the transforms below it, as a scrolling
        // world does each frame.
        for (Node* group : s.scene->getChildren())
            group->setPositionX(group->getPositionX() + ((++frame & 1) ? 0.5f : -0.5f));
        s.scene->visit(renderer, Mat4::IDENTITY, 0);
    }
    state.counters["nodes"] = kNodes;
}
BENCHMARK(BM_VisitTenThousandNodes)->Unit(benchmark::kMillisecond);

void BM_StepTenThousandActions(benchmark::State& state)
{
    HeadlessScene s;
    for (int i = 0; i < kNodes; ++i)
    {
        auto* n = Node::create();
        s.scene->addChild(n);
        n->runAction(RepeatForever::create(
            Sequence::create(EaseSineInOut::create(MoveBy::create(0.5f, Vec2(10.0f, 0.0f))),
                             MoveBy::create(0.5f, Vec2(-10.0f, 0.0f)), nullptr)));
    }
    ActionManager* actions = Director::getInstance()->getActionManager();
    for (auto _ : state)
        actions->update(1.0f / 60.0f);
    state.counters["actions"] = kNodes;
}
BENCHMARK(BM_StepTenThousandActions)->Unit(benchmark::kMillisecond);

// The whole headless frame (scheduler, actions, pool) with both loads.
void BM_HeadlessFrame(benchmark::State& state)
{
    HeadlessScene s;
    buildTree(s.scene);
    int i = 0;
    for (Node* group : s.scene->getChildren())
    {
        for (Node* n : group->getChildren())
        {
            n->runAction(RepeatForever::create(RotateBy::create(0.3f + (i++ % 10) * 0.1f, 90.0f)));
        }
    }
    for (auto _ : state)
        Director::getInstance()->stepFrame(1.0f / 60.0f);
}
BENCHMARK(BM_HeadlessFrame)->Unit(benchmark::kMillisecond);

}
