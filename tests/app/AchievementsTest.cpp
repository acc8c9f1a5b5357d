#include "StatEngineFixture.h"
#include "app/FileNotices.h"
#include "app/Message.h"
#include "support/FileSizeLimit.h"
#include "ui/UIText.h"

#include <set>

TEST_F(ProgressTest, TablesHoldEveryEntryInListOrder)
{
    const std::vector<AchievementEntry>& list = achievements->achievementList();
    ASSERT_EQ(list.size(), 34u);
    for (size_t i = 0; i < list.size(); ++i)
    {
        EXPECT_EQ(list[i].id, static_cast<int32_t>(100 + i));
        EXPECT_TRUE(list[i].text.empty());
    }
    EXPECT_EQ(list[33].title, "Inside Job");
    EXPECT_EQ(list[33].icon, "AC_InsideJob.png");

    const std::vector<UnlockEntry>& unlocks = achievements->unlockList();
    ASSERT_EQ(unlocks.size(), 38u);
    std::set<int32_t> ids;
    for (const UnlockEntry& entry : unlocks)
        ids.insert(entry.id);
    EXPECT_EQ(ids.size(), 38u);
    EXPECT_EQ(ids.count(2008) + ids.count(2013) + ids.count(2016), 0u);
    EXPECT_EQ(unlocks[14].id, 2023);
    EXPECT_EQ(unlocks[15].id, 2022);
    EXPECT_EQ(unlocks[16].id, 2010);
    EXPECT_EQ(unlocks[33].reward, "4th Contract Slot");
    EXPECT_EQ(unlocks[33].condition, "Complete 2 Contracts");
}

TEST_F(ProgressTest, AnUnlockQueuesOneNoticeOnlyTheFirstTime)
{
    achievements->unlock(2037, false, false);
    ASSERT_EQ(bar->queue.size(), 1u);
    EXPECT_EQ(bar->queue[0].image, "Unlock.png");
    EXPECT_EQ(bar->queue[0].text, "`!Unlocked:`% 4th Contract Slot");
    EXPECT_EQ(bar->queue[0].sound, "unlock.mp3");
    EXPECT_EQ(achievements->contractSlots(), 4);
    achievements->unlock(2037, false, false);
    EXPECT_EQ(bar->queue.size(), 1u);
    EXPECT_FALSE(folder.exists(StatEngine::kFileName)) << "save false writes nothing";

    achievements->unlock(2036, false, true);
    EXPECT_EQ(bar->queue.size(), 1u) << "silent";
}

TEST_F(ProgressTest, ContractSlotsCountOnlyTheBestStep)
{
    EXPECT_EQ(achievements->contractSlots(), 3);
    achievements->unlock(2036, false, true);
    achievements->unlock(2037, false, true);
    EXPECT_EQ(achievements->contractSlots(), 5);
    achievements->reset();
    achievements->unlock(2028, false, true);
    EXPECT_EQ(achievements->contractSlots(), 10);
    EXPECT_FALSE(achievements->isUnlocked(2008));
    EXPECT_FALSE(achievements->isUnlocked(12345));
}

TEST_F(ProgressTest, TheLastUnlockEarnsAllTheToysOnce)
{
    StatsStore* store = startStore();
    int toys = 0;
    const StatsStore::ListenerId listener = store->onAchievementStored([&toys](const AchievementStored& record) {
        if (record.name == "TALLOWIND_ACHIEVEMENT_130")
            ++toys;
    });
    const std::vector<UnlockEntry>& unlocks = achievements->unlockList();
    for (size_t i = 0; i + 1 < unlocks.size(); ++i)
        achievements->unlock(unlocks[i].id, false, true);
    EXPECT_FALSE(achievements->achievementList()[30].done);
    achievements->unlock(unlocks.back().id, false, true);
    EXPECT_TRUE(achievements->achievementList()[30].done);
    achievements->unlock(2000, false, true);
    store->runCallbacks();
    EXPECT_EQ(toys, 1);
    bool stored = false;
    EXPECT_TRUE(store->getAchievement("TALLOWIND_ACHIEVEMENT_130", stored));
    EXPECT_TRUE(stored);
    EXPECT_EQ(gameStateBytes().size(), 204u) << "the achievement saves the game state";
    store->removeListener(listener);
}

TEST_F(ProgressTest, AnAchievementTheDiskHasNoRoomForIsSaidOnScreen)
{
    startStore();
    {
        FileSizeLimit full(0);
        achievements->setAchievement(106);
    }
    std::string shown;
    for (FileNotices* notices = FileNotices::getInstance(); notices->hasPending();)
        notices->showNext();
    for (const Message& message : game->messages)
        shown += message.text + "\n";
    if (game->popupText)
        shown += game->popupText->text;
    game->clearMessages();
    EXPECT_NE(shown.find(StatsStore::kFileName), std::string::npos) << "on screen: " << shown;
}
