#include "MachinePainter.h"
#include "Look.h"
#include <cmath>
#include <cstdio>

namespace
{
const double kPi = 3.14159265358979;

std::string frameName(const std::string& sheet, const std::string& stem, int i)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "%s_%s%02d.png", sheet.c_str(), stem.c_str(), i + 1);
    return buf;
}

void droidBody(Image& img, int cx, int cy, Rgba hull, Rgba rim)
{
    img.fillCircle(cx + 2, cy + 3, 11, rgba(0, 0, 0, 70));
    img.fillCircle(cx, cy, 11, rim);
    img.fillCircle(cx, cy, 9, hull);
    img.fillCircle(cx, cy, 4, rgba(20, 22, 30));
    // Four rotor housings.
    for (int k = 0; k < 4; ++k)
    {
        int ox = (k % 2 == 0 ? -8 : 8), oy = (k < 2 ? -8 : 8);
        img.fillCircle(cx + ox, cy + oy, 3, rgba(30, 32, 40));
        img.set(cx + ox, cy + oy, rgba(120, 120, 130));
    }
}
}

void paintPoliceDroid(Atlas& atlas)
{
    for (int i = 0; i < 4; ++i)
    {
        Image img(32, 32);
        droidBody(img, 16, 16, rgba(60, 70, 92), rgba(24, 28, 40));
        img.fillRect(13, 6, 7, 2, i % 2 == 0 ? Neon::cyan() : rgba(40, 140, 170));
        img.glow(16, 16, 3, rgba(80, 140, 255, 200));
        atlas.add(frameName("PoliceDroid", "patrol", i), img);
    }
    for (int i = 0; i < 4; ++i)
    {
        Image img(32, 32);
        droidBody(img, 16, 16, rgba(60, 70, 92), rgba(24, 28, 40));
        img.fillRect(13, 6, 7, 2, Neon::red());
        img.glow(16, 16, 4, i % 2 == 0 ? rgba(255, 40, 40, 230) : rgba(60, 100, 255, 230));
        atlas.add(frameName("PoliceDroid", "alert", i), img);
    }
    for (int i = 0; i < 4; ++i)
    {
        Image img(32, 32);
        droidBody(img, 16, 16, rgba(45, 48, 56), rgba(20, 20, 24));
        if (i % 2 == 0)
            img.glow(10 + i * 3, 11, 3, rgba(255, 220, 120, 255));
        img.fillCircle(22 - i * 2, 20, 2, rgba(90, 90, 100, 150));
        atlas.add(frameName("PoliceDroid", "down", i), img);
    }
}

void paintCleanerDroid(Atlas& atlas)
{
    for (int stage = 0; stage < 2; ++stage)
        for (int i = 0; i < 4; ++i)
        {
            Image img(32, 32);
            droidBody(img, 16, 16, rgba(190, 150, 30), rgba(40, 36, 20));
            for (int s = -8; s <= 8; s += 4)
                img.line(16 + s - 2, 10, 16 + s + 2, 22, rgba(30, 30, 30, 160));
            img.glow(16, 16, 3, stage == 0 ? rgba(255, 200, 60, 200) : rgba(120, 255, 120, 230));
            if (stage == 1)
            {
                double a = i * kPi / 2.0;
                img.glow(16 + static_cast<int>(std::lround(std::cos(a) * 12)),
                         16 + static_cast<int>(std::lround(std::sin(a) * 12)), 4, rgba(120, 255, 160, 180));
            }
            atlas.add(frameName("CleanerDroid", stage == 0 ? "idle" : "clean", i), img);
        }
}

void paintAdBlimp(Atlas& atlas)
{
    for (int i = 0; i < 4; ++i)
    {
        Image img(48, 112);
        img.fillEllipse(26, 58, 21, 52, rgba(0, 0, 0, 60));
        img.fillEllipse(24, 56, 20, 52, rgba(70, 64, 84));
        img.fillEllipse(22, 50, 14, 44, rgba(96, 88, 116));
        // Fins at the tail (the nose points up).
        img.fillRect(8, 100, 32, 4, rgba(50, 46, 60));
        img.fillRect(22, 96, 4, 14, rgba(50, 46, 60));
        // The advert panels scroll through three colours.
        Rgba ad[3] = {Neon::pink(), Neon::cyan(), Neon::amber()};
        Rgba c = ad[i % 3];
        img.fillRect(10, 30, 28, 44, rgba(20, 16, 30));
        for (int y = 0; y < 5; ++y)
            img.fillRect(13, 34 + y * 8 + (i % 2), 22 - ((y + i) % 3) * 5, 4, c);
        img.glow(24, 52, 20, rgba(c.r, c.g, c.b, 60));
        img.set(24, 4, i % 2 == 0 ? Neon::red() : rgba(80, 0, 0));
        atlas.add(frameName("AdBlimp", "fly", i), img);
    }
}

void paintFlyer(Atlas& atlas, const std::string& sheet, int variant)
{
    const Rgba hulls[5] = {rgba(150, 30, 40), rgba(30, 60, 120), rgba(200, 200, 210), rgba(30, 30, 34), rgba(200, 140, 20)};
    const Rgba lights[5] = {Neon::cyan(), Neon::pink(), Neon::violet(), Neon::green(), Neon::amber()};
    for (int i = 0; i < 2; ++i)
    {
        int w = 20 + (variant % 3) * 2, h = 36 + (variant % 2) * 6;
        Image img(w + 8, h + 8);
        int cx = (w + 8) / 2, cy = (h + 8) / 2;
        img.fillEllipse(cx + 2, cy + 3, w / 2, h / 2, rgba(0, 0, 0, 70));
        img.fillEllipse(cx, cy, w / 2, h / 2, hulls[variant]);
        img.fillEllipse(cx, cy - h / 6, w / 2 - 4, h / 6, rgba(30, 50, 70));
        img.line(cx - w / 2 + 2, cy + h / 4, cx + w / 2 - 2, cy + h / 4, lights[variant]);
        // Thrusters at the four corners, lit on alternate frames.
        for (int k = 0; k < 4; ++k)
        {
            int ox = (k % 2 == 0 ? -w / 2 : w / 2), oy = (k < 2 ? -h / 3 : h / 3);
            img.fillCircle(cx + ox, cy + oy, 3, rgba(40, 40, 46));
            if ((k + i) % 2 == 0)
                img.glow(cx + ox, cy + oy, 4, rgba(lights[variant].r, lights[variant].g, lights[variant].b, 200));
        }
        img.set(cx, cy - h / 2 + 1, rgba(255, 255, 230));
        atlas.add(frameName(sheet, "fly", i), img);
    }
}

void paintDroidTurret(Atlas& atlas)
{
    for (int i = 0; i < 3; ++i)
    {
        Image img(12, 16);
        img.fillCircle(6, 10, 4, rgba(36, 40, 52));
        img.fillRect(5, 1, 3, 9, rgba(70, 76, 90));
        if (i == 1)
            img.glow(6, 2, 3, rgba(255, 90, 90, 255));
        atlas.add(i == 0 ? frameName("DroidTurret", "idle", 0) : frameName("DroidTurret", "fire", i - 1), img);
    }
}

void paintHoloLure(Atlas& atlas)
{
    Image off(16, 16);
    off.fillCircle(8, 8, 5, rgba(50, 50, 60));
    off.fillCircle(8, 8, 2, rgba(90, 200, 255));
    atlas.add(frameName("HoloLure", "off", 0), off);
    for (int i = 0; i < 4; ++i)
    {
        Image img(16, 16);
        img.fillCircle(8, 8, 5, rgba(50, 50, 60));
        img.glow(8, 8, 6 + (i % 2), rgba(90, 220, 255, 200 - i * 20));
        img.fillEllipse(8, 7, 3, 4, rgba(120, 240, 255, 160));
        atlas.add(frameName("HoloLure", "on", i), img);
    }
}

void paintImpact(Atlas& atlas)
{
    for (int i = 0; i < 4; ++i)
    {
        Image img(16, 16);
        int r = 2 + i * 2;
        img.glow(8, 8, r, rgba(255, 230, 140, 255 - i * 55));
        for (int k = 0; k < 6; ++k)
        {
            double a = k * kPi / 3.0 + i * 0.4;
            img.set(8 + static_cast<int>(std::lround(std::cos(a) * (r + 1))),
                    8 + static_cast<int>(std::lround(std::sin(a) * (r + 1))), rgba(255, 255, 200, 230 - i * 50));
        }
        atlas.add(frameName("Impact", "spark", i), img);
    }
}

void paintSplash(Atlas& atlas)
{
    for (int i = 0; i < 4; ++i)
    {
        Image img(32, 32);
        int r = 4 + i * 3;
        for (int k = 0; k < 48; ++k)
        {
            double a = k * kPi / 24.0;
            img.blend(16 + static_cast<int>(std::lround(std::cos(a) * r)),
                      16 + static_cast<int>(std::lround(std::sin(a) * r)), rgba(180, 220, 255, 220 - i * 50));
        }
        if (i < 2)
            img.fillCircle(16, 16, 3 - i, rgba(220, 240, 255, 200));
        atlas.add(frameName("Splash", "ring", i), img);
    }
}

void paintExplosion(Atlas& atlas)
{
    for (int i = 0; i < 6; ++i)
    {
        Image img(96, 96);
        int r = 10 + i * 7;
        int fade = 255 - i * 38;
        img.glow(48, 48, r + 8, rgba(255, 120, 30, fade));
        img.glow(48, 48, r, rgba(255, 220, 120, fade));
        if (i >= 2)
            for (int k = 0; k < 8; ++k)
            {
                double a = k * kPi / 4.0 + i;
                img.fillCircle(48 + static_cast<int>(std::lround(std::cos(a) * r * 0.8)),
                               48 + static_cast<int>(std::lround(std::sin(a) * r * 0.8)), 4 + i,
                               rgba(60, 56, 60, 40 + i * 20));
            }
        atlas.add(frameName("Explosion", "fire", i), img);
    }
}
