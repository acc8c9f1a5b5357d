#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include "ui/menus/TutorialEntry.h"

#include <memory>
#include <string>
#include <vector>

class GameMob;
class TutorialWorld;

// The tutorial pictures shown as the player meets each thing in a run: some
// when a condition of the run first holds, some when asked for (a kill, an
// item bought). A tutorial shows only while the player is free, and never
// sooner than a cool-down after the one before.
class TutorialEngine : public Singleton<TutorialEngine>
{
public:
    static constexpr int kEntryCount = 14;
    // The tutorial that is armed again while the player has not met a contact.
    static constexpr int kContactReminder = 1;
    static constexpr float kShowCooldown = 5.0f;

    ~TutorialEngine();

    // Asks for a tutorial: shown now when the player is free, else kept pending.
    void request(int id);
    void show(int id);
    // The per-frame check of a living player's run.
    void update(float dt);
    // Forgets which tutorials were shown; pending requests stay.
    void reset();
    // The first tutorial's picture for the alternate movement keys.
    void setAlternateImages(bool alternate);
    // Lets a tutorial be shown again.
    void markNotShown(int id);

    // Replaces what the checks read of the game (tests script it).
    void setWorld(std::unique_ptr<TutorialWorld> newWorld);

    std::vector<std::unique_ptr<TutorialEntry>> entries;
    float cooldown = 2.5f;
    // Saved with the game state and switched by the "Disable Tutorials" option.
    bool enabled = true;
    // Where the player stood at the first check of the moving tutorial.
    cocos2d::Vec2 firstPosition{-1.0f, -1.0f};
    // The tutorial last shown; -1 once its pop-up is dismissed.
    int currentEntry = -1;

private:
    friend class Singleton<TutorialEngine>;
    TutorialEngine();

    TutorialEntry* entry(int id) const;
    static bool isFree(const GameMob* player);
    // True when the check of this entry showed it.
    bool checkEntry(TutorialEntry& tutorial, const GameMob& player);
    bool conditionHolds(int id);

    std::unique_ptr<TutorialWorld> world;
};
