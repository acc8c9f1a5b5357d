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

bool PathSearch::isLive(const Entry& e) const
{
    return e.node->openTicket == static_cast<uint32_t>(e.key) && e.node->state == PathNode::Open;
}

void PathSearch::dropStaleTop()
{
    while (!_heap.empty() && !isLive(_heap.front()))
    {
        std::pop_heap(_heap.begin(), _heap.end(), Later());
        _heap.pop_back();
    }
}

void PathSearch::pushOpen(PathNode* node)
{
    node->state = PathNode::Open;
    node->openTicket = _nextTicket++;
    _heap.push_back(Entry{keyOf(node->f, node->openTicket), node});
    std::push_heap(_heap.begin(), _heap.end(), Later());
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
        std::pop_heap(_heap.begin(), _heap.end(), Later());
        _heap.pop_back();
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
