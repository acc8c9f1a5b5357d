#include "base/Ref.h"
#include "base/AutoreleasePool.h"
#include "base/ccMacros.h"

namespace cocos2d {

Ref::~Ref() = default;

void Ref::retain()
{
    ++_referenceCount;
}

void Ref::release()
{
    if (_referenceCount == 0)
    {
        CCLOG("Ref::release: object %p released more often than retained", static_cast<void*>(this));
        return;
    }
    if (--_referenceCount == 0)
        delete this;
}

Ref* Ref::autorelease()
{
    AutoreleasePool::getInstance()->addObject(this);
    return this;
}

}
