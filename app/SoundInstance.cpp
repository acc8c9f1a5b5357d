#include "app/SoundInstance.h"

#include "platform/SoundSystem.h"

SoundInstance::SoundInstance(int handle, const std::string& path, bool loop, float volume)
    : volume(volume), loop(loop), handle(handle), path(path)
{
}

bool SoundInstance::start(SoundSystem* system)
{
    if (!system)
        return false;
    const SoundMode mode = loop ? SoundMode::Loop : SoundMode::OneShot;
    if (system->createSound(path, mode, sound) != SoundResult::Ok)
        return false;
    if (system->playSound(sound, true, channel) != SoundResult::Ok)
        return false;
    // The channel starts at the distance factor alone; the base volume comes
    // in with the per-frame re-panning of a positional sound.
    channel.setVolume(attenuation);
    channel.setPan(pan);
    channel.setPaused(false);
    return true;
}

void SoundInstance::stop()
{
    channel.stop();
}

bool SoundInstance::isPlaying()
{
    bool playing = false;
    return channel.isPlaying(playing) == SoundResult::Ok && playing;
}

void SoundInstance::setChannelVolume(float channelVolume)
{
    channel.setVolume(channelVolume);
}

void SoundInstance::setChannelPan(float channelPan)
{
    channel.setPan(channelPan);
}
