#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <cstddef>
#include <string>
#include <vector>

class SoundInstance;
class SoundSystem;

// The one place where the game makes sound. Effects, voices, ambient loops and
// music are played by file name from the "sfx/" folder of the assets; every
// play makes a sound of its own and hands back a handle (-1 means none).
// Positional sounds are quieter with distance from the listener and panned by
// their horizontal offset from it; the world moves the listener with the
// camera and sets the hearing range, and every frame re-pans the positional
// sounds.
class SoundEngine : public Singleton<SoundEngine>
{
public:
    // The hearing range until the world sets it from the view: about the
    // half-width of the view at the closest zoom.
    static constexpr float kDefaultRange = 480.0f;
    // Mixing channels of the sound system.
    static constexpr int kChannels = 100;

    // Plays "sfx/" + name. With a source position the sound is positional: the
    // point is copied (never read again), and its owner may move it with
    // moveSource while it lives. Returns the handle, or -1 when the listener
    // is switched off (its x is -1) and nothing was made. A file that cannot
    // be played still gets a handle; the sound is simply silent.
    int play(const cocos2d::Vec2* source, bool loop, const std::string& name, float volume);
    // Moves the source point of a positional sound; the next update re-pans it.
    void moveSource(int handle, cocos2d::Vec2 position);
    // Stops the first active sound with the handle; -1 or an unknown handle does nothing.
    void stop(int handle);
    void stopAll();
    // Sets the channel volume of every active sound with the handle directly.
    void setVolume(int handle, float volume);
    void muteAll();
    void unmuteAll();
    // Once a frame: drops the sounds that have ended and re-pans the positional ones.
    void update();

    // Distance factor 0..1 of a source point as heard at the listener point.
    float attenuation(cocos2d::Vec2 listenerPoint, cocos2d::Vec2 point) const;
    // Pan -1 (left) .. 1 (right) of a source at that x, heard at the listener.
    float panFor(float x) const;

    // The active sound with that handle, or null (for the HUD and tests).
    const SoundInstance* find(int handle) const;
    std::size_t activeCount() const { return active.size(); }
    // False when the audio device could not be opened: every sound is silent.
    bool hasSystem() const { return system != nullptr; }
    // Stops every sound and closes the device, its mixing thread with it; the
    // game is silent from then on. For the program's end.
    void closeDevice();

    // Listener position in world pixels; an x of exactly -1 switches sound off.
    cocos2d::Vec2 listener;
    // Hearing range in pixels.
    float range = kDefaultRange;

private:
    friend class Singleton<SoundEngine>;
    SoundEngine();

    void repan(SoundInstance* sound);

    std::vector<SoundInstance*> active;
    std::vector<SoundInstance*> finished;
    SoundSystem* system = nullptr;
};
