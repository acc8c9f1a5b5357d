#pragma once
#include "actions/ActionInstant.h"

namespace cocos2d {

class Hide : public ActionInstant
{
public:
    static Hide* create();
    void update(float t) override;

private:
    Hide() = default;
};

}
