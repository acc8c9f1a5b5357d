// A running zone with its whole HUD in a real window under Xvfb: the status
// panels, the minimap, the console, an unlock notice, the scan bar, the
// warning frame and a prompt, drawn over the city and captured to a PNG.
#include "HudFixture.h"
#include "app/GameLayerScene.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

USING_NS_CC;

namespace
{
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

bool glfwStarted()
{
    glfwGetError(nullptr);
    glfwGetPrimaryMonitor();
    return glfwGetError(nullptr) != GLFW_NOT_INITIALIZED;
}

// The panels as the driver makes and places them.
void buildHud(GameInterface* driver, Game* layer)
{
    const Size visible = driver->visibleSize;
    driver->mainHUD = UIMainHUD::create();
    driver->mainHUD->setAnchorPoint(Vec2(0.0f, 1.0f));
    driver->mainHUD->setPosition(Vec2(0.0f, visible.height));
    layer->addChild(driver->mainHUD, 1200);
    driver->copHUD = UICopHUD::create();
    driver->copHUD->setAnchorPoint(Vec2(1.0f, 1.0f));
    driver->copHUD->setPosition(Vec2(visible.width, visible.height));
    layer->addChild(driver->copHUD, 1200);
    driver->console = UITextConsole::create(256, -1);
    driver->console->setAnchorPoint(Vec2(1.0f, 1.0f));
    driver->console->setPosition(
        Vec2(visible.width - 4.0f, visible.height - driver->copHUD->getContentSize().height - 4.0f));
    layer->addChild(driver->console, 1200);
    driver->unlockBar = UIUnlockBar::create();
    driver->unlockBar->setAnchorPoint(Vec2(0.5f, 0.0f));
    layer->addChild(driver->unlockBar, 1201);
}
} // namespace

TEST(HudScreenshot, ARunningZoneShowsItsWholeHud)
{
    if (glfwStarted())
        GTEST_SKIP() << "an earlier window test of this program holds GLFW on its own X server; run alone";
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start(1600, 900)) << xvfb.error();
    Game* layer = nullptr;
    ASSERT_TRUE(openGameWindow(kWidth, kHeight, layer));
    Director* director = Director::getInstance();
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();
    buildHud(driver, layer);

    WorldMap* map = WorldMap::getInstance();
    Vec2 spawn = map->randomPlayerSpawn();
    if (spawn == WorldMap::None)
        spawn = WorldMap::gridToPixel(map->mapCentre.x, map->mapCentre.y);
    driver->player = map->spawnPlayer(4002, spawn);
    ASSERT_NE(driver->player, nullptr);
    GameCamera::getInstance()->setTarget(driver->player);
    driver->state = GameState::Playing;
    driver->mode = 0;

    // The readings the actors would give in the middle of a chase.
    auto readings = std::make_unique<FakeHudSource>();
    FakeHudSource* source = readings.get();
    GameHUD* hud = GameHUD::getInstance();
    hud->setSource(std::move(readings));
    source->purse = 1350;
    WeaponReading pistol;
    pistol.image = "HUD_Pistol.png";
    pistol.rounds = 0;
    pistol.magazine = 6;
    pistol.spare = 12;
    pistol.ammunitionCarried = 12;
    source->held = pistol;
    source->itemChange = ItemReading{154, 2};
    source->carried[154] = 2;
    PoliceReading police;
    police.droids = 5;
    police.pursuing = 2;
    police.level = 3;
    police.pursued = true;
    police.scanProgress = 60.0f;
    source->cops = police;
    GameObject contact(nullptr, false, GameObject::PlainObject);
    contact.setPosition(driver->player->getPosition() + Vec2(300.0f, 300.0f));
    source->contact = &contact;

    driver->addConsoleLine("`9Police`7 report: a `@murder`7 in the east block.");
    driver->unlockBar->queueUnlock("Unlock.png", "`!Unlocked:`% 4th Contract Slot", "");
    // The HUD's part of the driver's frame, for one second.
    const float dt = 1.0f / 60.0f;
    for (int i = 0; i < 60; ++i)
    {
        GameCamera::getInstance()->update(dt);
        driver->unlockBar->advance(dt);
        driver->console->update(dt);
        hud->updateOverlay(dt);
        director->stepFrame(dt);
    }
    EXPECT_EQ(hud->promptCode, 7) << "an empty pistol with rounds to load asks for a reload";
    EXPECT_EQ(hud->warningState, GameHUD::kPursued);

    ScratchFolder folder("tallowind-hud-shot");
    Image image;
    ASSERT_TRUE(captureWindow(folder.file("hud.png"), "hud.png", image));
    // Whether a colour shows in a window rectangle (y counted from the bottom).
    auto anyPixel = [&](int x0, int y0, int x1, int y1, const Color3B& colour) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
            {
                const unsigned char* p = image.getData() + (static_cast<size_t>(kHeight - 1 - y) * kWidth + x) * 4;
                if (Color3B(p[0], p[1], p[2]) == colour)
                    return true;
            }
        return false;
    };
    // Two window pixels to a design unit. The red warning frame runs round the edge.
    EXPECT_TRUE(anyPixel(600, 0, 680, 8, Color3B(255, 0, 0)));
    EXPECT_TRUE(anyPixel(0, 300, 8, 400, Color3B(255, 0, 0)));
    // The credits in colour 14 on the top-left panel's money line.
    EXPECT_TRUE(anyPixel(80, kHeight - 70, 320, kHeight - 30, Color3B(255, 255, 85)));
    // The police figures in the top-right corner: two pursuers in colour 12.
    EXPECT_TRUE(anyPixel(kWidth - 96, kHeight - 96, kWidth, kHeight, Color3B(255, 85, 85)));
    // The reload prompt's key in colour 14 under the centre of the play field.
    EXPECT_TRUE(anyPixel(kWidth / 2 - 160, kHeight / 2 - 80, kWidth / 2 + 160, kHeight / 2 - 40,
                         Color3B(255, 255, 85)));

    hud->clear();
    dropNode(hud->scanBar);
    dropNode(hud->warningFrame);
    hud->warningState = GameHUD::kNoWarning;
    hud->shownScanValue = -1;
    hud->promptCode = 0;
    hud->setSource(nullptr);
    driver->removeOverlayNode();
    Player* player = driver->player;
    driver->player = nullptr;
    GameCamera::getInstance()->setTarget(nullptr);
    map->removeObject(player, true);
    map->queueForDeletion(player);
    map->update(0.0f);
    if (map->worldNode)
        map->worldNode->removeFromParent();
    map->clear();
    driver->mainHUD = nullptr;
    driver->copHUD = nullptr;
    driver->console = nullptr;
    driver->unlockBar = nullptr;
    driver->gameLayer = nullptr;
    SoundEngine::getInstance()->stopAll();
    director->end();
    director->stepFrame(0.0f);
    glfwTerminate();
}
