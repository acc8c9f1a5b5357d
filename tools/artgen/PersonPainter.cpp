#include "PersonPainter.h"
#include <cmath>
#include <cstdio>

const std::vector<PersonAnimation>& personAnimations()
{
    static const std::vector<PersonAnimation> table = {
        {0, "stand", 1, 1.0, "loop"},   {1, "walk", 8, 0.8, "loop"},    {2, "walkarmed", 8, 0.8, "loop"},
        {4, "firelow", 2, 0.2, "once"}, {5, "fire", 2, 0.2, "once"},    {6, "halt", 2, 0.4, "hold"},
        {7, "die", 4, 0.5, "hold"},     {8, "dieb", 4, 0.5, "hold"},    {11, "smoke", 4, 1.2, "once"},
        {12, "read", 2, 2.0, "loop"},   {13, "raise", 3, 0.3, "hold"},  {14, "lower", 3, 0.3, "once"},
        {18, "standarmed", 1, 1.0, "loop"},
    };
    return table;
}

namespace
{
Rgba shade(Rgba c, int percent)
{
    return rgba(c.r * percent / 100, c.g * percent / 100, c.b * percent / 100, c.a);
}

enum class Arms
{
    Swing,
    Gun,
    GunLow,
    Smoke,
    Read,
    Up
};

struct Pose
{
    double stride = 0.0;   // -1 .. 1, left foot forward when positive
    Arms arms = Arms::Swing;
    double raise = 1.0;    // 0 .. 1 how far the gun is brought up
    bool flash = false;
    bool ember = false;
};

void paintHead(Image& img, const Look& look, int cx, int cy)
{
    if (look.hairStyle == 1)
        img.fillEllipse(cx, cy + 2, 3, 3, look.hair);
    // The face shows only as a sliver at the front.
    img.fillCircle(cx, cy - 1, 3, look.skin);
    img.fillEllipse(cx, cy, 3, 2, look.hairStyle == 3 ? shade(look.skin, 85) : look.hair);
    if (look.hairStyle == 2)
    {
        img.fillEllipse(cx, cy, 3, 3, shade(look.coat, 80));
        img.set(cx, cy - 3, look.trim);
    }
    if (look.hat)
    {
        img.fillCircle(cx, cy, 4, rgba(30, 30, 36));
        img.fillCircle(cx, cy, 2, rgba(50, 50, 60));
    }
}

void paintStanding(Image& img, const Look& look, const Pose& p)
{
    const int cx = 16, cy = 17;
    img.fillEllipse(cx + 1, cy + 1, look.build + 2, 6, rgba(0, 0, 0, 80));
    int step = static_cast<int>(std::lround(p.stride * 6.0));
    img.fillEllipse(cx - 3, cy - step, 2, 3, shade(look.legs, 80));
    img.fillEllipse(cx + 3, cy + step, 2, 3, shade(look.legs, 80));
    img.set(cx - 3, cy - step - 3, rgba(20, 20, 24));
    img.set(cx + 3, cy + step - 3, rgba(20, 20, 24));
    img.fillEllipse(cx, cy, look.build, 4, look.coat);
    img.line(cx - look.build + 1, cy + 2, cx + look.build - 1, cy + 2, shade(look.coat, 70));
    img.line(cx - look.build + 2, cy - 2, cx + look.build - 2, cy - 2, look.trim);
    Rgba hand = shade(look.skin, 90);
    Rgba sleeve = shade(look.coat, 85);
    int lx = cx - look.build, rx = cx + look.build;
    switch (p.arms)
    {
    case Arms::Swing:
    {
        int swing = static_cast<int>(std::lround(p.stride * 3.0));
        img.fillCircle(lx, cy + swing, 2, sleeve);
        img.fillCircle(rx, cy - swing, 2, sleeve);
        img.set(lx, cy + swing - 2, hand);
        img.set(rx, cy - swing - 2, hand);
        break;
    }
    case Arms::Gun:
    case Arms::GunLow:
    {
        int reach = static_cast<int>(std::lround(6.0 * p.raise));
        int hy = cy - 2 - reach;
        if (p.arms == Arms::GunLow)
        {
            img.fillCircle(lx, cy, 2, sleeve);
            img.line(rx, cy, rx - 1, cy - 5, sleeve);
            img.fillRect(rx - 2, cy - 9, 2, 4, rgba(40, 40, 48));
            if (p.flash)
                img.glow(rx - 1, cy - 11, 4, rgba(255, 230, 120, 255));
            break;
        }
        img.line(lx + 1, cy, cx - 1, hy, sleeve);
        img.line(rx - 1, cy, cx + 1, hy, sleeve);
        img.fillRect(cx - 1, hy - 5, 3, 6, rgba(40, 40, 48));
        img.set(cx, hy - 5, rgba(90, 90, 100));
        img.fillRect(cx - 1, hy, 3, 1, hand);
        if (p.flash)
            img.glow(cx, hy - 8, 5, rgba(255, 230, 120, 255));
        break;
    }
    case Arms::Smoke:
        img.fillCircle(lx, cy, 2, sleeve);
        img.line(rx, cy, cx + 2, cy - 5, sleeve);
        img.set(cx + 2, cy - 6, hand);
        if (p.ember)
        {
            img.glow(cx + 3, cy - 8, 3, rgba(255, 80, 30, 255));
            img.fillCircle(cx + 5, cy - 11, 2, rgba(200, 200, 210, 110));
        }
        else
            img.set(cx + 3, cy - 8, rgba(255, 120, 60));
        break;
    case Arms::Read:
        img.line(lx + 1, cy, cx - 3, cy - 6, sleeve);
        img.line(rx - 1, cy, cx + 3, cy - 6, sleeve);
        img.fillRect(cx - 4, cy - 10, 9, 5, rgba(220, 225, 235));
        img.line(cx - 3, cy - 9, cx + 3, cy - 9, rgba(120, 120, 140));
        img.line(cx - 3, cy - 7, cx + 2, cy - 7, rgba(120, 120, 140));
        img.set(cx - 4, cy - 10, look.trim);
        break;
    case Arms::Up:
        img.line(lx, cy, lx - 2, cy - 5, sleeve);
        img.line(rx, cy, rx + 2, cy - 5, sleeve);
        img.set(lx - 2, cy - 6, hand);
        img.set(rx + 2, cy - 6, hand);
        break;
    }
    paintHead(img, look, cx, cy);
}

// A body lying on its back (variant 0) or face down (variant 1); stage 0..3
// runs from the stagger to the still body with its pool of blood.
void paintFallen(Image& img, const Look& look, int variant, int stage)
{
    if (stage == 0)
    {
        Pose p;
        p.arms = Arms::Up;
        p.stride = variant == 0 ? 0.5 : -0.5;
        paintStanding(img, look, p);
        img.glow(16, 14, 4, rgba(200, 0, 20, 200));
        return;
    }
    int pool = stage == 1 ? 0 : stage * 3 + 1;
    if (pool > 0)
    {
        img.fillEllipse(16, 18, pool + 2, pool, rgba(110, 0, 10, 220));
        img.fillEllipse(15, 17, pool, pool - 2, rgba(150, 0, 16, 230));
    }
    int drop = stage == 1 ? 3 : 5;
    int dir = variant == 0 ? 1 : -1;
    int headY = 16 - 9 + (variant == 0 ? 0 : 1);
    // Legs, torso, arms flung out, head.
    img.line(14, 16 + drop, 11 - dir, 27, shade(look.legs, 80));
    img.line(18, 16 + drop, 21 + dir, 27, shade(look.legs, 80));
    img.line(13, 16 + drop, 10 - dir, 27, shade(look.legs, 80));
    img.line(19, 16 + drop, 22 + dir, 27, shade(look.legs, 80));
    img.fillEllipse(16, 14 + drop / 2, look.build - 1, 6, look.coat);
    img.line(12, 12, 16 - look.build - 4, 9 + dir * 2, shade(look.coat, 85));
    img.line(20, 12, 16 + look.build + 4, 15 - dir * 2, shade(look.coat, 85));
    img.line(16 - look.build + 2, 10, 16 + look.build - 2, 10, shade(look.trim, 70));
    img.fillCircle(16, headY, 3, variant == 0 ? look.skin : look.hair);
    if (variant == 0)
        img.fillRect(14, headY - 3, 5, 2, look.hair);
}

Image frame(const Look& look, const PersonAnimation& a, int i)
{
    Image img(32, 32);
    Pose p;
    const double phase = a.frames > 1 ? static_cast<double>(i) / a.frames : 0.0;
    const double wave = std::sin(phase * 2.0 * 3.14159265358979);
    switch (a.id)
    {
    case 1:
        p.stride = wave;
        break;
    case 2:
        p.stride = wave;
        p.arms = Arms::Gun;
        break;
    case 4:
        p.arms = Arms::GunLow;
        p.flash = i == 0;
        break;
    case 5:
        p.arms = Arms::Gun;
        p.flash = i == 0;
        break;
    case 6:
        p.arms = Arms::Up;
        p.stride = i == 0 ? 0.3 : 0.0;
        break;
    case 7:
    case 8:
        paintFallen(img, look, a.id == 7 ? 0 : 1, i);
        return img;
    case 11:
        p.arms = Arms::Smoke;
        p.ember = i == 1 || i == 2;
        break;
    case 12:
        p.arms = Arms::Read;
        break;
    case 13:
        p.arms = Arms::Gun;
        p.raise = (i + 1) / 3.0;
        break;
    case 14:
        p.arms = Arms::Gun;
        p.raise = (3 - i) / 3.0 - 0.2;
        break;
    case 18:
        p.arms = Arms::Gun;
        break;
    default:
        break;
    }
    if (p.raise < 0.0)
        p.raise = 0.0;
    paintStanding(img, look, p);
    return img;
}
}

void paintPersonSheet(const Look& look, Atlas& atlas)
{
    for (const PersonAnimation& a : personAnimations())
        for (int i = 0; i < a.frames; ++i)
        {
            char name[160];
            std::snprintf(name, sizeof name, "%s_%s%02d.png", look.sheet.c_str(), a.stem.c_str(), i + 1);
            atlas.add(name, frame(look, a, i));
        }
}

Image paintPersonStanding(const Look& look)
{
    return frame(look, personAnimations().front(), 0);
}
