#pragma once
#include "2d/Node.h"

namespace cocos2d {

// A full-screen container node; its position is its bottom-left corner.
class Layer : public Node
{
public:
    static Layer* create();
    bool init() override;

    Layer() = default;
};

}
