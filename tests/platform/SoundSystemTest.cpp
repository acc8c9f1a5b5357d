#include "PlatformTestSupport.h"
#include "platform/SoundSystem.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

void put16(std::string& out, uint16_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, uint32_t v)
{
    put16(out, static_cast<uint16_t>(v & 0xffff));
    put16(out, static_cast<uint16_t>(v >> 16));
}

// A mono 16-bit tone of the given length, as a WAV file.
void writeTone(const fs::path& file, double seconds)
{
    const uint32_t rate = 22050;
    const uint32_t samples = static_cast<uint32_t>(seconds * rate);
    std::string data;
    for (uint32_t i = 0; i < samples; ++i)
        put16(data, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.05))));
    std::string wav = "RIFF";
    put32(wav, 36 + static_cast<uint32_t>(data.size()));
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1); // PCM
    put16(wav, 1); // mono
    put32(wav, rate);
    put32(wav, rate * 2);
    put16(wav, 2);
    put16(wav, 16);
    wav += "data";
    put32(wav, static_cast<uint32_t>(data.size()));
    wav += data;
    writeTextFile(file, wav);
}

class SoundSystemTest : public ::testing::Test
{
protected:
    SoundSystemTest() : assetsEnv("TALLOWIND_ASSETS", folder.path().c_str())
    {
        fs::create_directories(folder.dir() / "sfx");
        writeTone(folder.dir() / "sfx" / "long.wav", 20.0);
        writeTone(folder.dir() / "sfx" / "short.wav", 0.05);
    }

    void initWith(int channels) { ASSERT_EQ(system.init(channels), SoundResult::Ok); }

    SoundChannel play(const std::string& name, SoundMode mode, bool paused = false)
    {
        Sound sound;
        EXPECT_EQ(system.createSound(name, mode, sound), SoundResult::Ok) << name;
        SoundChannel channel;
        EXPECT_EQ(system.playSound(sound, paused, channel), SoundResult::Ok) << name;
        return channel;
    }

    static bool playing(SoundChannel& channel)
    {
        bool answer = false;
        return channel.isPlaying(answer) == SoundResult::Ok && answer;
    }

    // Waits (a few seconds at most) until the channel reports its sound finished.
    bool waitForEnd(SoundChannel& channel)
    {
        for (int i = 0; i < 500; ++i) {
            system.update();
            bool answer = true;
            if (channel.isPlaying(answer) != SoundResult::Ok)
                return false;
            if (!answer)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    ScratchFolder folder{"tw_platform"};
    ScopedEnv assetsEnv;
    SoundSystem system;
};

} // namespace

TEST_F(SoundSystemTest, PausedStartThenPlayToTheEnd)
{
    initWith(100);
    EXPECT_EQ(system.channelCount(), 100);

    SoundChannel channel = play("sfx\\short.wav", SoundMode::OneShot, true);
    ASSERT_TRUE(channel.isValid());
    bool paused = false;
    EXPECT_EQ(channel.getPaused(paused), SoundResult::Ok);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(playing(channel)); // a paused sound has not ended
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_TRUE(playing(channel)) << "a paused sound must not run out";

    EXPECT_EQ(channel.setPaused(false), SoundResult::Ok);
    ASSERT_TRUE(waitForEnd(channel));
    bool answer = true;
    EXPECT_EQ(channel.isPlaying(answer), SoundResult::Ok) << "finished, not reused";
    EXPECT_FALSE(answer);
}

TEST_F(SoundSystemTest, LoopsPlayUntilStopped)
{
    initWith(100);
    SoundChannel loop = play("sfx/short.wav", SoundMode::Loop);
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // several lengths of the sound
    system.update();
    EXPECT_TRUE(playing(loop));
    EXPECT_EQ(loop.stop(), SoundResult::Ok);
    bool answer = true;
    EXPECT_EQ(loop.isPlaying(answer), SoundResult::Ok);
    EXPECT_FALSE(answer);
}

TEST_F(SoundSystemTest, AReusedChannelIsToldApartFromAFinishedOne)
{
    initWith(2);
    SoundChannel first = play("sfx/short.wav", SoundMode::OneShot);
    ASSERT_TRUE(waitForEnd(first));
    SoundChannel second = play("sfx/long.wav", SoundMode::OneShot);
    SoundChannel third = play("sfx/long.wav", SoundMode::OneShot);
    bool answer = true;
    EXPECT_EQ(first.isPlaying(answer), SoundResult::InvalidHandle);
    EXPECT_FALSE(answer);
    EXPECT_EQ(first.setVolume(0.5f), SoundResult::InvalidHandle); // never touches the new sound
    EXPECT_TRUE(playing(second));
    EXPECT_TRUE(playing(third));

    // Both channels busy: the oldest one-shot gives way.
    SoundChannel fourth = play("sfx/long.wav", SoundMode::OneShot);
    EXPECT_EQ(second.isPlaying(answer), SoundResult::InvalidHandle);
    EXPECT_TRUE(playing(third));
    EXPECT_TRUE(playing(fourth));
}

TEST_F(SoundSystemTest, LoopsAreNeverCutForANewSound)
{
    initWith(2);
    SoundChannel a = play("sfx/long.wav", SoundMode::Loop);
    SoundChannel b = play("sfx/long.wav", SoundMode::Loop);
    Sound sound;
    ASSERT_EQ(system.createSound("sfx/short.wav", SoundMode::OneShot, sound), SoundResult::Ok);
    SoundChannel c;
    EXPECT_EQ(system.playSound(sound, false, c), SoundResult::NoFreeChannel);
    EXPECT_FALSE(c.isValid());
    EXPECT_TRUE(playing(a));
    EXPECT_TRUE(playing(b));
}

TEST_F(SoundSystemTest, VolumeAndPanAreKeptPerChannel)
{
    initWith(100);
    SoundChannel left = play("sfx/long.wav", SoundMode::OneShot, true);
    SoundChannel right = play("sfx/long.wav", SoundMode::Loop, true);
    EXPECT_EQ(left.setVolume(0.25f), SoundResult::Ok);
    EXPECT_EQ(left.setPan(-0.140625f), SoundResult::Ok);
    EXPECT_EQ(right.setVolume(3.0f), SoundResult::Ok); // clamped to full
    EXPECT_EQ(right.setPan(2.0f), SoundResult::Ok);    // clamped to the right
    left.setPaused(false);
    right.setPaused(false);

    float volume = 0;
    float pan = 0;
    EXPECT_EQ(left.getVolume(volume), SoundResult::Ok);
    EXPECT_EQ(left.getPan(pan), SoundResult::Ok);
    EXPECT_FLOAT_EQ(volume, 0.25f);
    EXPECT_FLOAT_EQ(pan, -0.140625f);
    EXPECT_EQ(right.getVolume(volume), SoundResult::Ok);
    EXPECT_EQ(right.getPan(pan), SoundResult::Ok);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_FLOAT_EQ(pan, 1.0f);

    // A new sound on a channel starts at full volume in the centre.
    EXPECT_EQ(left.stop(), SoundResult::Ok);
    SoundChannel next = play("sfx/long.wav", SoundMode::OneShot);
    EXPECT_EQ(next.getVolume(volume), SoundResult::Ok);
    EXPECT_EQ(next.getPan(pan), SoundResult::Ok);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_FLOAT_EQ(pan, 0.0f);
}

TEST_F(SoundSystemTest, AHundredSoundsAtOnceDecodeTheFileOnce)
{
    initWith(100);
    std::vector<SoundChannel> channels;
    for (int i = 0; i < 100; ++i)
        channels.push_back(play("sfx/long.wav", (i % 2) ? SoundMode::Loop : SoundMode::OneShot));
    system.update();
    for (SoundChannel& channel : channels)
        EXPECT_TRUE(playing(channel));
    EXPECT_EQ(system.cachedSoundCount(), 1u);
}

TEST_F(SoundSystemTest, MissingAndDamagedFilesAreReportedOnceAndPlayNothing)
{
    initWith(100);
    writeTextFile(folder.dir() / "sfx" / "broken.wav", "RIFF....WAVEnot really a sound");
    for (const char* name : { "sfx/missing.wav", "sfx/broken.wav" }) {
        Sound sound;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(system.createSound(name, SoundMode::OneShot, sound), SoundResult::FileError);
        EXPECT_NE(::testing::internal::GetCapturedStderr().find(name), std::string::npos);
        EXPECT_FALSE(sound.isValid());

        ::testing::internal::CaptureStderr();
        EXPECT_EQ(system.createSound(name, SoundMode::Loop, sound), SoundResult::FileError);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

        SoundChannel channel;
        EXPECT_EQ(system.playSound(sound, true, channel), SoundResult::InvalidHandle);
        EXPECT_FALSE(channel.isValid());
        bool answer = true;
        EXPECT_EQ(channel.isPlaying(answer), SoundResult::InvalidHandle);
        EXPECT_FALSE(answer);
        EXPECT_EQ(channel.setPaused(false), SoundResult::InvalidHandle);
        EXPECT_EQ(channel.stop(), SoundResult::InvalidHandle);
    }
}

TEST_F(SoundSystemTest, ClosingFreesTheCacheAndInvalidatesChannels)
{
    initWith(8);
    SoundChannel channel = play("sfx/long.wav", SoundMode::Loop);
    EXPECT_EQ(system.cachedSoundCount(), 1u);
    system.close();
    EXPECT_FALSE(system.isInitialised());
    EXPECT_EQ(system.cachedSoundCount(), 0u);
    EXPECT_EQ(channel.stop(), SoundResult::InvalidHandle);
    Sound sound;
    EXPECT_EQ(system.createSound("sfx/long.wav", SoundMode::OneShot, sound), SoundResult::NotInitialised);
    EXPECT_EQ(system.update(), SoundResult::NotInitialised);

    initWith(8); // and it opens again
    play("sfx/long.wav", SoundMode::OneShot);
}

TEST_F(SoundSystemTest, OnlyOneSystemOwnsTheMixer)
{
    initWith(4);
    SoundSystem other;
    EXPECT_EQ(other.init(4), SoundResult::DeviceError);
    EXPECT_FALSE(other.isInitialised());
}

TEST_F(SoundSystemTest, MusicFilesDecodeToo)
{
    if (std::system("command -v lame >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "lame is not installed";
    const fs::path wav = folder.dir() / "sfx" / "tone.wav";
    const fs::path mp3 = folder.dir() / "sfx" / "menu.mp3";
    writeTone(wav, 1.0);
    const std::string command = "lame --quiet '" + wav.string() + "' '" + mp3.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    initWith(100);
    SoundChannel channel = play("sfx/menu.mp3", SoundMode::Loop);
    EXPECT_TRUE(playing(channel));
}

TEST_F(SoundSystemTest, WithoutAnAudioDeviceSoundsRunSilently)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-device");
    ::testing::internal::CaptureStderr();
    initWith(100);
    ::testing::internal::GetCapturedStderr();
    SoundChannel channel = play("sfx/short.wav", SoundMode::OneShot);
    EXPECT_TRUE(playing(channel));
    EXPECT_TRUE(waitForEnd(channel));
}
