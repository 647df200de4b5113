// A prepared game for unit tests of the play: every registered state reset,
// then the real start-up steps (assets, masks, pictures, a headless screen,
// the sounds mixed in memory), so that operations can be called directly on
// the real maze.
#pragma once

#include <gtest/gtest.h>

namespace play_test {

// Resets everything and runs the start-up steps up to the main menu.
void StartUpForPlay();

class PlayFixture : public ::testing::Test {
protected:
    void SetUp() override { StartUpForPlay(); }
};

}  // namespace play_test
