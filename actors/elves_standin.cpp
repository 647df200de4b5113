// Stand-in until the elves and their network are built (replaced by that
// work): elves stand where they arrived.
#include "actors/elves.h"
#include "actors/junction_network.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "world/view.h"

namespace actors {

void LoadPathGrid() {}
std::string ChooseJunctionDirection(int, int) { return {}; }
void UpdateElves() {}

void DrawElvesOnly() {
    for (const elfs& elf : ElfList)
        platform::DrawFrame(assets::kElfSheet, elf.Xpos - 1024 * world::ScreenHalf, elf.Ypos, elf.frame + elf.dir);
}

void DrawElves() { DrawElvesOnly(); }
void CheckElfRails() {}

}  // namespace actors
