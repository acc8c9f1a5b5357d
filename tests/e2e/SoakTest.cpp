// The whole game played by a random player in each zone, from start-up, for a
// few minutes of game time (TALLOWIND_SOAK_MINUTES and TALLOWIND_SOAK_STEP
// make it the long soak): the run holds, no screen traps the player and the
// resident size settles. Each zone in a process of its own; under the
// sanitizers any report ends the child with an error.
#include "JourneyReport.h"
#include "SharedSavesFolder.h"
#include "SoakRun.h"

#include <gtest/gtest.h>

namespace {

// The short soak's game time per zone, in minutes.
constexpr float kShortSoakMinutes = 2.0f;
// Every frame of the window's soak is drawn in software, under the sanitizers
// too: a shorter stretch in longer steps keeps it to about a thousand frames.
constexpr float kShortWindowSoakMinutes = 1.0f;
constexpr float kWindowSoakStep = 1.0f / 20.0f;
constexpr unsigned kSeed = 23;

std::string zoneName(const ::testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"Downtown", "TheDocks", "Hilldale"};
    return names[info.param];
}

class Soak : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

class WindowSoak : public ::testing::Test
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}

TEST_P(Soak, ARandomPlayerPlaysTheZoneWithoutAFaultAndMemorySettles)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    const int zone = GetParam();
    SoakRun soak(zone, kSeed + static_cast<unsigned>(zone), SoakLength::fromEnvironment(kShortSoakMinutes));
    EXPECT_EXIT(JourneyReport::runAndExit("soak", [&](JourneyReport& r) { soak.play(r, saves.path()); }),
                ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(EachZone, Soak, ::testing::Values(0, 1, 2), zoneName);

// Downtown drawn in a real window (software GL on a private X server): the
// textures, the renderer's buffers and the GL driver's own stores settle too.
TEST_F(WindowSoak, ARandomPlayerPlaysDowntownInARealWindowAndMemorySettles)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    SoakRun soak(0, kSeed, SoakLength::fromEnvironment(kShortWindowSoakMinutes, kWindowSoakStep),
                 SoakView::Window);
    EXPECT_EXIT(JourneyReport::runAndExit("window soak", [&](JourneyReport& r) { soak.play(r, saves.path()); }),
                ::testing::ExitedWithCode(0), "");
}
