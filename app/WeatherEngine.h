#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <vector>

class RainDrop;

// Rain, lightning and thunder over the city: a dark tint over the whole view,
// up to a hundred falling drops that splash where they land, random lightning
// that flashes the screen and rolls thunder, and the white-out of a
// flash-bang. The game driver gives it the game layer, which holds its dark
// and flash layers.
class WeatherEngine : public Singleton<WeatherEngine>
{
public:
    // What each weather level shows.
    struct Level
    {
        GLubyte darkOpacity;
        int mostDrops;
        bool lightning;
    };
    static const Level kLevels[3];
    // No lightning may strike while flashHold holds this.
    static constexpr float kNoHold = -1.0f;
    // Drops fall this many map pixels a second.
    static constexpr float kFallSpeed = 256.0f;
    // The object definition of the splash a landing drop leaves.
    static constexpr int kSplashDef = 1001;

    void update(float dt);
    // A lightning strike: flash, thunder (variant 3 the long roll) and a shake.
    void lightning(int variant);
    // The player is caught by a flash-bang: a white-out that holds off lightning.
    void flash();
    void hideRain();
    void showRain();
    // Takes every drop away; the update makes the rain anew.
    void clearRain();

    float flashHold = kNoHold;
    int dropCount = 0;
    int intensity = 2;
    float strikeDelay = 0.0f;
    // The dark tint (z 900) and the lightning flash (z 901); the game driver
    // adds them to the game layer.
    cocos2d::LayerColor* darkLayer = nullptr;
    cocos2d::LayerColor* flashLayer = nullptr;
    // The game layer; the update does nothing while it is null.
    cocos2d::Layer* parent = nullptr;
    std::vector<RainDrop*> drops;

private:
    friend class Singleton<WeatherEngine>;
    WeatherEngine();

    static float drawStrikeDelay();
    void countDownStrike(float dt);
    void fall(RainDrop* drop, float dt);
    void splashAt(cocos2d::Vec2 point);
};
