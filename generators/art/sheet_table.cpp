// Which painter makes which picture.
#include <algorithm>
#include <array>
#include <utility>

#include "generators/art/sheets.h"

namespace art {
namespace {

constexpr std::array<std::pair<std::string_view, Painter>, 28> kPainters{{
    {"gfx\\font.png", PaintFont},
    {"gfx\\items.png", PaintItems},
    {"gfx\\bman.png", PaintHero},
    {"gfx\\elf.png", PaintElf},
    {"gfx\\SantaCollision.png", PaintSantaShape},
    {"gfx\\poof.png", PaintPoofFragments},
    {"gfx\\PoofFull.png", PaintPoofFull},
    {"gfx\\minecart.png", PaintMinecart},
    {"gfx\\minecartinfo.png", PaintMinecartInfo},
    {"gfx\\wheelbrw.png", PaintWheelbarrow},
    {"gfx\\lamps.png", PaintLamps},
    {"gfx\\elevator.png", PaintLiftCage},
    {"gfx\\elevator_rope.png", PaintLiftRope},
    {"gfx\\wall.png", PaintWall},
    {"gfx\\OnlineButton.png", PaintOnlineButton},
    {"gfx\\mainmenu.png", PaintMainMenu},
    {"gfx\\menuoptions.png", PaintOptionsPanel},
    {"gfx\\menugeneric.png", PaintGenericBackdrop},
    {"gfx\\MenuOptionButtons.png", PaintTickAndCross},
    {"gfx\\menubuttons_v2.png", PaintMenuButtons},
    {"gfx\\menuheaders_v2.png", PaintHeadings},
    {"gfx\\menuoptionsframe.png", PaintOptionsFrame},
    {"gfx\\menulamps.png", PaintMenuLamps},
    {"gfx\\menuface_anim.png", PaintMenuFace},
    {"gfx\\menu_close_bttn.png", PaintCloseButton},
    {"gfx\\SelectDifficulty.png", PaintDifficultyPanel},
    {"gfx\\emptydialog.png", PaintEmptyDialog},
    {"gfx\\icon.png", PaintIcon},
}};

}  // namespace

Painter PainterOf(std::string_view name) {
    auto it =
        std::find_if(kPainters.begin(), kPainters.end(), [&](const auto& p) { return p.first == name; });
    return it == kPainters.end() ? nullptr : it->second;
}

}  // namespace art
