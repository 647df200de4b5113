// The minecarts in motion: rolling between their limits, carrying a riding
// hero, hitting him on contact, and the first-time panel on boarding.
#pragma once

namespace actors {

// Once per frame: moves, animates and draws every cart, carries a rider and
// kills the hero on contact.
void UpdateCarts();

// The panel explaining how to get out, shown at the first boarding of a game
// before the cart takes him in.
void ShowCartInfo();

}  // namespace actors
