// Coordinates, walls, sight, collision and the cell rules of the city map.
#include "world/WorldMap.h"
#include "actors/GameMob.h"
#include "actors/GameObject.h"
#include "app/Geometry.h"
#include "app/Line.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace {
enum Direction { North = 0, South = 1, East = 2, West = 3 };
enum Side { SideNorth = 1, SideSouth = 2, SideWest = 3, SideEast = 4 };

int oppositeSide(int side)
{
    switch (side)
    {
    case SideNorth: return SideSouth;
    case SideSouth: return SideNorth;
    case SideWest: return SideEast;
    default: return SideWest;
    }
}

// A tile layer walls side k at level m when it stands at that level with the
// side flagged; a blocked tile walls every side.
bool sideCounts(const MapTile* tile, int side, int level)
{
    if (tile->blocked)
        return true;
    if (tile->floor && tile->floor->height == level && tile->floor->sideBlocked(side))
        return true;
    return tile->overlay && tile->overlay->height == level && tile->overlay->sideBlocked(side);
}

// A room or doorway of an enterable building: a raised cell whose floor lies
// under the roof as an overlay at street height. People walk across it, and
// shots cross it the same way.
bool isRoom(const MapTile* tile)
{
    return tile && tile->level > 0 && !tile->blocked && tile->overlay && tile->overlay->height == 0;
}

// A rectangle (a bullet in flight) cannot stand on a cell off the map, nor on
// a raised cell that is no room.
bool stopsRectangle(const MapTile* tile)
{
    return !tile || (tile->level > 0 && !isRoom(tile));
}

// A rectangle going from one cell into its neighbour through the given side
// of the first. It cannot enter a raised cell that is no room from a cell it
// flies over; a path that leaves such a cell (a droid's shot from over a roof
// down into the street) is not stopped by it. Where a room lies on either
// hand, the walls of the side it leaves by and of the side it enters by stop
// it, both ways.
bool wallBetween(const MapTile* from, const MapTile* to, int side)
{
    if (from && !stopsRectangle(from) && stopsRectangle(to))
        return true;
    if (!isRoom(from) && !isRoom(to))
        return false;
    return !from || stopsRectangle(to) || sideCounts(from, side, 0) || sideCounts(to, oppositeSide(side), 0);
}
}

cocos2d::Vec2 WorldMap::gridToPixel(float gx, float gy)
{
    return cocos2d::Vec2(gx * CellSize, gy * CellSize);
}

cocos2d::Vec2 WorldMap::pixelToGrid(float px, float py)
{
    return cocos2d::Vec2(std::trunc(px / CellSize), std::trunc(py / CellSize));
}

int WorldMap::cellLevel(const MapTile* tile)
{
    return tile->overlay ? tile->overlay->height : tile->level;
}

cocos2d::Vec2 WorldMap::bucketOfCell(cocos2d::Vec2 cell)
{
    return cocos2d::Vec2(std::trunc(cell.x / BucketCells), std::trunc(cell.y / BucketCells));
}

bool WorldMap::bucketInRange(cocos2d::Vec2 bucket)
{
    return bucket.x >= 0.0f && bucket.y >= 0.0f && bucket.x < BucketsPerSide && bucket.y < BucketsPerSide;
}

size_t WorldMap::bucketIndex(cocos2d::Vec2 bucket)
{
    return static_cast<size_t>(bucket.x + bucket.y * BucketsPerSide);
}

bool WorldMap::bucketHasObjects(cocos2d::Vec2 bucket) const
{
    return bucketInRange(bucket) && !objectBuckets[bucketIndex(bucket)].empty();
}

template <typename Match>
GameObject* WorldMap::findAroundBucket(cocos2d::Vec2 bucket, Match match) const
{
    for (int i = -1; i <= 1; ++i)
    {
        for (int j = -1; j <= 1; ++j)
        {
            const cocos2d::Vec2 n(bucket.x + i, bucket.y + j);
            if (!bucketInRange(n))
                continue;
            for (GameObject* o : objectBuckets[bucketIndex(n)])
            {
                if (match(o))
                    return o;
            }
        }
    }
    return nullptr;
}

Line WorldMap::makeTileWalls(int x, int y, int side) const
{
    const float px = static_cast<float>(x * CellSize);
    const float py = static_cast<float>(y * CellSize);
    const float s = static_cast<float>(CellSize);
    switch (side)
    {
    case SideNorth: return Line(cocos2d::Vec2(px, py + s), cocos2d::Vec2(px + s, py + s));
    case SideSouth: return Line(cocos2d::Vec2(px, py), cocos2d::Vec2(px + s, py));
    case SideWest: return Line(cocos2d::Vec2(px, py), cocos2d::Vec2(px, py + s));
    default: return Line(cocos2d::Vec2(px + s, py), cocos2d::Vec2(px + s, py + s));
    }
}

bool WorldMap::isSegmentClear(const Line& line, int level, bool withObjects) const
{
    const cocos2d::Vec2 a = pixelToGrid(line.first.x, line.first.y);
    const cocos2d::Vec2 b = pixelToGrid(line.second.x, line.second.y);
    const int x0 = static_cast<int>(std::min(a.x, b.x));
    const int x1 = static_cast<int>(std::max(a.x, b.x));
    const int y0 = static_cast<int>(std::min(a.y, b.y));
    const int y1 = static_cast<int>(std::max(a.y, b.y));
    // Only cells higher than the mover stand in the way.
    for (int x = x0; x <= x1; ++x)
    {
        for (int y = y0; y <= y1; ++y)
        {
            const MapTile* tile = getTile(x, y);
            if (!tile || cellLevel(tile) <= level)
                continue;
            for (int side = SideNorth; side <= SideEast; ++side)
            {
                if (makeTileWalls(x, y, side).intersects(line))
                    return false;
            }
        }
    }
    return !(withObjects && findObjectOnSegment(line));
}

bool WorldMap::hasLineOfSight(int level, cocos2d::Vec2 from, float angle, float distance) const
{
    const Line sight(from, pointAtAngle(from, distance, angle));
    return isSegmentClear(sight, level, false);
}

bool WorldMap::isWidePathClear(int halfWidth, int level, cocos2d::Vec2 from, cocos2d::Vec2 to) const
{
    const float a = angleBetween(from, to);
    const cocos2d::Vec2 left = vectorFromAngle(a - 90.0f, static_cast<float>(halfWidth));
    const cocos2d::Vec2 right = vectorFromAngle(a + 90.0f, static_cast<float>(halfWidth));
    return isSegmentClear(Line(from, to), level, true) && isSegmentClear(Line(from + left, to + left), level, true) &&
           isSegmentClear(Line(from + right, to + right), level, true);
}

bool WorldMap::canMobMoveTo(GameMob* mob, cocos2d::Vec2 target) const
{
    return isWidePathClear(static_cast<int>(mob->getRadius()), mob->heightLevel, mob->getPosition(), target);
}

GameObject* WorldMap::findObjectOnSegment(const Line& line) const
{
    const cocos2d::Vec2 start = pixelToGrid(line.first.x, line.first.y);
    const cocos2d::Vec2 b = bucketOfCell(start);
    // An empty start bucket ends the search: the neighbours are not asked.
    if (!bucketHasObjects(b))
        return nullptr;
    return findAroundBucket(b, [&line](GameObject* o) { return o->intersectsSegment(line); });
}

GameObject* WorldMap::findCollidingObject(GameObject* object) const
{
    const cocos2d::Vec2 b = bucketOfCell(object->cell);
    if (!bucketHasObjects(b))
        return nullptr;
    return findAroundBucket(b, [object](GameObject* o) {
        // The cheap distance bound first, then the exact shapes.
        return o != object &&
               fastDistance(object->getPosition(), o->getPosition()) <= object->getDiameter() + o->getDiameter() &&
               object->overlaps(o);
    });
}

int* WorldMap::collideWithTiles(GameObject* object, bool anyOtherLevel, cocos2d::Vec2 moved)
{
    std::fill(std::begin(blockedDirections), std::end(blockedDirections), -1);
    if (!object->isCircle())
    {
        if (rectangleMeetsWall(object, moved) >= 0.0f)
            std::fill(blockedDirections, blockedDirections + 4, 1);
        return blockedDirections;
    }

    const int cx = static_cast<int>(object->cell.x);
    const int cy = static_cast<int>(object->cell.y);
    const MapTile* own = getTile(cx, cy);
    const int level = own ? cellLevel(own) : GameObject::NoLevel;
    bool marked[3][3] = {};
    markCollisionCells(object, cx, cy, level, anyOtherLevel, marked);
    collideCircleWithWalls(object, cx, cy, marked);
    return blockedDirections;
}

bool WorldMap::anyBlocked(const int* directions)
{
    const size_t count = std::extent_v<decltype(blockedDirections)>;
    return std::any_of(directions, directions + count, [](int direction) { return direction == 1; });
}

float WorldMap::rectangleMeetsWall(const GameObject* object, cocos2d::Vec2 moved) const
{
    // The middle goes with the corners: flying past a building's corner, a
    // bolt's side can meet it while all four corners still go by.
    const std::array<cocos2d::Vec2, 4> corners = object->getCorners();
    float first = -1.0f;
    for (const cocos2d::Vec2& point : {corners[0], corners[1], corners[2], corners[3], object->position})
    {
        float share = wallOnPath(point - moved, point);
        // A point that started where it cannot stand (over a roof, off the
        // map) and stays there is stopped where it ends.
        if (share < 0.0f && stopsRectangle(tileAtPixel(static_cast<int>(point.x), static_cast<int>(point.y))))
            share = 1.0f;
        if (share >= 0.0f && (first < 0.0f || share < first))
            first = share;
    }
    return first;
}

float WorldMap::wallOnPath(cocos2d::Vec2 from, cocos2d::Vec2 to) const
{
    const float size = static_cast<float>(CellSize);
    int x = static_cast<int>(std::floor(from.x / size));
    int y = static_cast<int>(std::floor(from.y / size));
    const int endX = static_cast<int>(std::floor(to.x / size));
    const int endY = static_cast<int>(std::floor(to.y / size));
    const int stepX = endX > x ? 1 : -1;
    const int stepY = endY > y ? 1 : -1;
    // The share of the way at which the point meets the next column and the
    // next row of cells; the nearer one is crossed first.
    const cocos2d::Vec2 way = to - from;
    const float edgeX = static_cast<float>(stepX > 0 ? x + 1 : x) * size;
    const float edgeY = static_cast<float>(stepY > 0 ? y + 1 : y) * size;
    float nextX = way.x != 0.0f ? (edgeX - from.x) / way.x : 1.0f;
    float nextY = way.y != 0.0f ? (edgeY - from.y) / way.y : 1.0f;
    const float perColumn = way.x != 0.0f ? size / std::fabs(way.x) : 0.0f;
    const float perRow = way.y != 0.0f ? size / std::fabs(way.y) : 0.0f;
    for (int crossings = std::abs(endX - x) + std::abs(endY - y); crossings > 0; --crossings)
    {
        const MapTile* left = getTile(x, y);
        int side = 0;
        float share = 0.0f;
        if (y == endY || (x != endX && nextX < nextY))
        {
            share = nextX;
            x += stepX;
            nextX += perColumn;
            side = stepX > 0 ? SideEast : SideWest;
        }
        else
        {
            share = nextY;
            y += stepY;
            nextY += perRow;
            side = stepY > 0 ? SideNorth : SideSouth;
        }
        if (wallBetween(left, getTile(x, y), side))
            return std::clamp(share, 0.0f, 1.0f);
    }
    return -1.0f;
}

void WorldMap::markCollisionCells(GameObject* object, int cx, int cy, int level, bool anyOtherLevel,
                                  bool marked[3][3])
{
    const bool isPlayer = object->isMob() && static_cast<GameMob*>(object)->mobKind == MobPlayer;
    for (int i = -1; i <= 1; ++i)
    {
        for (int j = -1; j <= 1; ++j)
        {
            const MapTile* tile = getTile(cx + i, cy + j);
            if (!tile)
                continue;
            bool& mark = marked[i + 1][j + 1];
            if (isPlayer)
            {
                const TileDef* def = (tile->level != 0 && tile->overlay) ? tile->overlay : tile->floor;
                if (def && def->npcs_only)
                    mark = true;
            }
            const int cl = cellLevel(tile);
            if (anyOtherLevel ? cl != level : cl > level)
                mark = true;

            if (i == -1 && j == 0 && sideCounts(tile, SideEast, level))
                mark = true;
            else if (i == 1 && j == 0 && sideCounts(tile, SideWest, level))
                mark = true;
            else if (i == 0 && j == 1 && sideCounts(tile, SideSouth, level))
                mark = true;
            else if (i == 0 && j == -1 && sideCounts(tile, SideNorth, level))
                mark = true;
            else if (i == 0 && j == 0)
            {
                // The mover's own cell walls it in towards its flagged sides.
                if (sideCounts(tile, SideNorth, level))
                    marked[1][2] = true;
                if (sideCounts(tile, SideSouth, level))
                    marked[1][0] = true;
                if (sideCounts(tile, SideEast, level))
                    marked[2][1] = true;
                if (sideCounts(tile, SideWest, level))
                    marked[0][1] = true;
            }
        }
    }
}

void WorldMap::collideCircleWithWalls(GameObject* object, int cx, int cy, const bool marked[3][3])
{
    const cocos2d::Vec2 centre = object->getPosition();
    const float radius = object->getRadius();
    auto hit = [&](int x, int y, int side, int direction) {
        if (circleIntersectsSegment(makeTileWalls(x, y, side), centre, radius))
            blockedDirections[direction] = 1;
    };
    const bool north = marked[1][2];
    const bool south = marked[1][0];
    const bool west = marked[0][1];
    const bool east = marked[2][1];

    if (marked[0][2])
    {
        if (!north)
            hit(cx - 1, cy + 1, SideEast, West);
        if (!west)
            hit(cx - 1, cy + 1, SideSouth, North);
    }
    if (north)
        hit(cx, cy, SideNorth, North);
    if (marked[2][2])
    {
        if (!north)
            hit(cx + 1, cy + 1, SideWest, East);
        if (!east)
            hit(cx + 1, cy + 1, SideSouth, North);
    }
    if (marked[0][0])
    {
        if (!south)
            hit(cx - 1, cy - 1, SideEast, West);
        if (!west)
            hit(cx - 1, cy - 1, SideNorth, South);
    }
    if (south)
        hit(cx, cy, SideSouth, South);
    if (marked[2][0])
    {
        if (!south)
            hit(cx + 1, cy - 1, SideWest, East);
        if (!east)
            hit(cx + 1, cy - 1, SideNorth, South);
    }
    if (west)
        hit(cx, cy, SideWest, West);
    if (east)
        hit(cx, cy, SideEast, East);
}

bool WorldMap::isWalkable(int x, int y) const
{
    const MapTile* tile = getTile(x, y);
    if (!tile || cellLevel(tile) != 0 || tile->blocked)
        return false;
    const TileDef* floor = tile->floor;
    return !(floor && (floor->north_blocked || floor->south_blocked || floor->west_blocked || floor->east_blocked));
}

bool WorldMap::canPass(int level, bool avoidFlagged, cocos2d::Vec2 toCell, cocos2d::Vec2 fromCell) const
{
    const MapTile* to = tileAtCell(toCell.x, toCell.y);
    if (!to)
        return false;
    const int dx = (toCell.x > fromCell.x) - (toCell.x < fromCell.x);
    const int dy = (toCell.y > fromCell.y) - (toCell.y < fromCell.y);
    return canPassTiles(level, avoidFlagged, to, tileAtCell(fromCell.x, fromCell.y), dx, dy);
}

bool WorldMap::canPassTiles(int level, bool avoidFlagged, const MapTile* to, const MapTile* from, int dx, int dy)
{
    if (avoidFlagged && to->npcAvoid)
        return false;
    if (cellLevel(to) != level)
        return false;
    int entry;
    if (dx > 0)
        entry = SideWest;
    else if (dx < 0)
        entry = SideEast;
    else if (dy > 0)
        entry = SideSouth;
    else
        entry = SideNorth;
    // sideCounts is MapTile::isSideBlocked made visible to the compiler here:
    // this runs for every neighbour the path finder looks at.
    if (sideCounts(to, entry, level))
        return false;
    return !(from && sideCounts(from, oppositeSide(entry), level));
}

int WorldMap::cellCost(cocos2d::Vec2 cell) const
{
    const MapTile* tile = tileAtCell(cell.x, cell.y);
    return tile ? tileCost(tile) : -1;
}

int WorldMap::tileCost(const MapTile* tile)
{
    const TileDef* def = (tile->level != 0 && tile->overlay) ? tile->overlay : tile->floor;
    return def ? def->cost : 1;
}
