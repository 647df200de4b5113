// Building a level: a fresh one for a new game or the next level, or the
// moving parts again after a lost life.
#pragma once

namespace actors {

// full 1: new game or next level (items laid out anew, wall restored);
// full 0: after a lost life (items, wheelbarrow and wall stay as they were).
void SetupLevel(int full);

}  // namespace actors
