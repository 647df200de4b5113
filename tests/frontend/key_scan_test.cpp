// PollMenuKey's answers and WaitForAnyKey's wait, on the real key queries.
#include "services/key_scan.h"

#include <gtest/gtest.h>

#include <string>

#include "front_end_run.h"
#include "platform/platform.h"
#include "services/settings_values.h"

namespace {

using End = shell::HeadlessResult::End;
using frontend_test::RunScreen;
using frontend_test::ScreenRun;

TEST(PollMenuKey, AnswersByTheFirstTableKeyHit) {
    struct Case {
        std::string script;  // keys hit before the poll
        int fire;
        int result, lastKey;
    };
    const Case cases[] = {
        {"", 162, 0, 0},
        {"at 1 tap A\n", 162, 1, 65},
        {"at 1 tap LCtrl\n", 162, 2, 162},
        // A earlier in the table hides the fire key hit in the same frame.
        {"at 1 tap LCtrl\nat 1 tap A\n", 162, 1, 65},
        {"at 1 tap A\n", 65, 2, 65},
        {"at 1 tap 187\n", 162, 0, 0},  // not in the table
        // A fire key of 0 from an edited settings file: nothing hit stays nothing.
        {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        ScreenRun run;
        run.script = c.script;
        run.setup = [&] { services::KeyFire = c.fire; };
        run.screen = [] {
            platform::ShowFrame();
            services::PollMenuKey();
        };
        auto result = RunScreen(run);
        EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
        EXPECT_EQ(services::MenuKeyResult, c.result) << c.script << "fire " << c.fire;
        EXPECT_EQ(services::LastKey, c.lastKey) << c.script << "fire " << c.fire;
    }
}

TEST(WaitForAnyKey, WaitsPastKeysOutsideTheTable) {
    ScreenRun run;
    run.script = "idle tap 187\nidle tap 189\nidle tap F\n";
    run.screen = services::WaitForAnyKey;
    auto result = RunScreen(run);
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_EQ(services::LastKey, 70);

    run.script = "idle tap 187\n";
    EXPECT_EQ(RunScreen(run).end, End::Stalled) << "no table key: still waiting";
}

}  // namespace
