#pragma once
#include "2d/ParticleSystem.h"

namespace cocos2d {

// Draws each particle as a square of its size, turned by its spin, in its
// colour times the texture (the whole texture; white without one).
class ParticleSystemQuad : public ParticleSystem
{
public:
    static ParticleSystemQuad* create();
    static ParticleSystemQuad* createWithTotalParticles(int count);

    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

protected:
    ParticleSystemQuad() = default;
};

}
