#pragma once
#include "platform/ApplicationProtocol.h"

namespace cocos2d {

// The one application: constructing it makes it the instance. run() calls
// applicationDidFinishLaunching, then runs frames no faster than the
// Director's animation interval until the view closes or the Director ends.
class Application : public ApplicationProtocol
{
public:
    Application();
    ~Application() override;

    static Application* getInstance();

    // 0 after a normal end; 1 when the delegate refused to start or no view
    // was set.
    int run();
    void setAnimationInterval(double interval);

private:
    static Application* s_instance;
};

}
