// A body in view, from the first look to the reports: the finder walks up,
// stops at a viewing distance, reports the body and remembers whose it was,
// stays, and files a crime report at the body's place when it leaves, however
// it leaves. It does not come back to that body, and its next investigation
// goes exactly like the first.
#include "NPCFixture.h"
#include "app/Geometry.h"

using cocos2d::Vec2;

class NPCInvestigationTest : public NPCFixture
{
protected:
    // A body in the actor manager's hands, as every body in the game is.
    GameNPC* corpse(Vec2 cellAt)
    {
        GameNPC* body = map->spawnNPC(nullptr, centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        mobs->addGroundMob(body);
        body->health = 0;
        return body;
    }

    // Walks the finder up to the body; the time it took.
    float approach(GameNPC* finder, GameNPC* body)
    {
        run(finder, Frame, body);
        EXPECT_EQ(finder->mode, ModeInvestigation);
        return timeUntil(finder, 15.0f, [finder] { return finder->arrived; });
    }

    static bool knows(const GameNPC* npc, const GameNPC* other)
    {
        return npc->record->knowsCitizen(other->record->id);
    }
};

TEST_F(NPCInvestigationTest, ABodyIsViewedReportedAndLeftWithACrimeReportAndNotVisitedAgain)
{
    GameNPC* body = corpse(Vec2(13, 10));
    GameNPC* finder = makeNPC(40.0f, 30.0f);
    run(finder, Frame, body);
    ASSERT_EQ(finder->mode, ModeInvestigation);
    EXPECT_TRUE(finder->running) << "a body is run to";
    EXPECT_FALSE(finder->arrived);
    EXPECT_GE(finder->viewingDistance, 31.0f);
    EXPECT_LE(finder->viewingDistance, 34.0f);

    const float walked = timeUntil(finder, 15.0f, [finder] { return finder->arrived; });
    ASSERT_TRUE(finder->arrived) << "after " << walked << " s";
    const float distance = fastDistance(finder->getPosition(), body->getPosition());
    EXPECT_GE(distance, 16.0f);
    EXPECT_LE(distance, finder->viewingDistance);
    EXPECT_TRUE(finder->path.empty());
    EXPECT_FALSE(finder->running);
    EXPECT_EQ(finder->shownBubble, BubbleScared);
    EXPECT_TRUE(knows(finder, body)) << "whose body it was is remembered";
    EXPECT_GE(finder->stateChange.duration, 13.0f);
    EXPECT_LE(finder->stateChange.duration, 28.0f);

    // It faces the body while it stays, whatever its eyes report meanwhile.
    finder->setRotation(200.0f);
    run(finder, 1.0f);
    EXPECT_EQ(finder->mode, ModeInvestigation);
    EXPECT_NEAR(finder->heading, angleBetween(finder->getPosition(), body->getPosition()), 0.5f);

    // Going back to travel clears the watch before it leaves the investigation:
    // the report at the body's place is still made pending, then filed.
    finder->enterTravelMode();
    EXPECT_TRUE(finder->hasPendingReport());
    EXPECT_EQ(finder->reportPosition, body->getPosition());
    EXPECT_EQ(finder->reportSeverity, 1);
    EXPECT_EQ(finder->stateChange.duration, -1.0f);
    EXPECT_EQ(finder->shownBubble, BubbleNone);
    run(finder, Frame);
    EXPECT_FALSE(finder->hasPendingReport()) << "filed";

    // The same body in view again: looked at already.
    run(finder, 2.0f, body);
    EXPECT_EQ(finder->mode, ModeTravel);
    EXPECT_FALSE(finder->hasPendingReport());

    // Another body: a second investigation that ends like the first.
    GameNPC* second = corpse(Vec2(10, 13));
    run(finder, Frame, second);
    ASSERT_EQ(finder->mode, ModeInvestigation);
    EXPECT_FALSE(finder->arrived) << "it walks up anew";
    timeUntil(finder, 15.0f, [finder] { return finder->arrived; });
    ASSERT_TRUE(finder->arrived);
    EXPECT_TRUE(knows(finder, second));
    EXPECT_GE(finder->stateChange.duration, 13.0f);
    EXPECT_LE(finder->stateChange.duration, 28.0f);
    // The stay runs out on its own.
    const float stay = timeUntil(finder, 30.0f, [finder] { return finder->mode != ModeInvestigation; });
    EXPECT_LE(stay, 28.0f + 2 * Frame);
    EXPECT_EQ(finder->mode, ModeTravel);
    EXPECT_FALSE(finder->hasPendingReport()) << "its crime report went out as it left";
}

TEST_F(NPCInvestigationTest, AThreatDuringAnInvestigationIsFoughtOrFledAndTheBodyStillReported)
{
    GameNPC* body = corpse(Vec2(13, 10));
    GameMob* gunman = makeMob(centreOf(10, 14));
    gunman->weaponRaised = true;

    GameNPC* fighter = makeNPC(80.0f, 90.0f);
    approach(fighter, body);
    run(fighter, Frame, gunman);
    ASSERT_EQ(fighter->mode, ModeCombat);
    EXPECT_EQ(fighter->watchedObject, gunman) << "the threat stays its target";
    EXPECT_TRUE(fighter->hasPendingReport());
    EXPECT_EQ(fighter->reportPosition, body->getPosition()) << "the crime is at the body, not at the threat";
    EXPECT_EQ(fighter->reportCulprit, nullptr);
    EXPECT_TRUE(knows(fighter, body));
    run(fighter, 2.0f);
    EXPECT_EQ(fighter->mode, ModeCombat);
    EXPECT_TRUE(fighter->hasPendingReport()) << "not while fighting";
    // The threat gone, the report goes out.
    fighter->watchedObject = nullptr;
    run(fighter, 2 * Frame);
    EXPECT_EQ(fighter->mode, ModeTravel);
    EXPECT_FALSE(fighter->hasPendingReport());

    GameNPC* runner = makeNPC(20.0f, 10.0f, Vec2(9, 9));
    approach(runner, body);
    const Vec2 startedAt = runner->getPosition();
    run(runner, Frame, gunman);
    ASSERT_EQ(runner->mode, ModeFlee);
    EXPECT_EQ(runner->reportCulprit, gunman) << "the body's report went out before the flight's own";
    EXPECT_EQ(runner->reportPosition, startedAt);
}

TEST_F(NPCInvestigationTest, AnInvestigatorTooCloseStepsBackBeforeItLooks)
{
    GameNPC* body = corpse(Vec2(10, 10));
    GameNPC* finder = makeNPC(40.0f, 30.0f);
    finder->setPosition(body->getPosition() + Vec2(10.0f, 0.0f));
    run(finder, Frame, body);
    ASSERT_EQ(finder->mode, ModeInvestigation);
    finder->path.clear();
    finder->update(Frame);
    ASSERT_EQ(finder->path.size(), 1u);
    EXPECT_NEAR(finder->path.front().point.x - body->getPosition().x, 26.0f, 1.5f) << "16 px further out";
    EXPECT_NEAR(finder->path.front().point.y, body->getPosition().y, 0.5f);
    EXPECT_FALSE(finder->arrived);
    timeUntil(finder, 5.0f, [finder] { return finder->arrived; });
    ASSERT_TRUE(finder->arrived);
    EXPECT_GE(fastDistance(finder->getPosition(), body->getPosition()), 16.0f);
}

TEST_F(NPCInvestigationTest, ABodyThatLeavesTheGameIsForgottenEvenWhenANewActorTakesItsPlace)
{
    GameNPC* body = corpse(Vec2(13, 10));
    GameNPC* finder = makeNPCInWorld(40.0f, 30.0f, Vec2(10, 10));
    run(finder, Frame, body);
    ASSERT_EQ(finder->mode, ModeInvestigation);

    // The body leaves the game, and a living citizen is made at the very
    // address it had.
    mobs->forgetObject(body);
    body->health = 100;
    run(finder, Frame);
    EXPECT_EQ(finder->mode, ModeTravel);
    EXPECT_FALSE(finder->hasPendingReport()) << "no crime is reported at a living citizen";
    EXPECT_FALSE(finder->arrived);
}
