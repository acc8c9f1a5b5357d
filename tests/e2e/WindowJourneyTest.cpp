// The game started in a real window on a private X server, played through the
// intro into a run, and its frame buffer captured: the player's view of a
// loaded zone must be a drawn city, not a blank or single-coloured screen.
// Set TALLOWIND_KEEP_SCREENSHOTS to a folder to keep the pictures.
#include "GameLaunch.h"
#include "JourneyReport.h"
#include "PlayerJourney.h"
#include "SharedSavesFolder.h"

#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/ProgramEntry.h"
#include "support/XvfbServer.h"
#include "ui/CharSelectScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

USING_NS_CC;

namespace {

using KeyCode = EventKeyboard::KeyCode;

// Steps through the intro quickly: every frame is drawn in software.
constexpr float kIntroStep = 0.05f;
constexpr int kPlayFrames = 60;
// A drawn city has many colours, and no colour covers nearly all of it.
constexpr size_t kMinimumColours = 50;
constexpr double kMostCommonColourShare = 0.9;

struct PictureCount
{
    size_t colours = 0;
    double mostCommonShare = 1.0;
};

PictureCount countColours(const Image& image)
{
    std::map<unsigned, size_t> counts;
    const unsigned char* data = image.getData();
    const size_t pixels = static_cast<size_t>(image.getWidth()) * static_cast<size_t>(image.getHeight());
    if (image.getDataLen() < pixels * 4 || pixels == 0)
        return {};
    for (size_t i = 0; i < pixels; ++i)
        ++counts[unsigned(data[i * 4]) << 16 | unsigned(data[i * 4 + 1]) << 8 | data[i * 4 + 2]];
    size_t most = 0;
    for (const auto& entry : counts)
        most = std::max(most, entry.second);
    return {counts.size(), static_cast<double>(most) / static_cast<double>(pixels)};
}

// Captures the next drawn frame into the folder; true when the file was written.
bool capture(GameLaunch& game, const std::string& path)
{
    bool written = false;
    if (!utils::captureScreen([&](bool ok, const std::string&) { written = ok; }, path))
        return false;
    game.step(1);
    return written && std::filesystem::exists(path);
}

void keep(const std::string& path)
{
    const char* folder = std::getenv("TALLOWIND_KEEP_SCREENSHOTS");
    if (!folder)
        return;
    std::error_code ec;
    std::filesystem::copy_file(path, std::string(folder) + "/" + std::filesystem::path(path).filename().string(),
                               std::filesystem::copy_options::overwrite_existing, ec);
}

bool checkPicture(JourneyReport& report, const std::string& path, const std::string& what)
{
    Image image;
    if (!report.check(image.initWithImageFile(path), what + ": the screenshot cannot be read back: " + image.getError()))
        return false;
    const PictureCount count = countColours(image);
    report.note(what + ": " + std::to_string(image.getWidth()) + " x " + std::to_string(image.getHeight()) + ", " +
                std::to_string(count.colours) + " colours, the commonest covers " +
                std::to_string(static_cast<int>(count.mostCommonShare * 100.0)) + "%");
    keep(path);
    return report.check(count.colours >= kMinimumColours && count.mostCommonShare < kMostCommonColourShare,
                        what + ": the screen is blank or nearly one colour");
}

void playInAWindow(JourneyReport& report, const std::string& saves)
{
    XvfbServer xvfb;
    if (!report.require(xvfb.start(1024, 768), "no X server: " + xvfb.error()))
        return;
    const std::string shots = saves + "/shots";
    std::filesystem::create_directories(shots);
    {
        GameLaunch game(saves);
        if (!report.require(game.startInWindow(), "the game did not start in a window: " + game.error()))
            return;
        report.check(mainGLView && !mainGLView->isHeadless() && glContextReady(), "no GL window");
        report.note("window " + std::to_string(static_cast<int>(mainGLView->getFrameSize().width)) + " x " +
                    std::to_string(static_cast<int>(mainGLView->getFrameSize().height)) + ", design " +
                    std::to_string(static_cast<int>(mainGLView->getDesignResolutionSize().width)) + " x " +
                    std::to_string(static_cast<int>(mainGLView->getDesignResolutionSize().height)));

        PlayerJourney journey(game, report, kIntroStep, false);
        // Pictures of the intro's screens, kept for a person to look at.
        journey.onMoment = [&](const std::string& moment) {
            const std::string path = shots + "/e2e_" + moment + ".png";
            if (capture(game, path))
                keep(path);
        };
        if (!journey.introToMenu(true))
            return;
        if (!journey.startRunFromMenu())
            return;
        game.step(kPlayFrames);
        const std::string zone = shots + "/e2e_zone.png";
        if (report.check(capture(game, zone), "the frame buffer of the loaded zone was not captured"))
            checkPicture(report, zone, "tallowind_levelOne in a run");
        report.check(GameInterface::getInstance()->state == GameState::Playing, "the run did not hold in the window");
    }
    // The window goes before its X server.
}

class WindowJourney : public ::testing::Test
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}

TEST_F(WindowJourney, ALoadedZoneInARealWindowShowsADrawnCity)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    EXPECT_EXIT(JourneyReport::runAndExit("window", [&](JourneyReport& r) { playInAWindow(r, saves.path()); }),
                ::testing::ExitedWithCode(0), "");
}
