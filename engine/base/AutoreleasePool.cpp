#include "base/AutoreleasePool.h"
#include "base/Ref.h"
#include <algorithm>

namespace cocos2d {

AutoreleasePool* AutoreleasePool::getInstance()
{
    static AutoreleasePool* pool = new AutoreleasePool();
    return pool;
}

void AutoreleasePool::addObject(Ref* object)
{
    _objects.push_back(object);
}

void AutoreleasePool::clear()
{
    std::vector<Ref*> releasing;
    releasing.swap(_objects);
    for (Ref* obj : releasing)
        obj->release();
}

bool AutoreleasePool::contains(const Ref* object) const
{
    return std::find(_objects.begin(), _objects.end(), object) != _objects.end();
}

}
