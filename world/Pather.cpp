#include "world/Pather.h"
#include "actors/GameMob.h"
#include "app/Geometry.h"
#include "world/MapTile.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
Pather* s_instance = nullptr;

bool sameCellPosition(const cocos2d::Vec2& a, const cocos2d::Vec2& b)
{
    return a.x == b.x && a.y == b.y;
}

// A step to a neighbouring cell. The neighbours are tried in this order:
// north (y - 1), south, east, west.
struct CellStep
{
    int dx;
    int dy;
};
constexpr CellStep kNeighbourSteps[4] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
}

Pather* Pather::getInstance()
{
    if (!s_instance)
        s_instance = new Pather();
    return s_instance;
}

Pather* Pather::existingInstance()
{
    return s_instance;
}

void Pather::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

Pather::Pather() : _map(WorldMap::getInstance())
{
    _search = std::make_unique<PathSearch>(_map->width, _map->height);
    for (auto& queue : _queues)
        queue.reserve(64);
}

void Pather::update()
{
    _frameExpansions = 0;
    for (;;)
    {
        if (!_current && !takeNextRequest())
            return;
        GameMob* mob = _current->requester;
        _search->blockedCells = &mob->blockedCells;
        PathNode* goal = searchStep(*_search, mob->heightLevel, FrameBudget - _frameExpansions);
        if (goal)
        {
            _current = nullptr;
            mob->setPath(goal);
        }
        else if (_search->openEmpty())
        {
            _current = nullptr;
            mob->pathFailed();
        }
        if (_frameExpansions >= FrameBudget)
            return;
    }
}

bool Pather::takeNextRequest()
{
    for (auto& queue : _queues)
    {
        while (!queue.empty())
        {
            PathRequest* request = queue.front();
            queue.erase(queue.begin());
            if (!request || !request->requester)
                continue;  // nobody to answer
            _current = request;
            resetSearch(*_search);
            beginSearch(request->start, request->goal, request->mode);
            return true;
        }
    }
    return false;
}

void Pather::startNode(PathSearch& search, PathNodePool& pool, cocos2d::Vec2 start)
{
    search.current = nullptr;
    const int x = static_cast<int>(start.x);
    const int y = static_cast<int>(start.y);
    // A start off the map has no node: the open set stays empty and the search fails.
    if (!search.contains(x, y) || start.x < 0.0f || start.y < 0.0f)
        return;
    PathNode* node = pool.take();
    node->position = start;
    search.placeNode(search.cellIndex(x, y), node);
    search.pushOpen(node);
}

void Pather::beginSearch(cocos2d::Vec2 start, cocos2d::Vec2 goal, int mode)
{
    _search->start = start;
    _search->goal = goal;
    _search->mode = mode;
    startNode(*_search, _pool, start);
}

void Pather::resetSearch(PathSearch& search)
{
    search.clearOpen();
    search.takeBackNodes([this](PathNode* node) { _pool.giveBack(node); });
    search.current = nullptr;
    search.expansions = 0;
}

PathNode* Pather::searchStep(PathSearch& search, int level, unsigned budget)
{
    if (sameCellPosition(search.start, search.goal))
        return search.peekOpen();

    unsigned n = 0;
    PathNode* found = nullptr;
    while (!search.openEmpty())
    {
        PathNode* current = search.peekOpen();
        search.current = current;
        if (sameCellPosition(current->position, search.goal))
        {
            found = current;
            break;
        }
        search.eraseOpen(current);
        current->state = PathNode::Closed;
        if (search.expansionLog)
            search.expansionLog->push_back(current->position);

        // The neighbours are walked in whole cells; the nodes keep the float
        // positions the requests gave.
        const int x = static_cast<int>(current->position.x);
        const int y = static_cast<int>(current->position.y);
        const MapTile* currentTile = _map->getTile(x, y);
        std::array<Neighbour, 4> neighbours;
        for (size_t i = 0; i < neighbours.size(); ++i)
        {
            const CellStep& step = kNeighbourSteps[i];
            Neighbour& cell = neighbours[i];
            cell = {x + step.dx, y + step.dy, step.dx, step.dy, _map->getTile(x + step.dx, y + step.dy)};
            // The four cells' records are fetched together rather than one miss after another.
            if (cell.tile)
                __builtin_prefetch(cell.tile);
        }
        for (const Neighbour& cell : neighbours)
            expandNeighbour(search, current, currentTile, cell, level);

        ++n;
        if (n > budget)
            break;
    }
    _frameExpansions += n;
    search.expansions += static_cast<int32_t>(n);
    return found;
}

void Pather::expandNeighbour(PathSearch& search, PathNode* current, const MapTile* currentTile,
                             const Neighbour& neighbour, int level)
{
    if (!search.contains(neighbour.x, neighbour.y) || !_map->containsCell(neighbour.x, neighbour.y))
        return;
    const size_t index = search.cellIndex(neighbour.x, neighbour.y);
    PathNode* slot = search.nodeAt(index);
    if (slot && slot->state == PathNode::Closed)
        return;
    // The expanded cell is the one tested for level and for the avoid flag.
    if (!currentTile ||
        !WorldMap::canPassTiles(level, true, currentTile, neighbour.tile, -neighbour.dx, -neighbour.dy))
        return;
    cocos2d::Vec2 cell = current->position;
    if (neighbour.dx != 0)
        cell.x += static_cast<float>(neighbour.dx);
    else
        cell.y += static_cast<float>(neighbour.dy);
    if (isBlockedCell(search, cell))
        return;

    const float g = current->g + static_cast<float>(neighbour.tile ? WorldMap::tileCost(neighbour.tile) : -1);
    if (slot)
    {
        if (slot->state == PathNode::Open && slot->g > g)
        {
            search.eraseOpen(slot);
            slot->g = g;
            slot->h = heuristic(cell, search.goal, search.mode);
            slot->f = slot->g + slot->h;
            slot->parent = current;
            search.pushOpen(slot);
        }
        return;
    }
    PathNode* node = _pool.take();
    node->position = cell;
    node->g = g;
    node->h = heuristic(cell, search.goal, search.mode);
    node->f = node->g + node->h;
    node->parent = current;
    search.placeNode(index, node);
    search.pushOpen(node);
}

bool Pather::isBlockedCell(const PathSearch& search, cocos2d::Vec2 cell)
{
    if (!search.blockedCells)
        return false;
    for (const cocos2d::Vec2& blocked : *search.blockedCells)
    {
        if (sameCellPosition(blocked, cell))
            return true;
    }
    return false;
}

float Pather::heuristic(cocos2d::Vec2 a, cocos2d::Vec2 b, int mode)
{
    static const float root2 = std::sqrt(2.0f);
    switch (mode)
    {
    case 0:
        return std::fabs(a.x - b.x) + std::fabs(a.y - b.y);
    case 1:
        return fastDistance(a, b) * root2;
    case 2:
    {
        const int dx = std::abs(static_cast<int>(a.x) - static_cast<int>(b.x));
        const int dy = std::abs(static_cast<int>(a.y) - static_cast<int>(b.y));
        if (dx == dy)
            return static_cast<float>(dx) * root2;
        // The straight part weighs sqrt(2) and the diagonal part 1: this is
        // the weighting the searches were tuned with.
        const int lo = std::min(dx, dy);
        const int hi = std::max(dx, dy);
        return static_cast<float>(hi - lo) * root2 + static_cast<float>(lo);
    }
    default:
        return std::numeric_limits<float>::max();
    }
}

bool Pather::findPathNow(cocos2d::Vec2 goal, cocos2d::Vec2 start, int level, std::vector<cocos2d::Vec2>& path)
{
    // Searched from the first argument to the second, so that walking the
    // parents from the found node lists the cells from the second to the first.
    PathSearch search(_map->width, _map->height);
    search.start = goal;
    search.goal = start;
    search.mode = 2;
    startNode(search, _pool, goal);
    for (PathNode* node = searchStep(search, level, std::numeric_limits<unsigned>::max()); node; node = node->parent)
        path.push_back(node->position);
    resetSearch(search);
    return !path.empty();
}

void Pather::cancelRequests(GameMob* requester)
{
    for (int q = QueueCount - 1; q >= 0; --q)
    {
        auto& queue = _queues[q];
        for (int i = static_cast<int>(queue.size()) - 1; i >= 0; --i)
        {
            if (queue[i]->requester != requester)
                continue;
            if (queue[i] == _current)
                _current = nullptr;
            queue.erase(queue.begin() + i);
        }
    }
    if (_current && _current->requester == requester)
        _current = nullptr;
}
