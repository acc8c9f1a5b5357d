#pragma once

// The nodes the menu engine keeps pointers to (the menu, the version text,
// the page nodes) are held with a reference of their own, so that a pointer
// never outlives its node, even when the node's parent goes first.
template <typename T>
T* holdNode(T* node)
{
    if (node)
        node->retain();
    return node;
}

// Takes a held node off the screen and lets it go.
template <typename T>
void releaseHeldNode(T*& node)
{
    if (!node)
        return;
    T* gone = node;
    node = nullptr;
    gone->removeFromParentAndCleanup(true);
    gone->release();
}
