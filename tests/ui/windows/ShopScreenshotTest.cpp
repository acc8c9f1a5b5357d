// The dealer's contract board and the vending machine's weapons page drawn in
// a real window under Xvfb, as the game draws them, and captured to PNGs.
#include "actors/Player.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameLayerScene.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/TempFolder.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "ui/ColourPalette.h"
#include "ui/UITestAssets.h"
#include "ui/windows/ShopEngine.h"
#include "ui/windows/UIInteractWindow.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

USING_NS_CC;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

// GLFW keeps the X connection it was first started with; a window on this
// test's own server needs GLFW not yet started in this program.
bool glfwStarted()
{
    glfwGetError(nullptr);
    glfwGetPrimaryMonitor();
    return glfwGetError(nullptr) != GLFW_NOT_INITIALIZED;
}

// How many pixels of a window rectangle (pixels from the bottom left) have
// exactly the colour.
int countColour(const Image& image, const Rect& box, const Color3B& colour)
{
    int count = 0;
    for (int y = static_cast<int>(box.getMinY()); y < static_cast<int>(box.getMaxY()); ++y)
        for (int x = static_cast<int>(box.getMinX()); x < static_cast<int>(box.getMaxX()); ++x)
        {
            const unsigned char* p = image.getData() + (static_cast<size_t>(kHeight - 1 - y) * kWidth + x) * 4;
            count += p[0] == colour.r && p[1] == colour.g && p[2] == colour.b;
        }
    return count;
}

class ShopScreenshot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (glfwStarted())
            GTEST_SKIP() << "an earlier window test of this program holds GLFW on its own X server; run alone";
        scopedSaves = std::make_unique<ScopedSavesFolder>(saves.path());
        ASSERT_TRUE(xvfb.start(1600, 900)) << xvfb.error();
        ASSERT_TRUE(openGameWindow(kWidth, kHeight, layer));
        UITestAssets::install();
        layer->addChild(LayerColor::create(Color4B(12, 14, 24, 255)), -10);
        game = GameInterface::getInstance();
        game->state = GameState::Playing;
        game->mode = 0;
        game->player = &player;
        player.credits = 600;
        Achievements::getInstance()->reset();
        GameData::getInstance()->currentZone = 2;
        std::srand(7);
    }

    void TearDown() override
    {
        if (!layer)
            return;
        if (game->interactWindow)
            ShopEngine::getInstance()->closeDone();
        MissionManager::getInstance()->resetRun();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        GameData::getInstance()->currentZone = 0;
        game->player = nullptr;
        game->gameLayer = nullptr;
        SoundEngine::getInstance()->stopAll();
        Director::getInstance()->end();
        Director::getInstance()->stepFrame(0.0f);
        glfwTerminate();
        scopedSaves.reset();
    }

    // Lets the window unroll and type its list in.
    void settle()
    {
        for (int i = 0; i < 40; ++i)
            Director::getInstance()->stepFrame(0.1f);
    }

    // The open window's rectangle in window pixels (two to a design unit).
    Rect windowPixels() const
    {
        const Rect box = game->interactWindow->getBoundingBox();
        return Rect(box.origin.x * 2, box.origin.y * 2, box.size.width * 2, box.size.height * 2);
    }

    void shoot(const std::string& name)
    {
        ASSERT_TRUE(captureWindow(folder.file(name), name, image));
        ASSERT_EQ(image.getWidth(), kWidth);
        ASSERT_EQ(image.getHeight(), kHeight);
    }

    TempFolder saves;
    std::unique_ptr<ScopedSavesFolder> scopedSaves;
    XvfbServer xvfb;
    ScratchFolder folder{"tallowind-shop-shot"};
    Game* layer = nullptr;
    GameInterface* game = nullptr;
    ObjectDef playerDef;
    Player player{&playerDef, false};
    Image image;
};

}  // namespace

TEST_F(ShopScreenshot, DealersBoardAndVendingMachine)
{
    // Hilldale with every contract condition unlocked: a board of mixed jobs.
    for (int unlock : {2001, 2033, 2005, 2011, 2032, 2034, 2018, 2037})
        Achievements::getInstance()->unlock(unlock, false, true);
    MissionManager::getInstance()->update(0.0f);
    ShopEngine* shop = ShopEngine::getInstance();
    shop->openContractDealer();
    settle();
    shop->dealerAction(0);
    settle();
    shoot("shop_dealer_board.png");

    const Rect box = windowPixels();
    EXPECT_EQ(box.getMidX(), kWidth / 2);
    EXPECT_EQ(box.getMidY(), kHeight / 2);
    // The values in yellow, the names and the title in grey, the money line.
    EXPECT_GT(countColour(image, box, ColourPalette::colour(14)), 100);
    EXPECT_GT(countColour(image, box, ColourPalette::colour(7)), 200);
    // Nothing of the window outside its rectangle.
    EXPECT_EQ(countColour(image, Rect(0, 0, box.getMinX() - 1, kHeight), ColourPalette::colour(7)), 0);
    shop->closeDone();

    // The weapons page: two weapons unlocked, one within the player's money.
    Achievements::getInstance()->unlock(2035, false, true);
    Achievements::getInstance()->unlock(2015, false, true);
    shop->openVendingMachine(true, false, -1);
    settle();
    shop->buyItem(0);
    settle();
    shoot("shop_vending_weapons.png");
    const Rect vending = windowPixels();
    EXPECT_EQ(vending.getMidX(), kWidth / 2);
    // The affordable price bright white, the dear one and the locked rows dim.
    EXPECT_GT(countColour(image, vending, ColourPalette::colour(15)), 50);
    EXPECT_GT(countColour(image, vending, ColourPalette::colour(8)), 200);
}
