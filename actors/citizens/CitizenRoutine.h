#pragma once
#include "cocos2d.h"

#include <cstdint>
#include <memory>
#include <string>

class CitizenRecord;
class MapMarker;
class MapTile;

// A citizen's current errand: what it is doing, where it is going (a cell)
// and, for a visit, whom it visits. Owned by its NPC, which draws a new one
// whenever the old one ends, fails or is reset.
class CitizenRoutine
{
public:
    enum Activity : int32_t
    {
        VisitingFriend = 0,
        Shopping = 1,
        GoingSomewhere = 2,
        Smoking = 3,
    };

    // How far around the citizen a smoke may lead, in cells on each axis.
    static constexpr int kSmokeReach = 10;
    // How many cells an errand tries before it gives up and has no destination.
    static constexpr int kCellDraws = 100;

    // A new errand for the citizen of the record, who lives at homeCell and
    // stands at currentCell: a smoker may step out for a smoke; anyone else
    // visits a friend or goes somewhere. The destination stays (-1, -1) when
    // the map offers none; the NPC then draws again.
    CitizenRoutine(const CitizenRecord& citizen, cocos2d::Vec2 homeCell, cocos2d::Vec2 currentCell);
    ~CitizenRoutine();
    CitizenRoutine(const CitizenRoutine&) = delete;
    CitizenRoutine& operator=(const CitizenRoutine&) = delete;

    // The errand as one line, for the hover panel ("Heading home." once the
    // citizen turns for home).
    std::string getActivityText() const;
    bool hasDestination() const { return destination.x != -1.0f; }

    int32_t activity = GoingSomewhere;
    cocos2d::Vec2 destination{-1.0f, -1.0f};
    int32_t buildingId = -1;
    // The person a visit is for; only its name is shown.
    std::unique_ptr<CitizenRecord> friendRecord;
    bool goingHome = false;

private:
    // The odds that a smoker's errand is a smoke: one in this many.
    static constexpr int kSmokeOdds = 4;

    void visitFriend(cocos2d::Vec2 homeCell);
    void goSomewhere();
    void goForSmoke(cocos2d::Vec2 currentCell);

    // A cell near an interest marker that a citizen may stand on.
    static bool isErrandCell(const MapTile* tile);
    // A cell a citizen may smoke on: on the map with a step cost of 1.
    static bool isSmokeCell(const MapTile* tile);
};
