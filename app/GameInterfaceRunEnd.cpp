#include "app/GameInterface.h"

#include "app/Game.h"
#include "app/HighScores.h"
#include "world/GameData.h"

USING_NS_CC;

namespace {
constexpr int kRankTableZ = 1200;
constexpr int kNormalMode = 0;
}

void GameInterface::checkRunEnd()
{
    if (runSummaryShown)
        return;
    runSummaryShown = true;
    HighScores* scores = HighScores::getInstance();
    if (mode != kNormalMode)
        scores->resetInitials();
    scores->showRunSummary();
}

void GameInterface::showHighScoreTable()
{
    if (rankTableNode)
    {
        rankTableNode->removeFromParent();
        rankTableNode = nullptr;
    }
    HighScores* scores = HighScores::getInstance();
    const int zone = GameData::getInstance()->currentZone;
    scoreRank = scores->rankOf(zone, creditsEarned);
    newHighScore = scoreRank != -1;
    if (newHighScore)
    {
        scores->insertScore(zone, scoreRank, creditsEarned);
        scores->showTable(zone, &rankTableNode, scoreRank, -1);
    }
    else
    {
        scores->showTable(zone, &rankTableNode, -1, creditsEarned);
    }
    if (!rankTableNode)
        return;
    if (!gameLayer)
    {
        // Nothing would keep the new text alive.
        rankTableNode = nullptr;
        return;
    }
    rankTableNode->setAnchorPoint(Vec2(0.5f, 0.5f));
    rankTableNode->setPosition(Vec2(visibleSize.width * 0.5f, visibleSize.height * 0.5f));
    gameLayer->addChild(rankTableNode, kRankTableZ);
}
