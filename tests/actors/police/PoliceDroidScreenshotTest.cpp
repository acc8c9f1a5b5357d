// Police droids with their lamps and an advert blimp over the first zone,
// drawn in a real window under Xvfb and captured for a person to look at.
#include "app/GameLayerScene.h"
#include "actors/MobManager.h"
#include "actors/police/AdBlimp.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "actors/police/RobotMakers.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "support/OwnProcess.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

USING_NS_CC;

namespace {

// The game's own window: 640 by 360 design units.
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

// Pixels of the picture close to the colour (each channel within the tolerance).
int countNear(const Image& image, const Color3B& colour, int tolerance)
{
    const unsigned char* data = image.getData();
    const int pixels = image.getWidth() * image.getHeight();
    int count = 0;
    for (int i = 0; i < pixels; ++i)
    {
        const unsigned char* p = data + i * 4;
        count += std::abs(p[0] - colour.r) <= tolerance && std::abs(p[1] - colour.g) <= tolerance &&
                 std::abs(p[2] - colour.b) <= tolerance;
    }
    return count;
}

std::string shootDroids()
{
    XvfbServer xvfb;
    if (!xvfb.start(1920, 1080))
        return xvfb.error();
    Game* layer = nullptr;
    const ::testing::AssertionResult opened = openGameWindow(kWidth, kHeight, layer);
    if (!opened)
        return opened.message();
    Director* director = Director::getInstance();
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();
    registerRobotMakers();
    srand(5);

    WorldMap* map = WorldMap::getInstance();
    MobManager* mobs = MobManager::getInstance();
    PoliceManager* police = PoliceManager::getInstance();
    const Vec2 centre(map->width * 16.0f, map->height * 16.0f);

    // Three droids: one patrolling (white lamps), one on a scene (olive), one fighting (red).
    auto* patrol = dynamic_cast<PoliceDroid*>(mobs->spawnPoliceDroid(centre + Vec2(-120, -80)));
    auto* enforcer = dynamic_cast<PoliceDroid*>(mobs->spawnPoliceDroid(centre + Vec2(0, -40)));
    auto* fighter = dynamic_cast<PoliceDroid*>(mobs->spawnPoliceDroid(centre + Vec2(120, 10)));
    if (!patrol || !enforcer || !fighter)
        return "no police droid was made";
    CrimeScene scene(1, centre, nullptr);
    enforcer->crimeScene = &scene;
    enforcer->enterEnforceMode(false);
    fighter->setLampColour(PoliceDroid::LampRed);
    fighter->getTurret()->setRotation(135.0f);
    // The blimp drifts over the same streets, high above the droids.
    auto* blimp = dynamic_cast<AdBlimp*>(mobs->spawnAdBlimp(3));
    if (!blimp)
        return "no blimp was made";
    blimp->setPosition(centre + Vec2(-60, 0));
    blimp->setRotation(90.0f);
    GameCamera::getInstance()->setTarget(enforcer);
    for (int frame = 0; frame < 40; ++frame)
        director->stepFrame(1.0f / 60.0f);

    ScratchFolder folder("tallowind-droid-shot");
    Image image;
    const ::testing::AssertionResult shot = captureWindow(folder.file("droids.png"), "police_droids.png", image);
    enforcer->crimeScene = nullptr;
    GameCamera::getInstance()->setTarget(nullptr);
    mobs->clear();
    police->reset();
    if (!shot)
        return shot.message();
    if (countNear(image, Color3B(255, 0, 0), 60) < 4)
        return "no red lamp light in the picture";
    if (countNear(image, Color3B(96, 96, 0), 30) < 4)
        return "no olive lamp light in the picture";
    return std::string();
}

}

TEST(PoliceDroidScreenshot, DroidsWithTheirLampsAndABlimpOverTheCity)
{
    expectPassesInOwnProcess(&shootDroids);
}
