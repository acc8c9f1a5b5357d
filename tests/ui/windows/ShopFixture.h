#pragma once
// The shop windows in a headless game: a running scene with the game layer,
// the game's own window art and font, a fresh profile in a temporary saves
// folder, a small city with one spawn marker for contract targets, stand-in
// actors that record the targets spawned, and a player with a recording
// inventory.
#include "actors/Player.h"
#include "actors/contracts/ContractFixture.h"
#include "app/GameInterface.h"
#include "app/GameLayerScene.h"
#include "app/SoundEngine.h"
#include "app/SoundInstance.h"
#include "ui/UIFixture.h"
#include "ui/UIText.h"
#include "ui/windows/ShopCustomer.h"
#include "ui/windows/ShopEngine.h"
#include "ui/windows/UIInteractWindow.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// A player whose inventory records what it is given.
class ShopperPlayer : public Player
{
public:
    explicit ShopperPlayer(ObjectDef* def) : Player(def, false) {}

    bool canCarryMore(int definitionId) const override { return carried.count(definitionId) < carryLimit; }
    bool addItem(int definitionId) override
    {
        ++addCalls;
        if (refuseItems)
            return false;
        carried.insert(definitionId);
        return true;
    }
    bool hasWeaponUsing(int ammunitionId) const override { return ammunitionUsed.count(ammunitionId) > 0; }
    void equipBought(int definitionId) override { equipped.push_back(definitionId); }
    bool hasSecondarySelected() const override { return secondarySelected; }
    void selectNextSecondary() override { secondarySelected = true; }

    std::multiset<int> carried;
    size_t carryLimit = 3;
    bool refuseItems = false; // the inventory turns items down after all
    int addCalls = 0;
    std::set<int> ammunitionUsed;
    std::vector<int> equipped;
    bool secondarySelected = false;
};

class ShopFixture : public UIFixture
{
protected:
    void SetUp() override
    {
        scopedSaves = std::make_unique<ScopedSavesFolder>(saves.path());
        UIFixture::SetUp();
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        layer = addBareGameLayer(scene);
        game = GameInterface::getInstance();
        resetDriver();
        StatsStore::getInstance()->shutdown();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        buildCity();
        missions = MissionManager::getInstance();
        missions->resetRun();
        missions->setActors(&actors);
        shop = ShopEngine::getInstance();
        player = new ShopperPlayer(&playerDef);
        player->credits = 1000;
        game->player = player;
        std::srand(20261208);
    }

    void TearDown() override
    {
        if (game->interactWindow)
            shop->closeDone();
        missions->resetRun();
        missions->setActors(nullptr);
        resetDriver();
        delete player;
        WorldMap* map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        if (map->worldNode)
            map->worldNode->removeFromParent();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        SoundEngine::getInstance()->stopAll();
        game->gameLayer = nullptr;
        UIFixture::TearDown();
        scopedSaves.reset();
    }

    void resetDriver()
    {
        game->clearMessages();
        // Messages wait in the queue, where the tests read them.
        game->popupShowing = true;
        game->player = nullptr;
        game->state = GameState::Playing;
        game->windowMode = 0;
        game->interactWindow = nullptr;
        game->mode = 0;
        game->papersBought = false;
        game->travelPapersPrice = 2500;
        game->creditsEarned = 0;
        UIInteractElement::focusedElement = nullptr;
    }

    // A 20 x 20 city of plain ground with one spawn marker.
    void buildCity()
    {
        WorldMap* map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(20, 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
            {
                MapTile* tile = map->getTile(x, y);
                tile->floor = &ground;
                tile->level = 0;
            }
        auto* marker = new MapMarker(MapMarkerKind::Spawn, WorldMap::gridToPixel(5, 5) + cocos2d::Vec2(16, 16));
        map->allMarkers.push_back(marker);
        map->spawnMarkers.push_back(marker);
    }

    UIInteractWindow* window() const { return game->interactWindow; }

    std::vector<std::string> labels() const
    {
        std::vector<std::string> result;
        for (const ListItem& item : window()->items)
            result.push_back(item.label);
        return result;
    }

    int32_t runCount(int32_t statId) const
    {
        const StatRecord* record = StatEngine::getInstance()->find(statId);
        return record ? record->run : 0;
    }

    std::string noticeText() const { return shop->currentNotice ? shop->currentNotice->text : ""; }

    // The sounds started by an action, by file name.
    std::vector<std::string> soundsDuring(const std::function<void()>& action)
    {
        SoundEngine* sound = SoundEngine::getInstance();
        const int first = sound->play(nullptr, false, "probe.wav", 0.0f) + 1;
        action();
        std::vector<std::string> names;
        for (int handle = first; const SoundInstance* played = sound->find(handle); ++handle)
            names.push_back(played->path.substr(played->path.find_last_of('/') + 1));
        return names;
    }

    // The window's place: its top-left corner, in game-layer units.
    cocos2d::Vec2 topLeft() const
    {
        const cocos2d::Rect box = window()->getBoundingBox();
        return cocos2d::Vec2(box.getMinX(), box.getMaxY());
    }

    TempFolder saves;
    std::unique_ptr<ScopedSavesFolder> scopedSaves;
    Game* layer = nullptr;
    GameInterface* game = nullptr;
    MissionManager* missions = nullptr;
    ShopEngine* shop = nullptr;
    RecordingContractActors actors;
    TileDef ground;
    ObjectDef playerDef;
    ShopperPlayer* player = nullptr;
};
