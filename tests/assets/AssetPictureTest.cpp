// Pictures whose shape carries meaning: the tracker's sixteen arrows must
// read as one arrow turned to each bearing.
#include "AssetFiles.h"
#include "engine/2d/Image.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

using namespace AssetFiles;

namespace
{
using Pixel = std::pair<int, int>;

// Pixels at least half opaque.
std::set<Pixel> opaquePixels(const cocos2d::Image& image)
{
    std::set<Pixel> pixels;
    const unsigned char* data = image.getData();
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (data[(static_cast<size_t>(y) * image.getWidth() + x) * 4 + 3] >= 128)
                pixels.insert({x, y});
    return pixels;
}

struct BearingFit
{
    double overlap = 0.0;  // intersection over union of the shape and its mirror image
    double farthestAlong = 0.0;  // signed distance along the bearing of the pixel farthest from the centroid on it
};

// Mirrors the shape across the line through its centroid along the bearing
// (degrees clockwise from north; the picture's y runs down). The mirror image
// is sampled: a pixel belongs to it when the point its centre mirrors to lies
// in the shape, so a turned grid leaves no holes in it.
BearingFit fitToBearing(const std::set<Pixel>& shape, double degrees)
{
    BearingFit fit;
    if (shape.empty())
        return fit;
    double cx = 0.0, cy = 0.0;
    for (const Pixel& p : shape)
    {
        cx += p.first + 0.5;
        cy += p.second + 0.5;
    }
    cx /= shape.size();
    cy /= shape.size();
    const double a = degrees * 3.14159265358979 / 180.0;
    const double dx = std::sin(a), dy = -std::cos(a);
    const auto mirror = [&](const Pixel& p) {
        double rx = p.first + 0.5 - cx, ry = p.second + 0.5 - cy;
        double along = rx * dx + ry * dy;
        return Pixel{static_cast<int>(std::floor(cx + 2.0 * along * dx - rx)),
                     static_cast<int>(std::floor(cy + 2.0 * along * dy - ry))};
    };
    int minX = shape.begin()->first, maxX = minX, minY = shape.begin()->second, maxY = minY;
    for (const Pixel& p : shape)
    {
        double along = (p.first + 0.5 - cx) * dx + (p.second + 0.5 - cy) * dy;
        if (std::fabs(along) > std::fabs(fit.farthestAlong))
            fit.farthestAlong = along;
        const Pixel m = mirror(p);
        minX = std::min({minX, p.first, m.first});
        maxX = std::max({maxX, p.first, m.first});
        minY = std::min({minY, p.second, m.second});
        maxY = std::max({maxY, p.second, m.second});
    }
    size_t both = 0, either = 0;
    for (int y = minY - 1; y <= maxY + 1; ++y)
        for (int x = minX - 1; x <= maxX + 1; ++x)
        {
            bool inShape = shape.count({x, y}) > 0;
            bool inMirror = shape.count(mirror({x, y})) > 0;
            both += inShape && inMirror;
            either += inShape || inMirror;
        }
    fit.overlap = static_cast<double>(both) / static_cast<double>(either);
    return fit;
}
}

TEST(AssetPictures, TrackerArrowsAreOneArrowTurnedToEachBearing)
{
    const char* bearings[16] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    for (int i = 0; i < 16; ++i)
    {
        const std::string name = std::string("UI_Tracker_") + bearings[i] + ".png";
        cocos2d::Image image;
        ASSERT_TRUE(image.initWithImageFile(assetsDir() + "/" + name)) << name;
        const BearingFit fit = fitToBearing(opaquePixels(image), i * 22.5);
        char figure[16];
        std::snprintf(figure, sizeof figure, "%.3f", fit.overlap);
        RecordProperty(bearings[i], figure);
        EXPECT_GE(fit.overlap, 0.88) << name << " is lopsided about its bearing";
        EXPECT_GT(fit.farthestAlong, 0.0) << name << " has its far end behind, not ahead";
    }
}
