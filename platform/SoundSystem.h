#pragma once
// The low-level sound system under the game's SoundEngine: a fixed set of mixing channels on
// which decoded sounds play, one sound per channel, any number of them at once.
//
// How the game uses it (one call for each step of its sound engine):
//   SoundSystem* system = new SoundSystem;
//   if (system->init(100) != SoundResult::Ok) { /* run without sound */ }
//   Sound sound;
//   system->createSound("sfx/rain_loop.wav", SoundMode::Loop, sound);   // cached by file name
//   SoundChannel channel;
//   system->playSound(sound, true, channel);      // started paused, so volume and pan come first
//   channel.setVolume(0.5f); channel.setPan(-0.25f); channel.setPaused(false);
//   bool playing = false;
//   if (channel.isPlaying(playing) != SoundResult::Ok || !playing) { /* finished */ }
//   channel.stop();
//   system->update();                             // once a frame
//
// File names are game paths (see GamePaths::resolve): "sfx/x.wav" is read from the assets folder.
// Every sound is decoded whole (wav, mp3, ogg) on first use and kept by file name until the
// system closes (at the latest when the program exits), so creating a sound for every play costs
// nothing after the first. A missing or unreadable file is reported once on stderr; creating it
// fails and there is nothing to play.
//
// Channels are handles: a channel whose sound finished answers isPlaying with Ok and false; once
// its mixing channel has been given to a newer sound, the old handle answers InvalidHandle.
// When all channels are busy, a new sound takes the channel of the oldest one-shot sound.
//
// Without an audio device the system opens SDL's silent driver instead: sounds still take
// their real time to play and report the same states, nobody hears them.
#include "platform/Sound.h"
#include "platform/SoundChannel.h"
#include "platform/SoundResult.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class SoundSystem
{
public:
    SoundSystem() = default;
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the audio device (or the silent driver) with that many channels. Only one system
    // can be open at a time.
    SoundResult init(int maxChannels);
    bool isInitialised() const { return _open; }
    // Stops every channel, frees every cached sound and closes the device. Safe to call twice.
    void close();

    SoundResult createSound(const std::string& path, SoundMode mode, Sound& sound);
    SoundResult playSound(const Sound& sound, bool paused, SoundChannel& channel);
    // Once a frame: notes the channels whose sounds have ended.
    SoundResult update();

    int channelCount() const { return static_cast<int>(_slots.size()); }
    size_t cachedSoundCount() const { return _cache.size(); }

private:
    friend class SoundChannel;

    enum class SlotState { Free, Pending, Started, Done };
    struct Slot
    {
        SlotState state = SlotState::Free;
        uint32_t generation = 0;
        Mix_Chunk* chunk = nullptr;
        bool loop = false;
        bool paused = false;
        float volume = 1.0f;
        float pan = 0.0f;
        uint64_t startOrder = 0;
    };

    // The channel's slot, or null when the handle is empty, stale or of a closed system.
    Slot* slotFor(const SoundChannel& channel);
    const Slot* slotFor(const SoundChannel& channel) const;
    SoundResult setChannelVolume(const SoundChannel& channel, float volume);
    SoundResult setChannelPan(const SoundChannel& channel, float pan);
    SoundResult setChannelPaused(const SoundChannel& channel, bool paused);
    SoundResult channelIsPlaying(const SoundChannel& channel, bool& playing);
    SoundResult stopChannel(const SoundChannel& channel);
    bool openDevice();
    static bool openMixer();
    Mix_Chunk* loadChunk(const std::string& resolvedPath, const std::string& gamePath);
    int takeSlot();
    bool hasEnded(int index, Slot& slot);
    SoundResult start(int index, Slot& slot);
    void applyVolume(int index, const Slot& slot);
    void applyPan(int index, const Slot& slot);
    static void closeAtExit();

    bool _open = false;
    std::vector<Slot> _slots;
    std::unordered_map<std::string, Mix_Chunk*> _cache; // null: the file failed (reported once)
    uint64_t _nextStartOrder = 1;
};
