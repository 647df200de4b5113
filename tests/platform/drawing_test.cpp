// Images on the headless back end: transparency, draw state, ellipses and
// pixel-exact collisions, with small pictures registered by the test.
#include <gtest/gtest.h>

#include <memory>

#include "assets/registry.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/state_registry.h"

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kGrey = 0xFF808080u;

// A 4 by 2 sheet of two 2 by 2 frames: frame 0 all black, frame 1 a white
// top row over a black bottom row.
std::vector<std::uint8_t> SheetPng() {
    platform::Pixels p{4, 2, {kBlack, kBlack, kWhite, kWhite, kBlack, kBlack, kBlack, kBlack}};
    std::vector<std::uint8_t> png;
    platform::EncodePngRgb(p, png);
    return png;
}

// A solid 3 by 3 picture.
std::vector<std::uint8_t> SolidPng(std::uint32_t colour) {
    platform::Pixels p{3, 3, std::vector<std::uint32_t>(9, colour)};
    std::vector<std::uint8_t> png;
    platform::EncodePngRgb(p, png);
    return png;
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetAllState();
        assets::Register("test\\sheet.png", sheet_);
        assets::Register("test\\grey.png", grey_);
        auto backend = std::make_unique<platform::HeadlessBackend>(platform::HeadlessConfig{});
        headless_ = backend.get();
        platform::InstallBackend(std::move(backend));
        platform::OpenScreen(16, 16, false, 60);
        platform::SelectBlend(platform::BlendMode::Alpha);
        sheet = platform::LoadFrames("test\\sheet.png", 2, 2, 0, 2);
        platform::LoadPicture("test\\grey.png");
        platform::ClearScreen();
    }
    void TearDown() override {
        platform::InstallBackend(nullptr);
        assets::ClearRegistry();
    }
    std::uint32_t PixelAt(int x, int y) { return headless_->Capture().At(x, y); }

    std::vector<std::uint8_t> sheet_ = SheetPng(), grey_ = SolidPng(kGrey);
    platform::HeadlessBackend* headless_ = nullptr;
    platform::Image sheet;
};

TEST_F(DrawingTest, PureBlackIsTransparentAndFramesAnchorTopLeft) {
    platform::DrawFrame("test\\grey.png", 0, 0, 0);
    platform::DrawFrame(sheet, 1, 1, 1);
    EXPECT_EQ(PixelAt(1, 1), kWhite);
    EXPECT_EQ(PixelAt(2, 1), kWhite);
    EXPECT_EQ(PixelAt(1, 2), kGrey) << "the black row must leave the grey below";
    EXPECT_EQ(PixelAt(0, 0), kGrey);
    platform::DrawFrame(sheet, 0, 0, 0);  // all black: nothing visible
    EXPECT_EQ(PixelAt(0, 0), kGrey);
}

TEST_F(DrawingTest, TintAndOpacityFollowTheDrawState) {
    platform::SetDrawColour(255, 0, 0);
    platform::DrawFrame(sheet, 0, 0, 1);
    EXPECT_EQ(PixelAt(0, 0), kRed);
    platform::SetDrawColour(255, 255, 255);
    platform::DrawFrame("test\\grey.png", 4, 0, 0);
    platform::SetDrawAlpha(0.25);
    platform::DrawFrame(sheet, 4, 0, 1);  // a quarter of white over grey
    std::uint32_t mixed = PixelAt(4, 0) & 0xFF;
    EXPECT_NEAR(static_cast<int>(mixed), 0x80 + (0xFF - 0x80) / 4, 2);
}

TEST_F(DrawingTest, MaskedModeDrawsNothingBelowHalfOpacity) {
    platform::SelectBlend(platform::BlendMode::Masked);
    platform::SetDrawAlpha(0.4);
    platform::DrawFrame(sheet, 0, 0, 1);
    EXPECT_EQ(PixelAt(0, 0), kBlack);
    platform::SetDrawAlpha(0.6);
    platform::DrawFrame(sheet, 0, 0, 1);
    EXPECT_EQ(PixelAt(0, 0), kWhite);
}

TEST_F(DrawingTest, LightAddsAndShadeMultipliesWhereTheFrameIsOpaqueOnly) {
    struct BlendCase {
        platform::BlendMode mode;
        std::uint32_t overWhiteRow, overBlackRow;
    };
    // Frame 1 of the sheet: a white row over a transparent black row, drawn over grey.
    const BlendCase cases[] = {{platform::BlendMode::Light, kWhite, kGrey},
                               {platform::BlendMode::Shade, kGrey, kGrey},
                               {platform::BlendMode::Solid, kWhite, kBlack}};
    for (const auto& c : cases) {
        platform::SelectBlend(platform::BlendMode::Alpha);
        platform::DrawFrame("test\\grey.png", 0, 0, 0);
        platform::SelectBlend(c.mode);
        platform::DrawFrame(sheet, 0, 0, 1);
        EXPECT_EQ(PixelAt(0, 0), c.overWhiteRow) << "blend mode " << static_cast<int>(c.mode);
        EXPECT_EQ(PixelAt(0, 1), c.overBlackRow) << "blend mode " << static_cast<int>(c.mode);
    }
}

TEST_F(DrawingTest, OpeningTheScreenAgainResetsTheDrawState) {
    platform::SetDrawColour(255, 0, 0);
    platform::SetDrawAlpha(0.25);
    platform::OpenScreen(16, 16, true, 60);  // the options menu's display switch
    platform::ClearScreen();
    platform::DrawFrame(sheet, 0, 0, 1);
    EXPECT_EQ(PixelAt(0, 0), kWhite) << "white tint and full opacity again";
    platform::SetDrawAlpha(0.25);
    platform::DrawFrame(sheet, 2, 0, 1);
    EXPECT_EQ(PixelAt(2, 0), kBlack) << "masked mode until the game selects alpha blending";
}

TEST_F(DrawingTest, FramesAreClippedAtTheEdgesAndMissingFramesDrawNothing) {
    platform::DrawFrame(sheet, -1, 0, 1);  // the left half lies off the surface
    platform::DrawFrame(sheet, 15, 15, 1);
    platform::DrawFrame(sheet, 4, 4, 2);
    platform::DrawFrame("test\\missing.png", 4, 4, 0);
    EXPECT_EQ(PixelAt(0, 0), kWhite);
    EXPECT_EQ(PixelAt(1, 0), kBlack);
    EXPECT_EQ(PixelAt(15, 15), kWhite);
    EXPECT_EQ(PixelAt(4, 4), kBlack);
}

TEST_F(DrawingTest, EllipseFillsTheInscribedShapeWithTint) {
    platform::SetDrawColour(255, 0, 0);
    platform::DrawEllipse(2, 2, 12, 8);
    EXPECT_EQ(PixelAt(8, 6), kRed);
    EXPECT_EQ(PixelAt(2, 6), kRed);
    EXPECT_EQ(PixelAt(2, 2), kBlack) << "the box's corner lies outside the ellipse";
    EXPECT_EQ(PixelAt(8, 10), kBlack) << "below the box";
}

struct CollideCase {
    int xa, ya, frameA, xb, yb, frameB;
    bool collide;
};

TEST_F(DrawingTest, FramesCollideOnOpaquePixelsOnly) {
    const CollideCase cases[] = {
        {0, 0, 1, 1, 0, 1, true},   // white rows overlap at x 1
        {0, 0, 1, 0, 1, 1, false},  // B's white row lies over A's black row
        {0, 0, 0, 0, 0, 1, false},  // A is all black
        {0, 0, 1, 2, 0, 1, false},  // boxes only touch
        {0, 0, 1, 0, 0, 5, false},  // B has no frame 5
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::FramesCollide(sheet, c.xa, c.ya, c.frameA, sheet, c.xb, c.yb, c.frameB),
                  c.collide)
            << "A frame " << c.frameA << " at " << c.xa << "," << c.ya << "; B frame " << c.frameB << " at "
            << c.xb << "," << c.yb;
    EXPECT_TRUE(platform::FramesCollide("test\\grey.png", 0, 0, 0, "test\\sheet.png", -1, 0, 1));
    EXPECT_FALSE(platform::FramesCollide("test\\grey.png", 0, 0, 0, "test\\sheet.png", -2, 0, 1));
}

TEST_F(DrawingTest, FontTextIsDrawnWithTheFontPicture) {
    auto font = SolidPng(kWhite);  // a 3 by 3 sheet stands in: frame 0 is "0"
    assets::Register("gfx\\font.png", font);
    platform::LoadFrames("gfx\\font.png", 3, 3, 0, 1);
    platform::DrawFontText("0 0", 1, 0, 4);
    EXPECT_EQ(PixelAt(4, 0), kWhite);
    EXPECT_EQ(PixelAt(8, 0), kBlack);
    EXPECT_EQ(PixelAt(12, 0), kWhite);
}

}  // namespace
