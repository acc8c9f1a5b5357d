#pragma once
#include <cstdint>

// The three colour types live together: each converts to the others.
namespace cocos2d {

struct Color4B;
struct Color4F;



// RGB, 0-255 a channel.
struct Color3B
{
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    constexpr Color3B() = default;
    constexpr Color3B(uint8_t rr, uint8_t gg, uint8_t bb) : r(rr), g(gg), b(bb) {}
    explicit Color3B(const Color4B& c);
    explicit Color3B(const Color4F& c);

    bool equals(const Color3B& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator==(const Color3B& o) const { return equals(o); }
    bool operator!=(const Color3B& o) const { return !equals(o); }

    static const Color3B WHITE;
    static const Color3B YELLOW;
    static const Color3B BLUE;
    static const Color3B GREEN;
    static const Color3B RED;
    static const Color3B MAGENTA;
    static const Color3B BLACK;
    static const Color3B ORANGE;
    static const Color3B GRAY;
};

inline const Color3B Color3B::WHITE{255, 255, 255};
inline const Color3B Color3B::YELLOW{255, 255, 0};
inline const Color3B Color3B::BLUE{0, 0, 255};
inline const Color3B Color3B::GREEN{0, 255, 0};
inline const Color3B Color3B::RED{255, 0, 0};
inline const Color3B Color3B::MAGENTA{255, 0, 255};
inline const Color3B Color3B::BLACK{0, 0, 0};
inline const Color3B Color3B::ORANGE{255, 127, 0};
inline const Color3B Color3B::GRAY{166, 166, 166};



// RGBA, 0-255 a channel.
struct Color4B
{
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 0;

    constexpr Color4B() = default;
    constexpr Color4B(uint8_t rr, uint8_t gg, uint8_t bb, uint8_t aa) : r(rr), g(gg), b(bb), a(aa) {}
    Color4B(const Color3B& c, uint8_t aa) : r(c.r), g(c.g), b(c.b), a(aa) {}
    explicit Color4B(const Color4F& c);

    bool operator==(const Color4B& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Color4B& o) const { return !(*this == o); }

    static const Color4B WHITE;
    static const Color4B YELLOW;
    static const Color4B BLUE;
    static const Color4B GREEN;
    static const Color4B RED;
    static const Color4B MAGENTA;
    static const Color4B BLACK;
    static const Color4B ORANGE;
    static const Color4B GRAY;
};

inline const Color4B Color4B::WHITE{255, 255, 255, 255};
inline const Color4B Color4B::YELLOW{255, 255, 0, 255};
inline const Color4B Color4B::BLUE{0, 0, 255, 255};
inline const Color4B Color4B::GREEN{0, 255, 0, 255};
inline const Color4B Color4B::RED{255, 0, 0, 255};
inline const Color4B Color4B::MAGENTA{255, 0, 255, 255};
inline const Color4B Color4B::BLACK{0, 0, 0, 255};
inline const Color4B Color4B::ORANGE{255, 127, 0, 255};
inline const Color4B Color4B::GRAY{166, 166, 166, 255};



// RGBA, 0-1 a channel.
struct Color4F
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;

    constexpr Color4F() = default;
    constexpr Color4F(float rr, float gg, float bb, float aa) : r(rr), g(gg), b(bb), a(aa) {}
    explicit Color4F(const Color3B& c, float aa = 1.0f)
        : r(c.r / 255.0f), g(c.g / 255.0f), b(c.b / 255.0f), a(aa) {}
    explicit Color4F(const Color4B& c)
        : r(c.r / 255.0f), g(c.g / 255.0f), b(c.b / 255.0f), a(c.a / 255.0f) {}

    bool operator==(const Color4F& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Color4F& o) const { return !(*this == o); }

    static const Color4F WHITE;
    static const Color4F YELLOW;
    static const Color4F BLUE;
    static const Color4F GREEN;
    static const Color4F RED;
    static const Color4F MAGENTA;
    static const Color4F BLACK;
    static const Color4F ORANGE;
    static const Color4F GRAY;
};

inline const Color4F Color4F::WHITE{1.0f, 1.0f, 1.0f, 1.0f};
inline const Color4F Color4F::YELLOW{1.0f, 1.0f, 0.0f, 1.0f};
inline const Color4F Color4F::BLUE{0.0f, 0.0f, 1.0f, 1.0f};
inline const Color4F Color4F::GREEN{0.0f, 1.0f, 0.0f, 1.0f};
inline const Color4F Color4F::RED{1.0f, 0.0f, 0.0f, 1.0f};
inline const Color4F Color4F::MAGENTA{1.0f, 0.0f, 1.0f, 1.0f};
inline const Color4F Color4F::BLACK{0.0f, 0.0f, 0.0f, 1.0f};
inline const Color4F Color4F::ORANGE{1.0f, 0.5f, 0.0f, 1.0f};
inline const Color4F Color4F::GRAY{0.65f, 0.65f, 0.65f, 1.0f};

namespace detail {
inline uint8_t toByte(float f)
{
    if (f <= 0.0f)
        return 0;
    if (f >= 1.0f)
        return 255;
    return static_cast<uint8_t>(f * 255.0f + 0.5f);
}
}

inline Color3B::Color3B(const Color4B& c) : r(c.r), g(c.g), b(c.b) {}
inline Color3B::Color3B(const Color4F& c) : r(detail::toByte(c.r)), g(detail::toByte(c.g)), b(detail::toByte(c.b)) {}
inline Color4B::Color4B(const Color4F& c)
    : r(detail::toByte(c.r)), g(detail::toByte(c.g)), b(detail::toByte(c.b)), a(detail::toByte(c.a)) {}

}
