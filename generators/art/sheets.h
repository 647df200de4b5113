// One painter per picture of the art set. Each paints the whole picture,
// cut into the cells its table entry gives.
#pragma once

#include "assets/asset_table.h"
#include "generators/art/canvas.h"

namespace art {

using Painter = void (*)(Canvas& picture, const assets::AssetInfo& info);

// The painter of a registered name, or nullptr when the art set has none.
Painter PainterOf(std::string_view name);

void PaintFont(Canvas& c, const assets::AssetInfo& info);
void PaintItems(Canvas& c, const assets::AssetInfo& info);
void PaintHero(Canvas& c, const assets::AssetInfo& info);
void PaintElf(Canvas& c, const assets::AssetInfo& info);
void PaintSantaShape(Canvas& c, const assets::AssetInfo& info);
void PaintPoofFragments(Canvas& c, const assets::AssetInfo& info);
void PaintPoofFull(Canvas& c, const assets::AssetInfo& info);
void PaintMinecart(Canvas& c, const assets::AssetInfo& info);
void PaintMinecartInfo(Canvas& c, const assets::AssetInfo& info);
void PaintWheelbarrow(Canvas& c, const assets::AssetInfo& info);
void PaintLamps(Canvas& c, const assets::AssetInfo& info);
void PaintLiftCage(Canvas& c, const assets::AssetInfo& info);
void PaintLiftRope(Canvas& c, const assets::AssetInfo& info);
void PaintWall(Canvas& c, const assets::AssetInfo& info);
void PaintOnlineButton(Canvas& c, const assets::AssetInfo& info);
void PaintMainMenu(Canvas& c, const assets::AssetInfo& info);
void PaintOptionsPanel(Canvas& c, const assets::AssetInfo& info);
void PaintGenericBackdrop(Canvas& c, const assets::AssetInfo& info);
void PaintTickAndCross(Canvas& c, const assets::AssetInfo& info);
void PaintMenuButtons(Canvas& c, const assets::AssetInfo& info);
void PaintHeadings(Canvas& c, const assets::AssetInfo& info);
void PaintOptionsFrame(Canvas& c, const assets::AssetInfo& info);
void PaintMenuLamps(Canvas& c, const assets::AssetInfo& info);
void PaintMenuFace(Canvas& c, const assets::AssetInfo& info);
void PaintCloseButton(Canvas& c, const assets::AssetInfo& info);
void PaintDifficultyPanel(Canvas& c, const assets::AssetInfo& info);
void PaintEmptyDialog(Canvas& c, const assets::AssetInfo& info);
void PaintIcon(Canvas& c, const assets::AssetInfo& info);

}  // namespace art
