#include "platform/Application.h"
#include "base/Director.h"
#include "base/ccMacros.h"
#include "platform/GLView.h"
#include <chrono>
#include <thread>

namespace cocos2d {

Application* Application::s_instance = nullptr;

Application::Application()
{
    s_instance = this;
}

Application::~Application()
{
    if (s_instance == this)
        s_instance = nullptr;
}

Application* Application::getInstance()
{
    return s_instance;
}

void Application::setAnimationInterval(double interval)
{
    Director::getInstance()->setAnimationInterval(interval);
}

int Application::run()
{
    if (!applicationDidFinishLaunching())
        return 1;
    Director* director = Director::getInstance();
    GLView* view = director->getOpenGLView();
    if (!view)
    {
        CCLOG("Application::run: no view was given to the Director");
        return 1;
    }
    // The Director lets go of the view when it ends; the loop still asks it.
    view->retain();
    using Clock = std::chrono::steady_clock;
    auto nextFrame = Clock::now();
    while (!view->windowShouldClose())
    {
        const auto interval = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(director->getAnimationInterval()));
        const auto now = Clock::now();
        if (now < nextFrame)
        {
            std::this_thread::sleep_for(nextFrame - now);
            continue;
        }
        // Late frames do not make the next ones come faster.
        nextFrame = std::max(nextFrame + interval, now);
        director->mainLoop();
    }
    // A closed window ends the Director too (scene clean-up, pool drained).
    if (director->getOpenGLView())
    {
        director->end();
        director->mainLoop();
    }
    view->release();
    return 0;
}

}
