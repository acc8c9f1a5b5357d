#pragma once
#include "world/PathNode.h"
#include <memory>
#include <vector>

// A free list of PathNodes made in advance. It never refuses: when it runs dry
// its target size doubles and the missing nodes are made at once. Nodes are
// freed only with the pool.
class PathNodePool
{
public:
    static constexpr size_t InitialSize = 2048;

    PathNodePool();
    PathNodePool(const PathNodePool&) = delete;
    PathNodePool& operator=(const PathNodePool&) = delete;

    // Pops the last free node, cleared.
    PathNode* take();
    void giveBack(PathNode* node);

    size_t freeCount() const { return _free.size(); }
    size_t totalCount() const { return _total; }

private:
    void grow(size_t newTotal);

    std::vector<std::unique_ptr<PathNode[]>> _blocks;
    std::vector<PathNode*> _free;
    size_t _total = 0;
};
