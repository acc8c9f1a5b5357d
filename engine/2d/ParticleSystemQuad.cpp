#include "2d/ParticleSystemQuad.h"

#include <cmath>

#include "base/RefOwnership.h"
#include "renderer/Renderer.h"

namespace cocos2d {

namespace {

void corner(QuadVertex& out, const Mat4& m, float x, float y, uint8_t r, uint8_t g, uint8_t b, uint8_t a, float u,
            float v)
{
    out.x = m.m[0] * x + m.m[4] * y + m.m[12];
    out.y = m.m[1] * x + m.m[5] * y + m.m[13];
    out.z = m.m[2] * x + m.m[6] * y + m.m[14];
    out.r = r;
    out.g = g;
    out.b = b;
    out.a = a;
    out.u = u;
    out.v = v;
}

uint8_t toByte(float value)
{
    return value <= 0.0f ? 0 : value >= 1.0f ? 255 : uint8_t(value * 255.0f + 0.5f);
}

}

ParticleSystemQuad* ParticleSystemQuad::create()
{
    return createWithTotalParticles(0);
}

ParticleSystemQuad* ParticleSystemQuad::createWithTotalParticles(int count)
{
    ParticleSystemQuad* system = new ParticleSystemQuad();
    return autoreleaseIfInitialised(system, system->initWithTotalParticles(count));
}

void ParticleSystemQuad::draw(Renderer* renderer, const Mat4& transform, uint32_t)
{
    if (!renderer || _particleCount == 0)
        return;
    Quad* quads = renderer->appendQuads(_texture, _blendFunc, _particleCount);
    const Vec2 reference = emitterReference();
    for (std::size_t i = 0; i < _particleCount; ++i) {
        const Particle& p = _particles[i];
        const Vec2 centre = drawPosition(p, reference);
        const float half = p.size * 0.5f;
        const float alpha = std::min(1.0f, std::max(0.0f, p.color.a));
        // Premultiplied, like every colour the engine sends.
        const uint8_t r = toByte(p.color.r * alpha);
        const uint8_t g = toByte(p.color.g * alpha);
        const uint8_t b = toByte(p.color.b * alpha);
        const uint8_t a = toByte(alpha);
        // Spin is clockwise, as node rotation.
        const float angle = -CC_DEGREES_TO_RADIANS(p.rotation);
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float cornersX[4] = {-half, -half, half, half};
        const float cornersY[4] = {-half, half, -half, half};
        QuadVertex* out[4] = {&quads[i].bl, &quads[i].tl, &quads[i].br, &quads[i].tr};
        const float us[4] = {0.0f, 0.0f, 1.0f, 1.0f};
        const float vs[4] = {1.0f, 0.0f, 1.0f, 0.0f};
        for (int k = 0; k < 4; ++k) {
            const float x = centre.x + cornersX[k] * c - cornersY[k] * s;
            const float y = centre.y + cornersX[k] * s + cornersY[k] * c;
            corner(*out[k], transform, x, y, r, g, b, a, us[k], vs[k]);
        }
    }
}

}
