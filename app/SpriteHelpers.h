#pragma once
#include "cocos2d.h"

#include <functional>
#include <string>

// Pixel-art sprites: nearest filtering, clamped edges, anchored at the
// bottom-left corner. A missing image is reported by name and gives null.
cocos2d::Sprite* createSprite(const std::string& fileName);
cocos2d::Sprite* createSpriteWithRect(const std::string& fileName, const cocos2d::Rect& rect);

// The name of frame number (from 1) of an animation: "MaleGo" and 3 give
// "MaleGo_03.png".
std::string animationFrameName(const std::string& baseName, int number);

// A sprite on the image baseName + ".png" running the frames baseName_01.png
// ... from the sprite-frame cache over duration seconds: forever, or once and
// then the callback when one is given. Null when the image is missing.
cocos2d::Sprite* createAnimatedSprite(int frameCount, bool forever, float duration,
                                      const std::function<void()>& callback, const std::string& baseName);
// The same with every frame from its own image file baseName_NN.png; the
// sprite starts on baseName_01.png.
cocos2d::Sprite* createAnimatedSpriteFromFirstFrame(int frameCount, bool forever, float duration,
                                                    const std::function<void()>& callback,
                                                    const std::string& baseName);
