#pragma once
// The contract board on a small city with spawn markers, a fresh profile in a
// temporary saves folder, and actors that stand in for the NPC, actor manager
// and police classes: they build plain walking mobs and record every call.
#include "actors/GameMob.h"
#include "actors/Player.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/ContractActors.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/TempFolder.h"
#include "platform/StatsStore.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/WorldMapFixture.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

class RecordingContractActors : public ContractActors
{
public:
    // A mob built by the stand-in, with the record it took over.
    struct Spawned
    {
        std::unique_ptr<GameMob> mob;
        std::unique_ptr<CitizenRecord> record;
        cocos2d::Vec2 position;
        GameMob* principal = nullptr;
        bool paranoid = false;
    };

    GameMob* spawnTarget(CitizenRecord* record, cocos2d::Vec2 position) override
    {
        targets.push_back(spawn(record, position));
        return targets.back().mob.get();
    }

    GameMob* spawnBodyguard(GameMob* principal, cocos2d::Vec2 position, bool paranoid) override
    {
        guards.push_back(spawn(nullptr, position));
        guards.back().principal = principal;
        guards.back().paranoid = paranoid;
        return guards.back().mob.get();
    }

    void requestEscort(GameMob* target) override { escorted.push_back(target); }
    void releaseEscort(GameMob* target) override { released.push_back(target); }

    std::vector<Spawned> targets;
    std::vector<Spawned> guards;
    std::vector<GameMob*> escorted;
    std::vector<GameMob*> released;

private:
    static Spawned spawn(CitizenRecord* record, cocos2d::Vec2 position)
    {
        Spawned spawned;
        spawned.mob = std::make_unique<GameMob>(nullptr, false);
        spawned.mob->setPosition(position);
        spawned.record.reset(record);
        spawned.position = position;
        return spawned;
    }
};

class ContractFixture : public WorldMapFixture
{
protected:
    void SetUp() override
    {
        WorldMapFixture::SetUp();
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        StatsStore::getInstance()->shutdown();
        achievements = Achievements::getInstance();
        stats = StatEngine::getInstance();
        achievements->reset();
        stats->reset();
        game = GameInterface::getInstance();
        game->clearMessages();
        // Messages wait in the queue, where the tests read them.
        game->popupShowing = true;
        game->player = nullptr;
        game->creditsEarned = 0;
        GameData::getInstance()->currentZone = 0;
        resetContractValues();
        missions = MissionManager::getInstance();
        missions->resetRun();
        missions->setActors(&actors);
        addSpawnMarker(cocos2d::Vec2(5, 5));
        std::srand(20261208);
    }

    void TearDown() override
    {
        missions->resetRun();
        missions->setActors(nullptr);
        game->player = nullptr;
        game->clearMessages();
        achievements->reset();
        stats->reset();
        GameData::getInstance()->currentZone = 0;
        resetContractValues();
        saves.reset();
        WorldMapFixture::TearDown();
    }

    void addSpawnMarker(cocos2d::Vec2 cell)
    {
        auto* marker = new MapMarker(MapMarkerKind::Spawn, WorldMap::gridToPixel(cell.x, cell.y) + cocos2d::Vec2(16, 16));
        map->allMarkers.push_back(marker);
        map->spawnMarkers.push_back(marker);
    }

    void unlockAll(std::initializer_list<int32_t> ids)
    {
        for (int32_t id : ids)
            achievements->unlock(id, false, true);
    }

    // A living player of the test's own.
    Player* makePlayer(int credits)
    {
        player = std::make_unique<Player>(nullptr, false);
        player->credits = credits;
        game->player = player.get();
        return player.get();
    }

    int32_t runCount(int32_t statId) const
    {
        const StatRecord* record = stats->find(statId);
        return record ? record->run : 0;
    }

    bool achievementDone(int32_t id) const
    {
        for (const AchievementEntry& entry : achievements->achievementList())
        {
            if (entry.id == id)
                return entry.done;
        }
        return false;
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const Message& message : game->messages)
            texts.push_back(message.text);
        return texts;
    }

    // A board entry; an empty board is filled first.
    Contract* boardEntry(size_t index)
    {
        if (missions->board().empty())
            missions->update(0.0f);
        return missions->board().at(index);
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    Achievements* achievements = nullptr;
    StatEngine* stats = nullptr;
    GameInterface* game = nullptr;
    MissionManager* missions = nullptr;
    RecordingContractActors actors;
    std::unique_ptr<Player> player;
};
