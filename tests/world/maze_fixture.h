// Loads the shipped masks once for every maze test, and reads the tables.
#pragma once

#include <gtest/gtest.h>

#include <vector>

namespace mazetest {

class MazeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
};

struct Rect {
    int x, y, w, h;
};

// Boxes overlap when they share a pixel or touch at an edge.
bool RectsOverlap(Rect a, Rect b);

Rect Ladder(int index);  // 0-17

struct Junction {
    int x, y, cellX, cellY;
};
std::vector<Junction> Junctions();

struct Item {
    int x, y, type;
};
std::vector<Item> Layout(int layout);  // 1-4

struct Lift {
    int x;
    std::vector<int> ypos;  // the cage's top at each stop, top first
};
std::vector<Lift> Lifts();

struct Cart {
    int xmin, xmax, ypos;
};
std::vector<Cart> Carts();

}  // namespace mazetest
