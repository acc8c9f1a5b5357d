#pragma once
#include "TempFolder.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"
#include "ui/hud/UIUnlockBar.h"
#include "world/GameData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A fresh profile in a temporary saves folder: no unlocks, no statistics, the
// statistics store switched off, Normal mode in zone 0, and an unlock bar that
// collects the notices.
class ProgressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        StatsStore::getInstance()->shutdown();
        achievements = Achievements::getInstance();
        stats = StatEngine::getInstance();
        achievements->reset();
        stats->reset();
        game = GameInterface::getInstance();
        oldBar = game->unlockBar;
        bar = UIUnlockBar::create();
        bar->retain();
        game->unlockBar = bar;
        game->mode = 0;
        game->playerCharacter = -1;
        game->alternateMovement = false;
        GameData::getInstance()->currentZone = 0;
    }

    void TearDown() override
    {
        StatsStore::getInstance()->shutdown();
        game->unlockBar = oldBar;
        bar->release();
        achievements->reset();
        stats->reset();
        game->mode = 0;
        game->playerCharacter = -1;
        saves.reset();
    }

    // Switches the store on, reading its file from the temporary folder.
    StatsStore* startStore()
    {
        StatsStore* store = StatsStore::getInstance();
        store->shutdown();
        store->init();
        return store;
    }

    std::string gameStateBytes() const { return folder.read(StatEngine::kFileName); }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    Achievements* achievements = nullptr;
    StatEngine* stats = nullptr;
    GameInterface* game = nullptr;
    UIUnlockBar* bar = nullptr;
    UIUnlockBar* oldBar = nullptr;
};

// Little-endian fields for building and checking the binary files.
inline std::string le32(int32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
    return bytes;
}

inline int32_t read32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(offset + i))) << (8 * i);
    return static_cast<int32_t>(value);
}

inline int16_t read16(const std::string& bytes, size_t offset)
{
    const uint16_t value = static_cast<uint16_t>(static_cast<uint8_t>(bytes.at(offset)) |
                                                 (static_cast<uint8_t>(bytes.at(offset + 1)) << 8));
    return static_cast<int16_t>(value);
}
