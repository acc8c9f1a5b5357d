#include "ui/ColourPalette.h"

namespace
{
const cocos2d::Color3B kColours[ColourPalette::kSize] = {
    {0, 0, 0},       {0, 23, 170},    {0, 170, 27},    {2, 170, 170},
    {170, 26, 9},    {170, 37, 170},  {170, 85, 15},   {170, 170, 170},
    {85, 85, 85},    {86, 84, 252},   {88, 250, 85},   {87, 252, 252},
    {255, 85, 85},   {255, 85, 255},  {255, 255, 85},  {255, 255, 255},
};
} // namespace

const cocos2d::Color3B& ColourPalette::colour(int index)
{
    if (index < 0 || index >= kSize)
        index = 7;
    return kColours[index];
}
