#include "Image.h"
#include <algorithm>
#include <cstdlib>

Image::Image(int width, int height, Rgba fill) : w(width), h(height), px(static_cast<size_t>(width) * height * 4)
{
    for (size_t i = 0; i < px.size(); i += 4)
    {
        px[i] = fill.r;
        px[i + 1] = fill.g;
        px[i + 2] = fill.b;
        px[i + 3] = fill.a;
    }
}

Rgba Image::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return Rgba{};
    size_t i = (static_cast<size_t>(y) * w + x) * 4;
    return Rgba{px[i], px[i + 1], px[i + 2], px[i + 3]};
}

void Image::set(int x, int y, Rgba c)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    size_t i = (static_cast<size_t>(y) * w + x) * 4;
    px[i] = c.r;
    px[i + 1] = c.g;
    px[i + 2] = c.b;
    px[i + 3] = c.a;
}

void Image::blend(int x, int y, Rgba c)
{
    if (x < 0 || y < 0 || x >= w || y >= h || c.a == 0)
        return;
    if (c.a == 255)
    {
        set(x, y, c);
        return;
    }
    Rgba d = get(x, y);
    int a = c.a;
    int outA = a + d.a * (255 - a) / 255;
    if (outA == 0)
        return;
    auto mix = [&](int s, int t) { return (s * a + t * d.a * (255 - a) / 255) / outA; };
    set(x, y, rgba(mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), outA));
}

void Image::fillRect(int x, int y, int rw, int rh, Rgba c)
{
    for (int j = y; j < y + rh; ++j)
        for (int i = x; i < x + rw; ++i)
            set(i, j, c);
}

void Image::blendRect(int x, int y, int rw, int rh, Rgba c)
{
    for (int j = y; j < y + rh; ++j)
        for (int i = x; i < x + rw; ++i)
            blend(i, j, c);
}

void Image::rectOutline(int x, int y, int rw, int rh, Rgba c)
{
    for (int i = x; i < x + rw; ++i)
    {
        set(i, y, c);
        set(i, y + rh - 1, c);
    }
    for (int j = y; j < y + rh; ++j)
    {
        set(x, j, c);
        set(x + rw - 1, j, c);
    }
}

void Image::line(int x0, int y0, int x1, int y1, Rgba c)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;)
    {
        blend(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy)
        {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx)
        {
            err += dx;
            y0 += sy;
        }
    }
}

void Image::fillCircle(int cx, int cy, int radius, Rgba c)
{
    fillEllipse(cx, cy, radius, radius, c);
}

void Image::fillEllipse(int cx, int cy, int rx, int ry, Rgba c)
{
    if (rx <= 0 || ry <= 0)
    {
        blend(cx, cy, c);
        return;
    }
    for (int j = -ry; j <= ry; ++j)
        for (int i = -rx; i <= rx; ++i)
            if (i * i * ry * ry + j * j * rx * rx <= rx * rx * ry * ry + (rx * ry))
                blend(cx + i, cy + j, c);
}

void Image::blit(const Image& src, int dx, int dy)
{
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            set(dx + x, dy + y, src.get(x, y));
}

void Image::blitOver(const Image& src, int dx, int dy)
{
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            blend(dx + x, dy + y, src.get(x, y));
}

Image Image::crop(int x, int y, int cw, int ch) const
{
    Image out(cw, ch);
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i)
            out.set(i, j, get(x + i, y + j));
    return out;
}

Image Image::scaled(int factor) const
{
    Image out(w * factor, h * factor);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x)
            out.set(x, y, get(x / factor, y / factor));
    return out;
}

Image Image::rotated90() const
{
    Image out(h, w);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.set(h - 1 - y, x, get(x, y));
    return out;
}

Image Image::flippedX() const
{
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.set(w - 1 - x, y, get(x, y));
    return out;
}

void Image::glow(int cx, int cy, int radius, Rgba c)
{
    if (radius <= 0)
        return;
    for (int j = -radius; j <= radius; ++j)
        for (int i = -radius; i <= radius; ++i)
        {
            int d2 = i * i + j * j;
            if (d2 > radius * radius)
                continue;
            int a = c.a * (radius * radius - d2) / (radius * radius);
            blend(cx + i, cy + j, rgba(c.r, c.g, c.b, a));
        }
}
