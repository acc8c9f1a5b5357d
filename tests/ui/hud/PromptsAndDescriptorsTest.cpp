// The action prompts, the overlay that chooses them, the warning frame and
// scan bar, the marker over the notable person and the spotlight panel
// behind the menu.
#include "HudFixture.h"

#include <gtest/gtest.h>

#include "ui/UIBox.h"
#include "ui/UIProgressBar.h"
#include "ui/hud/ActionPrompts.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "actors/MobManager.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"

#include <cstdlib>
#include <set>

USING_NS_CC;

namespace
{
WeaponReading emptyWeapon(int carried)
{
    WeaponReading weapon;
    weapon.image = "HUD_Pistol.png";
    weapon.rounds = 0;
    weapon.magazine = 6;
    weapon.ammunitionCarried = carried;
    return weapon;
}

PersonReading person(int id, const std::string& name)
{
    PersonReading reading;
    reading.citizenId = id;
    reading.fullName = name;
    reading.genderText = "female";
    reading.age = 34;
    reading.activityText = "Walking to work.";
    return reading;
}
} // namespace

class PromptsAndDescriptorsTest : public HudFixture
{
protected:
    void TearDown() override
    {
        inputMode = kKeyboardInput;
        HudFixture::TearDown();
    }

    // A walking person of the city at a map point.
    GameMob* makeMob(const Vec2& at, int kind = MobCitizen)
    {
        mobs.push_back(std::make_unique<GameMob>(&mobDef, false));
        GameMob* mob = mobs.back().get();
        mob->mobKind = kind;
        mob->setPosition(at);
        return mob;
    }

    // The marker, placed as the driver places it.
    UIObjectDescriptor* makeMarker()
    {
        UIObjectDescriptor* marker = UIObjectDescriptor::create("target", true);
        layer->addChild(marker, 1201);
        return marker;
    }

    // The accepted contract's target, standing in view beside the player.
    GameMob* makeContractTarget(int id, const std::string& name)
    {
        GameMob* target = makeMob(player.getPosition() + Vec2(20.0f, 0.0f));
        PersonReading reading = person(id, name);
        reading.contractTarget = true;
        source->people[target] = reading;
        return target;
    }

    ObjectDef mobDef;
    std::vector<std::unique_ptr<GameMob>> mobs;
};

TEST_F(PromptsAndDescriptorsTest, PromptsForTheKeyboardAndThePad)
{
    EXPECT_EQ(actionPrompt(0), "");
    EXPECT_EQ(actionPrompt(7), "`%Press `$R`% to reload");
    EXPECT_EQ(actionPrompt(16), "`!escape`7/`!q");
    EXPECT_EQ(actionPrompt(17), "\n     `%press `$space`% to restart");
    EXPECT_EQ(actionPrompt(19), "") << "an unknown id has no text";
    EXPECT_EQ(actionPrompt(-1), "");
    inputMode = kPadInput;
    EXPECT_EQ(actionPrompt(7), "`%Press `9X`% to reload");
    EXPECT_EQ(actionPrompt(16), "`@B`7 button");
    EXPECT_EQ(actionPrompt(10), "`8not enough money (`9400`8c to hack)") << "the same words for both";
    EXPECT_EQ(actionPrompt(18), "\n     `%press `0A`% to continue");

    std::srand(7);
    int found = 0;
    std::set<std::string> kinds;
    for (int i = 0; i < 4000; ++i)
    {
        const std::string item = randomBodyItem();
        if (item.empty())
            continue;
        ++found;
        kinds.insert(item);
    }
    EXPECT_NEAR(found, 400, 80) << "about one wallet in ten";
    EXPECT_EQ(kinds.size(), 11u);
}

TEST_F(PromptsAndDescriptorsTest, TheOverlayChoosesThePromptForTheSituation)
{
    // An empty weapon with rounds to load asks for a reload, without any out of ammunition.
    source->held = emptyWeapon(4);
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, kPromptReload);
    ASSERT_NE(driver->promptNode, nullptr);
    EXPECT_EQ(driver->promptNode->text, "`%Press `$R`% to reload");
    EXPECT_EQ(driver->promptNode->getPosition(), Vec2(visible.width * 0.5f, visible.height * 0.5f - 24.0f));
    UIText* shown = driver->promptNode;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(driver->promptNode, shown) << "an unchanged prompt is not made again";

    source->held = emptyWeapon(0);
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, kPromptOutOfAmmo);
    WeaponReading blaster = emptyWeapon(0);
    blaster.recharges = true;
    source->held = blaster;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, 0);
    EXPECT_EQ(driver->promptNode, nullptr);

    // A contact within reach asks to talk.
    source->contactTouching = true;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, kPromptTalkToContact);
    source->contactTouching = false;

    // After death in Normal mode, once the run is over, the spawn prompt.
    player.health = 0;
    driver->state = GameState::Dead;
    driver->runEndStep = 4;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, 0) << "the end-of-run screens are not done yet";
    driver->runEndStep = 5;
    ASSERT_TRUE(driver->isRunOver());
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, kPromptSpawn);
    driver->mode = 1;
    hud->promptCode = 0;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->promptCode, 0) << "other modes show no spawn prompt";
    driver->runEndStep = 0;
}

TEST_F(PromptsAndDescriptorsTest, WhatLiesWithinReachChoosesThePrompt)
{
    // The game's own readings: the map's objects, the player's purse and the police.
    hud->setSource(std::make_unique<HudSource>());
    source = nullptr;
    MobManager* mobs = MobManager::getInstance();
    PoliceManager* police = PoliceManager::getInstance();
    mobs->makers.policeDroid = []() { return new PoliceDroid(); };
    police->reset();

    enum Thing { VendingMachine, Exit, PoliceBox, Loot, Dumpster, Body };
    struct Case
    {
        const char* situation;
        Thing thing;
        int credits;
        bool papers;
        bool carrying;
        bool wanted;
        int prompt;
    };
    // Once wanted the player stays wanted, so the police's cases come last.
    const Case cases[] = {
        {"a dumpster, carrying a body", Dumpster, 0, false, true, false, kPromptHideCorpse},
        {"the vending machine", VendingMachine, 0, false, false, false, kPromptVendingMachine},
        {"a body on the street", Body, 0, false, false, false, kPromptPickUpCorpse},
        {"an object to pick up", Loot, 0, false, false, false, kPromptPickUpObject},
        {"the exit without travel papers", Exit, 0, false, false, false, kPromptNeedPapers},
        {"the exit with travel papers", Exit, 0, true, false, false, kPromptLeaveArea},
        {"a police terminal, not wanted", PoliceBox, 400, false, false, false, kPromptNotWanted},
        {"a police terminal, wanted", PoliceBox, 400, false, false, true, kPromptHackPoliceBox},
        {"a police terminal, wanted, with 399 credits", PoliceBox, 399, false, false, true, kPromptTooPoorToHack},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.situation);
        ObjectDef def;
        def.size = Vec2(4.0f, 4.0f);
        def.vendingmachine = c.thing == VendingMachine;
        def.exit = c.thing == Exit;
        def.hackbox = c.thing == PoliceBox;
        def.canpickup = c.thing == Loot;
        def.cancarrybody = c.thing == Dumpster;
        const Vec2 inReach = player.getPosition() + Vec2(6.0f, 0.0f);
        GameObject* thing = nullptr;
        GameMob* body = nullptr;
        if (c.thing == Body)
        {
            body = new GameMob(&mobDef, false);
            body->health = 0;
            body->setPosition(inReach);
            mobs->addGroundMob(body);
        }
        else
        {
            thing = new GameObject(&def, false, GameObject::PlainObject);
            thing->setPosition(inReach);
            WorldMap::getInstance()->registerObject(thing);
        }
        ObjectDef carriedDef;
        GameObject carried(&carriedDef, false, GameObject::PlainObject);
        player.carriedBody = c.carrying ? &carried : nullptr;
        player.credits = c.credits;
        driver->papersBought = c.papers;
        if (c.wanted && !police->isPursued())
        {
            police->extraDroids = 1;
            police->update(0.0f);
            police->reportCrime(1, &player, nullptr, player.getPosition(), "`%Someone");
            ASSERT_TRUE(police->isPursued());
        }

        hud->updateOverlay(0.01f);
        EXPECT_EQ(hud->promptCode, c.prompt);
        ASSERT_NE(driver->promptNode, nullptr);
        EXPECT_EQ(driver->promptNode->text, actionPrompt(c.prompt));

        player.carriedBody = nullptr;
        if (thing)
        {
            WorldMap::getInstance()->removeObject(thing, true);
            delete thing;
        }
        if (body)
            mobs->removeMob(body);
    }
    police->reset();
    mobs->clear();
    police->extraDroids = 0;
    mobs->makers = {};
    driver->papersBought = false;
}

TEST_F(PromptsAndDescriptorsTest, ScansAndPursuitsFrameTheScreen)
{
    hud->updateOverlay(0.01f);
    ASSERT_NE(hud->scanBar, nullptr);
    EXPECT_FALSE(hud->scanBar->isVisible());
    EXPECT_EQ(hud->warningFrame, nullptr);

    PoliceReading police;
    police.scanProgress = 48.0f;
    source->cops = police;
    driver->scanCountdown = 20.0f;
    hud->updateOverlay(0.01f);
    EXPECT_TRUE(hud->scanBar->isVisible());
    EXPECT_EQ(hud->shownScanValue, 48);
    ASSERT_NE(hud->warningFrame, nullptr);
    EXPECT_EQ(hud->warningState, GameHUD::kScanned);
    EXPECT_EQ(hud->warningFrame->colour, Color3B(255, 255, 0));
    EXPECT_EQ(hud->warningFrame->size, Vec2(visible.width - 2.0f, visible.height - 2.0f));

    driver->scanCountdown = -1.0f;
    police.scanProgress = -1.0f;
    police.pursued = true;
    police.playerInSight = true;
    source->cops = police;
    hud->updateOverlay(0.01f);
    EXPECT_FALSE(hud->scanBar->isVisible());
    EXPECT_EQ(hud->warningState, GameHUD::kPursuedInSight);
    advance(1.05f);
    EXPECT_EQ(hud->warningFrame->leftBar->getColor(), Color3B(0, 0, 255)) << "red, then blue a second later";

    police.pursued = false;
    source->cops = police;
    hud->updateOverlay(0.01f);
    EXPECT_EQ(hud->warningFrame, nullptr);
}

TEST_F(PromptsAndDescriptorsTest, TheMarkerNamesTheRoleInItsColour)
{
    UIObjectDescriptor* marker = makeMarker();
    GameMob* target = makeContractTarget(11, "Ada Quill");
    PersonReading reading = source->people[target];

    marker->describe(target);
    ASSERT_NE(marker->label, nullptr);
    EXPECT_EQ(marker->text, "Target: Ada Quill");
    EXPECT_EQ(marker->colour, Color3B(211, 94, 123));
    EXPECT_EQ(marker->labelBox->colour, marker->colour);

    // Described again every frame, the label is made once and types itself out.
    UIText* label = marker->label;
    advance(0.05f);
    marker->describe(target);
    EXPECT_EQ(marker->label, label);
    advance(0.3f);
    EXPECT_EQ(label->glyphs.back()->getOpacity(), 255) << "the reveal ran to its end";

    // A contact who is also the target reads as a contact; a bodyguard is a bodyguard.
    reading.contact = true;
    source->people[target] = reading;
    marker->describe(target);
    EXPECT_EQ(marker->text, "Contact: Ada Quill");
    EXPECT_EQ(marker->colour, Color3B(94, 108, 211));
    EXPECT_EQ(marker->label->text, "Contact: Ada Quill") << "a new text makes a new label";
    target->mobKind = MobBodyguard;
    marker->describe(target);
    EXPECT_EQ(marker->text, "Bodyguard: Ada Quill");
    EXPECT_EQ(marker->colour, Color3B(217, 150, 35));
    reading.contact = false;
    reading.contractTarget = false;
    reading.gang = true;
    target->mobKind = MobCitizen;
    source->people[target] = reading;
    marker->describe(target);
    EXPECT_EQ(marker->colour, Color3B(201, 222, 84));
}

TEST_F(PromptsAndDescriptorsTest, APersonWithoutARoleGetsNoLabelAndNoBox)
{
    UIObjectDescriptor* marker = makeMarker();
    GameMob* target = makeContractTarget(14, "Kelsy Giess-Beare");
    marker->describe(target);
    marker->update(0.02f);
    ASSERT_NE(marker->label, nullptr);
    EXPECT_EQ(marker->text, "Target: Kelsy Giess-Beare");

    // The job ends (done or abandoned) while the person stands in view: an
    // ordinary citizen again, no longer marked, and the marker is free.
    source->people[target].contractTarget = false;
    marker->describe(target);
    marker->update(0.02f);
    EXPECT_EQ(marker->label, nullptr) << "still labelled \"" << marker->text << "\"";
    EXPECT_EQ(marker->target, nullptr);
    EXPECT_EQ(marker->getChildrenCount(), 0u);

    // A walker without a record has no name: no text, no box.
    GameMob* stranger = makeMob(player.getPosition() + Vec2(-20.0f, 0.0f), MobBodyguard);
    marker->describe(stranger);
    marker->update(0.02f);
    EXPECT_EQ(marker->target, nullptr);
    EXPECT_EQ(marker->getChildrenCount(), 0u);
}

TEST_F(PromptsAndDescriptorsTest, TheMarkerFadesWithTheSightOfItsPerson)
{
    UIObjectDescriptor* marker = makeMarker();
    GameMob* near = makeMob(player.getPosition() + Vec2(20.0f, 0.0f));
    source->people[near] = person(12, "Bo Lint");
    source->people[near].gang = true;

    // Within 32 pixels the person counts as seen, even unseen.
    marker->describe(near);
    for (int i = 0; i < 30; ++i)
        marker->update(0.02f);
    EXPECT_FLOAT_EQ(marker->visibility, 1.0f);
    EXPECT_EQ(marker->targetBox->bottomBar->getOpacity(), 255);
    EXPECT_GT(marker->linkLine->getScaleY(), 0.0f);

    // Out of reach and out of sight, it fades in half a second and is forgotten.
    near->setPosition(player.getPosition() + Vec2(400.0f, 0.0f));
    for (int i = 0; i < 24; ++i)
        marker->update(0.02f);
    EXPECT_NE(marker->target, nullptr);
    EXPECT_LT(marker->visibility, 0.1f);
    marker->update(0.02f);
    marker->update(0.02f);
    EXPECT_EQ(marker->target, nullptr);
    EXPECT_EQ(marker->label, nullptr);
    EXPECT_EQ(marker->getChildrenCount(), 0u);

    // The line leaves the label box's lower edge for the target box's top corner.
    GameMob* below = makeMob(player.getPosition() + Vec2(-10.0f, 0.0f));
    source->people[below] = person(13, "Cy Venn");
    source->people[below].gang = true;
    marker->describe(below);
    marker->update(0.02f);
    marker->computeLinkLine();
    const Vec2 label = marker->labelBox->getPosition();
    const Vec2 box = marker->targetBox->getPosition();
    EXPECT_FLOAT_EQ(marker->linkStart.y, label.y - marker->labelBox->size.y / 2.0f);
    EXPECT_FLOAT_EQ(marker->linkEnd.y, box.y + marker->targetBox->size.y / 2.0f);
}

TEST_F(PromptsAndDescriptorsTest, TheSpotlightFollowsARandomWalkerBehindTheMenu)
{
    driver->player = nullptr;
    driver->state = GameState::Menu;
    HoverInfo* hover = HoverInfo::getInstance();
    hover->changeTimer = 0.0f;
    hover->update(0.01f);
    EXPECT_EQ(hover->panel, nullptr) << "with no citizens nothing shows";
    EXPECT_EQ(hover->followedCitizenId, -1);

    GameMob* walker = makeMob(Vec2(200.0f, 200.0f));
    PersonReading reading = person(21, "Dee Marsh");
    reading.smoker = true;
    reading.armed = true;
    reading.errandActivity = 2;
    source->people[walker] = reading;
    source->walkers = {walker};
    hover->update(0.01f);
    ASSERT_NE(hover->panel, nullptr);
    EXPECT_EQ(hover->followedCitizenId, 21);
    EXPECT_GE(hover->changeTimer, 10.0f);
    EXPECT_LE(hover->changeTimer, 20.0f);
    EXPECT_EQ(hover->panel->text, "`%Name: `!Dee Marsh\n`%Sex: female\n`%Age: `734\n `6Smoker\n `4Armed\n"
                                  "`%Currently: `7Walking to work.");
    EXPECT_EQ(hover->panel->getParent(), layer);

    // The same person turning for home gets a fresh panel at once.
    UIText* panel = hover->panel;
    hover->update(0.01f);
    EXPECT_EQ(hover->panel, panel) << "nothing changed, nothing is made";
    source->people[walker].goingHome = true;
    source->people[walker].activityText = "Going home.";
    hover->update(0.01f);
    EXPECT_NE(hover->panel, panel);
    EXPECT_EQ(hover->followedCitizenId, 21);

    // A contact always looks the part.
    walker->mobKind = MobContact;
    EXPECT_EQ(HoverInfo::describe(walker, reading),
              "`%Name: `!Dee Marsh\n`%Sex: female\n`%Age: `734\n `6Smoker\n `4Armed\n"
              " `%Currently: `7Not being in any way conspicuous.");

    // A body, or somebody without a record, is never chosen.
    walker->mobKind = MobCitizen;
    GameMob* body = makeMob(Vec2(220.0f, 200.0f));
    body->health = 0;
    source->people[body] = person(22, "Eli Vance");
    GameMob* stranger = makeMob(Vec2(240.0f, 200.0f));
    source->walkers = {body, walker, stranger};
    for (int draw = 0; draw < 12; ++draw)
    {
        hover->changeTimer = -1.0f;
        hover->update(0.01f);
        EXPECT_EQ(hover->followedCitizenId, 21);
    }

    // A followed person who dies is let go at once, as one who leaves.
    walker->health = 0;
    hover->update(0.01f);
    EXPECT_EQ(hover->panel, nullptr);
    EXPECT_EQ(hover->followedCitizenId, -1);
    walker->health = 100;
    hover->update(0.01f);
    EXPECT_EQ(hover->followedCitizenId, 21);

    // A followed person who leaves the city makes the spotlight choose again.
    source->walkers.clear();
    hover->update(0.01f);
    EXPECT_EQ(hover->panel, nullptr);
    EXPECT_EQ(hover->followedCitizenId, -1);
}
