#include "WorldMapFixture.h"
#include "world/PathNodePool.h"
#include "world/PathRequest.h"
#include <cmath>
#include <map>
#include <random>

using cocos2d::Vec2;

namespace {

PathRequest* makeRequest(RecordingMob& mob, Vec2 start, Vec2 goal, int mode = 2)
{
    PathRequest* request = new PathRequest();
    request->start = start;
    request->goal = goal;
    request->mode = mode;
    request->requester = &mob;
    mob.pathRequest = request;  // the mob owns it
    return request;
}

// Runs frames until every mob has its answer (or the frame limit is hit).
int runUntilAnswered(const std::vector<RecordingMob*>& mobs, int frameLimit = 1000)
{
    int frames = 0;
    auto pending = [&] {
        for (RecordingMob* mob : mobs)
        {
            if (mob->answers == 0)
                return true;
        }
        return false;
    };
    while (pending() && frames < frameLimit)
    {
        Pather::getInstance()->update();
        ++frames;
    }
    return frames;
}

// A plain A* with an ordered multimap as its open set: equal keys stay in
// insertion order. The Pather must expand exactly the same cells.
struct ReferenceResult
{
    std::vector<Vec2> expansions;
    std::vector<Vec2> path;  // start to goal; empty when none
};

ReferenceResult referenceSearch(Vec2 start, Vec2 goal, int mode, int level, const std::vector<Vec2>& blocked)
{
    struct Node
    {
        Vec2 position;
        float g = 0, h = 0, f = 0;
        int state = 1;
        Node* parent = nullptr;
        std::multimap<float, Node*>::iterator entry;
    };
    const WorldMap* map = WorldMap::getInstance();
    std::map<std::pair<int, int>, Node> nodes;
    std::multimap<float, Node*> open;
    ReferenceResult result;
    if (start == goal)
    {
        result.path.push_back(start);
        return result;
    }
    Node& first = nodes[{static_cast<int>(start.x), static_cast<int>(start.y)}];
    first.position = start;
    first.entry = open.insert({0.0f, &first});
    while (!open.empty())
    {
        Node* current = open.begin()->second;
        if (current->position == goal)
        {
            for (Node* n = current; n; n = n->parent)
                result.path.insert(result.path.begin(), n->position);
            return result;
        }
        open.erase(open.begin());
        current->state = 2;
        result.expansions.push_back(current->position);
        const Vec2 p = current->position;
        for (Vec2 c : {Vec2(p.x, p.y - 1), Vec2(p.x, p.y + 1), Vec2(p.x + 1, p.y), Vec2(p.x - 1, p.y)})
        {
            if (c.x < 0 || c.y < 0 || c.x >= map->width || c.y >= map->height)
                continue;
            auto found = nodes.find({static_cast<int>(c.x), static_cast<int>(c.y)});
            if (found != nodes.end() && found->second.state == 2)
                continue;
            if (!map->canPass(level, true, p, c))
                continue;
            if (std::find(blocked.begin(), blocked.end(), c) != blocked.end())
                continue;
            const float g = current->g + static_cast<float>(map->cellCost(c));
            if (found != nodes.end())
            {
                Node& n = found->second;
                if (n.g > g)
                {
                    open.erase(n.entry);
                    n.g = g;
                    n.h = Pather::heuristic(c, goal, mode);
                    n.f = n.g + n.h;
                    n.parent = current;
                    n.entry = open.insert({n.f, &n});
                }
                continue;
            }
            Node& n = nodes[{static_cast<int>(c.x), static_cast<int>(c.y)}];
            n.position = c;
            n.g = g;
            n.h = Pather::heuristic(c, goal, mode);
            n.f = n.g + n.h;
            n.parent = current;
            n.entry = open.insert({n.f, &n});
        }
    }
    return result;
}

}  // namespace

class PatherTest : public WorldMapFixture
{
};

TEST_F(PatherTest, RequestWhoseStartIsItsGoalIsAnsweredWithTheParentlessStartNode)
{
    RecordingMob mob;
    Pather::getInstance()->getQueue(2).push_back(makeRequest(mob, Vec2(3, 3), Vec2(3, 3)));
    Pather::getInstance()->update();
    EXPECT_EQ(mob.answers, 1);
    ASSERT_EQ(mob.cells.size(), 1u);
    EXPECT_EQ(mob.cells[0], Vec2(3, 3));
    EXPECT_TRUE(mob.path.empty());  // the start cell itself is not walked to
    EXPECT_EQ(Pather::getInstance()->getFrameExpansions(), 0u);
}

TEST_F(PatherTest, WallOnEitherTileIsWalkedAround)
{
    // First the wall on the start tile's east side, then on the goal tile's west side.
    TileDef* eastWall = makeTileDef(0, 1, {4});
    TileDef* westWall = makeTileDef(0, 1, {3});
    for (int variant = 0; variant < 2; ++variant)
    {
        makeMap(10, 10);
        if (variant == 0)
            setFloor(4, 4, eastWall);
        else
            setFloor(5, 4, westWall);
        RecordingMob mob;
        Pather::getInstance()->getQueue(2).push_back(makeRequest(mob, Vec2(4, 4), Vec2(5, 4)));
        runUntilAnswered({&mob});
        ASSERT_TRUE(mob.answeredGoal) << "variant " << variant;
        EXPECT_EQ(mob.cells.front(), Vec2(4, 4));
        EXPECT_EQ(mob.cells.back(), Vec2(5, 4));
        EXPECT_EQ(mob.cells.size(), 4u) << "a detour of one cell up or down and back";
        Pather::destroyInstance();
    }
}

TEST_F(PatherTest, RaisedGoalNextToTheStartIsReachedButNotOneDeeper)
{
    TileDef* raised = makeTileDef(1);
    for (int x = 5; x < 8; ++x)
    {
        for (int y = 3; y < 6; ++y)
            setFloor(x, y, raised);
    }
    RecordingMob edge;
    RecordingMob inside;
    Pather* pather = Pather::getInstance();
    pather->getQueue(2).push_back(makeRequest(edge, Vec2(4, 4), Vec2(5, 4)));
    pather->getQueue(2).push_back(makeRequest(inside, Vec2(4, 4), Vec2(6, 4)));
    runUntilAnswered({&edge, &inside});
    EXPECT_TRUE(edge.answeredGoal);
    EXPECT_EQ(edge.cells.size(), 2u);
    EXPECT_TRUE(inside.failed);
    EXPECT_FALSE(inside.answeredGoal);
}

TEST_F(PatherTest, QueueZeroIsServedBeforeQueueTwo)
{
    std::vector<RecordingMob*> order;
    RecordingMob a(&order), b(&order), c(&order);
    Pather* pather = Pather::getInstance();
    pather->getQueue(2).push_back(makeRequest(a, Vec2(1, 1), Vec2(2, 1)));
    pather->getQueue(2).push_back(makeRequest(b, Vec2(1, 1), Vec2(1, 2)));
    pather->getQueue(0).push_back(makeRequest(c, Vec2(1, 1), Vec2(0, 1)));
    pather->update();
    ASSERT_EQ(order.size(), 3u) << "short requests share one frame";
    EXPECT_EQ(order[0], &c);
    EXPECT_EQ(order[1], &a);
    EXPECT_EQ(order[2], &b);
}

TEST_F(PatherTest, LongSearchCarriesOverFramesAndOthersWaitBehindIt)
{
    makeMap(200, 200);
    // A wall across the map with one gap at the far end makes the search long.
    TileDef* wall = makeTileDef(3);
    for (int y = 0; y < 199; ++y)
        setFloor(100, y, wall);
    RecordingMob longWay;
    RecordingMob shortWay;
    Pather* pather = Pather::getInstance();
    pather->getQueue(2).push_back(makeRequest(longWay, Vec2(90, 10), Vec2(110, 10)));
    pather->getQueue(2).push_back(makeRequest(shortWay, Vec2(1, 1), Vec2(2, 1)));

    pather->update();
    EXPECT_EQ(longWay.answers, 0);
    EXPECT_EQ(shortWay.answers, 0) << "the second request waits behind the suspended one";
    EXPECT_LE(pather->getFrameExpansions(), Pather::FrameBudget + 1);
    EXPECT_GE(pather->getFrameExpansions(), Pather::FrameBudget);
    EXPECT_EQ(pather->getCurrentRequest(), longWay.pathRequest);

    const int frames = runUntilAnswered({&longWay, &shortWay});
    EXPECT_GT(frames, 0);
    EXPECT_TRUE(longWay.answeredGoal);
    EXPECT_TRUE(shortWay.answeredGoal);
    EXPECT_EQ(longWay.cells.back(), Vec2(110, 10));
}

TEST_F(PatherTest, CancelledRequestsAreNeverAnswered)
{
    makeMap(200, 200);
    TileDef* wall = makeTileDef(3);
    for (int y = 0; y < 199; ++y)
        setFloor(100, y, wall);
    auto running = std::make_unique<RecordingMob>();
    auto queued = std::make_unique<RecordingMob>();
    RecordingMob survivor;
    Pather* pather = Pather::getInstance();
    pather->getQueue(2).push_back(makeRequest(*running, Vec2(90, 10), Vec2(110, 10)));
    // Two requests of one mob: the mob owns the second, the test the first.
    std::unique_ptr<PathRequest> earlier(makeRequest(*queued, Vec2(3, 3), Vec2(4, 3)));
    pather->getQueue(1).push_back(earlier.get());
    pather->getQueue(1).push_back(makeRequest(*queued, Vec2(3, 3), Vec2(5, 3)));
    pather->getQueue(2).push_back(makeRequest(survivor, Vec2(1, 1), Vec2(2, 1)));
    // queue 1 first: the queued mob's request would be answered at once; cancel it before
    pather->cancelRequests(queued.get());
    EXPECT_TRUE(pather->getQueue(1).empty());
    pather->update();
    EXPECT_EQ(pather->getCurrentRequest(), running->pathRequest);
    pather->cancelRequests(running.get());
    EXPECT_EQ(pather->getCurrentRequest(), nullptr);
    runUntilAnswered({&survivor});
    EXPECT_EQ(running->answers, 0);
    EXPECT_EQ(queued->answers, 0);
    EXPECT_TRUE(survivor.answeredGoal);

    // A mob that is destroyed with a queued request takes it out of the queues.
    auto doomed = std::make_unique<RecordingMob>();
    doomed->findPath(Vec2(5, 5), true);
    EXPECT_EQ(pather->getQueue(2).size(), 1u);
    doomed.reset();
    EXPECT_TRUE(pather->getQueue(2).empty());
}

TEST_F(PatherTest, ExpansionOrderMatchesAPlainReferenceOnGeneratedMaps)
{
    TileDef* dear = makeTileDef(0, 2);
    TileDef* dearer = makeTileDef(0, 3);
    TileDef* raised = makeTileDef(1);
    std::vector<TileDef*> walled;
    for (int side = 1; side <= 4; ++side)
        walled.push_back(makeTileDef(0, 1, {side}));

    std::mt19937 random(1234);
    size_t totalExpansions = 0;
    for (int round = 0; round < 24; ++round)
    {
        makeMap(40, 30);
        for (int y = 0; y < 30; ++y)
        {
            for (int x = 0; x < 40; ++x)
            {
                const int roll = static_cast<int>(random() % 100);
                if (roll < 10)
                    setFloor(x, y, raised);
                else if (roll < 20)
                    setFloor(x, y, walled[random() % 4]);
                else if (roll < 30)
                    setFloor(x, y, dear);
                else if (roll < 35)
                    setFloor(x, y, dearer);
                else if (roll < 37)
                    tile(x, y)->npcAvoid = true;
                else if (roll < 39)
                    tile(x, y)->blocked = true;
            }
        }
        const Vec2 start(static_cast<float>(random() % 40), static_cast<float>(random() % 30));
        const Vec2 goal(static_cast<float>(random() % 40), static_cast<float>(random() % 30));
        const int mode = round % 4 == 3 ? 5 : static_cast<int>(round % 3);  // 0, 1, 2 and a mode out of range

        RecordingMob mob;
        mob.heightLevel = 0;
        if (round % 5 == 0)
            mob.blockedCells.push_back(Vec2(goal.x, goal.y - 1));
        const std::vector<Vec2> blocked = mob.blockedCells;
        std::vector<Vec2> log;
        Pather* pather = Pather::getInstance();
        pather->getSearch().expansionLog = &log;
        pather->getQueue(3).push_back(makeRequest(mob, start, goal, mode));
        runUntilAnswered({&mob}, 5000);

        const ReferenceResult expected = referenceSearch(start, goal, mode, 0, blocked);
        ASSERT_EQ(log.size(), expected.expansions.size()) << "round " << round;
        totalExpansions += log.size();
        for (size_t i = 0; i < log.size(); ++i)
            ASSERT_EQ(log[i], expected.expansions[i]) << "round " << round << " expansion " << i;
        if (expected.path.empty())
            EXPECT_TRUE(mob.failed) << "round " << round;
        else
            EXPECT_EQ(mob.cells, expected.path) << "round " << round;
        pather->getSearch().expansionLog = nullptr;
        Pather::destroyInstance();
    }
    EXPECT_GT(totalExpansions, 2000u) << "the generated searches must do real work";
}

TEST_F(PatherTest, NeighboursAreTriedDownUpRightLeft)
{
    std::vector<Vec2> log;
    RecordingMob mob;
    Pather* pather = Pather::getInstance();
    pather->getSearch().expansionLog = &log;
    // Mode 5 gives every node the same f: the order of expansion is the order of insertion.
    pather->getQueue(2).push_back(makeRequest(mob, Vec2(5, 5), Vec2(15, 15), 5));
    pather->update();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[0], Vec2(5, 5));
    EXPECT_EQ(log[1], Vec2(5, 4));
    EXPECT_EQ(log[2], Vec2(5, 6));
    EXPECT_EQ(log[3], Vec2(6, 5));
    EXPECT_EQ(log[4], Vec2(4, 5));
    pather->getSearch().expansionLog = nullptr;
}

TEST_F(PatherTest, HeuristicModes)
{
    const float root2 = std::sqrt(2.0f);
    EXPECT_FLOAT_EQ(Pather::heuristic(Vec2(0, 0), Vec2(3, 1), 2), 2.0f * root2 + 1.0f);
    EXPECT_FLOAT_EQ(Pather::heuristic(Vec2(0, 0), Vec2(2, 2), 2), 2.0f * root2);
    EXPECT_FLOAT_EQ(Pather::heuristic(Vec2(0, 0), Vec2(3, -1), 0), 4.0f);
    EXPECT_NEAR(Pather::heuristic(Vec2(0, 0), Vec2(3, 4), 1), 5.0f * root2, 0.02f);
    EXPECT_EQ(Pather::heuristic(Vec2(0, 0), Vec2(3, 4), 7), std::numeric_limits<float>::max());
}

TEST_F(PatherTest, FindPathNowListsCellsFromTheSecondArgumentToTheFirst)
{
    std::vector<Vec2> path;
    Pather* pather = Pather::getInstance();
    ASSERT_TRUE(pather->findPathNow(Vec2(6, 2), Vec2(2, 2), 0, path));
    EXPECT_EQ(path.front(), Vec2(2, 2));
    EXPECT_EQ(path.back(), Vec2(6, 2));
    EXPECT_EQ(path.size(), 5u);

    TileDef* raised = makeTileDef(2);
    for (int y = 0; y < 20; ++y)
        setFloor(10, y, raised);
    path.clear();
    EXPECT_FALSE(pather->findPathNow(Vec2(15, 2), Vec2(2, 2), 0, path));
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(pather->getPool().freeCount(), pather->getPool().totalCount()) << "every node went back to the pool";
}

TEST_F(PatherTest, SynchronousSearchLeavesASuspendedQueuedSearchAlone)
{
    makeMap(200, 200);
    TileDef* wall = makeTileDef(3);
    for (int y = 0; y < 199; ++y)
        setFloor(100, y, wall);
    RecordingMob mob;
    Pather* pather = Pather::getInstance();
    pather->getQueue(2).push_back(makeRequest(mob, Vec2(90, 10), Vec2(110, 10)));
    pather->update();
    ASSERT_EQ(mob.answers, 0);
    std::vector<Vec2> path;
    EXPECT_TRUE(pather->findPathNow(Vec2(5, 5), Vec2(1, 1), 0, path));
    runUntilAnswered({&mob});
    EXPECT_TRUE(mob.answeredGoal);
    EXPECT_EQ(mob.cells.back(), Vec2(110, 10));
}

TEST_F(PatherTest, RequesterBlockedCellsAreAvoidedAndClearedByTheAnswer)
{
    RecordingMob mob;
    mob.cell = Vec2(2, 2);
    mob.blockedCells.push_back(Vec2(3, 2));
    mob.findPath(Vec2(4, 2), true);
    EXPECT_TRUE(mob.waitingForPath);
    runUntilAnswered({&mob});
    ASSERT_TRUE(mob.answeredGoal);
    EXPECT_EQ(std::find(mob.cells.begin(), mob.cells.end(), Vec2(3, 2)), mob.cells.end());
    EXPECT_TRUE(mob.blockedCells.empty());
    EXPECT_FALSE(mob.waitingForPath);
    // The walking path holds the cell centres after the start cell.
    ASSERT_EQ(mob.path.size(), mob.cells.size() - 1);
    EXPECT_EQ(mob.path.back().point, Vec2(4 * 32 + 16, 2 * 32 + 16));
}

TEST_F(PatherTest, SynchronousFindPathAnswersWhetherAWayExists)
{
    RecordingMob mob;
    mob.cell = Vec2(2, 2);
    EXPECT_TRUE(mob.findPath(Vec2(5, 2), false));
    EXPECT_FALSE(mob.findPath(Vec2(2, 2), false)) << "a path of one cell is no way to walk";
    EXPECT_FALSE(mob.findPath(Vec2(50, 2), false)) << "off the map";
}

TEST(PathNodePool, DoublesWhenItRunsDry)
{
    PathNodePool pool;
    EXPECT_EQ(pool.totalCount(), 2048u);
    std::vector<PathNode*> taken;
    for (int i = 0; i < 2049; ++i)
        taken.push_back(pool.take());
    EXPECT_EQ(pool.totalCount(), 4096u);
    EXPECT_EQ(taken.back()->parent, nullptr);
    EXPECT_EQ(taken.back()->state, PathNode::Fresh);
}
