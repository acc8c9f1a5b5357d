#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgba
{
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

inline Rgba rgba(int r, int g, int b, int a = 255)
{
    auto c = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Rgba{c(r), c(g), c(b), c(a)};
}

// An RGBA picture with the few drawing operations the generators need.
// Row 0 is the top row, as in the PNG file.
class Image
{
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Rgba{});

    int width() const { return w; }
    int height() const { return h; }
    bool empty() const { return w == 0 || h == 0; }

    Rgba get(int x, int y) const;
    void set(int x, int y, Rgba c);
    // Draws c over the pixel with its alpha.
    void blend(int x, int y, Rgba c);
    void fillRect(int x, int y, int rw, int rh, Rgba c);
    void blendRect(int x, int y, int rw, int rh, Rgba c);
    void rectOutline(int x, int y, int rw, int rh, Rgba c);
    void line(int x0, int y0, int x1, int y1, Rgba c);
    void fillCircle(int cx, int cy, int radius, Rgba c);
    void fillEllipse(int cx, int cy, int rx, int ry, Rgba c);
    void blit(const Image& src, int dx, int dy);
    void blitOver(const Image& src, int dx, int dy);
    Image crop(int x, int y, int cw, int ch) const;
    Image scaled(int factor) const;
    Image rotated90() const;
    Image flippedX() const;
    // Soft light around a point: adds c fading to nothing at radius.
    void glow(int cx, int cy, int radius, Rgba c);

    const std::vector<uint8_t>& bytes() const { return px; }

private:
    int w = 0, h = 0;
    std::vector<uint8_t> px;
};
