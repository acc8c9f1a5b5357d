// The character choice and the end-of-run summary drawn in a real window
// under Xvfb and captured to PNGs.
#include "TempFolder.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/XvfbServer.h"
#include "ui/CharSelectScreen.h"
#include "ui/CreditScreen.h"
#include "ui/UIText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

USING_NS_CC;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

// Distinct colours in a sample of the picture.
size_t colourCount(const std::string& file)
{
    Image image;
    if (!image.initWithImageFile(file))
        return 0;
    std::set<unsigned> colours;
    const unsigned char* data = image.getData();
    for (int i = 0; i < image.getWidth() * image.getHeight(); i += 53)
        colours.insert(unsigned(data[i * 4]) << 16 | unsigned(data[i * 4 + 1]) << 8 | data[i * 4 + 2]);
    return colours.size();
}

bool capture(Director* director, const std::string& file)
{
    bool written = false;
    if (!utils::captureScreen([&](bool ok, const std::string&) { written = ok; }, file))
        return false;
    director->stepFrame(1.0f / 60.0f);
    if (written)
    {
        if (const char* keep = std::getenv("TALLOWIND_KEEP_SCREENSHOTS"))
            std::filesystem::copy_file(file, std::string(keep) + "/" + std::filesystem::path(file).filename().string(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    return written;
}

void frames(Director* director, float seconds, float dt = 1.0f / 60.0f)
{
    for (float t = 0.0f; t < seconds; t += dt)
        director->stepFrame(dt);
}

}

TEST(IntroScreenshot, CharacterChoiceAndRunSummary)
{
    TempFolder saves;
    ScopedSavesFolder savesFolder(saves.path());
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start(1600, 900)) << xvfb.error();
    GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, kWidth, kHeight), 1.0f);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(glContextReady());
    view->setDesignResolutionSize(kWidth / 2.0f, kHeight / 2.0f, ResolutionPolicy::FIXED_HEIGHT);
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    Scene* scene = Scene::create();
    auto* layer = new Game();
    layer->cocos2d::Layer::init();
    layer->autorelease();
    scene->addChild(layer);
    director->runWithScene(scene);
    director->stepFrame(0.0f);

    GameInterface* driver = GameInterface::getInstance();
    driver->gameLayer = layer;
    driver->visibleSize = director->getVisibleSize();

    CharSelectScreen* chooser = CharSelectScreen::getInstance();
    chooser->init();
    layer->addChild(chooser, 1800);
    chooser->showPrompt();
    frames(director, 3.0f);
    const std::string chooserShot = saves.file("charselect.png");
    ASSERT_TRUE(capture(director, chooserShot));
    EXPECT_GT(colourCount(chooserShot), 30u);
    chooser->close();
    chooser->removeFromParent();

    driver->mode = 1;
    driver->creditsEarned = 750;
    driver->murders = 2;
    driver->contractsDone = 3;
    HighScores* scores = HighScores::getInstance();
    scores->resetInitials();
    scores->showRunSummary();
    scores->typeLetter('T');
    frames(director, 4.0f);
    const std::string summaryShot = saves.file("summary.png");
    ASSERT_TRUE(capture(director, summaryShot));
    EXPECT_GT(colourCount(summaryShot), 2u);

    scores->entering = false;
    scores->closeScreens();

    CreditScreen* credits = CreditScreen::getInstance();
    layer->addChild(credits, 2600);
    credits->show();
    frames(director, 25.0f, 0.1f);
    const std::string creditsShot = saves.file("credits.png");
    ASSERT_TRUE(capture(director, creditsShot));
    EXPECT_GT(colourCount(creditsShot), 2u);
    credits->close();
    credits->removeFromParent();
    driver->mode = 0;
    driver->creditsEarned = 0;
    driver->murders = 0;
    driver->contractsDone = 0;
    driver->windowMode = 0;
    driver->gameLayer = nullptr;
    SoundEngine::getInstance()->stopAll();
    director->end();
    director->stepFrame(0.0f);
    // Leaves GLFW unstarted for the next window test, while this X server still runs.
    glfwTerminate();
}
