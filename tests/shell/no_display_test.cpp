// The game started where no window can be shown says so and ends, instead of
// running unseen with no way to leave it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/temp_path.h"

namespace {

namespace fs = std::filesystem;

struct NoDisplayCase {
    const char* videoDriver;  // what SDL is made to use
    const char* why;
};

TEST(NoDisplay, TheGameEndsWithAMessageAndExitCode1) {
    const NoDisplayCase cases[] = {
        {"x11", "the display cannot be reached"},
        {"offscreen", "SDL's fallback makes windows nobody can see"},
    };
    fs::path dir = testing_support::TempPathForThisTest("no_display");
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& c : cases) {
        fs::path errors = dir / (std::string(c.videoDriver) + ".txt");
        // The time limit turns the old fault, a game running on unseen, into a failure.
        std::string command = "cd " + dir.string() + " && timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY " +
                              "SDL_VIDEODRIVER=" + c.videoDriver + " SDL_AUDIODRIVER=dummy " +
                              SNATCHKIN_GAME + " >/dev/null 2>" + errors.string();
        int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << c.why;
        EXPECT_EQ(WEXITSTATUS(status), 1) << c.why << " (124: the game ran on until the time limit)";
        std::ifstream in(errors);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(text.find("snatchkin: cannot open the game window"), std::string::npos)
            << c.why << ": " << text;
    }
    EXPECT_FALSE(fs::exists(dir / "settings.dat")) << "the game got as far as its menu";
    fs::remove_all(dir);
}

}  // namespace
