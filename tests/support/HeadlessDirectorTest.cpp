#include "support/HeadlessDirectorTest.h"

HeadlessDirectorTest::HeadlessDirectorTest(const std::string& title, const cocos2d::Size& frame,
                                           const cocos2d::Size& design)
    : _title(title), _frame(frame), _design(design)
{
}

void HeadlessDirectorTest::SetUp()
{
    director = cocos2d::Director::getInstance();
    view = cocos2d::GLView::createHeadless(_title, _frame);
    // The Director lets go of the view when it ends; TearDown still steps it.
    view->retain();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(_design.width, _design.height, ResolutionPolicy::FIXED_HEIGHT);
    scene = cocos2d::Scene::create();
    director->runWithScene(scene);
    director->stepFrame(0.0f); // the scene enters
}

void HeadlessDirectorTest::TearDown()
{
    director->end();
    director->stepFrame(0.0f);
    view->release();
}
