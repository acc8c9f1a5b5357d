#include "platform/SoundChannel.h"

#include "platform/SoundSystem.h"

SoundResult SoundChannel::setVolume(float volume)
{
    return _system ? _system->setChannelVolume(*this, volume) : SoundResult::InvalidHandle;
}

SoundResult SoundChannel::setPan(float pan)
{
    return _system ? _system->setChannelPan(*this, pan) : SoundResult::InvalidHandle;
}

SoundResult SoundChannel::setPaused(bool paused)
{
    return _system ? _system->setChannelPaused(*this, paused) : SoundResult::InvalidHandle;
}

SoundResult SoundChannel::isPlaying(bool& playing)
{
    playing = false;
    return _system ? _system->channelIsPlaying(*this, playing) : SoundResult::InvalidHandle;
}

SoundResult SoundChannel::stop()
{
    return _system ? _system->stopChannel(*this) : SoundResult::InvalidHandle;
}

SoundResult SoundChannel::getVolume(float& volume) const
{
    const SoundSystem::Slot* slot = _system ? _system->slotFor(*this) : nullptr;
    if (!slot)
        return SoundResult::InvalidHandle;
    volume = slot->volume;
    return SoundResult::Ok;
}

SoundResult SoundChannel::getPan(float& pan) const
{
    const SoundSystem::Slot* slot = _system ? _system->slotFor(*this) : nullptr;
    if (!slot)
        return SoundResult::InvalidHandle;
    pan = slot->pan;
    return SoundResult::Ok;
}

SoundResult SoundChannel::getPaused(bool& paused) const
{
    const SoundSystem::Slot* slot = _system ? _system->slotFor(*this) : nullptr;
    if (!slot)
        return SoundResult::InvalidHandle;
    paused = slot->paused;
    return SoundResult::Ok;
}
