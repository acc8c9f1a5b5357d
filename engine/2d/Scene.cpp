#include "2d/Scene.h"
#include "base/Director.h"

namespace cocos2d {

Scene* Scene::create()
{
    auto* scene = new Scene();
    if (scene->init())
    {
        scene->autorelease();
        return scene;
    }
    delete scene;
    return nullptr;
}

bool Scene::init()
{
    ignoreAnchorPointForPosition(true);
    setAnchorPoint(Vec2(0.5f, 0.5f));
    setContentSize(Director::getInstance()->getWinSize());
    return true;
}

}
