#include "app/WeatherEngine.h"

#include "actors/GameObject.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/RainDrop.h"
#include "app/SoundEngine.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <cstdio>
#include <cstdlib>

USING_NS_CC;

const WeatherEngine::Level WeatherEngine::kLevels[3] = {
    {0, 0, false},
    {32, 40, false},
    {64, 100, true},
};

WeatherEngine::WeatherEngine() : strikeDelay(drawStrikeDelay())
{
    darkLayer = LayerColor::create(Color4B(0, 0, 20, kLevels[intensity].darkOpacity));
    flashLayer = LayerColor::create(Color4B(255, 255, 255, 0));
    // Kept for the whole program, whatever happens to the game layer.
    CC_SAFE_RETAIN(darkLayer);
    CC_SAFE_RETAIN(flashLayer);
}

float WeatherEngine::drawStrikeDelay()
{
    const int first = std::rand() % 20 + 1;
    const int second = std::rand() % 20 + 1;
    return static_cast<float>(first + second);
}

void WeatherEngine::update(float dt)
{
    if (!parent)
        return;
    bool strikeHeld = false;
    if (flashHold != kNoHold)
    {
        flashHold -= dt;
        if (flashHold < 0.0f)
            flashHold = kNoHold;
        else
            strikeHeld = true;
    }
    if (!strikeHeld)
        countDownStrike(dt);

    if (dropCount < kLevels[intensity].mostDrops)
    {
        auto* drop = new RainDrop(GameInterface::getInstance()->randomPointAroundView());
        drops.push_back(drop);
        ++dropCount;
    }
    for (RainDrop* drop : drops)
        fall(drop, dt);
}

void WeatherEngine::countDownStrike(float dt)
{
    strikeDelay -= dt;
    if (strikeDelay > 0.0f)
        return;
    strikeDelay = drawStrikeDelay();
    if (kLevels[intensity].lightning)
        lightning(std::rand() % 3 + 1);
}

void WeatherEngine::fall(RainDrop* drop, float dt)
{
    Sprite3D* node = drop->node;
    if (!node)
        return;
    const float z = node->getPositionZ() - dt * kFallSpeed;
    node->setPositionZ(z);
    if (drop->landingZ() < z)
        return;
    splashAt(node->getPosition());
    drop->placeAt(GameInterface::getInstance()->randomPointAroundView());
}

void WeatherEngine::splashAt(Vec2 point)
{
    // A data set without the splash still rains; it says so once.
    static bool reported = false;
    if (!GameData::getInstance()->getObjectDef(kSplashDef))
    {
        if (!reported)
            std::fprintf(stderr, "WeatherEngine: no object definition %d; rain lands without splashes\n",
                         kSplashDef);
        reported = true;
        return;
    }
    GameObject* splash = WorldMap::getInstance()->spawnObject(kSplashDef, point);
    if (splash && splash->mainSprite)
        splash->mainSprite->setScale(0.4f + static_cast<float>(std::rand() % 20 + 1) / 100.0f);
}

void WeatherEngine::lightning(int variant)
{
    if (flashLayer)
    {
        flashLayer->stopAllActions();
        flashLayer->runAction(Sequence::create(FadeTo::create(0.01f, 64), DelayTime::create(0.1f),
                                               FadeTo::create(0.02f, 0), nullptr));
    }
    const char* thunder = "thunder_long.wav";
    if (variant != 3)
        thunder = std::rand() % 2 == 0 ? "thunder1.wav" : "thunder2.wav";
    SoundEngine::getInstance()->play(nullptr, false, thunder, 1.0f);
    GameInterface::getInstance()->shakeScreen(variant, static_cast<float>(variant) * 0.025f);
}

void WeatherEngine::flash()
{
    if (flashLayer)
    {
        flashLayer->stopAllActions();
        flashLayer->runAction(Sequence::create(FadeTo::create(0.1f, 192), DelayTime::create(2.0f),
                                               FadeTo::create(3.0f, 0), nullptr));
    }
    flashHold = 5.1f;
}

void WeatherEngine::hideRain()
{
    for (RainDrop* drop : drops)
        if (drop->node)
            drop->node->setVisible(false);
}

void WeatherEngine::showRain()
{
    for (RainDrop* drop : drops)
        if (drop->node)
            drop->node->setVisible(true);
}

void WeatherEngine::clearRain()
{
    for (RainDrop* drop : drops)
        delete drop;
    drops.clear();
    dropCount = 0;
}
