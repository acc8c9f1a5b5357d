// The police droid's scan of a person at a crime scene: the approach, the
// eight seconds of standing still, the warning to a player who walks off, and
// the verdict (move along, a fine, or punishment).
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/CitizenActor.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "world/ObjectDef.h"
#include <algorithm>

namespace {
constexpr float ScanDistance = 128.0f;
constexpr float WarningDistance = 48.0f;
constexpr float ApproachStop = 64.0f;
constexpr int MaxApproaches = 2;
constexpr float ProgressPerSecond = 12.0f;
constexpr int ResistingArrestAchievement = 114;
// A walking person without a citizen record (none in the game) is never
// taken for the player in a scene's scanned list.
constexpr int NoIdentity = -2;

bool isPlayer(const GameMob* mob)
{
    return mob && mob->mobKind == MobPlayer;
}

int identityOf(const GameMob* mob)
{
    if (isPlayer(mob))
        return CrimeScene::playerId;
    const CitizenActor* citizen = MobManager::citizenOf(mob);
    return citizen ? citizen->citizenId() : NoIdentity;
}

bool isInGame(const GameMob* mob)
{
    const MobManager* mobs = MobManager::getInstance();
    return mob == mobs->player ||
           std::find(mobs->groundMobs.begin(), mobs->groundMobs.end(), mob) != mobs->groundMobs.end();
}

// What the police count against a person: the fines of the items carried,
// the contraband among them, and a body on the shoulder.
struct Findings
{
    int fine = 0;
    int contraband = 0;
    bool carryingBody = false;
    bool illegal() const { return contraband > 0 || carryingBody; }
};

Findings searchPerson(const GameMob* person)
{
    Findings found;
    if (person->inventory)
    {
        for (const GameObject* item : person->inventory->items)
        {
            if (item->def && item->def->fine > 0)
                found.fine += item->def->fine;
        }
        found.contraband = person->inventory->countContraband();
    }
    found.carryingBody = person->carriedBody != nullptr;
    return found;
}
}

bool PoliceDroid::scanningPlayer() const
{
    return isPlayer(scanTarget);
}

void PoliceDroid::enterScanMode(GameMob* target)
{
    if (!target)
        return;
    if (target->health < 1)
    {
        if (crimeScene)
            crimeScene->addScanned(identityOf(target));
        return;
    }
    warned = false;
    mode = Scan;
    if (crimeScene && !isPlayer(crimeScene->suspect))
        setLampColour(LampBlue);
    setVoice(&PoliceDroidTexts::Scanning);
    scanTime = -1.0f;
    m_flyAttempts = 0;
    scanTarget = target;
    scanPosition = target->getPosition();
    orders.clear();
    if (crimeScene)
        crimeScene->addScanned(identityOf(target));
    target->onScanStart();
    if (isPlayer(target))
        PoliceManager::getInstance()->playerScanProgress = 0.0f;
}

void PoliceDroid::leaveScanMode(const std::string& message)
{
    releaseScanTarget(message);
    if (crimeScene)
        enterEnforceMode(false);
    else
        enterPatrolMode();
}

// The scan is over for the droid before the person hears of it, so that
// nothing the person does then can bring the droid back into this scan.
void PoliceDroid::releaseScanTarget(const std::string& message)
{
    GameMob* target = scanTarget;
    if (isPlayer(target))
        PoliceManager::getInstance()->playerScanProgress = -1.0f;
    scanTarget = nullptr;
    scanTime = -1.0f;
    mode = crimeScene ? Enforce : Patrol;
    if (target)
        target->onScanEnd(message);
}

void PoliceDroid::updateScanMode(float dt)
{
    if (!scanTarget || scanTarget->health < 1)
    {
        leaveScanMode(std::string());
        return;
    }
    if (scanTarget == (crimeScene ? crimeScene->suspect : nullptr) && isSuspectInReach())
    {
        enterCombatMode();
        return;
    }
    if (crimeScene && crimeScene->suspect && !isInGame(crimeScene->suspect))
        crimeScene->suspect = nullptr;
    const GameMob* suspect = crimeScene ? crimeScene->suspect : nullptr;
    if (suspect && canSee(suspect->getPosition(), suspect->def && suspect->def->islure))
    {
        // Back to enforcing, which goes for the suspect.
        leaveScanMode(std::string());
        return;
    }
    if (scanTime == -1.0f)
        approachScanTarget();
    else
        continueScan(dt);
}

void PoliceDroid::approachScanTarget()
{
    if (!isFlightIdle())
        return;
    orders.clear();
    const cocos2d::Vec2 target = scanTarget->getPosition();
    const float d = fastDistance(position, target);
    if (d < ScanDistance)
    {
        scanTime = 0.0f;
        ++m_flyAttempts;
    }
    else if (m_flyAttempts <= MaxApproaches)
    {
        const cocos2d::Vec2 along = (target - position).getNormalized();
        addOrder(true, position + along * std::max(d - ApproachStop, ApproachStop));
        ++m_flyAttempts;
    }
    else
        finishScan(true); // the person would not stand still
}

void PoliceDroid::continueScan(float dt)
{
    const float d = fastDistance(position, scanTarget->getPosition());
    if (d >= ScanDistance)
    {
        finishScan(true); // the person ran
        return;
    }
    if (d >= WarningDistance && !warned)
    {
        warned = true;
        if (scanningPlayer())
            GameInterface::getInstance()->queueMessage(PoliceDroidTexts::randomWarning(), true);
        return;
    }
    scanTime += dt;
    if (scanningPlayer())
        PoliceManager::getInstance()->playerScanProgress = scanTime * ProgressPerSecond;
    if (scanTime >= ScanSeconds)
        finishScan(false);
}

void PoliceDroid::finishScan(bool resisted)
{
    GameMob* target = scanTarget;
    if (!target)
    {
        leaveScanMode(std::string());
        return;
    }
    const Findings found = searchPerson(target);
    if (!resisted && !found.illegal() && found.fine == 0)
    {
        leaveScanMode(PoliceDroidTexts::ScanComplete);
        return;
    }
    if (resisted)
    {
        if (isPlayer(target))
            Achievements::getInstance()->setAchievement(ResistingArrestAchievement);
        punish(PoliceDroidTexts::ResistingArrest);
        return;
    }
    Player* player = isPlayer(target) ? dynamic_cast<Player*>(target) : nullptr;
    if (!player)
    {
        punish(PoliceDroidTexts::CitizenArmed);
        return;
    }
    if (found.carryingBody)
        punish(PoliceDroidTexts::randomBodyVerdict());
    else if (player->credits >= found.fine)
    {
        leaveScanMode(PoliceDroidTexts::fineVerdict(found.fine, found.contraband));
        GameInterface::getInstance()->spendMoney(found.fine);
    }
    else
        punish(PoliceDroidTexts::CannotPay);
}

void PoliceDroid::punish(const std::string& message)
{
    GameMob* target = scanTarget;
    leaveScanMode(message);
    if (!target)
        return;
    if (crimeScene)
        crimeScene->suspect = target;
    else
        PoliceManager::getInstance()->reportCrime(1, target, this, target->getPosition(), getName());
}
