#pragma once

namespace cocos2d {

// Points a member that owns one reference at another object: the new one is
// retained before the old one is released, so handing in an object the old
// one alone keeps alive is safe. Either may be null.
template <class T>
void assignRetained(T*& member, T* object)
{
    if (object == member)
        return;
    if (object)
        object->retain();
    if (member)
        member->release();
    member = object;
}

// The end of the create idiom: a new object whose init failed is deleted and
// gives null; one that succeeded is handed to the autorelease pool.
template <class T>
T* autoreleaseIfInitialised(T* object, bool initialised)
{
    if (!initialised)
    {
        delete object;
        return nullptr;
    }
    object->autorelease();
    return object;
}

}
