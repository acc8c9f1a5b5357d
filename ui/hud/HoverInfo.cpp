#include "ui/hud/HoverInfo.h"

#include <cstdlib>

#include "actors/GameMob.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/HudSource.h"

USING_NS_CC;

namespace
{
const int kPanelWidth = 256;
const int kPanelHeight = 128;
const Vec2 kPanelPlace(16, 20);
const int kPanelZ = 1200;
const float kRevealInterval = 0.02f;
} // namespace

// The walkers the spotlight may choose: alive, and with a record to tell.
std::vector<GameMob*> HoverInfo::livingPeople(const HudSource& source)
{
    std::vector<GameMob*> people;
    for (GameMob* mob : source.walkingCitizens())
    {
        if (mob->health > 0 && source.person(mob))
            people.push_back(mob);
    }
    return people;
}

std::string HoverInfo::describe(const GameMob* mob, const PersonReading& person)
{
    std::string text = formatString("`%%Name: `!%s\n`%%Sex: %s\n`%%Age: `7%d", person.fullName.c_str(),
                                    person.genderText.c_str(), person.age);
    if (mob->mobKind == MobContact)
    {
        // A contact dealer always looks the part.
        text += "\n `6Smoker";
        text += "\n `4Armed";
        text += "\n `%Currently: `7Not being in any way conspicuous.";
        return text;
    }
    if (person.smoker)
        text += "\n `6Smoker";
    if (person.paranoid)
        text += "\n `@Paranoid";
    if (person.armed)
        text += "\n `4Armed";
    text += formatString("\n`%%Currently: `7%s", person.activityText.c_str());
    return text;
}

void HoverInfo::update(float dt)
{
    HudSource& source = GameHUD::getInstance()->source();
    bool due = false;
    changeTimer -= dt;
    if (changeTimer < 0.0f)
    {
        due = true;
        followedCitizenId = -1;
    }

    GameMob* mob = nullptr;
    if (followedCitizenId != -1)
    {
        mob = source.findByCitizenId(followedCitizenId);
        const std::optional<PersonReading> person = mob ? source.person(mob) : std::nullopt;
        // Somebody who died is let go as one who left: the spotlight never
        // stays on a body that its panel calls a walker.
        if (!person || mob->health <= 0)
        {
            followedCitizenId = -1;
            mob = nullptr;
            due = true;
        }
        else if (person->errandActivity != errandActivity || person->goingHome != errandGoingHome)
        {
            // The same person with a new errand: fresh text, same person.
            due = true;
        }
    }
    if (followedCitizenId == -1)
    {
        const std::vector<GameMob*> walkers = livingPeople(source);
        if (!walkers.empty())
        {
            mob = walkers[static_cast<size_t>(std::rand()) % walkers.size()];
            due = true;
        }
    }
    if (due)
        change(mob);
}

void HoverInfo::change(GameMob* mob)
{
    changeTimer = static_cast<float>(std::rand() % 10 + 11);
    removePanel();
    HudSource& source = GameHUD::getInstance()->source();
    const std::optional<PersonReading> person = mob ? source.person(mob) : std::nullopt;
    if (!person)
        return;
    GameCamera::getInstance()->setTarget(mob);
    followedCitizenId = person->citizenId;
    errandActivity = person->errandActivity;
    errandGoingHome = person->goingHome;

    Game* layer = GameInterface::getInstance()->gameLayer;
    if (!layer)
        return;
    panel = UIText::create(kPanelWidth, kPanelHeight, "");
    // Held as well as parented, so that a game layer that goes first leaves
    // no dangling panel behind.
    panel->retain();
    panel->setText(false, false, describe(mob, *person));
    panel->buildGlyphs(UIText::kTypewriter, kRevealInterval, 0.0f);
    panel->setAnchorPoint(Vec2(0.0f, 0.5f));
    panel->setPosition(kPanelPlace);
    layer->addChild(panel, kPanelZ);
}

void HoverInfo::reset()
{
    removePanel();
    followedCitizenId = -1;
    errandActivity = -1;
    errandGoingHome = false;
}

void HoverInfo::removePanel()
{
    if (!panel)
        return;
    panel->removeFromParentAndCleanup(true);
    panel->release();
    panel = nullptr;
}
