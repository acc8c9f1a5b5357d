#include "app/AppDelegate.h"

#include "app/Game.h"
#include "app/ProgramEntry.h"

USING_NS_CC;

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;
// The game works in units of two window pixels.
constexpr float kDesignScale = 0.5f;

}

AppDelegate::AppDelegate() = default;

AppDelegate::~AppDelegate() = default;

bool AppDelegate::applicationDidFinishLaunching()
{
    Director* director = Director::getInstance();
    director->setOpenGLView(mainGLView);
    director->setAnimationInterval(kFrameSeconds);

    const Size window = director->getWinSizeInPixels();
    const float designWidth = static_cast<float>(static_cast<int>(window.width * kDesignScale));
    const float designHeight = static_cast<float>(static_cast<int>(window.height * kDesignScale));
    mainGLView->setDesignResolutionSize(designWidth, designHeight, ResolutionPolicy::FIXED_HEIGHT);

    Scene* scene = Scene::create();
    scene->addChild(Game::create());
    runningScene = scene;
    director->runWithScene(scene);
    return true;
}

void AppDelegate::applicationDidEnterBackground()
{
    Director::getInstance()->stopAnimation();
}

void AppDelegate::applicationWillEnterForeground()
{
    Director::getInstance()->startAnimation();
}
