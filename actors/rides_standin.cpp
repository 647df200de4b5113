// Stand-in until lifts and minecarts move (replaced by that work): they are
// drawn where they stand.
#include "actors/cart_rides.h"
#include "actors/lift_rides.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "world/carts.h"
#include "world/lifts.h"
#include "world/view.h"

namespace actors {

void UpdateLifts() {
    if (world::ScreenHalf != 1) return;
    for (const world::lifts& lift : world::LiftList) platform::DrawFrame(assets::kElevatorPicture, lift.xpos - 1024, lift.ypos, 0);
}

void UpdateCarts() {
    for (const world::carts& cart : world::CartList)
        platform::DrawFrame(assets::kMinecartSheet, cart.xpos - 1024 * world::ScreenHalf, cart.ypos, cart.frame + cart.ManInside);
}

void ShowCartInfo() {}

}  // namespace actors
