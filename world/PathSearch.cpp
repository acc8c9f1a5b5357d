#include "world/PathSearch.h"
#include <algorithm>
#include <cstring>

PathSearch::PathSearch(int mapWidth, int mapHeight)
    : _width(std::max(mapWidth, 0)), _height(std::max(mapHeight, 0)),
      _nodeMap(static_cast<size_t>(_width) * _height, nullptr)
{
    _heap.reserve(1024);
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
// and the four children of an entry share a cache line or two.
void PathSearch::siftUp(size_t index)
{
    const Entry moving = _heap[index];
    while (index > 0)
    {
        const size_t parent = (index - 1) / 4;
        if (_heap[parent].key <= moving.key)
            break;
        _heap[index] = _heap[parent];
        index = parent;
    }
    _heap[index] = moving;
}

void PathSearch::popTop()
{
    const Entry last = _heap.back();
    _heap.pop_back();
    const size_t size = _heap.size();
    if (size == 0)
        return;
    size_t index = 0;
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
        if (_heap[best].key >= last.key)
            break;
        _heap[index] = _heap[best];
        index = best;
    }
    _heap[index] = last;
}

bool PathSearch::isLive(const Entry& e) const
{
    return e.node->openTicket == static_cast<uint32_t>(e.key) && e.node->state == PathNode::Open;
}

void PathSearch::dropStaleTop()
{
    while (!_heap.empty() && !isLive(_heap.front()))
    {
        popTop();
    }
}

void PathSearch::pushOpen(PathNode* node)
{
    node->state = PathNode::Open;
    node->openTicket = _nextTicket++;
    _heap.push_back(Entry{keyOf(node->f, node->openTicket), node});
    siftUp(_heap.size() - 1);
    ++_openCount;
}

PathNode* PathSearch::peekOpen()
{
    dropStaleTop();
    return _heap.empty() ? nullptr : _heap.front().node;
}

void PathSearch::eraseOpen(PathNode* node)
{
    if (node->openTicket == 0)
        return;
    dropStaleTop();
    if (!_heap.empty() && _heap.front().node == node && isLive(_heap.front()))
    {
        popTop();
    }
    // Anywhere else in the heap its entry simply goes stale.
    node->openTicket = 0;
    --_openCount;
}

void PathSearch::clearOpen()
{
    for (const Entry& e : _heap)
        e.node->openTicket = 0;
    _heap.clear();
    _openCount = 0;
    _nextTicket = 1;
}
