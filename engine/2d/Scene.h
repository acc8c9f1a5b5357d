#pragma once
#include "2d/Node.h"

namespace cocos2d {

// The root of what is shown: sized to the window's design area.
class Scene : public Node
{
public:
    static Scene* create();
    bool init() override;
    Scene* getScene() const override { return const_cast<Scene*>(this); }

    Scene() = default;
};

}
