#pragma once
#include "app/Singleton.h"

#include <array>

// The tutorial hints shown to the player during a run.
class TutorialEngine : public Singleton<TutorialEngine>
{
public:
    struct Entry
    {
        bool shown = false;
    };
    static constexpr int kEntryCount = 14;

    // Shows a pending tutorial when the player is free.
    void update(float dt);

    std::array<Entry, kEntryCount> entries{};

private:
    friend class Singleton<TutorialEngine>;
    TutorialEngine() = default;
};
