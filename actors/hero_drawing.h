// The hero's pictures and the state changes tied to drawing them: the turn on
// a lift, the handle phases, dropping into a minecart, the dying pose, falling.
#pragma once

namespace actors {

// mode 0 normal play, 1 the dying pose, 2 falling.
void DrawHero(int mode);

}  // namespace actors
