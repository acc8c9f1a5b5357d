#pragma once
#include "cocos2d.h"
#include "platform/Sound.h"
#include "platform/SoundChannel.h"

#include <string>

class SoundSystem;

// One play of a sound: what SoundEngine::play made, until the sound ends or is
// stopped. It never points into its owner's memory: a positional sound keeps
// its own copy of the source point, which the owner may move (SoundEngine::
// moveSource) while it lives.
class SoundInstance
{
public:
    SoundInstance(int handle, const std::string& path, bool loop, float volume);

    // Creates the sound and starts it paused, sets the channel's volume to the
    // attenuation and its pan, then lets it play. False when nothing plays
    // (no sound system, a missing file or no channel); the instance is kept
    // regardless, as the caller holds its handle.
    bool start(SoundSystem* system);
    void stop();
    // False when the channel reports an error or the sound has ended.
    bool isPlaying();
    void setChannelVolume(float channelVolume);
    void setChannelPan(float channelPan);

    bool muted = false;
    bool positional = false;
    cocos2d::Vec2 source;
    float attenuation = 1.0f;
    float pan = 0.0f;
    float volume = 1.0f;
    bool loop = false;
    int handle = -1;
    std::string path;
    Sound sound;
    SoundChannel channel;
};
