// One pixel of an elf's walk along the paths of the enemy mask. The maze
// tests walk the drawn paths with this same step.
#pragma once

#include "actors/elves.h"

namespace actors {

enum class ElfStep { None, Horizontal, Vertical };

// Moves the elf one pixel the way its `moves` points and sets `dir`, keeping
// it inside the world. A horizontal step that lands off the paths follows a
// path pixel directly above or below it (both together cancel out); a step
// onto a path or junction pixel is never adjusted. Any other `moves` takes no
// step. Says which kind of step was taken.
ElfStep StepElf(elfs& elf);

}  // namespace actors
