// The lifts in motion: climbing through their stops, running back down, and
// carrying the hero who stands on a cage's floor.
#pragma once

namespace actors {

// Once per frame: moves, pauses and draws every lift and carries the hero.
void UpdateLifts();

}  // namespace actors
