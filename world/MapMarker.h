#pragma once

#include <string>

#include "cocos2d.h"

namespace cocos2d {
class Sprite;
}

enum class MapMarkerKind : int {
    Spawn = 0,
    PlayerSpawn = 1,
    Interest = 2,
    Queue = 3,
    Contact = 4,
    Checkpoint = 5,
};

// A point of the map that the editor places and the game uses for spawning
// and errands.
class MapMarker {
public:
    static constexpr int kKindCount = 6;

    MapMarker(MapMarkerKind kind, const cocos2d::Vec2& position);

    static bool isValidKind(int kind) { return kind >= 0 && kind < kKindCount; }
    // The editor's name and picture of a kind; empty for a kind out of range.
    static std::string kindName(int kind);
    static std::string kindPicture(int kind);

    // (Re)makes the editor picture and adds it to the world map's world node.
    void createSprite();
    void setPosition(float x, float y);
    // The position in the coordinates of the world node's parent.
    cocos2d::Vec2 getWorldPosition() const;
    // The building a marker stands for, as the citizens' errands read it: the
    // identifier the editor gives the marker (-1 none).
    int buildingId() const { return identifier; }

    cocos2d::Vec2 position;
    cocos2d::Vec2 gridPos;
    MapMarkerKind kind;
    cocos2d::Rect pickRect;
    int useCount = 0;
    bool taken = false;
    int identifier = -1;
    int zone = -1;
    int spawnChance = 100;
    cocos2d::Sprite* sprite = nullptr;
};
