#include "world/PathSearch.h"
#include <algorithm>
#include <cstring>

PathSearch::PathSearch(int mapWidth, int mapHeight)
    : _width(std::max(mapWidth, 0)), _height(std::max(mapHeight, 0)),
      _nodeMap(static_cast<size_t>(_width) * _height, nullptr)
{
    _heap.reserve(1024);
    _usedCells.reserve(1024);
}

uint64_t PathSearch::keyOf(float f, uint32_t ticket)
{
    // Float bits made to sort as unsigned integers (negative values flipped),
    // so that one integer comparison orders by f and then by ticket.
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    bits = (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
    return (static_cast<uint64_t>(bits) << 32) | ticket;
}

// A four-way heap of the smallest key in front: shallower than a binary one,
// and the four children of an entry share a cache line or two. Every node
// knows where its entry is, so a node whose cost drops is taken out at once
// instead of leaving a stale entry behind to be skipped later.
void PathSearch::place(size_t index, const Entry& entry)
{
    _heap[index] = entry;
    entry.node->heapIndex = static_cast<int32_t>(index);
}

void PathSearch::siftUp(size_t index, const Entry& moving)
{
    while (index > 0)
    {
        const size_t parent = (index - 1) / 4;
        if (_heap[parent].key <= moving.key)
            break;
        place(index, _heap[parent]);
        index = parent;
    }
    place(index, moving);
}

void PathSearch::siftDown(size_t index, const Entry& moving)
{
    const size_t size = _heap.size();
    for (;;)
    {
        const size_t first = index * 4 + 1;
        if (first >= size)
            break;
        size_t best = first;
        const size_t end = std::min(first + 4, size);
        for (size_t child = first + 1; child < end; ++child)
        {
            if (_heap[child].key < _heap[best].key)
                best = child;
        }
        if (_heap[best].key >= moving.key)
            break;
        place(index, _heap[best]);
        index = best;
    }
    place(index, moving);
}

void PathSearch::pushOpen(PathNode* node)
{
    node->state = PathNode::Open;
    const Entry entry{keyOf(node->f, _nextTicket++), node};
    _heap.push_back(entry);
    siftUp(_heap.size() - 1, entry);
}

void PathSearch::eraseOpen(PathNode* node)
{
    if (node->heapIndex < 0)
        return;
    const size_t index = static_cast<size_t>(node->heapIndex);
    node->heapIndex = -1;
    const Entry last = _heap.back();
    _heap.pop_back();
    if (index == _heap.size())
        return;
    // The last entry fills the hole and moves whichever way its key says.
    if (index > 0 && last.key < _heap[(index - 1) / 4].key)
        siftUp(index, last);
    else
        siftDown(index, last);
}

void PathSearch::clearOpen()
{
    for (const Entry& e : _heap)
        e.node->heapIndex = -1;
    _heap.clear();
    _nextTicket = 1;
}
