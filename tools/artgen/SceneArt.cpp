#include "SceneArt.h"
#include "Look.h"
#include <cmath>

namespace SceneArt
{
void sky(Image& img, int x, int y, int w, int h)
{
    for (int j = 0; j < h; ++j)
    {
        int t = h > 1 ? j * 255 / (h - 1) : 0;
        Rgba c = rgba(12 + t * 40 / 255, 10 + t * 12 / 255, 30 + t * 50 / 255);
        for (int i = 0; i < w; ++i)
            img.set(x + i, y + j, c);
    }
}

namespace
{
// One building of a skyline layer, its left edge at px, clipped to the
// strip from x to x + w; gives its width.
int skylineBuilding(Image& img, int x, int y, int w, int h, Rng& rng, int layer, int px)
{
    int shade = 20 + layer * 12;
    int bw = rng.range(w / 16 + 4, w / 7 + 6);
    int bh = rng.range(h / 4, h * (6 + layer) / 10);
    int top = y + h - bh;
    for (int j = top; j < y + h; ++j)
        for (int i = px; i < px + bw; ++i)
            if (i >= x && i < x + w)
                img.set(i, j, rgba(shade, shade - 4, shade + 14));
    // Windows.
    for (int j = top + 4; j < y + h - 4; j += 6)
        for (int i = px + 3; i < px + bw - 3; i += 5)
            if (i >= x && i + 2 < x + w && rng.chance(0.22 + layer * 0.08))
                img.fillRect(i, j, 2, 3, rng.chance(0.7) ? rgba(255, 210, 130) : rgba(160, 200, 255));
    if (rng.chance(0.35) && bw > 12)
    {
        Rgba n = rng.chance(0.5) ? Neon::pink() : (rng.chance(0.5) ? Neon::cyan() : Neon::violet());
        int sy = top + rng.range(4, std::max(5, bh / 3));
        int sx = px + 2;
        if (sx >= x && sx + bw - 4 < x + w)
        {
            img.rectOutline(sx, sy, bw - 4, 6, n);
            img.glow(sx + (bw - 4) / 2, sy + 3, bw / 2, rgba(n.r, n.g, n.b, 50));
        }
    }
    return bw;
}
}

void skyline(Image& img, int x, int y, int w, int h, Rng& rng, int layers)
{
    for (int layer = 0; layer < layers; ++layer)
    {
        int px = x - rng.range(0, 20);
        while (px < x + w)
        {
            // The gap is drawn after the building: the random sequence depends on it.
            const int width = skylineBuilding(img, x, y, w, h, rng, layer, px);
            px += width + rng.range(0, 4);
        }
    }
}

void rain(Image& img, int x, int y, int w, int h, Rng& rng, int drops, int alpha)
{
    for (int i = 0; i < drops; ++i)
    {
        int rx = x + rng.range(0, w - 1), ry = y + rng.range(0, h - 1), len = rng.range(4, 10);
        for (int k = 0; k < len; ++k)
            if (ry + k < y + h && rx - k / 3 >= x)
                img.blend(rx - k / 3, ry + k, rgba(170, 200, 235, alpha));
    }
}

void figure(Image& img, int cx, int baseY, int height, bool male, double step, double armRaise, double turn,
            double breathe)
{
    const double u = height / 64.0;
    auto U = [u](double v) { return static_cast<int>(std::lround(v * u)); };
    Rgba coat = male ? rgba(66, 58, 52) : rgba(58, 60, 78);
    Rgba coatDark = male ? rgba(44, 38, 34) : rgba(38, 40, 54);
    Rgba skin = male ? rgba(236, 196, 160) : rgba(198, 146, 104);
    Rgba hair = male ? rgba(80, 50, 30) : rgba(20, 20, 24);
    Rgba trim = Neon::cyan();
    int b = static_cast<int>(std::lround(breathe * u));
    // Legs.
    int legSwing = U(3.0 * step);
    img.fillRect(cx - U(5) + legSwing, baseY - U(20), U(4), U(20), rgba(30, 30, 36));
    img.fillRect(cx + U(1) - legSwing, baseY - U(20), U(4), U(20), rgba(30, 30, 36));
    // Long coat: a trapezoid from the shoulders to the knees.
    int shoulder = baseY - U(48) + b, hem = baseY - U(12);
    for (int j = shoulder; j <= hem; ++j)
    {
        double t = static_cast<double>(j - shoulder) / std::max(1, hem - shoulder);
        int half = U(9 + t * (male ? 4 : 6));
        img.line(cx - half, j, cx + half, j, j < shoulder + U(2) ? coatDark : coat);
    }
    img.line(cx, shoulder + U(4), cx, hem, coatDark);
    img.line(cx - U(9), shoulder, cx - U(13), hem, trim);
    img.line(cx + U(9), shoulder, cx + U(13), hem, trim);
    // Arms: the left hangs, the right brings the gun up.
    img.fillRect(cx - U(12), shoulder + U(2), U(3), U(20), coatDark);
    double a = armRaise * 1.4;
    int hx = cx + U(11) + static_cast<int>(std::lround(std::sin(a) * 18 * u));
    int hy = shoulder + U(2) + static_cast<int>(std::lround(std::cos(a) * 20 * u));
    for (int k = 0; k < U(3); ++k)
        img.line(cx + U(10) + k, shoulder + U(2), hx + k, hy, coatDark);
    img.fillRect(hx, hy - U(2), U(3), U(3), skin);
    if (armRaise > 0.3)
        img.fillRect(hx + U(2), hy - U(3), U(6), U(2), rgba(60, 64, 72));
    // Head and hair; turning away shows more hair and less face.
    int headY = shoulder - U(7);
    img.fillRect(cx - U(2), shoulder - U(3), U(4), U(3), skin);
    img.fillEllipse(cx, headY, U(5), U(6), skin);
    if (turn < 0.5)
    {
        img.fillRect(cx - U(3), headY + U(1), U(2), U(1) + 1, rgba(30, 30, 40));
        img.fillRect(cx + U(2), headY + U(1), U(2), U(1) + 1, rgba(30, 30, 40));
    }
    img.fillEllipse(cx, headY - U(4), U(6), U(3), hair);
    if (!male)
    {
        img.fillRect(cx - U(6), headY - U(3), U(3), U(14), hair);
        img.fillRect(cx + U(4), headY - U(3), U(3), U(14), hair);
    }
    if (turn >= 0.5)
        img.fillEllipse(cx, headY, U(5), U(6), hair);
}

void frame(Image& img, int x, int y, int w, int h, Rgba colour)
{
    img.rectOutline(x, y, w, h, colour);
    img.rectOutline(x + 1, y + 1, w - 2, h - 2, rgba(0, 0, 0));
}
}
