#include "world/PathNodePool.h"

PathNodePool::PathNodePool()
{
    grow(InitialSize);
}

void PathNodePool::grow(size_t newTotal)
{
    const size_t missing = newTotal - _total;
    std::unique_ptr<PathNode[]> block(new PathNode[missing]);
    _free.reserve(newTotal);
    for (size_t i = 0; i < missing; ++i)
        _free.push_back(&block[i]);
    _blocks.push_back(std::move(block));
    _total = newTotal;
}

PathNode* PathNodePool::take()
{
    if (_free.empty())
        grow(_total * 2);
    PathNode* node = _free.back();
    _free.pop_back();
    node->clear();
    return node;
}

void PathNodePool::giveBack(PathNode* node)
{
    _free.push_back(node);
}
