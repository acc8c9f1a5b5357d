#pragma once
// The HUD in a headless game: a bare game layer that the driver uses, the
// two status panels, the console and the unlock bar placed as the driver
// places them, a player on a 48 x 50 city, the game's own art, and a source
// of readings that each test fills in place of the actors.
#include "actors/Player.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/HeadlessDirectorTest.h"
#include "ui/UIBox.h"
#include "ui/UIProgressBar.h"
#include "ui/UIText.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/HoverInfo.h"
#include "ui/hud/HudNodes.h"
#include "ui/hud/HudSource.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "ui/hud/UITextConsole.h"
#include "ui/hud/UIUnlockBar.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

// Readings set by the test, as the actors would give them.
class FakeHudSource : public HudSource
{
public:
    std::optional<int> credits() const override { return purse; }
    std::optional<WeaponReading> weapon() const override { return held; }
    std::optional<int> carriedCount(int id) const override
    {
        const auto found = carried.find(id);
        return found == carried.end() ? std::nullopt : std::optional<int>(found->second);
    }
    std::optional<ItemReading> takeItemChange() override
    {
        std::optional<ItemReading> change = itemChange;
        itemChange.reset();
        return change;
    }
    std::optional<PoliceReading> police() const override { return cops; }
    std::optional<ContractReading> contract() const override { return accepted; }
    GameObject* nearestContact() const override { return contact; }
    bool contactNearPlayer() const override { return contactTouching; }
    std::vector<GameMob*> walkingCitizens() const override { return walkers; }
    GameMob* findByCitizenId(int id) const override
    {
        for (GameMob* mob : walkers)
        {
            const auto found = people.find(mob);
            if (found != people.end() && found->second.citizenId == id)
                return mob;
        }
        return nullptr;
    }
    std::optional<PersonReading> person(const GameMob* mob) const override
    {
        const auto found = people.find(mob);
        return found == people.end() ? std::nullopt : std::optional<PersonReading>(found->second);
    }

    std::optional<int> purse;
    std::optional<WeaponReading> held;
    std::map<int, int> carried;
    std::optional<ItemReading> itemChange;
    std::optional<PoliceReading> cops;
    std::optional<ContractReading> accepted;
    GameObject* contact = nullptr;
    bool contactTouching = false;
    std::vector<GameMob*> walkers;
    std::map<const GameMob*, PersonReading> people;
};

class HudFixture : public HeadlessDirectorTest
{
protected:
    HudFixture() : HeadlessDirectorTest("hud test", cocos2d::Size(1280, 720), cocos2d::Size(640, 360)) {}

    void SetUp() override
    {
        HeadlessDirectorTest::SetUp();
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        layer = new Game();
        layer->cocos2d::Layer::init();
        layer->autorelease();
        scene->addChild(layer);
        driver = GameInterface::getInstance();
        driver->gameLayer = layer;
        driver->visibleSize = director->getVisibleSize();
        visible = driver->visibleSize;

        driver->mainHUD = UIMainHUD::create();
        driver->mainHUD->setAnchorPoint(cocos2d::Vec2(0.0f, 1.0f));
        driver->mainHUD->setPosition(cocos2d::Vec2(0.0f, visible.height));
        layer->addChild(driver->mainHUD, 1200);
        driver->copHUD = UICopHUD::create();
        driver->copHUD->setAnchorPoint(cocos2d::Vec2(1.0f, 1.0f));
        driver->copHUD->setPosition(cocos2d::Vec2(visible.width, visible.height));
        layer->addChild(driver->copHUD, 1200);
        driver->console = UITextConsole::create(256, -1);
        driver->console->setAnchorPoint(cocos2d::Vec2(1.0f, 1.0f));
        driver->console->setPosition(cocos2d::Vec2(
            visible.width - 4.0f, visible.height - driver->copHUD->getContentSize().height - 4.0f));
        layer->addChild(driver->console, 1200);
        driver->unlockBar = UIUnlockBar::create();
        driver->unlockBar->setAnchorPoint(cocos2d::Vec2(0.5f, 0.0f));
        layer->addChild(driver->unlockBar, 1201);

        auto fake = std::make_unique<FakeHudSource>();
        source = fake.get();
        hud = GameHUD::getInstance();
        hud->setSource(std::move(fake));

        WorldMap* map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(48, 50);
        playerDef.size = cocos2d::Vec2(8.0f, 8.0f);
        player.setPosition(cocos2d::Vec2(320.0f, 320.0f));
        driver->player = &player;
        driver->state = GameState::Playing;
        driver->mode = 0;
        driver->travelPapersPrice = 2500;
        driver->creditsEarned = 0;
        driver->papersBought = false;
        driver->scanCountdown = -1.0f;
        driver->runOver = false;
        driver->windowMode = 0;
        driver->interactWindow = nullptr;
    }

    void TearDown() override
    {
        hud->clear();
        dropNode(hud->scanBar);
        dropNode(hud->warningFrame);
        dropNode(hud->chargeAnimation);
        hud->warningState = GameHUD::kNoWarning;
        hud->shownScanValue = -1;
        hud->promptCode = 0;
        hud->refreshCountdown = 0.0f;
        hud->setSource(nullptr);
        HoverInfo::getInstance()->reset();
        driver->removeOverlayNode();
        driver->player = nullptr;
        driver->mainHUD = nullptr;
        driver->copHUD = nullptr;
        driver->console = nullptr;
        driver->unlockBar = nullptr;
        driver->gameLayer = nullptr;
        driver->state = GameState::Menu;
        GameCamera::getInstance()->setTarget(nullptr);
        WorldMap* map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        SoundEngine::getInstance()->stopAll();
        HeadlessDirectorTest::TearDown();
    }

    // Steps frames of 1/100 s until seconds have passed.
    void advance(float seconds)
    {
        const float step = 0.01f;
        while (seconds > step * 0.5f)
        {
            const float dt = seconds < step ? seconds : step;
            director->stepFrame(dt);
            seconds -= dt;
        }
    }

    UIMainHUD* mainHud() const { return driver->mainHUD; }
    UICopHUD* copHud() const { return driver->copHUD; }

    Game* layer = nullptr;
    GameInterface* driver = nullptr;
    GameHUD* hud = nullptr;
    FakeHudSource* source = nullptr;
    cocos2d::Size visible;
    ObjectDef playerDef;
    Player player{&playerDef, false};
};
