// The generated pictures as files: every one written, same bytes on every
// run, the table's size and layout, 8-bit RGB without alpha.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "assets/asset_table.h"
#include "generators/art/artgen.h"
#include "generators/art/contact.h"
#include "tests/art/art_fixture.h"

namespace arttest {

const platform::Pixels& PictureOf(std::string_view name) {
    static const std::map<std::string_view, platform::Pixels> set = [] {
        std::map<std::string_view, platform::Pixels> m;
        for (art::Picture& p : art::PaintArtSet()) m.emplace(p.name, std::move(p.pixels));
        return m;
    }();
    return set.at(name);
}

Frame FrameOf(std::string_view name, int f) {
    const assets::AssetInfo& a = *assets::FindAsset(name);
    const platform::Pixels& p = PictureOf(name);
    int cw = a.kind == assets::Kind::Frames ? a.cellWidth : a.width;
    int ch = a.kind == assets::Kind::Frames ? a.cellHeight : a.height;
    int columns = a.width / cw;
    return {&p, f % columns * cw, f / columns * ch, cw, ch};
}

}  // namespace arttest

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

fs::path RunGenerator(const std::string& tag) {
    fs::path dir = fs::temp_directory_path() / ("snatchkin_art_" + tag + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    std::string command = ARTGEN_TOOL;
    command.append(" ").append(dir.string());
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return dir;
}

std::vector<const assets::AssetInfo*> ArtEntries() {
    std::vector<const assets::AssetInfo*> out;
    for (const auto& a : assets::AssetTable())
        if (a.source == assets::Source::Art) out.push_back(&a);
    return out;
}

TEST(ArtSet, TwoRunsOfTheGeneratorWriteIdenticalFiles) {
    fs::path first = RunGenerator("a"), second = RunGenerator("b");
    for (const assets::AssetInfo* a : ArtEntries()) {
        auto one = ReadFile(first / assets::FilePathOf(a->name)),
             two = ReadFile(second / assets::FilePathOf(a->name));
        ASSERT_FALSE(one.empty()) << a->name << " was not written";
        EXPECT_EQ(one, two) << a->name << " differs between runs";
    }
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(ArtSet, EveryFileHasTheTableSizeAndIsEightBitRgbWithoutAlpha) {
    fs::path dir = RunGenerator("layout");
    for (const assets::AssetInfo* a : ArtEntries()) {
        auto bytes = ReadFile(dir / assets::FilePathOf(a->name));
        ASSERT_GT(bytes.size(), 33u) << a->name;
        // IHDR: width and height big-endian at 16 and 20, bit depth at 24, colour type at 25.
        auto be32 = [&](int at) {
            return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        };
        EXPECT_EQ(be32(16), a->width) << a->name;
        EXPECT_EQ(be32(20), a->height) << a->name;
        EXPECT_EQ(bytes[24], 8) << a->name << ": bit depth";
        EXPECT_EQ(bytes[25], 2) << a->name << ": colour type (2 is RGB, no alpha)";
        platform::Pixels decoded;
        ASSERT_TRUE(platform::DecodePng(bytes, decoded)) << a->name;
        EXPECT_EQ(decoded.argb, arttest::PictureOf(a->name).argb)
            << a->name << ": file differs from the painting";
        if (a->kind == assets::Kind::Frames) {
            EXPECT_EQ(a->width % a->cellWidth, 0) << a->name;
            EXPECT_EQ(a->height % a->cellHeight, 0) << a->name;
            EXPECT_GE((a->width / a->cellWidth) * (a->height / a->cellHeight), a->frames) << a->name;
        }
    }
    fs::remove_all(dir);
}

TEST(ArtSet, ContactSheetShowsEveryFrameEnlarged) {
    const assets::AssetInfo& info = *assets::FindAsset("gfx\\items.png");
    platform::Pixels sheet = art::ContactSheet(arttest::PictureOf(info.name), info);
    // Frame 0 is a white ring: its enlarged top edge must appear as a white run
    // of at least the cell's width.
    int longest = 0;
    for (int y = 0; y < sheet.height; ++y) {
        int run = 0;
        for (int x = 0; x < sheet.width; ++x) {
            run = (sheet.At(x, y) | 0xFF000000u) == 0xFFFFFFFFu ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_GE(longest, 2 * info.cellWidth);
    EXPECT_GT(sheet.width, info.width);
}

}  // namespace
