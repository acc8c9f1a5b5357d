#include "app/SoundEngine.h"
#include "app/SoundInstance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

USING_NS_CC;

namespace {

class SoundEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine = SoundEngine::getInstance();
        engine->stopAll();
        engine->listener = Vec2::ZERO;
        engine->range = 320.0f;
    }

    void TearDown() override
    {
        engine->stopAll();
        engine->listener = Vec2::ZERO;
        engine->range = SoundEngine::kDefaultRange;
    }

    float channelPan(int handle)
    {
        float pan = -2.0f;
        engine->find(handle)->channel.getPan(pan);
        return pan;
    }

    float channelVolume(int handle)
    {
        float volume = -1.0f;
        engine->find(handle)->channel.getVolume(volume);
        return volume;
    }

    SoundEngine* engine = nullptr;
};

}

TEST_F(SoundEngineTest, PanHasADeadZoneAndIsFullAt320Pixels)
{
    EXPECT_FLOAT_EQ(engine->panFor(64.0f), 0.0f);
    EXPECT_FLOAT_EQ(engine->panFor(-64.0f), 0.0f);
    EXPECT_FLOAT_EQ(engine->panFor(192.0f), 0.5f);
    EXPECT_FLOAT_EQ(engine->panFor(320.0f), 1.0f);
    EXPECT_FLOAT_EQ(engine->panFor(400.0f), 1.0f);
    EXPECT_FLOAT_EQ(engine->panFor(-100.0f), -0.140625f);
    EXPECT_FLOAT_EQ(engine->panFor(-1000.0f), -1.0f);
    // Only the horizontal offset from the listener counts.
    engine->listener = Vec2(1000.0f, 5000.0f);
    EXPECT_FLOAT_EQ(engine->panFor(1192.0f), 0.5f);
}

TEST_F(SoundEngineTest, AttenuationFallsLinearlyToTheRange)
{
    EXPECT_FLOAT_EQ(engine->attenuation(Vec2::ZERO, Vec2::ZERO), 1.0f);
    EXPECT_NEAR(engine->attenuation(Vec2::ZERO, Vec2(160.0f, 0.0f)), 0.5f, 0.005f);
    EXPECT_NEAR(engine->attenuation(Vec2(10.0f, 10.0f), Vec2(10.0f, 170.0f)), 0.5f, 0.005f);
    EXPECT_NEAR(engine->attenuation(Vec2::ZERO, Vec2(320.0f, 0.0f)), 0.0f, 0.005f);
    EXPECT_FLOAT_EQ(engine->attenuation(Vec2::ZERO, Vec2(400.0f, 0.0f)), 0.0f);
}

TEST_F(SoundEngineTest, TheHearingRangeIsDefinedBeforeTheWorldSetsIt)
{
    EXPECT_GT(SoundEngine::kDefaultRange, 0.0f);
    engine->range = SoundEngine::kDefaultRange;
    EXPECT_GT(engine->attenuation(Vec2::ZERO, Vec2(100.0f, 0.0f)), 0.0f);
    // A range of 0 never divides by zero: only a source at the listener is heard.
    engine->range = 0.0f;
    EXPECT_FLOAT_EQ(engine->attenuation(Vec2::ZERO, Vec2::ZERO), 1.0f);
    EXPECT_FLOAT_EQ(engine->attenuation(Vec2::ZERO, Vec2(1.0f, 0.0f)), 0.0f);
}

TEST_F(SoundEngineTest, HandlesCountUpAndTheSwitchedOffListenerMakesNothing)
{
    const int first = engine->play(nullptr, false, "interface_beep.wav", 1.0f);
    const int second = engine->play(nullptr, false, "interface_beep.wav", 1.0f);
    EXPECT_GE(first, 0);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(engine->activeCount(), 2u);

    engine->listener.x = -1.0f;
    EXPECT_EQ(engine->play(nullptr, true, "city_loop.wav", 1.0f), -1);
    EXPECT_EQ(engine->activeCount(), 2u);
}

TEST_F(SoundEngineTest, StopTakesOnlyItsOwnSound)
{
    const int loop = engine->play(nullptr, true, "rain_loop.wav", 1.0f);
    const int other = engine->play(nullptr, true, "city_loop.wav", 1.0f);
    engine->stop(-1);
    engine->stop(other + 1000);
    EXPECT_EQ(engine->activeCount(), 2u);
    engine->stop(loop);
    EXPECT_EQ(engine->find(loop), nullptr);
    EXPECT_NE(engine->find(other), nullptr);
    engine->stopAll();
    EXPECT_EQ(engine->activeCount(), 0u);
}

TEST_F(SoundEngineTest, SfxIsFoundInTheAssetsWhereverTheGameStarts)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    const int handle = engine->play(nullptr, true, "rain_loop.wav", 1.0f);
    std::filesystem::current_path(before);
    ASSERT_NE(engine->find(handle), nullptr);
    EXPECT_TRUE(engine->find(handle)->channel.isValid());
    EXPECT_EQ(engine->find(handle)->path, "sfx/rain_loop.wav");
}

TEST_F(SoundEngineTest, PositionalSoundsStartPannedAndAreRepannedEveryFrame)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    Vec2 source(192.0f, 0.0f);
    const int handle = engine->play(&source, true, "rain_loop.wav", 1.0f);
    ASSERT_NE(engine->find(handle), nullptr);
    EXPECT_FLOAT_EQ(channelPan(handle), 0.5f);
    EXPECT_NEAR(channelVolume(handle), 0.4f, 0.01f);

    // The camera moves the listener: the sound is panned and faded anew.
    engine->listener = Vec2(192.0f + 100.0f, 0.0f);
    engine->update();
    EXPECT_FLOAT_EQ(channelPan(handle), -0.140625f);
    EXPECT_NEAR(channelVolume(handle), 1.0f - 100.0f / 320.0f, 0.01f);

    // Out of range: silent, and full right or left.
    engine->listener = Vec2(-400.0f, 0.0f);
    engine->update();
    EXPECT_FLOAT_EQ(channelVolume(handle), 0.0f);
    EXPECT_FLOAT_EQ(channelPan(handle), 1.0f);
}

TEST_F(SoundEngineTest, ASoundKeepsItsOwnCopyOfTheSourcePoint)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    int handle = -1;
    {
        auto* owner = new Vec2(192.0f, 0.0f);
        handle = engine->play(owner, true, "rain_loop.wav", 1.0f);
        delete owner; // the owner goes; the sound must not read it again
    }
    engine->update();
    EXPECT_FLOAT_EQ(channelPan(handle), 0.5f);

    // A living owner moves its sound explicitly.
    engine->moveSource(handle, Vec2(-192.0f, 0.0f));
    engine->update();
    EXPECT_FLOAT_EQ(channelPan(handle), -0.5f);
}

TEST_F(SoundEngineTest, PlainSoundsPlayAtFullVolumeUntilSetVolume)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    const int handle = engine->play(nullptr, true, "city_loop.wav", 0.25f);
    engine->update();
    EXPECT_FLOAT_EQ(channelVolume(handle), 1.0f);
    engine->setVolume(handle, 0.3f);
    EXPECT_FLOAT_EQ(channelVolume(handle), 0.3f);
    EXPECT_FLOAT_EQ(engine->find(handle)->attenuation, 0.3f);
}

TEST_F(SoundEngineTest, MuteAndUnmuteRestoreTheLastVolume)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    Vec2 source(160.0f, 0.0f);
    const int positional = engine->play(&source, true, "rain_loop.wav", 1.0f);
    const int plain = engine->play(nullptr, true, "city_loop.wav", 1.0f);
    engine->muteAll();
    EXPECT_FLOAT_EQ(channelVolume(positional), 0.0f);
    EXPECT_FLOAT_EQ(channelVolume(plain), 0.0f);
    // A muted sound is left alone by the per-frame update.
    engine->listener = Vec2(160.0f, 0.0f);
    engine->update();
    EXPECT_FLOAT_EQ(channelVolume(positional), 0.0f);
    engine->unmuteAll();
    EXPECT_NEAR(channelVolume(positional), 0.5f, 0.01f);
    EXPECT_FLOAT_EQ(channelVolume(plain), 1.0f);
}

TEST_F(SoundEngineTest, AMissingFileStillHasAHandleAndOneShotsLeaveAtTheNextUpdate)
{
    const int oneShot = engine->play(nullptr, false, "no_such_sound.wav", 1.0f);
    const int loop = engine->play(nullptr, true, "no_such_loop.wav", 1.0f);
    EXPECT_GE(oneShot, 0);
    ASSERT_NE(engine->find(oneShot), nullptr);
    EXPECT_FALSE(engine->find(oneShot)->channel.isValid());
    engine->update();
    EXPECT_EQ(engine->find(oneShot), nullptr);
    EXPECT_NE(engine->find(loop), nullptr);
    engine->stop(loop);
    EXPECT_EQ(engine->activeCount(), 0u);
}

TEST_F(SoundEngineTest, AFinishedOneShotLeavesTheList)
{
    if (!engine->hasSystem())
        GTEST_SKIP() << "no audio device, not even the silent one";
    const int handle = engine->play(nullptr, false, "interface_beep.wav", 1.0f);
    ASSERT_NE(engine->find(handle), nullptr);
    ASSERT_TRUE(engine->find(handle)->channel.isValid());
    for (int i = 0; i < 500 && engine->find(handle); ++i)
    {
        usleep(10000);
        engine->update();
    }
    EXPECT_EQ(engine->find(handle), nullptr);
}
