#pragma once
// A channel handle of the SoundSystem (see SoundSystem.h).
#include "platform/SoundResult.h"

#include <cstdint>

class SoundSystem;

// A handle to one playing (or paused, or finished) sound. Default: no channel; every call on it
// answers InvalidHandle. Valid while its SoundSystem exists.
class SoundChannel
{
public:
    bool isValid() const { return _system != nullptr; }

    SoundResult setVolume(float volume);   // 0 silent .. 1 full (clamped)
    SoundResult setPan(float pan);         // -1 left .. 0 centre .. 1 right (clamped)
    SoundResult setPaused(bool paused);
    SoundResult isPlaying(bool& playing);  // paused counts as playing
    SoundResult stop();

    SoundResult getVolume(float& volume) const;
    SoundResult getPan(float& pan) const;
    SoundResult getPaused(bool& paused) const;

private:
    friend class SoundSystem;
    SoundSystem* _system = nullptr;
    int _index = -1;
    uint32_t _generation = 0;
};
