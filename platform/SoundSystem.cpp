#include "platform/SoundSystem.h"

#include "platform/GamePaths.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferSamples = 1024;

// SDL_mixer is one process-wide mixer: at most one system owns it at a time.
SoundSystem* openSystem = nullptr;

int mixerVolume(float volume)
{
    return static_cast<int>(std::lround(volume * MIX_MAX_VOLUME));
}

} // namespace

SoundSystem::~SoundSystem()
{
    close();
}

SoundResult SoundSystem::init(int maxChannels)
{
    if (_open)
        return SoundResult::Ok;
    if (openSystem || maxChannels <= 0)
        return SoundResult::DeviceError;
    if (!openDevice())
        return SoundResult::DeviceError;

    Mix_AllocateChannels(maxChannels);
    _slots.assign(static_cast<size_t>(maxChannels), Slot());
    _open = true;
    openSystem = this;

    // Decoded sounds are freed when the program ends even if nobody closes the system.
    static bool exitHookSet = false;
    if (!exitHookSet) {
        exitHookSet = true;
        std::atexit(&SoundSystem::closeAtExit);
    }
    return SoundResult::Ok;
}

bool SoundSystem::openMixer()
{
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that the
    // game never reads, and the game could no longer be stopped from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kOutputChannels, kBufferSamples) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    return true;
}

bool SoundSystem::openDevice()
{
    if (openMixer())
        return true;
    std::fprintf(stderr, "Tallowind: no audio device (%s); sounds play silently\n", SDL_GetError());

    // The silent driver keeps the game's timing of sounds without a device.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (openMixer())
        return true;
    std::fprintf(stderr, "Tallowind: sound is off (%s)\n", SDL_GetError());
    return false;
}

void SoundSystem::close()
{
    if (!_open)
        return;
    Mix_HaltChannel(-1);
    for (auto& entry : _cache) {
        if (entry.second)
            Mix_FreeChunk(entry.second);
    }
    _cache.clear();
    _slots.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    _open = false;
    if (openSystem == this)
        openSystem = nullptr;
}

void SoundSystem::closeAtExit()
{
    if (openSystem)
        openSystem->close();
}

SoundResult SoundSystem::createSound(const std::string& path, SoundMode mode, Sound& sound)
{
    sound = Sound();
    if (!_open)
        return SoundResult::NotInitialised;
    const std::string resolved = GamePaths::resolve(path);
    auto found = _cache.find(resolved);
    Mix_Chunk* chunk = (found != _cache.end()) ? found->second : loadChunk(resolved, path);
    if (!chunk)
        return SoundResult::FileError;
    sound._chunk = chunk;
    sound._loop = (mode == SoundMode::Loop);
    sound._path = path;
    return SoundResult::Ok;
}

Mix_Chunk* SoundSystem::loadChunk(const std::string& resolvedPath, const std::string& gamePath)
{
    Mix_Chunk* chunk = Mix_LoadWAV(resolvedPath.c_str());
    if (!chunk) {
        std::fprintf(stderr, "Tallowind: cannot load sound %s (%s): %s\n", gamePath.c_str(),
                     resolvedPath.c_str(), Mix_GetError());
    }
    _cache[resolvedPath] = chunk; // a failure is remembered too, so it is reported once
    return chunk;
}

SoundResult SoundSystem::playSound(const Sound& sound, bool paused, SoundChannel& channel)
{
    channel = SoundChannel();
    if (!_open)
        return SoundResult::NotInitialised;
    if (!sound.isValid())
        return SoundResult::InvalidHandle;
    const int index = takeSlot();
    if (index < 0)
        return SoundResult::NoFreeChannel;

    Slot& slot = _slots[static_cast<size_t>(index)];
    if (slot.state == SlotState::Started)
        Mix_HaltChannel(index); // the oldest one-shot gives way
    slot.generation += 1;
    slot.state = SlotState::Pending;
    slot.chunk = sound._chunk;
    slot.loop = sound._loop;
    slot.paused = paused;
    slot.volume = 1.0f;
    slot.pan = 0.0f;
    slot.startOrder = _nextStartOrder++;

    channel._system = this;
    channel._index = index;
    channel._generation = slot.generation;
    if (paused)
        return SoundResult::Ok;
    return start(index, slot);
}

int SoundSystem::takeSlot()
{
    int oldestOneShot = -1;
    for (size_t i = 0; i < _slots.size(); ++i) {
        Slot& slot = _slots[i];
        const int index = static_cast<int>(i);
        if (slot.state == SlotState::Free || hasEnded(index, slot))
            return index;
        if (slot.state == SlotState::Started && !slot.loop
            && (oldestOneShot < 0 || slot.startOrder < _slots[static_cast<size_t>(oldestOneShot)].startOrder))
            oldestOneShot = index;
    }
    return oldestOneShot;
}

bool SoundSystem::hasEnded(int index, Slot& slot)
{
    if (slot.state == SlotState::Started && !Mix_Playing(index))
        slot.state = SlotState::Done;
    return slot.state == SlotState::Done || slot.state == SlotState::Free;
}

SoundResult SoundSystem::start(int index, Slot& slot)
{
    // Silent until the pan is in place: the mixer may run between the two calls.
    Mix_Volume(index, 0);
    if (Mix_PlayChannel(index, slot.chunk, slot.loop ? -1 : 0) < 0) {
        slot.state = SlotState::Done;
        return SoundResult::DeviceError;
    }
    slot.state = SlotState::Started;
    applyPan(index, slot);
    applyVolume(index, slot);
    if (slot.paused)
        Mix_Pause(index);
    return SoundResult::Ok;
}

void SoundSystem::applyVolume(int index, const Slot& slot)
{
    Mix_Volume(index, mixerVolume(slot.volume));
}

void SoundSystem::applyPan(int index, const Slot& slot)
{
    // Centre is full on both sides; moving right fades the left side out, and the other way.
    const float left = slot.pan > 0.0f ? 1.0f - slot.pan : 1.0f;
    const float right = slot.pan < 0.0f ? 1.0f + slot.pan : 1.0f;
    Mix_SetPanning(index, static_cast<Uint8>(std::lround(left * 255.0f)),
                   static_cast<Uint8>(std::lround(right * 255.0f)));
}

// ---- channel operations -------------------------------------------------------------------

SoundResult SoundSystem::setChannelVolume(const SoundChannel& channel, float volume)
{
    Slot* slot = slotFor(channel);
    if (!slot)
        return SoundResult::InvalidHandle;
    slot->volume = std::clamp(volume, 0.0f, 1.0f);
    if (slot->state == SlotState::Started)
        applyVolume(channel._index, *slot);
    return SoundResult::Ok;
}

SoundResult SoundSystem::setChannelPan(const SoundChannel& channel, float pan)
{
    Slot* slot = slotFor(channel);
    if (!slot)
        return SoundResult::InvalidHandle;
    slot->pan = std::clamp(pan, -1.0f, 1.0f);
    if (slot->state == SlotState::Started)
        applyPan(channel._index, *slot);
    return SoundResult::Ok;
}

SoundResult SoundSystem::setChannelPaused(const SoundChannel& channel, bool paused)
{
    Slot* slot = slotFor(channel);
    if (!slot)
        return SoundResult::InvalidHandle;
    slot->paused = paused;
    if (slot->state == SlotState::Pending && !paused)
        return start(channel._index, *slot);
    if (slot->state == SlotState::Started) {
        if (paused)
            Mix_Pause(channel._index);
        else
            Mix_Resume(channel._index);
    }
    return SoundResult::Ok;
}

SoundResult SoundSystem::channelIsPlaying(const SoundChannel& channel, bool& playing)
{
    playing = false;
    Slot* slot = slotFor(channel);
    if (!slot)
        return SoundResult::InvalidHandle;
    playing = !hasEnded(channel._index, *slot);
    return SoundResult::Ok;
}

SoundResult SoundSystem::stopChannel(const SoundChannel& channel)
{
    Slot* slot = slotFor(channel);
    if (!slot)
        return SoundResult::InvalidHandle;
    if (slot->state == SlotState::Started)
        Mix_HaltChannel(channel._index);
    slot->state = SlotState::Done;
    return SoundResult::Ok;
}

SoundResult SoundSystem::update()
{
    if (!_open)
        return SoundResult::NotInitialised;
    for (size_t i = 0; i < _slots.size(); ++i)
        hasEnded(static_cast<int>(i), _slots[i]);
    return SoundResult::Ok;
}

SoundSystem::Slot* SoundSystem::slotFor(const SoundChannel& channel)
{
    if (!_open || channel._index < 0 || channel._index >= static_cast<int>(_slots.size()))
        return nullptr;
    Slot& slot = _slots[static_cast<size_t>(channel._index)];
    return slot.generation == channel._generation ? &slot : nullptr;
}

const SoundSystem::Slot* SoundSystem::slotFor(const SoundChannel& channel) const
{
    return const_cast<SoundSystem*>(this)->slotFor(channel);
}
