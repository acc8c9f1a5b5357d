#include "actors/police/AdBlimp.h"
#include "actors/police/EdgeCrossing.h"
#include "app/SoundEngine.h"
#include "world/GameData.h"

namespace {
constexpr float TurnRate = 90.0f;
constexpr float Acceleration = 128.0f;
constexpr float CruisingSpeed = 16.0f;
constexpr float SlowDownRadius = 96.0f;
constexpr float AdvertVolume = 6.0f;

// By the first zone in which they play.
const std::vector<std::vector<std::string>> AdvertsByZone = {
    {"Ad_Cybernetics.mp3", "Ad_OilHeater.mp3", "Ad_PersonalitySuppression.mp3", "Ad_PersonalityUpgrade.mp3",
     "Ad_Plants.mp3", "Ad_WetDream.mp3", "Ad_Yeah.mp3", "Ad_NerveStapling.mp3", "Ad_CleanNClear.wav",
     "Ad_Cosmetic.wav", "Ad_CyberLimb.wav", "Ad_DiscountBrothel.wav", "Ad_Grenade.wav"},
    {"Ad_SpendMoney.mp3", "Ad_AugmentedReality.mp3", "Ad_BrainSalt.mp3", "Ad_LegalTron.mp3"},
    {"Ad_Voting.mp3", "Ad_DoNotQuestion.mp3", "Ad_FindersFee.mp3", "Ad_Thought.mp3"},
};
}

AdBlimp::AdBlimp(int side)
    : FlyingMob(DefinitionId, TurnRate, Acceleration, CruisingSpeed, SlowDownRadius),
      MobSoundPlatform(this),
      destination(EdgeCrossing::destinationOn(side))
{
    flyingType = AdvertBlimp;
    volume = AdvertVolume;
    soundInterval = AdvertInterval;
    soundNames = advertsForZone(GameData::getInstance()->currentZone);
}

// The advert plays on where the blimp left it: nothing follows a blimp that is gone.
AdBlimp::~AdBlimp() = default;

std::vector<std::string> AdBlimp::advertsForZone(int zone)
{
    std::vector<std::string> adverts;
    for (size_t first = 0; first < AdvertsByZone.size(); ++first)
    {
        if (static_cast<int>(first) <= zone)
            adverts.insert(adverts.end(), AdvertsByZone[first].begin(), AdvertsByZone[first].end());
    }
    return adverts;
}

void AdBlimp::update(float dt)
{
    if (!EdgeCrossing::fly(*this, destination, dt))
        return;
    speak(dt);
    carryVoice(position);
}

