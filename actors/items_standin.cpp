// Stand-in until the item rules are built (replaced by that work): items are
// counted and drawn where they lie; the fire actions do nothing.
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "world/view.h"

namespace actors {

void UpdateItems() {
    PackagesLeft = 0;
    for (const items& item : ItemList) {
        if (item.whichtype == 1) ++PackagesLeft;
        platform::DrawFrame(assets::kItemsSheet, item.x - 1024 * world::ScreenHalf, item.y - 8, item.whichtype);
    }
}

void DrawWheelbarrow() {
    platform::DrawFrame(assets::kWheelbarrowSheet, BarrowX - 1024 * world::ScreenHalf, BarrowY, 0);
}

void LeaveAxeAtHandle() {}
void ToggleBarrowHandles() {}
void UseCarried() {}
void PickUp() {}
void LandWallBlow() {}

}  // namespace actors
