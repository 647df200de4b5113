// Key and button bookkeeping: hits, held flags, ClearKeys and focus changes.
#include "platform/input_state.h"

#include <gtest/gtest.h>

namespace {

TEST(InputState, TwoPressesBetweenQueriesCountTwoThenZero) {
    platform::InputState in;
    for (int i = 0; i < 2; ++i) {
        in.KeyPressed(65, false);
        in.KeyReleased(65);
    }
    EXPECT_EQ(in.TakeHits(65), 2);
    EXPECT_EQ(in.TakeHits(65), 0);
}

TEST(InputState, AutoRepeatAddsNothing) {
    platform::InputState in;
    in.KeyPressed(37, false);
    for (int i = 0; i < 5; ++i) in.KeyPressed(37, true);
    EXPECT_EQ(in.TakeHits(37), 1);
    EXPECT_TRUE(in.IsDown(37));
    in.KeyReleased(37);
    EXPECT_FALSE(in.IsDown(37));
}

TEST(InputState, AfterClearKeysAHeldKeyIsUpUntilPressedAgain) {
    platform::InputState in;
    in.KeyPressed(162, false);
    in.ClearKeys();
    EXPECT_FALSE(in.IsDown(162));
    in.KeyPressed(162, true);  // the held key keeps repeating
    EXPECT_FALSE(in.IsDown(162));
    EXPECT_EQ(in.TakeHits(162), 0);
    in.KeyReleased(162);
    in.KeyPressed(162, false);
    EXPECT_TRUE(in.IsDown(162));
    EXPECT_EQ(in.TakeHits(162), 1);
}

TEST(InputState, ClearKeysAndFocusChangesAlsoClearButtons) {
    platform::InputState in;
    in.ButtonPressed(1);
    in.ClearKeys();
    EXPECT_EQ(in.TakeClicks(1), 0);
    in.KeyPressed(13, false);
    in.ButtonPressed(1);
    in.FocusChanged();
    EXPECT_FALSE(in.IsDown(13));
    EXPECT_EQ(in.TakeHits(13), 0);
    EXPECT_EQ(in.TakeClicks(1), 0);
}

TEST(InputState, CodesOutsideTheRangeAreNeverHeldNorHit) {
    platform::InputState in;
    for (int code : {-1, 256, 1000}) {
        in.KeyPressed(code, false);
        EXPECT_FALSE(in.IsDown(code)) << code;
        EXPECT_EQ(in.TakeHits(code), 0) << code;
    }
    for (int button : {0, 4}) {
        in.ButtonPressed(button);
        EXPECT_EQ(in.TakeClicks(button), 0) << button;
    }
}

TEST(InputState, ClicksAndCloseRequestAreClearedByTheirQuery) {
    platform::InputState in;
    in.ButtonPressed(1);
    in.ButtonPressed(1);
    in.ButtonPressed(2);
    EXPECT_EQ(in.TakeClicks(1), 2);
    EXPECT_EQ(in.TakeClicks(1), 0);
    EXPECT_EQ(in.TakeClicks(2), 1);
    in.CloseClicked();
    EXPECT_TRUE(in.TakeCloseRequest());
    EXPECT_FALSE(in.TakeCloseRequest());
}

}  // namespace
