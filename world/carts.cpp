// The cart list and its creation from the cart table.
#include "world/carts.h"

#include "platform/dump_format.h"
#include "platform/random.h"
#include "world/level_tables.h"

namespace world {

std::vector<carts> CartList;

void CreateCart(int leftLimit, int rightLimit, int floorY, int startX, int speed) {
    carts cart;
    cart.xmin = leftLimit;
    cart.xmax = rightLimit - 16;
    cart.ypos = floorY - 32;
    cart.xpos = startX;
    cart.speed = speed;
    // The order of the two draws decides every later random number.
    cart.frame = platform::RandomInt(0, 4);
    cart.framedelay = platform::RandomInt(0, 4);
    CartList.push_back(cart);
}

void LoadCarts() {
    CartList.clear();
    for (int i = 0; i < CartCount; ++i) {
        const int* r = &CartTable[5 * i];
        CreateCart(r[0], r[1], r[2], r[3], r[4]);
    }
}

namespace {

platform::DumpFields CartFields(const carts& c) {
    using platform::DumpNumber;
    return {{"xmin", DumpNumber(c.xmin)},   {"xmax", DumpNumber(c.xmax)},
            {"xpos", DumpNumber(c.xpos)},   {"ypos", DumpNumber(c.ypos)},
            {"speed", DumpNumber(c.speed)}, {"frame", DumpNumber(c.frame)},
            {"framedelay", DumpNumber(c.framedelay)}, {"ManInside", DumpNumber(c.ManInside)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("carts", CartList, CartFields);
    platform::RegisterReset([] { CartList.clear(); });
});

}  // namespace
}  // namespace world
