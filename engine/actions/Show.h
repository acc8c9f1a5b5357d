#pragma once
#include "actions/ActionInstant.h"

namespace cocos2d {

class Show : public ActionInstant
{
public:
    static Show* create();
    void update(float t) override;

private:
    Show() = default;
};

}
