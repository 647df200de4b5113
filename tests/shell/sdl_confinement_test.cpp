// SDL stays inside the platform layer (and the sound layer's device file).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

namespace fs = std::filesystem;

TEST(SdlConfinement, OnlyThePlatformLayerAndTheAudioDeviceIncludeSdl) {
    const fs::path root = SNATCHKIN_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*[<"]SDL)");
    std::vector<std::string> offenders;
    int scanned = 0;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        fs::path rel = fs::relative(it->path(), root);
        std::string first = rel.begin()->string();
        if (it->is_directory() && (first.starts_with("build") || first.starts_with("."))) {
            it.disable_recursion_pending();
            continue;
        }
        auto ext = it->path().extension();
        if (!it->is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".hpp" && ext != ".cc"))
            continue;
        ++scanned;
        std::string relText = rel.generic_string();
        if (relText.starts_with("platform/") || relText == "services/audio/sdl_audio_device.cpp") continue;
        std::ifstream in(it->path());
        for (std::string line; std::getline(in, line);)
            if (std::regex_search(line, include)) offenders.push_back(relText + ": " + line);
    }
    EXPECT_GT(scanned, 20) << "the source tree was not found at " << root;
    EXPECT_TRUE(offenders.empty()) << "SDL included outside the platform layer:\n"
                                   << ::testing::PrintToString(offenders);
}

}  // namespace
