// What the game relies on inside the pictures: the frames it draws are there,
// sprites have no transparent holes, and the special frames are exact.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "assets/palette.h"
#include "tests/art/art_fixture.h"

namespace {

using arttest::FrameOf;
using arttest::kBlack;

int FramesOf(const assets::AssetInfo& a) { return a.kind == assets::Kind::Frames ? a.frames : 1; }

int OpaqueCount(const arttest::Frame& f) {
    int n = 0;
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) n += f.At(x, y) != kBlack;
    return n;
}

// Black pixels not reachable from the cell's border through black: holes
// the background would show through inside a sprite.
int EnclosedBlack(const arttest::Frame& f) {
    std::vector<char> seen(static_cast<std::size_t>(f.w) * f.h, 0);
    std::vector<std::pair<int, int>> stack;
    for (int x = 0; x < f.w; ++x) stack.push_back({x, 0}), stack.push_back({x, f.h - 1});
    for (int y = 0; y < f.h; ++y) stack.push_back({0, y}), stack.push_back({f.w - 1, y});
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        if (x < 0 || y < 0 || x >= f.w || y >= f.h || seen[y * f.w + x] || f.At(x, y) != kBlack) continue;
        seen[y * f.w + x] = 1;
        stack.push_back({x + 1, y}), stack.push_back({x - 1, y}), stack.push_back({x, y + 1}),
            stack.push_back({x, y - 1});
    }
    int holes = 0;
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) holes += f.At(x, y) == kBlack && !seen[y * f.w + x];
    return holes;
}

struct Exemption {
    std::string_view name;
    std::set<int> frames;  // empty: the whole picture
};

// Frames the game never draws, or draws as intended emptiness.
const std::vector<Exemption> kMayBeEmpty{{"gfx\\font.png", {79}}, {"gfx\\wall.png", {0}}};
// Pictures whose transparent insides are meant: letters' counters, rings.
const std::vector<Exemption> kMayHaveHoles{{"gfx\\font.png", {}},
                                           {"gfx\\menuheaders_v2.png", {}},
                                           {"gfx\\menuoptionsframe.png", {}},
                                           {"gfx\\items.png", {0}},
                                           {"gfx\\bman.png", {10}}};

bool Exempt(const std::vector<Exemption>& list, std::string_view name, int frame) {
    for (const Exemption& e : list)
        if (e.name == name && (e.frames.empty() || e.frames.count(frame))) return true;
    return false;
}

TEST(ArtFrames, EveryFrameTheGameDrawsHasOpaquePixels) {
    for (const auto& a : assets::AssetTable()) {
        if (a.source != assets::Source::Art) continue;
        for (int f = 0; f < FramesOf(a); ++f) {
            if (!Exempt(kMayBeEmpty, a.name, f)) {
                EXPECT_GT(OpaqueCount(FrameOf(a.name, f)), 0) << a.name << " frame " << f;
            }
        }
    }
}

TEST(ArtFrames, SpritesHaveNoTransparentHoles) {
    for (const auto& a : assets::AssetTable()) {
        if (a.source != assets::Source::Art) continue;
        for (int f = 0; f < FramesOf(a); ++f) {
            if (!Exempt(kMayHaveHoles, a.name, f)) {
                EXPECT_EQ(EnclosedBlack(FrameOf(a.name, f)), 0)
                    << a.name << " frame " << f << ": black pixels inside";
            }
        }
    }
}

TEST(ArtFrames, BackdropsAndTheirCutOutsAreFullyOpaque) {
    for (std::string_view name :
         {"gfx\\mainmenu.png", "gfx\\menugeneric.png", "gfx\\menulamps.png", "gfx\\menuface_anim.png"}) {
        const assets::AssetInfo& a = *assets::FindAsset(name);
        for (int f = 0; f < FramesOf(a); ++f) {
            auto frame = FrameOf(name, f);
            EXPECT_EQ(OpaqueCount(frame), frame.w * frame.h) << name << " frame " << f;
        }
    }
}

// The game draws the lantern at (141, 73) and the face at (175, 313) over the
// backdrop; their first frames must be exactly what the backdrop shows there.
TEST(ArtFrames, MenuLanternAndFaceLineUpWithTheBackdrop) {
    struct Overlay {
        std::string_view name;
        int x, y;
    };
    const auto& backdrop = arttest::PictureOf("gfx\\mainmenu.png");
    for (Overlay o : {Overlay{"gfx\\menulamps.png", 141, 73}, Overlay{"gfx\\menuface_anim.png", 175, 313}}) {
        auto frame = FrameOf(o.name, 0);
        int differing = 0;
        for (int y = 0; y < frame.h; ++y)
            for (int x = 0; x < frame.w; ++x) differing += frame.At(x, y) != backdrop.At(o.x + x, o.y + y);
        EXPECT_EQ(differing, 0) << o.name;
        // And the other frames do change something (flicker, blink).
        auto other = FrameOf(o.name, 1);
        int changed = 0;
        for (int y = 0; y < frame.h; ++y)
            for (int x = 0; x < frame.w; ++x) changed += other.At(x, y) != frame.At(x, y);
        EXPECT_GT(changed, 0) << o.name;
    }
}

TEST(ArtFrames, ItemFrameZeroIsTheOnePixelWhiteOutlineOfItsCell) {
    auto f = FrameOf("gfx\\items.png", 0);
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
            bool edge = x == 0 || y == 0 || x == f.w - 1 || y == f.h - 1;
            ASSERT_EQ(f.At(x, y), edge ? 0xFFFFFFFFu : kBlack) << "at " << x << "," << y;
        }
}

TEST(ArtFrames, HeroFillerFramesAreSolidMagenta) {
    for (int frame : {15, 29, 34}) {
        auto f = FrameOf("gfx\\bman.png", frame);
        for (int y = 0; y < f.h; ++y)
            for (int x = 0; x < f.w; ++x)
                ASSERT_EQ(f.At(x, y), 0xFFFF00FFu) << "frame " << frame << " at " << x << "," << y;
    }
}

TEST(ArtFrames, HeroFrameTenIsACheckerOfDarkGreyAndBlack) {
    auto f = FrameOf("gfx\\bman.png", 10);
    ASSERT_EQ(f.w, 64);
    ASSERT_EQ(f.h, 64);
    std::uint32_t grey = f.At(0, 0) == kBlack ? f.At(1, 0) : f.At(0, 0);
    int r = grey >> 16 & 0xFF, g = grey >> 8 & 0xFF, b = grey & 0xFF;
    EXPECT_TRUE(r == g && g == b && r > 0 && r < 0x80) << std::hex << grey << " is not a dark grey";
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
            std::uint32_t expected = (x + y) % 2 == (f.At(0, 0) == kBlack ? 0 : 1) ? kBlack : grey;
            ASSERT_EQ(f.At(x, y), expected) << "at " << x << "," << y;
        }
}

// The game multiplies glyphs by a tint; only bright glyphs show a cyan or a
// magenta tint well.
TEST(ArtFrames, FontGlyphsAreBrightAndLeaveTheNinthRowEmpty) {
    const assets::AssetInfo& a = *assets::FindAsset("gfx\\font.png");
    for (int f = 0; f < 79; ++f) {
        auto frame = FrameOf(a.name, f);
        int brightest = 0;
        for (int y = 0; y < frame.h; ++y)
            for (int x = 0; x < frame.w; ++x) {
                std::uint32_t p = frame.At(x, y);
                brightest = std::max(
                    brightest, static_cast<int>(std::min({p >> 16 & 0xFFu, p >> 8 & 0xFFu, p & 0xFFu})));
            }
        EXPECT_GE(brightest, 0x80) << "glyph " << f;
    }
    int columns = a.width / a.cellWidth;
    for (int f = a.frames; f < columns * (a.height / a.cellHeight); ++f)
        EXPECT_EQ(OpaqueCount(FrameOf(a.name, f)), 0) << "cell " << f;
    EXPECT_EQ(OpaqueCount(FrameOf(a.name, 79)), 0) << "the space";
}

// The pick-up test collides the hero's standing picture with the item
// outline, so standing over an item must touch the outline.
TEST(ArtFrames, StandingHeroTouchesTheOutlineOfAnItemAtHisFeet) {
    auto overlap = [](const arttest::Frame& a, int ax, int ay, const arttest::Frame& b, int bx, int by) {
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x) {
                int u = ax + x - bx, v = ay + y - by;
                if (u < 0 || v < 0 || u >= b.w || v >= b.h) continue;
                if (a.At(x, y) != kBlack && b.At(u, v) != kBlack) return true;
            }
        return false;
    };
    auto outline = FrameOf("gfx\\items.png", 0);
    for (int standing : {0, 5}) {
        auto hero = FrameOf("gfx\\bman.png", standing);
        for (int dx : {4, 16, 28})
            EXPECT_TRUE(overlap(hero, 0, 0, outline, dx, 32)) << "frame " << standing << " item at +" << dx;
    }
}

}  // namespace
