#include "actors/police/Checkpoint.h"
#include "actors/GameMob.h"
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>

namespace
{
const char* const kPassMessage = "`%Scan successful. You may continue.";
const char* const kFailMessage = "`%For carrying contraband,\n`9police`7 have been called to kill you.\n`$Have a nice day.";
const char* const kReporterName = "`#A security checkpoint";
constexpr float kBoxSide = 3.0f;

bool carriesSomethingIllegal(const GameMob* mob)
{
    return mob->carriedBody || (mob->inventory && mob->inventory->hasContraband());
}
} // namespace

Checkpoint::Checkpoint(cocos2d::Vec2 markerCell)
    : position(WorldMap::gridToPixel(markerCell.x, markerCell.y)), cell(markerCell),
      triggerBox(markerCell.x - 1.0f, markerCell.y - 1.0f, kBoxSide, kBoxSide)
{
}

void Checkpoint::update(float dt)
{
    if (!active)
        return;
    giveVerdicts(dt);
    dropOneExpiredRecord();
    scanArrivals();
    updateLights(dt);
}

void Checkpoint::giveVerdicts(float dt)
{
    // By index: a failed verdict reports a crime, which never touches the
    // records, but the mob's own reaction may.
    for (size_t i = 0; i < scans.size(); ++i)
    {
        scans[i].timeLeft -= dt;
        if (scans[i].timeLeft <= 0.0f || scans[i].verdictGiven)
            continue;
        scans[i].verdictGiven = true;
        GameMob* mob = scans[i].mob;
        // Killed before the verdict: the scan ends without one.
        if (mob->health <= 0)
            continue;
        if (!carriesSomethingIllegal(mob))
        {
            mob->onScanEnd(kPassMessage);
            startCooldown(false);
            continue;
        }
        PoliceManager::getInstance()->reportCrime(1, mob, nullptr, mob->getPosition(), kReporterName);
        mob->onScanEnd(kFailMessage);
        startCooldown(true);
    }
}

void Checkpoint::dropOneExpiredRecord()
{
    auto expired = std::find_if(scans.begin(), scans.end(), [](const CheckpointScan& s) { return s.timeLeft <= 0.0f; });
    if (expired != scans.end())
        scans.erase(expired);
}

void Checkpoint::scanArrivals()
{
    MobManager* mobs = MobManager::getInstance();
    // A copy: a scan's start may send the person somewhere else.
    const std::vector<GameMob*> walkers = mobs->groundMobs;
    for (GameMob* mob : walkers)
    {
        if (isInTriggerBox(mob->cell))
            beginScan(mob);
    }
    if (mobs->player && isInTriggerBox(mobs->player->cell))
        beginScan(mobs->player);
}

void Checkpoint::updateLights(float dt)
{
    if (lightCooldown == -1.0f)
        return;
    lightCooldown -= dt;
    if (lightCooldown > 0.0f)
        return;
    lightCooldown = -1.0f;
    WorldMap::getInstance()->setLightsNear(false, false, position, lightRadius);
}

bool Checkpoint::isInTriggerBox(cocos2d::Vec2 mobCell) const
{
    // Whole cells, so that the box's far edges do not take in a fourth row
    // and column.
    const float x = std::floor(mobCell.x);
    const float y = std::floor(mobCell.y);
    return x >= triggerBox.origin.x && x < triggerBox.origin.x + triggerBox.size.width &&
           y >= triggerBox.origin.y && y < triggerBox.origin.y + triggerBox.size.height;
}

void Checkpoint::beginScan(GameMob* mob)
{
    // Only the living are scanned: a body lying in the box, or carried
    // through it, is its carrier's crime, not its own.
    if (!mob || mob->health <= 0 || hasRecordOf(mob))
        return;
    scans.push_back(CheckpointScan{mob, mob->getPosition(), scanRecordSeconds, false});
    mob->onScanStart();
}

void Checkpoint::startCooldown(bool red)
{
    lightCooldown = lightSeconds;
    WorldMap::getInstance()->setLightsNear(true, red, position, lightRadius);
}

bool Checkpoint::hasRecordOf(const GameMob* mob) const
{
    return std::any_of(scans.begin(), scans.end(), [mob](const CheckpointScan& s) { return s.mob == mob; });
}

void Checkpoint::forgetMob(const GameMob* mob)
{
    scans.erase(std::remove_if(scans.begin(), scans.end(), [mob](const CheckpointScan& s) { return s.mob == mob; }),
                scans.end());
}

void Checkpoint::reactivate()
{
    active = true;
    scans.clear();
}
