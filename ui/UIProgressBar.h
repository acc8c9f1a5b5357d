#pragma once
#include <string>

#include "cocos2d.h"

class UIText;

// A bordered fill bar with an optional label centred above it.
class UIProgressBar : public cocos2d::Node
{
public:
    static UIProgressBar* create(const cocos2d::Color3B& borderColour, const cocos2d::Color3B& fillColour,
                                 const cocos2d::Vec2& size, std::string label);

    // Discards the parts and makes them anew.
    void build();
    // 0 hides the fill; any other value fills that share of the width
    // (values past 100 overfill).
    void setValue(int percent);
    // Removes the parts and stops the bar's actions and schedules.
    void cleanup() override;

    cocos2d::Sprite* border = nullptr;
    cocos2d::Sprite* fill = nullptr;
    UIText* labelText = nullptr;
    std::string label;
    cocos2d::Vec2 size;
    cocos2d::Color3B fillColour;
    cocos2d::Color3B borderColour;

protected:
    UIProgressBar(const cocos2d::Color3B& borderColour, const cocos2d::Color3B& fillColour,
                  const cocos2d::Vec2& size, std::string label);

private:
    void removeParts();
};
