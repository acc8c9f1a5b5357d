#pragma once

namespace cocos2d {

// What the game's application delegate answers.
class ApplicationProtocol
{
public:
    virtual ~ApplicationProtocol() = default;
    // Set up the Director and the first scene; false ends the program.
    virtual bool applicationDidFinishLaunching() = 0;
    virtual void applicationDidEnterBackground() = 0;
    virtual void applicationWillEnterForeground() = 0;
};

}
