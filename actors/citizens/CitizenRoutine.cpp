#include "actors/citizens/CitizenRoutine.h"

#include "actors/citizens/CitizenRecord.h"
#include "app/StringHelpers.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <cstdlib>

namespace {

// The errand lines of the hover panel, by activity.
const char* const kActivityTexts[] = {
    "%s my friend %s.",
    "Going Shopping",
    "Going somewhere",
    "Out for a smoke",
};
const char* const kHeadingHome = "Heading home.";
const char* const kVisiting = "Visiting";

}

CitizenRoutine::CitizenRoutine(const CitizenRecord& citizen, cocos2d::Vec2 homeCell, cocos2d::Vec2 currentCell)
{
    if (citizen.smoker && std::rand() % kSmokeOdds == 0)
    {
        goForSmoke(currentCell);
        return;
    }
    if (std::rand() % 6 + 1 <= 3)
        visitFriend(homeCell);
    else
        goSomewhere();
}

CitizenRoutine::~CitizenRoutine() = default;

void CitizenRoutine::visitFriend(cocos2d::Vec2 homeCell)
{
    activity = VisitingFriend;
    const MapMarker* door = WorldMap::getInstance()->randomSpawnMarkerElsewhere(homeCell);
    friendRecord = std::make_unique<CitizenRecord>(false);
    // A map without Spawn markers has no friend's door to walk to: the visit
    // keeps no destination and the citizen draws another errand.
    if (!door)
        return;
    destination = door->gridPos;
    buildingId = door->buildingId();
}

void CitizenRoutine::goSomewhere()
{
    activity = GoingSomewhere;
    const WorldMap* map = WorldMap::getInstance();
    const MapMarker* marker = map->randomInterestMarker();
    if (!marker)
        return;
    for (int draw = 0; draw < kCellDraws; ++draw)
    {
        const float dx = static_cast<float>(std::rand() % 7 - 4);
        const float dy = static_cast<float>(std::rand() % 7 - 4);
        const cocos2d::Vec2 cell = marker->gridPos + cocos2d::Vec2(dx, dy);
        if (isErrandCell(map->tileAtCell(cell.x, cell.y)))
        {
            destination = cell;
            buildingId = marker->buildingId();
            return;
        }
    }
}

void CitizenRoutine::goForSmoke(cocos2d::Vec2 currentCell)
{
    activity = Smoking;
    buildingId = -1;
    const WorldMap* map = WorldMap::getInstance();
    for (int draw = 0; draw < kCellDraws; ++draw)
    {
        const float dx = static_cast<float>(std::rand() % (2 * kSmokeReach) + 1 - kSmokeReach);
        const float dy = static_cast<float>(std::rand() % (2 * kSmokeReach) + 1 - kSmokeReach);
        const cocos2d::Vec2 cell = currentCell + cocos2d::Vec2(dx, dy);
        if (isSmokeCell(map->tileAtCell(cell.x, cell.y)))
        {
            destination = cell;
            return;
        }
    }
}

bool CitizenRoutine::isErrandCell(const MapTile* tile)
{
    if (!tile || tile->blocked || !tile->floor)
        return false;
    const TileDef* floor = tile->floor;
    if (floor->north_blocked || floor->south_blocked || floor->west_blocked || floor->east_blocked)
        return false;
    return floor->height == 0 && floor->cost <= 2;
}

bool CitizenRoutine::isSmokeCell(const MapTile* tile)
{
    if (!tile)
        return false;
    const TileDef* surface = tile->overlay ? tile->overlay : tile->floor;
    return surface && surface->cost == 1;
}

std::string CitizenRoutine::getActivityText() const
{
    if (goingHome)
        return kHeadingHome;
    if (activity == VisitingFriend)
    {
        const std::string name = friendRecord ? friendRecord->firstName : std::string();
        return formatString(kActivityTexts[VisitingFriend], kVisiting, name.c_str());
    }
    if (activity >= Shopping && activity <= Smoking)
        return kActivityTexts[activity];
    return std::string();
}
