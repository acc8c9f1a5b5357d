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
    PathNode*& nodeAt(int x, int y) { return _nodeMap[static_cast<size_t>(y) * _width + x]; }
    std::vector<PathNode*>& nodeMap() { return _nodeMap; }

    // Open set ordered by f ascending; among equal f, first inserted first.
    bool openEmpty() const { return _openCount == 0; }
    size_t openCount() const { return _openCount; }
    void pushOpen(PathNode* node);
    PathNode* peekOpen();
    // Takes the node alone out of the open set.
    void eraseOpen(PathNode* node);
    void clearOpen();

private:
    // An open-set entry: its key orders by f, then by insertion ticket.
    struct Entry
    {
        uint64_t key;
        PathNode* node;
    };
    static uint64_t keyOf(float f, uint32_t ticket);
    void siftUp(size_t index);
    void popTop();
    bool isLive(const Entry& e) const;
    void dropStaleTop();

    int _width;
    int _height;
    std::vector<PathNode*> _nodeMap;
    std::vector<Entry> _heap;
    size_t _openCount = 0;
    uint32_t _nextTicket = 1;
};
