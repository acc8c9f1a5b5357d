#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

// Rain, lightning and thunder over the city. The game driver gives it the game
// layer, which holds its dark and flash layers.
class WeatherEngine : public Singleton<WeatherEngine>
{
public:
    void update(float dt);
    void hideRain();
    void showRain();

    // The game layer; the update does nothing while it is null.
    cocos2d::Layer* parent = nullptr;
    // The dark tint (z 900) and the lightning flash (z 901); none until made.
    cocos2d::Node* darkLayer = nullptr;
    cocos2d::Node* flashLayer = nullptr;

private:
    friend class Singleton<WeatherEngine>;
    WeatherEngine() = default;
};
