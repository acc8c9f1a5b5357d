#pragma once
#include "cocos2d.h"

// The HUD keeps pointers to nodes that live in the game layer. It holds a
// reference to each as well, so that a layer that goes first never leaves it
// a dangling pointer; these take and drop that hold.

template <class T>
T* keepNode(T*& member, T* node)
{
    if (node)
        node->retain();
    if (member)
        member->release();
    member = node;
    return node;
}

// Takes the node off its parent, stopping what it runs, and lets go of it.
template <class T>
void dropNode(T*& member)
{
    if (!member)
        return;
    member->removeFromParentAndCleanup(true);
    member->release();
    member = nullptr;
}
