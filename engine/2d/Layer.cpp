#include "2d/Layer.h"
#include "base/Director.h"

namespace cocos2d {

Layer* Layer::create()
{
    auto* layer = new Layer();
    if (layer->init())
    {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool Layer::init()
{
    ignoreAnchorPointForPosition(true);
    setAnchorPoint(Vec2(0.5f, 0.5f));
    setContentSize(Director::getInstance()->getWinSize());
    return true;
}

}
