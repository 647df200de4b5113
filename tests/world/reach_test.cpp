// Can every item be reached and carried to the wheelbarrow, and the
// wheelbarrow pushed out? A search over the hero's positions with his real
// walking, climbing and re-seating probes and the lifts waiting at their
// stops. Handles and carts are left out: no part of the maze needs them.
// The storeroom behind the breakable wall opens only to an axe, so the
// searches for items run with the wall down, and the wall has its own test.
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "tests/world/hero_steps.h"
#include "tests/world/maze_fixture.h"
#include "world/level_tables.h"

namespace mazetest {
namespace {

int Key(Hero h) { return (h.y + 128) * 4096 + h.x; }
Hero FromKey(int k) { return {k % 4096, k / 4096 - 128}; }

// Every position reachable from the sources at one speed, with its moves.
using Graph = std::unordered_map<int, std::vector<int>>;

Graph Explore(const std::vector<Hero>& sources, int speed, Limits limits) {
    static const std::vector<Lift> lifts = Lifts();
    Graph graph;
    std::deque<Hero> queue(sources.begin(), sources.end());
    for (Hero h : sources) graph.emplace(Key(h), std::vector<int>{});
    while (!queue.empty()) {
        Hero h = queue.front();
        queue.pop_front();
        std::vector<Hero> next;
        for (auto move : {WalkRight(h, speed, limits), WalkLeft(h, speed, limits), ClimbUp(h, speed),
                          ClimbDown(h, speed)})
            if (move) next.push_back(*move);
        // A lift carries him to each of its stops and centres him in the cage.
        if (auto lift = LiftUnder(h))
            for (int ypos : lifts[*lift].ypos) next.push_back({lifts[*lift].x - 8, ypos - 2});
        std::vector<int>& edges = graph[Key(h)];
        for (Hero n : next) {
            edges.push_back(Key(n));
            if (graph.emplace(Key(n), std::vector<int>{}).second) queue.push_back(n);
        }
    }
    return graph;
}

// The positions of the graph from which a target can be reached.
std::unordered_set<int> CanReach(const Graph& graph, const std::function<bool(Hero)>& target) {
    std::unordered_map<int, std::vector<int>> reverse;
    std::deque<int> queue;
    std::unordered_set<int> found;
    for (const auto& [from, edges] : graph) {
        for (int to : edges) reverse[to].push_back(from);
        if (target(FromKey(from)) && found.insert(from).second) queue.push_back(from);
    }
    while (!queue.empty()) {
        int k = queue.front();
        queue.pop_front();
        for (int from : reverse[k])
            if (found.insert(from).second) queue.push_back(from);
    }
    return found;
}

// His standing picture overlaps the item's cell (a body-sized box stands in for the picture).
bool CanPickUp(Hero h, const Item& it) {
    return RectsOverlap({h.x + 8, h.y, 48, 64}, {it.x, it.y, 32, 32}) &&
           RectsOverlap({h.x + 20, h.y + 4, 24, 60}, {it.x, it.y, 31, 31});
}

bool AtDelivery(Hero h, int barrowX) {
    int y = world::BarrowStartY;
    return h.y > y - 4 && h.y < y + 4 && h.x + 32 > barrowX + 16 && h.x + 32 < barrowX + 48;
}

class ReachTest : public MazeTest {
protected:
    static void SetUpTestSuite() {
        MazeTest::SetUpTestSuite();
        fromStart = new Graph(Explore({{84, 656}}, 3, WallDown));
        wallStanding = new Graph(Explore({{84, 656}}, 3, {}));
    }
    static void TearDownTestSuite() {
        delete fromStart;
        delete wallStanding;
    }
    static std::vector<Hero> PickUpPlaces(const Item& it, const Graph& graph = *fromStart) {
        std::vector<Hero> places;
        for (const auto& entry : graph)
            if (CanPickUp(FromKey(entry.first), it)) places.push_back(FromKey(entry.first));
        return places;
    }
    static constexpr Limits WallDown{2000, false};
    static Graph* fromStart;     // with the wall broken down
    static Graph* wallStanding;  // before it is
};
Graph* ReachTest::fromStart = nullptr;
Graph* ReachTest::wallStanding = nullptr;

// Behind the wall: the storeroom floor, between its partition and the wall.
bool InStoreroom(Hero h) { return h.y == 560 && h.x + 32 > 692 && h.x + 32 < 808; }

TEST_F(ReachTest, TheWallClosesTheStoreroomUntilAnAxeBreaksIt) {
    for (const auto& entry : *wallStanding)
        ASSERT_FALSE(InStoreroom(FromKey(entry.first)))
            << "(" << FromKey(entry.first).x << ", " << FromKey(entry.first).y << ") with the wall standing";
    bool opened = false;
    for (const auto& entry : *fromStart) opened |= InStoreroom(FromKey(entry.first));
    EXPECT_TRUE(opened) << "the storeroom is not reached even with the wall down";
    // In every layout an axe can be carried, at speed 2, to where he chops.
    for (int layout = 1; layout <= 4; ++layout) {
        std::vector<Hero> axes;
        for (const Item& it : Layout(layout))
            if (it.type == 3)
                for (Hero h : PickUpPlaces(it, *wallStanding)) axes.push_back(h);
        EXPECT_TRUE(Explore(axes, 2, {}).count(Key({823, 560}))) << "layout " << layout;
    }
}

TEST_F(ReachTest, EveryItemCanBeReachedFromTheStart) {
    for (int layout = 1; layout <= 4; ++layout) {
        auto items = Layout(layout);
        for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_FALSE(PickUpPlaces(items[i]).empty()) << "layout " << layout << " item " << i + 1;
    }
}

// Presents travel at speed 2, the big present at 1 (Normal) and both at 3 (Easy).
TEST_F(ReachTest, EveryPresentCanBeCarriedToTheWheelbarrow) {
    auto carriedAt = [](const Item& it, int speed) {
        return it.type != 3 && (speed == 3 || speed == 3 - it.type);
    };
    for (int speed : {1, 2, 3}) {
        std::vector<Hero> sources;
        for (int layout = 1; layout <= 4; ++layout)
            for (const Item& it : Layout(layout))
                if (carriedAt(it, speed))
                    for (Hero h : PickUpPlaces(it)) sources.push_back(h);
        Graph carrying = Explore(sources, speed, WallDown);
        for (int layout = 1; layout <= 4; ++layout) {
            int barrowX = world::BarrowStartX[layout - 1];
            auto home = CanReach(carrying, [&](Hero h) { return AtDelivery(h, barrowX); });
            auto items = Layout(layout);
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (!carriedAt(items[i], speed)) continue;
                bool delivered = false;
                for (Hero h : PickUpPlaces(items[i])) delivered |= home.count(Key(h)) > 0;
                EXPECT_TRUE(delivered) << "layout " << layout << " item " << i + 1 << " at speed " << speed;
            }
        }
    }
}

TEST_F(ReachTest, TheWheelbarrowCanBePushedOutAtTheRightEndOfTheTopFloor) {
    for (int layout = 1; layout <= 4; ++layout) {
        int barrowX = world::BarrowStartX[layout - 1];
        bool out = false;
        for (const auto& entry : *fromStart) {
            Hero h = FromKey(entry.first);
            if (out || !RectsOverlap({h.x + 28, h.y, 12, 64}, {barrowX, world::BarrowStartY, 10, 64}))
                continue;
            if (h.y != world::BarrowStartY) continue;
            // Pushing: walking only, with the limit raised once every present is in.
            for (auto next = WalkRight(h, 3, {2020, false}); next && !out;
                 next = WalkRight(*next, 3, {2020, false}))
                out = next->x > 2010;
        }
        EXPECT_TRUE(out) << "layout " << layout;
    }
}

}  // namespace
}  // namespace mazetest
