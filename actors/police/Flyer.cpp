#include "actors/police/Flyer.h"
#include "actors/police/EdgeCrossing.h"
#include "app/SoundEngine.h"
#include "world/ObjectDef.h"
#include <cstdlib>

namespace {
constexpr float TurnRate = 90.0f;
constexpr float Acceleration = 128.0f;
constexpr int SlowestSpeed = 97;
constexpr int SpeedSpread = 64;
constexpr float SlowDownRadius = 96.0f;
constexpr float HumVolume = 2.0f;
}

const int Flyer::Definitions[5] = {75, 76, 77, 326, 327};

// The look is drawn before the speed.
Flyer::Flyer(int side) : Flyer(side, Definitions[rand() % 5])
{
}

Flyer::Flyer(int side, int definitionId)
    : FlyingMob(definitionId, TurnRate, Acceleration, static_cast<float>(rand() % SpeedSpread + SlowestSpeed),
                SlowDownRadius),
      destination(EdgeCrossing::destinationOn(side))
{
    flyingType = AmbientFlyer;
    if (def && !def->sound.empty())
        soundChannel = SoundEngine::getInstance()->play(&position, true, def->sound, HumVolume);
}

Flyer::~Flyer() = default;

void Flyer::update(float dt)
{
    EdgeCrossing::fly(*this, destination, dt);
}
