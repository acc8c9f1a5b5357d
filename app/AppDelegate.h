#pragma once
#include "cocos2d.h"

// The engine's application: sets the frame rate and the design resolution and
// runs the one scene that holds the Game layer.
class AppDelegate : private cocos2d::Application
{
public:
    AppDelegate();
    ~AppDelegate() override;

    bool applicationDidFinishLaunching() override;
    void applicationDidEnterBackground() override;
    void applicationWillEnterForeground() override;
};
