#include "InteractionFixture.h"

#include "app/StringHelpers.h"

#include <algorithm>

USING_NS_CC;

namespace {

using InteractionBodiesTest = InteractionFixture;

const char* const kPickedUp = "`7Body picked up.";
const char* const kDropped = "`@Body dropped.";
const char* const kSunk = "`7Body dropped in `9water`7.";
const char* const kSunkWithBonus = "`7Body dropped in `9water`7. Bonus `$50`7c for no witnesses.";
const char* const kStashed = "`9Body stashed.";
const char* const kStashedWithBonus = "`9Body stashed.`7 Incognito Bonus of `$50`7c - Not Wanted, No Witnesses.";

TEST_F(InteractionBodiesTest, ATargetCarriedAboutAndSunkInWaterPaysTheBonus)
{
    Contract* contract = acceptContract(Contract::Assassinate, false);
    TestCitizen* target = bodyAt(player->getPosition() + Vec2(10, 0), contract->target->id);
    TestCitizen* other = bodyAt(player->getPosition() + Vec2(0, 12), 4242);
    player->credits = 10;

    game->interact();
    ASSERT_EQ(player->carriedBody, target) << "the nearest body first";
    EXPECT_TRUE(target->carried);
    EXPECT_FLOAT_EQ(player->interactionCooldown, 1.2f);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kPickedUp});

    // The body moves with its carrier.
    player->setPosition(centreOf(5, 6));
    EXPECT_EQ(target->getPosition(), player->getPosition());

    // Facing dry ground with no container near, the body is put down on the spot.
    forgetMessages();
    game->interact();
    EXPECT_EQ(player->carriedBody, nullptr);
    EXPECT_FALSE(target->carried);
    EXPECT_EQ(target->getPosition(), centreOf(5, 6));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDropped});

    // The use key rests for 1.2 s after a pick-up.
    game->interact();
    EXPECT_EQ(player->carriedBody, nullptr);

    player->interactionCooldown = -1.0f;
    player->setPosition(centreOf(5, 5));
    game->pickUpBody(target);
    game->pickUpBody(other);
    EXPECT_EQ(player->carriedBody, target) << "one body at a time";
    EXPECT_FALSE(other->carried);

    waterAhead();
    forgetMessages();
    game->interact();
    EXPECT_EQ(player->carriedBody, nullptr);
    EXPECT_FALSE(target->carried);
    EXPECT_EQ(WorldMap::pixelToGrid(target->getPosition().x, target->getPosition().y), Vec2(6, 5));
    EXPECT_GE(target->corpseTimer, 6.0f);
    EXPECT_LE(target->corpseTimer, 12.0f);
    EXPECT_FALSE(target->isVisibleBody()) << "a body in water is out of sight";
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kSunkWithBonus});
    EXPECT_EQ(player->credits, 60);
    EXPECT_EQ(game->creditsEarned, 50);
    EXPECT_EQ(runCount(1005), 1);
    EXPECT_TRUE(achievementDone(118));
    EXPECT_TRUE(HighScores::getInstance()->murderList().empty()) << "a paid-for target is no murder";

    // A sinking body stays where it sinks.
    player->interactionCooldown = -1.0f;
    game->pickUpBody(target);
    EXPECT_EQ(player->carriedBody, nullptr);
}

TEST_F(InteractionBodiesTest, ABystanderSunkInWaterPaysNothingAndIsMissedByName)
{
    acceptContract(Contract::Assassinate, false);
    TestCitizen* body = namedBodyAt(player->getPosition() + Vec2(8, 0));
    const std::string name = body->identity->fullName;
    waterAhead();

    game->interact();
    game->interact();
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{kPickedUp, kSunk}));
    EXPECT_EQ(player->credits, 0);
    ASSERT_EQ(HighScores::getInstance()->murderList().size(), 1u);

    // The record is a copy: the body and its identity may leave the game.
    MobManager::getInstance()->removeMob(body);
    const MurderRecord& murder = HighScores::getInstance()->murderList()[0];
    EXPECT_NE(murder.line.find(name), std::string::npos);
    EXPECT_FALSE(murder.news.empty());
    EXPECT_FALSE(murder.record.empty());
}

TEST_F(InteractionBodiesTest, StashingInAContainerHidesTheBodyForGood)
{
    GameObject* container = containerAt(player->getPosition() + Vec2(0, 20));

    // A hidden-body contract's target completes the contract and pays no bonus.
    Contract* hideJob = acceptContract(Contract::Assassinate, true);
    const int value = hideJob->getValue();
    TestCitizen* target = namedBodyAt(player->getPosition() + Vec2(10, 0));
    target->identity->id = hideJob->target->id;
    target->record = hideJob->target->id;
    target->contractTarget = true;
    game->interact();
    ASSERT_EQ(player->carriedBody, target);
    forgetMessages();
    game->interact();
    EXPECT_EQ(player->carriedBody, nullptr);
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->completedCount(), 1);
    EXPECT_EQ(game->contractsDone, 1);
    EXPECT_EQ(player->credits, value) << "the contract's value, no bonus";
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{formatString("Contract completed. Earned `$%d`7c", value),
                                                        kStashed}));
    EXPECT_TRUE(container->filled);
    EXPECT_EQ(runCount(1005), 1);
    const auto& mobs = MobManager::getInstance()->groundMobs;
    EXPECT_EQ(std::count(mobs.begin(), mobs.end(), target), 0) << "the body left the game";
    ASSERT_EQ(HighScores::getInstance()->murderList().size(), 1u) << "a citizen stashed is missed";

    // A full container takes no more; another one does, and an ordinary
    // contract's target stashed unwanted pays the bonus.
    GameObject* second = containerAt(player->getPosition() + Vec2(-20, 0));
    Contract* job = acceptContract(Contract::Assassinate, false);
    TestCitizen* next = bodyAt(player->getPosition() + Vec2(10, 0), job->target->id);
    player->interactionCooldown = -1.0f;
    game->interact();
    ASSERT_EQ(player->carriedBody, next);
    forgetMessages();
    game->interact();
    EXPECT_TRUE(second->filled);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kStashedWithBonus});
    EXPECT_EQ(player->credits, value + 50);
    EXPECT_EQ(missions->acceptedContract(), job) << "hiding an ordinary target completes nothing";
}

TEST_F(InteractionBodiesTest, AHiddenBodyContractsTargetSunkInWaterCompletesIt)
{
    Contract* job = acceptContract(Contract::Assassinate, true);
    const int value = job->getValue();
    TestCitizen* target = bodyAt(player->getPosition() + Vec2(10, 0), job->target->id);
    waterAhead();
    game->interact();
    game->interact();
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(game->contractsDone, 1);
    EXPECT_EQ(player->credits, value);
    EXPECT_EQ(game->messages.back().text, kSunk);
    EXPECT_NE(target->corpseTimer, -1.0f);
}

}
