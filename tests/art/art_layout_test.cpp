// Where the game draws each frame and what it expects to see there: which way
// a sprite faces, which frame is the empty wall or the resting barrow, and
// that highlights, ticks and headings land on the backdrop's own pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets/menu_layout.h"
#include "assets/palette.h"
#include "generators/art/glyphs.h"
#include "platform/font_text.h"
#include "tests/art/art_fixture.h"

namespace {

namespace pal = assets::palette;
using arttest::Frame;
using arttest::FrameOf;
using arttest::kBlack;

bool Opaque(const Frame& f, int x, int y) { return f.At(x, y) != kBlack; }

int OpaqueCount(const Frame& f) {
    int n = 0;
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) n += Opaque(f, x, y);
    return n;
}

// Pixels where the silhouette of one frame differs from the mirror image of
// another's, mirrored about the cell's middle and then shifted by dx.
int MirrorMismatch(const Frame& right, const Frame& left, int dx = 0) {
    int n = 0;
    for (int y = 0; y < right.h; ++y)
        for (int x = 0; x < right.w; ++x) {
            int m = right.w - 1 - x + dx;
            n += Opaque(right, x, y) != (m >= 0 && m < left.w && Opaque(left, m, y));
        }
    return n;
}

struct FacingPair {
    const char* sheet;
    int right, left, count;  // frames right .. right+count-1 face right, left .. face left
};

// Every pose that faces right has its left-facing twin at the frame the game
// draws for HeroDir 1 (or the elf's dir 4). Stars circle lying heads, so
// only the figure rows that carry none are compared.
const FacingPair kFacingPairs[] = {
    {"gfx\\bman.png", 0, 5, 5},   {"gfx\\bman.png", 11, 16, 4}, {"gfx\\bman.png", 25, 30, 4},
    {"gfx\\bman.png", 40, 45, 5}, {"gfx\\bman.png", 60, 65, 5}, {"gfx\\elf.png", 0, 4, 4},
};

TEST(ArtLayout, LeftFacingFramesMirrorTheRightFacingOnes) {
    for (const FacingPair& p : kFacingPairs)
        for (int i = 0; i < p.count; ++i) {
            Frame r = FrameOf(p.sheet, p.right + i), l = FrameOf(p.sheet, p.left + i);
            // Rounding of eyes and blades leaves a few stray pixels; a pose
            // facing the wrong way, or shifted by a pixel, leaves far more.
            int mirrored = MirrorMismatch(r, l);
            EXPECT_LT(mirrored * 16, OpaqueCount(r))
                << p.sheet << " frames " << p.right + i << ", " << p.left + i;
            EXPECT_LT(mirrored * 3, std::min(MirrorMismatch(r, l, -1), MirrorMismatch(r, l, 1)))
                << p.sheet << " frames " << p.right + i << ", " << p.left + i << " are mirrored off-centre";
        }
}

// The hero's long nose and cap brim jut out in front: in the top rows of a
// right-facing walking frame the figure reaches further right of his middle
// (x 32, where the game probes) than left of it.
TEST(ArtLayout, WalkingHeroFacesTheWayHisRowSays) {
    for (int f : {0, 1, 2, 3, 25, 26, 27, 28}) {
        Frame frame = FrameOf("gfx\\bman.png", f);
        int top = 0;
        while (top < frame.h && [&] {
            for (int x = 0; x < frame.w; ++x)
                if (Opaque(frame, x, top)) return false;
            return true;
        }())
            ++top;
        int left = frame.w, right = -1;
        for (int y = top; y < top + 16; ++y)
            for (int x = 0; x < frame.w; ++x)
                if (Opaque(frame, x, y)) left = std::min(left, x), right = std::max(right, x);
        EXPECT_GT(right - 32, 32 - left) << "frame " << f << " head spans " << left << ".." << right;
    }
}

TEST(ArtLayout, WallFrameZeroIsEmptyAndEachFrameHoldsMoreWall) {
    EXPECT_EQ(OpaqueCount(FrameOf("gfx\\wall.png", 0)), 0);
    for (int f = 1; f < 5; ++f)
        EXPECT_LT(OpaqueCount(FrameOf("gfx\\wall.png", f)), OpaqueCount(FrameOf("gfx\\wall.png", f + 1)))
            << "frame " << f;
    // The whole wall reaches the top of its cell and stands on the floor.
    Frame whole = FrameOf("gfx\\wall.png", 5);
    for (int row : {0, whole.h - 1}) {
        int n = 0;
        for (int x = 0; x < whole.w; ++x) n += Opaque(whole, x, row);
        EXPECT_GT(n, whole.w / 2) << "row " << row;
    }
}

// Frame 0 stands on its leg; frames 1-4 are lifted, so only the wheel meets
// the floor, and they differ only where the wheel turns.
TEST(ArtLayout, WheelbarrowRestsOnItsLegAndTurnsOnlyItsWheelWhenLifted) {
    auto floorLeftHalf = [](const Frame& f) {
        int n = 0;
        for (int x = 0; x < f.w / 2; ++x) n += Opaque(f, x, f.h - 1);
        return n;
    };
    EXPECT_GT(floorLeftHalf(FrameOf("gfx\\wheelbrw.png", 0)), 0);
    Frame first = FrameOf("gfx\\wheelbrw.png", 1);
    for (int f = 1; f <= 4; ++f) {
        Frame frame = FrameOf("gfx\\wheelbrw.png", f);
        EXPECT_EQ(floorLeftHalf(frame), 0) << "frame " << f;
        int outsideWheel = 0, insideWheel = 0;
        for (int y = 0; y < frame.h; ++y)
            for (int x = 0; x < frame.w; ++x) {
                bool wheel = x >= 42 && y >= 48;
                (wheel ? insideWheel : outsideWheel) += frame.At(x, y) != first.At(x, y);
            }
        EXPECT_EQ(outsideWheel, 0) << "frame " << f;
        if (f > 1) {
            EXPECT_GT(insideWheel, 0) << "frame " << f << " shows the wheel as frame 1 does";
        }
    }
}

// Frames 5-9 are frames 0-4 with the hero sitting in the tub.
TEST(ArtLayout, RiddenMinecartIsTheEmptyCartWithTheHeroAboveTheRim) {
    for (int f = 0; f < 5; ++f) {
        Frame empty = FrameOf("gfx\\minecart.png", f), ridden = FrameOf("gfx\\minecart.png", f + 5);
        int below = 0, above = 0;
        for (int y = 0; y < empty.h; ++y)
            for (int x = 0; x < empty.w; ++x) {
                if (y >= 34) below += empty.At(x, y) != ridden.At(x, y);
                if (y < 32) above += Opaque(ridden, x, y) && !Opaque(empty, x, y);
            }
        EXPECT_EQ(below, 0) << "frame " << f + 5;
        EXPECT_GT(above, 200) << "frame " << f + 5;
    }
}

// The lift carries the hero with his feet at the cage's top + 62.
TEST(ArtLayout, LiftCageFloorIsRowSixtyTwo) {
    const auto& cage = arttest::PictureOf("gfx\\elevator.png");
    for (int x = 0; x < cage.width; ++x) EXPECT_NE(cage.At(x, 62), kBlack) << "x " << x;
}

struct Placed {
    const char* name;
    int frame, x, y;  // where the game draws it on the screen
};

struct Box {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // inclusive
    void Add(int x, int y) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
};

// Each button's face is ringed with ink (a lit one also has a gold halo
// outside it). The face of every highlight, where the game draws it, must lie
// exactly on the backdrop's unlit button: the same ring in the same place.
TEST(ArtLayout, MainMenuHighlightsCoverTheBackdropsOwnButtons) {
    const auto& backdrop = arttest::PictureOf("gfx\\mainmenu.png");
    struct Highlight {
        Placed at;
        assets::Box face;  // where the highlight's face must lie on screen
        bool onBackdrop;   // the main menu's backdrop shows the button unlit
    };
    std::vector<Highlight> highlights;
    for (const assets::MenuButton& b : assets::kMainMenuButtons)
        highlights.push_back({{b.picture.data(), b.frame, b.x, b.y}, b.face, true});
    const assets::MenuButton& menu = assets::kMenuButton;
    for (int frame : {assets::kMenuButtonUnlitFrame, menu.frame})
        highlights.push_back({{menu.picture.data(), frame, menu.x, menu.y}, menu.face, false});
    for (const Highlight& h : highlights) {
        Frame lit = FrameOf(h.at.name, h.at.frame);
        // The ring: ink pixels on the face's outer edge, reached from outside
        // the face box through no other ink.
        Box ring;
        int moved = 0, count = 0;
        for (int y = 0; y < lit.h; ++y)
            for (int x = 0; x < lit.w; ++x) {
                if (lit.At(x, y) != pal::Ink) continue;
                auto outside = [&](int u, int v) {
                    if (u < 0 || v < 0 || u >= lit.w || v >= lit.h) return true;
                    std::uint32_t p = lit.At(u, v);
                    return p == kBlack || p == pal::GoldLight || p == pal::GoldDark;
                };
                if (!outside(x - 1, y) && !outside(x + 1, y) && !outside(x, y - 1) && !outside(x, y + 1))
                    continue;
                ring.Add(h.at.x + x, h.at.y + y);
                ++count;
                moved += h.onBackdrop && backdrop.At(h.at.x + x, h.at.y + y) != pal::Ink;
            }
        std::string what = std::string(h.at.name) + " frame " + std::to_string(h.at.frame);
        EXPECT_GT(count, h.face.width + h.face.height) << what;
        EXPECT_EQ(moved, 0) << what;
        EXPECT_EQ(ring.x0, h.face.x) << what;
        EXPECT_EQ(ring.y0, h.face.y) << what;
        EXPECT_EQ(ring.x1, h.face.x + h.face.width - 1) << what;
        EXPECT_EQ(ring.y1, h.face.y + h.face.height - 1) << what;
    }
}

using assets::kOutlineX, assets::kTickX;
constexpr int kPanelX = assets::kOptionsX, kPanelY = assets::kOptionsY;

// The tick and the cross are centred on the panel's empty box and stay
// clear of the row's highlight outline.
TEST(ArtLayout, TicksAndCrossesFallInTheOptionRowsBoxes) {
    const auto& panel = arttest::PictureOf("gfx\\menuoptions.png");
    Frame outline = FrameOf("gfx\\menuoptionsframe.png", 0);
    for (int mark = 0; mark < 2; ++mark) {
        Frame tick = FrameOf("gfx\\MenuOptionButtons.png", mark);
        Box drawn;
        for (int y = 0; y < tick.h; ++y)
            for (int x = 0; x < tick.w; ++x)
                if (Opaque(tick, x, y)) drawn.Add(x, y);
        int cx = (drawn.x0 + drawn.x1) / 2, cy = (drawn.y0 + drawn.y1) / 2;
        for (const assets::OptionRow& row : assets::kOptionRows) {
            if (row.tickY == 0) continue;  // REDEFINE KEYS has no tick box
            int onOutline = 0, notBox = 0;
            for (int y = 0; y < tick.h; ++y)
                for (int x = 0; x < tick.w; ++x)
                    if (Opaque(tick, x, y))
                        onOutline += Opaque(outline, kTickX + x - kOutlineX, row.tickY + y - row.outlineY);
            // The middle of the mark lies on the box's dark fill.
            for (int y = cy - 10; y < cy + 10; ++y)
                for (int x = cx - 10; x < cx + 10; ++x)
                    notBox += panel.At(kTickX + x - kPanelX, row.tickY + y - kPanelY) != pal::NightDeep;
            EXPECT_EQ(onOutline, 0) << "mark " << mark << " at tick y " << row.tickY;
            EXPECT_EQ(notBox, 0) << "mark " << mark << " at tick y " << row.tickY;
        }
    }
}

// When REDEFINE KEYS is lit its heading is drawn over the panel's own label,
// which it must hide completely.
TEST(ArtLayout, RedefineKeysHeadingCoversThePanelsLabel) {
    const auto& panel = arttest::PictureOf("gfx\\menuoptions.png");
    Frame heading = FrameOf("gfx\\menuheaders_v2.png", 3);
    const std::uint32_t kLabel[] = {pal::Parchment, pal::Straw, pal::WoodLight, pal::WoodDark};
    int label = 0, uncovered = 0;
    const int rowY = assets::kOptionRows[assets::kRowRedefineKeys].outlineY;
    for (int y = rowY; y < rowY + 71; ++y)
        for (int x = kOutlineX; x < kOutlineX + 415; ++x) {
            std::uint32_t p = panel.At(x - kPanelX, y - kPanelY);
            if (std::find(std::begin(kLabel), std::end(kLabel), p) == std::end(kLabel)) continue;
            ++label;
            int hx = x - assets::kHeadingOverX, hy = y - assets::kHeadingOverY;
            bool inside = hx >= 0 && hy >= 0 && hx < heading.w && hy < heading.h;
            uncovered += !inside || !Opaque(heading, hx, hy);
        }
    EXPECT_GT(label, 200);
    EXPECT_EQ(uncovered, 0);
}

// The difficulty panel leaves clear the line where the game writes
// "> NORMAL <" (ten letters of 16 by 20 at panel position 148, 106).
TEST(ArtLayout, DifficultyPanelLeavesTheChoiceLineClear) {
    const auto& panel = arttest::PictureOf("gfx\\SelectDifficulty.png");
    const std::uint32_t kLettering[] = {pal::White, pal::Snow, pal::SnowShadow, pal::GoldLight, pal::Gold};
    int lettering = 0;
    for (int y = 106; y < 126; ++y)
        for (int x = 148; x < 148 + 160; ++x)
            lettering += std::find(std::begin(kLettering), std::end(kLettering), panel.At(x, y)) !=
                         std::end(kLettering);
    EXPECT_EQ(lettering, 0);
}

// DrawFontText looks a character up in its own copy of the set; the sheet
// must hold each glyph at the frame the game draws for it.
TEST(ArtLayout, FontSheetHoldsEachCharacterAtTheFrameTheGameDraws) {
    for (std::size_t i = 0; i + 1 < art::kCharacterSet.size(); ++i) {
        std::string text(1, art::kCharacterSet[i]);
        EXPECT_EQ(platform::FontGlyphs(text, 0, 0, 16),
                  (std::vector<platform::Glyph>{{static_cast<int>(i), 0, 0}}))
            << "'" << text << "'";
    }
    EXPECT_TRUE(platform::FontGlyphs(" ", 0, 0, 16).empty());
    EXPECT_EQ(art::kCharacterSet.back(), ' ');
}

}  // namespace
