// The snatchkin-headless program: options in, PNG and dump files out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/png_codec.h"
#include "tests/temp_path.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int RunTool(const std::string& arguments) {
    std::string command = SNATCHKIN_HEADLESS;
    command.append(" ").append(arguments).append(" 2>/dev/null");
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HeadlessTool, WritesTheFirstFrameAndTheDump) {
    fs::path dir = testing_support::TempPathForThisTest("headless_tool");
    fs::remove_all(dir);
    fs::create_directories(dir / "game");
    std::ofstream(dir / "script.txt")
        << "# leave the main menu: Escape asks, Y answers\nat 2 tap Escape\nat 3 tap Y\n";
    std::string paths = " --script " + (dir / "script.txt").string() + " --dir " + (dir / "game").string() +
                        " --capture 0-1 --capture-dir " + dir.string() + " --dump " +
                        (dir / "dump.txt").string();
    ASSERT_EQ(RunTool("--seed 7" + paths), 0);

    auto png = ReadAll(dir / "frame-000000.png");
    platform::Pixels first;
    ASSERT_TRUE(platform::DecodePng({reinterpret_cast<const std::uint8_t*>(png.data()), png.size()}, first));
    EXPECT_EQ(first.width, 1024);
    EXPECT_TRUE(fs::exists(dir / "frame-000001.png"));
    EXPECT_FALSE(fs::exists(dir / "frame-000002.png"));
    std::string dump = ReadAll(dir / "dump.txt");
    EXPECT_NE(dump.find("GameVersion=1.1\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Score=0\n"), std::string::npos) << dump;

    // A range past the frame limit keeps to the frames the run shows.
    fs::create_directories(dir / "limited");
    EXPECT_EQ(RunTool("--frames 5 --capture 4-2000000000 --capture-dir " + (dir / "limited").string() +
                      " --dump " + (dir / "limit.txt").string()),
              0);
    EXPECT_TRUE(fs::exists(dir / "limited" / "frame-000004.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "limited"), fs::directory_iterator()), 1);
    EXPECT_EQ(RunTool("--frames x"), 2);
    EXPECT_EQ(RunTool("--bogus 1"), 2);
    fs::remove_all(dir);
}

}  // namespace
