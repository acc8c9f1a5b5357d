#pragma once
#include "cocos2d.h"

// A rectangular outline of four bars cut from "white.png" and tinted.
class UIBox : public cocos2d::Node
{
public:
    // A width of -1 leaves the box to be laid out later: set size, then resize.
    static UIBox* create(const cocos2d::Color3B& colour, const cocos2d::Vec2& size);

    // Lays the bars out along the edges of size, thickness wide.
    void resize();
    // Opacity of the four bars, held to 0..255.
    void setBoxOpacity(float opacity);
    // Every bar swaps between the two colours for ever, holding each for its time.
    void flash(const cocos2d::Color3B& first, const cocos2d::Color3B& second, float firstHold,
               float secondHold);
    // Removes the bars and stops the box's actions and schedules.
    void cleanup() override;

    float thickness = 1.0f;
    cocos2d::Vec2 size;
    cocos2d::Color3B colour;
    cocos2d::Sprite* leftBar = nullptr;
    cocos2d::Sprite* topBar = nullptr;
    cocos2d::Sprite* rightBar = nullptr;
    cocos2d::Sprite* bottomBar = nullptr;

protected:
    UIBox(const cocos2d::Color3B& colour, const cocos2d::Vec2& size);

private:
    cocos2d::Sprite* makeBar();
    void placeBar(cocos2d::Sprite* bar, float width, float height, float x, float y);
};
