#include "actors/police/CleanerDroid.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/PopulationSettings.h"
#include "actors/police/PoliceManager.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {
constexpr float TurnRate = 90.0f;
constexpr float Acceleration = 128.0f;
constexpr float CruisingSpeed = 128.0f;
constexpr float SlowDownRadius = 96.0f;
constexpr float HumVolume = 2.0f;
constexpr int AnimSearching = 0;
constexpr int AnimCleaning = 1;
const int AshesDefinitions[2] = {1007, 1008};
const char* const ReporterName = "`!A cleaning droid";

const char* const Announcements[] = {
    "CD_KeepClear1.wav", "CD_KeepClear2.wav", "CD_KeepClear3.wav", "CD_Crap.wav",         "CD_Error.wav",
    "CD_Filthy.wav",     "CD_Garbage.wav",    "CD_Grotty.wav",     "CD_HumanRefuse.wav", "CD_Incinerate.wav",
};

// Every cleaning droid made in the process gets its own number.
int cleanerCount = 0;
}

CleanerDroid::CleanerDroid()
    : FlyingMob(DefinitionId, TurnRate, Acceleration, CruisingSpeed, SlowDownRadius),
      MobSoundPlatform(this),
      serialNumber(cleanerCount++)
{
    flyingType = AmbientFlyer;
    volume = 1.0f;
    soundInterval = AnnouncementInterval;
    soundNames.assign(std::begin(Announcements), std::end(Announcements));
    if (def && !def->sound.empty())
        soundChannel = SoundEngine::getInstance()->play(&position, true, def->sound, HumVolume);
    // In the population's list from the start, so that whatever it takes on is
    // let go when that leaves the game, however the droid was made.
    PopulationSettings::getInstance()->addCleaner(this);
}

CleanerDroid::~CleanerDroid()
{
    PopulationSettings::getInstance()->forgetCleaner(this);
}

bool CleanerDroid::isCleanable(const GameObject* object)
{
    if (!object || object->carried)
        return false;
    if (!object->isMob())
        return true;
    const GameMob* body = static_cast<const GameMob*>(object);
    // A body in the water is sinking on its own (its corpse time runs), and
    // the player's own body is not the city's to tidy.
    return body->corpseTimer == -1.0f && body->isVisibleBody() && body->mobKind != MobPlayer;
}

GameObject* CleanerDroid::findNextTarget() const
{
    GameObject* found = WorldMap::getInstance()->findObjectNear(true, false, false, position, SearchRadius);
    // The map's last resort, any body near, knows nothing of the cleaners:
    // a body another droid has taken on is left to it.
    if (!found || PopulationSettings::getInstance()->isClaimedByCleaner(found))
        return nullptr;
    return isCleanable(found) ? found : nullptr;
}

void CleanerDroid::update(float dt)
{
    FlyingMob::update(dt);
    if (cleaning)
        updateCleaning(dt);
    else
        updateSearching(dt);
    carryVoice(position);
}

void CleanerDroid::updateSearching(float dt)
{
    (void)dt;
    if (currentAnimation != AnimSearching)
        playAnimation(AnimSearching);
    if (GameObject* target = findNextTarget())
    {
        takeTarget(target);
        // An announcement as soon as the droid hovers.
        soundTimer = 0.0f;
        orders.clear();
        cleaning = 1;
        return;
    }
    if (orders.empty() || orders.front().type == FlightOrder::Hover)
        pickRandomGoals();
}

void CleanerDroid::takeTarget(GameObject* target)
{
    cleaningTarget = target;
    cleaningTime = CleaningSeconds;
}

void CleanerDroid::updateCleaning(float dt)
{
    if (!isCleanable(cleaningTarget))
    {
        GameObject* next = findNextTarget();
        cleaningTarget = nullptr;
        if (!next)
        {
            cleaning = 0;
            return;
        }
        takeTarget(next);
        // Straight for the new target, not on to where the old one lay.
        orders.clear();
    }
    if (!(orders.empty() || orders.front().type == FlightOrder::Hover))
        return;
    if (!isOverTarget())
    {
        addOrder(true, cleaningTarget->getPosition());
        return;
    }
    if (currentAnimation != AnimCleaning)
        playAnimation(AnimCleaning);
    speak(dt);
    if (cleaningTarget->isMob() && cleaningTime == CleaningSeconds)
        PoliceManager::getInstance()->reportBody(cleaningTarget, nullptr, ReporterName);
    cleaningTime -= dt;
    if (cleaningTime <= 0.0f)
        finishCleaning();
}

bool CleanerDroid::isOverTarget() const
{
    const cocos2d::Vec2 at = cleaningTarget->getPosition();
    return std::fabs(position.x - at.x) < FLT_EPSILON && std::fabs(position.y - at.y) < FLT_EPSILON;
}

// The droid stays in cleaning mode and looks for its next target next frame.
void CleanerDroid::finishCleaning()
{
    GameObject* target = cleaningTarget;
    cleaningTarget = nullptr;
    if (target->isMob())
    {
        cleanAwayBody(target);
        return;
    }
    WorldMap* map = WorldMap::getInstance();
    map->removeObject(target, false);
    map->queueForDeletion(target);
}

void CleanerDroid::cleanAwayBody(GameObject* body)
{
    HighScores::getInstance()->recordVictim(body, true);
    WorldMap* map = WorldMap::getInstance();
    ObjectDef* ashes = GameData::getInstance()->getObjectDef(AshesDefinitions[rand() % 2]);
    if (GameObject* remains = map->placeObject(ashes, -1, body->getPosition(), -1.0f))
        remains->setRotation(body->heading);
    MobManager* mobs = MobManager::getInstance();
    mobs->releaseCleanerTarget(body);
    mobs->removeMob(body);
}
