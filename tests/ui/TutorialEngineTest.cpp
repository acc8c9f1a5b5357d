// The tutorial list through a run: when each tutorial comes, how requests
// wait for a free player, the cool-down between two, and the option that
// switches them off.
#include "actors/GameMob.h"
#include "app/GameState.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/TutorialWorld.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The run as the tutorials see it, set by each test.
struct ScriptedRun
{
    int state = GameState::Playing;
    GameMob* player = nullptr;
    bool windowOpen = false;
    int zone = 0;
    bool targetDescribed = false;
    bool pursued = false;
    bool richNearContact = false;
    std::vector<std::string> shown;
};

class ScriptedWorld : public TutorialWorld
{
public:
    explicit ScriptedWorld(ScriptedRun& run) : run(run) {}
    int gameState() override { return run.state; }
    GameMob* player() override { return run.player; }
    bool interactionWindowOpen() override { return run.windowOpen; }
    int currentZone() override { return run.zone; }
    bool targetDescribed() override { return run.targetDescribed; }
    bool policePursuing() override { return run.pursued; }
    bool richNearContact() override { return run.richNearContact; }
    void showPopup(const std::string& image) override { run.shown.push_back(image); }

private:
    ScriptedRun& run;
};

}

class TutorialEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tutorials = TutorialEngine::getInstance();
        tutorials->setWorld(std::make_unique<ScriptedWorld>(run));
        tutorials->enabled = true;
        tutorials->firstPosition = cocos2d::Vec2(-1.0f, -1.0f);
        for (auto& entry : tutorials->entries)
            entry->pending = false;
        tutorials->reset();
        player = std::make_unique<GameMob>(nullptr, false);
        player->health = 100;
        run.player = player.get();
        // As a run start leaves it.
        tutorials->cooldown = TutorialEngine::kShowCooldown;
    }

    void TearDown() override
    {
        tutorials->setWorld(std::make_unique<TutorialWorld>());
        tutorials->enabled = true;
    }

    // Frames of play at 1/100 s.
    void play(float seconds)
    {
        for (int i = 0; i < static_cast<int>(seconds * 100.0f + 0.5f); ++i)
            tutorials->update(0.01f);
    }

    std::string last() const { return run.shown.empty() ? "" : run.shown.back(); }

    // Shows the two opening tutorials: the first, then a step away from where the player stood.
    void openingShown()
    {
        play(5.01f);
        ASSERT_EQ(last(), "Tutorial_01.png");
        play(5.01f);
        player->position = player->position + cocos2d::Vec2(10.0f, 0.0f);
        play(0.01f);
        ASSERT_EQ(last(), "Tutorial_02.png");
    }

    ScriptedRun run;
    std::unique_ptr<GameMob> player;
    TutorialEngine* tutorials = nullptr;
};

TEST_F(TutorialEngineTest, TheRunsFirstTutorialsComeAfterFiveSecondsOfFreePlayEach)
{
    play(4.98f);
    EXPECT_TRUE(run.shown.empty());
    play(0.03f);
    ASSERT_EQ(run.shown, std::vector<std::string>{"Tutorial_01.png"});
    EXPECT_EQ(tutorials->currentEntry, 0);
    EXPECT_GT(tutorials->cooldown, 4.98f) << "the next one waits five seconds";

    // The second needs a step away from where the player stood at its first check.
    play(6.0f);
    EXPECT_EQ(run.shown.size(), 1u) << "a player who stands still";
    player->position = player->position + cocos2d::Vec2(0.0f, 32.0f);
    play(0.01f);
    EXPECT_EQ(last(), "Tutorial_02.png");

    // The conditions of the run: a target, the police, a contact, The Docks.
    play(5.0f);
    run.targetDescribed = true;
    play(0.01f);
    EXPECT_EQ(last(), "Tutorial_03.png");
    run.pursued = true;
    play(4.9f);
    EXPECT_EQ(last(), "Tutorial_03.png") << "no sooner than the cool-down";
    play(0.11f);
    EXPECT_EQ(last(), "Tutorial_05.png");
    run.richNearContact = true;
    run.zone = 1;
    play(5.01f);
    EXPECT_EQ(last(), "Tutorial_06.png");
    play(5.01f);
    EXPECT_EQ(last(), "Tutorial_14.png");
    play(10.0f);
    EXPECT_EQ(run.shown.size(), 6u) << "each at most once a run";

    // The contact reminder arms the moving tutorial again; a run start arms them all.
    tutorials->markNotShown(TutorialEngine::kContactReminder);
    play(0.01f);
    EXPECT_EQ(last(), "Tutorial_02.png");
    tutorials->cooldown = TutorialEngine::kShowCooldown;
    tutorials->reset();
    play(5.01f);
    EXPECT_EQ(last(), "Tutorial_01.png");
}

TEST_F(TutorialEngineTest, RequestsWaitForAFreePlayerAndTheCooldown)
{
    openingShown();
    const size_t before = run.shown.size();

    // Weapon raised: nothing comes, and a bought item's tutorial waits.
    player->weaponRaised = true;
    tutorials->request(6);
    EXPECT_TRUE(tutorials->entries[6]->pending);
    play(8.0f);
    EXPECT_EQ(run.shown.size(), before);
    player->weaponRaised = false;
    play(0.01f);
    EXPECT_EQ(last(), "Tutorial_07.png");
    EXPECT_FALSE(tutorials->entries[6]->pending);

    // A kill while carrying a body: shown once the body is dropped and the cool-down is over.
    GameMob body(nullptr, false);
    player->carriedBody = &body;
    tutorials->request(3);
    EXPECT_TRUE(tutorials->entries[3]->pending);
    play(6.0f);
    EXPECT_EQ(last(), "Tutorial_07.png");
    player->carriedBody = nullptr;
    play(0.01f);
    EXPECT_EQ(last(), "Tutorial_04.png");

    // A free player sees a request at once; an open window holds it back.
    run.windowOpen = true;
    tutorials->request(9);
    EXPECT_EQ(last(), "Tutorial_04.png");
    run.windowOpen = false;
    tutorials->request(8);
    EXPECT_EQ(last(), "Tutorial_09.png");
    tutorials->request(8);
    EXPECT_EQ(run.shown.size(), before + 3) << "a tutorial already shown is not asked again";

    // A run start forgets what was shown, not what was asked for.
    tutorials->reset();
    EXPECT_TRUE(tutorials->entries[9]->pending);
}

TEST_F(TutorialEngineTest, TurnedOffNothingShowsAndPendingMarksWait)
{
    run.windowOpen = true;
    tutorials->request(10);
    run.windowOpen = false;
    tutorials->enabled = false;
    tutorials->request(11);
    tutorials->show(12);
    play(10.0f);
    EXPECT_TRUE(run.shown.empty());
    EXPECT_TRUE(tutorials->entries[10]->pending);
    EXPECT_FALSE(tutorials->entries[11]->pending);

    tutorials->enabled = true;
    play(5.01f);
    EXPECT_EQ(last(), "Tutorial_01.png") << "the first tutorial still comes first";
    play(5.01f);
    EXPECT_EQ(last(), "Tutorial_11.png");

    // Only a living player in a run that is being played is checked.
    run.state = GameState::Menu;
    play(10.0f);
    run.state = GameState::Playing;
    player->health = 0;
    play(10.0f);
    EXPECT_EQ(run.shown.size(), 2u);
}
