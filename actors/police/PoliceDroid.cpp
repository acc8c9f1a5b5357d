// The police droid's body: construction, the lamps and turret under its
// sprite, the per-frame order, what it notices and its voice.
#include "actors/police/PoliceDroid.h"
#include "2d/Sprite.h"
#include "actors/GameMob.h"
#include "actors/Inventory.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/StringHelpers.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"
#include <cstdlib>

namespace {
constexpr float TurnRate = 90.0f;
constexpr float Acceleration = 128.0f;
constexpr float CruisingSpeed = 128.0f;
constexpr float SlowDownRadius = 96.0f;
constexpr float ViewAngle = 180.0f;
constexpr float SightRange = 224.0f;
constexpr float VoiceVolume = 2.0f;
constexpr float VoiceInterval = 10.0f;
constexpr float HumVolume = 2.0f;
constexpr int DroidRole = 1;
constexpr int DroidWeaponItem = 68;
constexpr int LampDefinition = 1006;
constexpr int TurretDefinition = 1011;
constexpr int LampZ = -2;
constexpr int TurretZ = -1;
const cocos2d::Vec2 LampAnchors[2] = {cocos2d::Vec2(-0.25f, 0.0f), cocos2d::Vec2(0.25f, 0.0f)};

const cocos2d::Color3B LampColours[] = {
    cocos2d::Color3B(255, 255, 255), // white
    cocos2d::Color3B(0, 0, 255),     // blue
    cocos2d::Color3B(96, 96, 0),     // olive
    cocos2d::Color3B(255, 0, 0),     // red
    cocos2d::Color3B(255, 191, 0),   // amber
};
constexpr int LampColourCount = static_cast<int>(sizeof(LampColours) / sizeof(LampColours[0]));

// Every droid made in the process gets its own number, which ends its name.
int droidCount = 0;
}

PoliceDroid::PoliceDroid()
    : FlyingMob(DefinitionId, TurnRate, Acceleration, CruisingSpeed, SlowDownRadius),
      MobSoundPlatform(this),
      WeaponsPlatform(this),
      serialNumber(droidCount++)
{
    flyingType = PoliceDrone;
    viewAngle = ViewAngle;
    sightRange = SightRange;
    volume = VoiceVolume;
    soundInterval = VoiceInterval;
    roleCode = DroidRole;
    inventory = new Inventory();
    GameObject* item = inventory->addItem(DroidWeaponItem);
    if (inventory->countWeapons() > 0)
        equip(inventory, item);
    else
        currentWeapon = nullptr;
    const char letter = static_cast<char>('a' + rand() % 26);
    const int first = rand() % 10;
    const int second = rand() % 10;
    displayName = formatString("%c%d%d%d", letter, first, second, serialNumber);
    if (def && !def->sound.empty())
        soundChannel = SoundEngine::getInstance()->play(&position, true, def->sound, HumVolume);
    // The base built the sprite without them (no virtual call reaches a class under construction).
    buildChildren();
}

PoliceDroid::~PoliceDroid()
{
    delete turret;
    removeLamps();
    // The droid's own weapon dies with its inventory; the platform must not keep it.
    currentWeapon = nullptr;
    delete inventory;
    inventory = nullptr;
}

std::string PoliceDroid::getName() const
{
    return "`9Police Drone " + displayName;
}

void PoliceDroid::createSprites()
{
    // The old children hang under the sprite that is about to go.
    delete turret;
    turret = nullptr;
    removeLamps();
    FlyingMob::createSprites();
    buildChildren();
}

void PoliceDroid::buildChildren()
{
    if (!mainSprite)
        return;
    GameData* data = GameData::getInstance();
    // The definition of a round droid has no height: the children sit at the
    // centre of the drawn droid.
    const cocos2d::Size size = mainSprite->getContentSize();
    const cocos2d::Vec2 centre(size.width * 0.5f, size.height * 0.5f);
    GameObject** lamps[2] = {&lamp1, &lamp2};
    for (int i = 0; i < 2; ++i)
    {
        if (ObjectDef* lampDef = data->getObjectDef(LampDefinition))
        {
            GameObject* lamp = new GameObject(lampDef, true, PlainObject);
            if (lamp->mainSprite)
                hangLamp(lamp->mainSprite, LampAnchors[i]);
            *lamps[i] = lamp;
        }
    }
    if (ObjectDef* turretDef = data->getObjectDef(TurretDefinition))
    {
        turret = new GameObject(turretDef, true, PlainObject);
        if (turret->mainSprite)
        {
            turret->mainSprite->setPosition(centre);
            mainSprite->addChild(turret->mainSprite, TurretZ);
        }
    }
    const int colour = lampColour;
    lampColour = -1;
    setLampColour(colour);
}

// The lamps glow under the droid as wide as the droid itself; their anchors
// shift one a quarter of that to the right and the other to the left, so
// that each shows at one side of the body.
void PoliceDroid::hangLamp(cocos2d::Sprite* light, cocos2d::Vec2 anchor)
{
    const cocos2d::Size body = mainSprite->getContentSize();
    const cocos2d::Size glow = light->getContentSize();
    const float scale = glow.width > 0.0f ? body.width / glow.width : 1.0f;
    light->setScale(scale);
    light->setAnchorPoint(anchor);
    light->setPosition(cocos2d::Vec2(0.0f, (body.height - glow.height * scale) * 0.5f));
    mainSprite->addChild(light, LampZ);
}

void PoliceDroid::removeLamps()
{
    delete lamp1;
    delete lamp2;
    lamp1 = nullptr;
    lamp2 = nullptr;
}

void PoliceDroid::setLampColour(int index)
{
    if (index == lampColour || index < 0 || index >= LampColourCount)
        return;
    lampColour = index;
    for (GameObject* lamp : {lamp1, lamp2})
    {
        if (lamp && lamp->mainSprite)
            lamp->mainSprite->setColor(LampColours[index]);
    }
}

void PoliceDroid::update(float dt)
{
    lookAtWatched();
    switch (mode)
    {
    case Patrol: updatePatrolMode(dt); break;
    case Enforce: updateEnforceMode(dt); break;
    case Scan: updateScanMode(dt); break;
    case Combat: updateCombatMode(dt); break;
    case Escort: updateEscortMode(dt); break;
    case Disabled: updateDisabledMode(dt); break;
    default: break;
    }
    FlyingMob::update(dt);
    speak(dt);
    WeaponsPlatform::update(dt);
    carryVoice(position);
}

// What the threat scan found: a body is reported, a raised weapon is a crime.
void PoliceDroid::lookAtWatched()
{
    if (!watchedObject)
    {
        resetTurret();
        return;
    }
    PoliceManager* police = PoliceManager::getInstance();
    GameObject* seen = watchedObject;
    if (seen->isDead())
    {
        watchedObject = nullptr;
        police->reportBody(seen, nullptr, getName());
        return;
    }
    if (!seen->isMob() || !static_cast<GameMob*>(seen)->weaponRaised)
        return;
    GameMob* armedMob = static_cast<GameMob*>(seen);
    watchedObject = nullptr;
    if (!crimeScene || crimeScene->suspect)
        police->reportCrime(1, armedMob, nullptr, armedMob->getPosition(), getName());
    else
        crimeScene->suspect = armedMob;
}

void PoliceDroid::turnTurretTowards(cocos2d::Vec2 point)
{
    if (turret)
        turret->setRotation(angleBetween(position, point) - heading);
}

void PoliceDroid::resetTurret()
{
    if (turret && turret->heading != 0.0f)
        turret->setRotation(0.0f);
}

void PoliceDroid::setVoice(const PoliceDroidTexts::VoiceLines* lines)
{
    soundNames.clear();
    lastPlayed = -1;
    for (int i = 1; lines && i <= lines->count; ++i)
        soundNames.push_back(formatString(lines->pattern, i));
}

bool PoliceDroid::isFlightIdle() const
{
    return orders.empty() || orders.front().type == FlightOrder::Hover;
}

void PoliceDroid::clearPlayerAlert()
{
    if (scanningPlayer())
        PoliceManager::getInstance()->playerScanProgress = -1.0f;
}

void PoliceDroid::queueOwnRemoval()
{
    if (removalQueued)
        return;
    removalQueued = true;
    PoliceManager::getInstance()->queueDroidRemoval(this);
}
