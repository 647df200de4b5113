// SDL stays inside the platform layer (and the sound layer's device file).
#include <gtest/gtest.h>

#include "tests/shell/source_includes.h"

namespace {

TEST(SdlConfinement, OnlyThePlatformLayerAndTheAudioDeviceIncludeSdl) {
    int scanned = 0;
    const auto includes = testing_support::IncludesOfTree(SNATCHKIN_SOURCE_DIR, scanned);
    std::vector<std::string> offenders;
    for (const auto& inc : includes) {
        if (!inc.target.starts_with("SDL")) continue;
        if (inc.file.starts_with("platform/") || inc.file == "services/audio/sdl_audio_device.cpp") continue;
        offenders.push_back(inc.file + ":" + std::to_string(inc.line) + ": " + inc.target);
    }
    EXPECT_GT(scanned, 20) << "the source tree was not found at " << SNATCHKIN_SOURCE_DIR;
    EXPECT_TRUE(offenders.empty()) << "SDL included outside the platform layer:\n"
                                   << ::testing::PrintToString(offenders);
}

TEST(SdlConfinement, IncludeLinesAreReadAsTheCompilerReadsThem) {
    using testing_support::ParseInclude;
    EXPECT_EQ(ParseInclude("#include <SDL.h>")->target, "SDL.h");
    EXPECT_TRUE(ParseInclude("  #  include\t\"SDL_audio.h\"")->target == "SDL_audio.h");
    EXPECT_FALSE(ParseInclude("  #  include\t\"SDL_audio.h\"")->angled);
    EXPECT_EQ(ParseInclude("// #include <SDL.h>"), std::nullopt);
    EXPECT_EQ(ParseInclude("#define include <SDL.h>"), std::nullopt);
}

}  // namespace
