// The menu screens' shared drawing.
#include "shell/menu_drawing.h"

#include <array>

#include "assets/asset_names.h"
#include "platform/platform.h"

namespace shell {
namespace {

constexpr std::array<Rgb, 7> kTextColours{{
    {255, 255, 255},  // white
    {0, 255, 255},    // cyan
    {255, 0, 255},    // magenta
    {255, 255, 0},    // yellow
    {0, 255, 0},      // green
    {223, 152, 59},   // orange
    {64, 255, 192},   // aquamarine
}};

constexpr double kLineStep = 1.25;  // rows of 20 pixels: 25 pixels
constexpr int kTextAdvance = 16;

}  // namespace

void DrawMenuBackground(bool withHeader) {
    platform::ClearScreen();
    platform::DrawFrame(assets::kMenuGenericPicture, 0, 0, 0);
    if (withHeader) DrawHeading(3);
}

void DrawHeading(int frame) { platform::DrawFrame(assets::kMenuHeadersSheet, 64, 48, frame); }

bool TextColour(int code, Rgb& colour) {
    if (code < 0 || code >= static_cast<int>(kTextColours.size())) return false;
    colour = kTextColours[code];
    return true;
}

void DrawTextBlock(std::span<const TextLine> block, double column, double row) {
    // The first line is drawn even if it were the end mark.
    for (std::size_t i = 0; i < block.size(); ++i) {
        Rgb colour;
        if (TextColour(block[i].colour, colour))
            platform::SetDrawColour(colour.red, colour.green, colour.blue);
        platform::DrawFontText(block[i].text, column, row, kTextAdvance);
        row += kLineStep;
        if (i + 1 < block.size() && block[i + 1].text == kBlockEnd) break;
    }
    platform::SetDrawColour(255, 255, 255);
}

bool PointerOver(const assets::Box& box) {
    return platform::RectsOverlap(platform::PointerX(), platform::PointerY(), kPointerSize, kPointerSize,
                                  box.x, box.y, box.width, box.height);
}

bool MenuButtonClicked() {
    const assets::MenuButton& button = assets::kMenuButton;
    platform::DrawFrame(button.picture, button.x, button.y, assets::kMenuButtonUnlitFrame);
    const bool clicked = platform::PointerClicks(1) != 0;
    if (!PointerOver(button.pointerBox)) return false;
    platform::DrawFrame(button.picture, button.x, button.y, button.frame);
    return clicked;
}

}  // namespace shell
