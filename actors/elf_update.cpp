// The elves' movement pass and the rail check, with the removals and the
// replacements on the hidden half that both make.
#include <cstddef>
#include <cstdint>

#include "actors/effects.h"
#include "actors/elf_step.h"
#include "actors/elves.h"
#include "actors/junction_network.h"
#include "assets/asset_names.h"
#include "services/sound_effects.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace actors {
namespace {

constexpr int kStuckLimit = 10;    // unstunned frames over its life that an elf may end without moving
constexpr int kOffPathLimit = 30;  // frames it may end off the paths

enum class Outcome { Stays, LeftThePaths, Stuck };

// One elf's frame: its step, the decision at a junction, and the stuck count.
// A stunned elf stands; a vertical step off the paths ends the elf.
Outcome MoveElf(elfs& elf) {
    if (elf.Stunned == 0) {
        const ElfStep step = StepElf(elf);
        const std::uint32_t pixel = world::EnemyPixel(elf.Xpos, elf.Ypos);
        if (step == ElfStep::Vertical && pixel == world::enemyKey2) return Outcome::LeftThePaths;
        if (step != ElfStep::None && pixel == world::enemyKey0)
            elf.moves = ChooseJunctionDirection(elf.Xpos, elf.Ypos);
        if (step == ElfStep::Horizontal) elf.dims = lastJunctionRoute;
    }
    // The count is never reset: motionless frames add up over the elf's whole life.
    if (elf.Xpos == elf.XposOld && elf.Ypos == elf.YposOld) {
        if (elf.Stunned == 0) ++elf.StuckAtSameCoordsCounter;
        if (elf.StuckAtSameCoordsCounter == kStuckLimit) return Outcome::Stuck;
    }
    if (elf.Stunned == 0) {
        elf.XposOld = elf.Xpos;
        elf.YposOld = elf.Ypos;
    }
    return Outcome::Stays;
}

void VanishInPoof(std::size_t index) {
    const elfs& elf = ElfList[index];
    services::PlayEffect(assets::PlayName(assets::kDropAxeSound));
    SpawnPoof(elf.Xpos, elf.Ypos, 1);
    ElfList.erase(ElfList.begin() + static_cast<std::ptrdiff_t>(index));
}

void TeleportAway(std::size_t index) {
    const elfs& elf = ElfList[index];
    services::PlayEffect(assets::PlayName(assets::kTeleportSound));
    SpawnParticleBurst(elf.Xpos, elf.Ypos, 2);
    ElfList.erase(ElfList.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace

void UpdateElves() {
    int replacements = 0;
    for (std::size_t i = 0; i < ElfList.size();) {
        const Outcome outcome = MoveElf(ElfList[i]);
        if (outcome == Outcome::Stays) {
            ++i;
            continue;
        }
        if (outcome == Outcome::LeftThePaths) VanishInPoof(i);
        if (outcome == Outcome::Stuck) TeleportAway(i);
        ++replacements;
    }
    if (replacements > 0) SpawnElves(replacements, 1);
}

void CheckElfRails() {
    for (std::size_t i = 0; i < ElfList.size();) {
        elfs& elf = ElfList[i];
        // Being back on a path does not lower the count.
        if (world::EnemyPixel(elf.Xpos, elf.Ypos) == world::enemyKey2) ++elf.RailCheck;
        if (elf.RailCheck <= kOffPathLimit) {
            ++i;
            continue;
        }
        TeleportAway(i);
        SpawnElves(1, 1);
    }
}

}  // namespace actors
