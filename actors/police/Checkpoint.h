#pragma once
#include "cocos2d.h"
#include <vector>

class GameMob;

// One person's pass through a checkpoint. The record outlives the verdict,
// so that the same person is not scanned again before its time runs out.
struct CheckpointScan
{
    GameMob* mob = nullptr;
    cocos2d::Vec2 startPosition;
    float timeLeft = 30.0f;
    bool verdictGiven = false;
};

// A security checkpoint on the map: whoever walks into its box is scanned;
// contraband or a carried body calls the police, and the lights show the
// verdict for a while.
class Checkpoint
{
public:
    static constexpr float scanRecordSeconds = 30.0f;
    static constexpr float lightSeconds = 10.0f;
    static constexpr float lightRadius = 64.0f;

    // At a marker's cell (tile units).
    explicit Checkpoint(cocos2d::Vec2 markerCell);

    void update(float dt);
    void beginScan(GameMob* mob);
    void startCooldown(bool red);
    // The three by three cells round the marker's cell.
    bool isInTriggerBox(cocos2d::Vec2 mobCell) const;
    bool hasRecordOf(const GameMob* mob) const;
    // A person leaving the game leaves no record behind.
    void forgetMob(const GameMob* mob);
    // A level or run starts afresh: active, no records.
    void reactivate();

    bool active = true;
    cocos2d::Vec2 position;
    cocos2d::Vec2 cell;
    std::vector<CheckpointScan> scans;
    // Origin (cell - 1), three cells a side.
    cocos2d::Rect triggerBox;
    // -1 when the lights are off; 0 at first, so that the first update switches them off.
    float lightCooldown = 0.0f;

private:
    void giveVerdicts(float dt);
    void dropOneExpiredRecord();
    void scanArrivals();
    void updateLights(float dt);
};
