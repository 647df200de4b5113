// The three minecarts: their records, built from the cart table at every level
// set-up. Rolling, riding and hitting the hero are the actors' side
// (actors/cart_rides.h).
#pragma once

#include <vector>

namespace world {

struct carts {
    int xmin = 0;        // left turning point of xpos
    int xmax = 0;        // right turning point of xpos
    int xpos = 0;        // sprite's left edge, world pixels
    int ypos = 0;        // sprite's top edge
    int speed = 0;       // pixels per frame, +2 or -2
    int frame = 0;       // rolling animation step 0-4
    int framedelay = 0;  // animation timer
    int ManInside = 0;   // 0 empty, 5 while the hero rides (added to the frame)
};

extern std::vector<carts> CartList;

// Appends a cart rolling between leftLimit and rightLimit - 16 on the rails of
// floorY. Its animation starts at random: frame, then framedelay, each 0-4,
// drawn in that order.
void CreateCart(int leftLimit, int rightLimit, int floorY, int startX, int speed);

// Empties the list and creates every cart of the cart table.
void LoadCarts();

}  // namespace world
