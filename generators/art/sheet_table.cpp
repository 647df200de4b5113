// Which painter makes which picture.
#include <algorithm>
#include <array>
#include <utility>

#include "assets/asset_names.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

constexpr std::array<std::pair<std::string_view, Painter>, 28> kPainters{{
    {assets::kFontSheet, PaintFont},
    {assets::kItemsSheet, PaintItems},
    {assets::kHeroSheet, PaintHero},
    {assets::kElfSheet, PaintElf},
    {assets::kSantaCollisionPicture, PaintSantaShape},
    {assets::kPoofSheet, PaintPoofFragments},
    {assets::kPoofFullSheet, PaintPoofFull},
    {assets::kMinecartSheet, PaintMinecart},
    {assets::kMinecartInfoPicture, PaintMinecartInfo},
    {assets::kWheelbarrowSheet, PaintWheelbarrow},
    {assets::kLampsSheet, PaintLamps},
    {assets::kElevatorPicture, PaintLiftCage},
    {assets::kElevatorRopePicture, PaintLiftRope},
    {assets::kWallSheet, PaintWall},
    {assets::kOnlineButtonPicture, PaintOnlineButton},
    {assets::kMainMenuPicture, PaintMainMenu},
    {assets::kMenuOptionsPicture, PaintOptionsPanel},
    {assets::kMenuGenericPicture, PaintGenericBackdrop},
    {assets::kMenuOptionButtonsSheet, PaintTickAndCross},
    {assets::kMenuButtonsSheet, PaintMenuButtons},
    {assets::kMenuHeadersSheet, PaintHeadings},
    {assets::kMenuOptionsFramePicture, PaintOptionsFrame},
    {assets::kMenuLampsSheet, PaintMenuLamps},
    {assets::kMenuFaceSheet, PaintMenuFace},
    {assets::kMenuCloseButtonPicture, PaintCloseButton},
    {assets::kSelectDifficultyPicture, PaintDifficultyPanel},
    {assets::kEmptyDialogPicture, PaintEmptyDialog},
    {assets::kIconPicture, PaintIcon},
}};

}  // namespace

Painter PainterOf(std::string_view name) {
    auto it =
        std::find_if(kPainters.begin(), kPainters.end(), [&](const auto& p) { return p.first == name; });
    return it == kPainters.end() ? nullptr : it->second;
}

}  // namespace art
