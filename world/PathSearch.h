#pragma once
#include "world/PathNode.h"
#include <cstdint>
#include <vector>

// The state of one A* search: the open set and the node of every cell touched.
// The node map is sized for the map that is loaded when the search is made.
class PathSearch
{
public:
    PathSearch(int mapWidth, int mapHeight);
    PathSearch(const PathSearch&) = delete;
    PathSearch& operator=(const PathSearch&) = delete;

    cocos2d::Vec2 start;
    cocos2d::Vec2 goal;
    int32_t mode = 0;
    PathNode* current = nullptr;
    int32_t expansions = 0;
    // Cells this search must not enter (the requester's blocked cells); null
    // for none.
    const std::vector<cocos2d::Vec2>* blockedCells = nullptr;
    // When set, every expanded cell is appended in order (used to check the
    // search against a reference implementation).
    std::vector<cocos2d::Vec2>* expansionLog = nullptr;

    int width() const { return _width; }
    int height() const { return _height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < _width && y < _height; }
    size_t cellIndex(int x, int y) const { return static_cast<size_t>(y) * _width + x; }
    PathNode* nodeAt(size_t index) const { return _nodeMap[index]; }
    PathNode* nodeAt(int x, int y) const { return nodeAt(cellIndex(x, y)); }
    // Files the node of a fresh cell. The filed cells are remembered so that
    // taking the nodes back visits only them, not the whole map.
    void placeNode(size_t index, PathNode* node)
    {
        _nodeMap[index] = node;
        _usedCells.push_back(index);
    }
    // Empties the node map, handing every filed node to give(PathNode*).
    template <typename Give>
    void takeBackNodes(Give give)
    {
        for (size_t index : _usedCells)
        {
            give(_nodeMap[index]);
            _nodeMap[index] = nullptr;
        }
        _usedCells.clear();
    }

    // Open set ordered by f ascending; among equal f, first inserted first.
    bool openEmpty() const { return _heap.empty(); }
    size_t openCount() const { return _heap.size(); }
    void pushOpen(PathNode* node);
    PathNode* peekOpen() const { return _heap.empty() ? nullptr : _heap.front().node; }
    // Takes the node alone out of the open set.
    void eraseOpen(PathNode* node);
    void clearOpen();

private:
    // An open-set entry: its key orders by f, then by insertion ticket. The
    // keys are unique, so the heap gives the nodes in one fixed order.
    struct Entry
    {
        uint64_t key;
        PathNode* node;
    };
    static uint64_t keyOf(float f, uint32_t ticket);
    void place(size_t index, const Entry& entry);
    void siftUp(size_t index, const Entry& moving);
    void siftDown(size_t index, const Entry& moving);

    int _width;
    int _height;
    std::vector<PathNode*> _nodeMap;
    std::vector<size_t> _usedCells;
    std::vector<Entry> _heap;
    uint32_t _nextTicket = 1;
};
