// The elf list and the arrival of new elves.
#include "actors/elves.h"

#include "actors/effects.h"
#include "platform/dump_format.h"
#include "platform/random.h"
#include "world/level_tables.h"
#include "world/view.h"

namespace actors {

std::vector<elfs> ElfList;

namespace {

// With respawn 1, new elves appear only where the player cannot see them.
bool OnHiddenHalf(int x) { return world::ScreenHalf == 0 ? x > 1024 : x < 1024; }

}  // namespace

void SpawnElves(int count, int respawn) {
    for (int n = 0; n < count; ++n) {
        int x, y;
        do {
            const int r = platform::RandomInt(1, world::ElfSpawnCount);
            x = world::ElfSpawnTable[2 * (r - 1)];
            y = world::ElfSpawnTable[2 * (r - 1) + 1];
        } while (respawn == 1 && !OnHiddenHalf(x));
        elfs elf;
        elf.Xpos = x;
        elf.Ypos = y;
        elf.frame = platform::RandomInt(0, 3);
        elf.framedelay = platform::RandomInt(0, 4);
        elf.ModeCounts = platform::RandomInt(10, 20);
        elf.moves.assign(1, platform::RandomInt(1, 100) < 50 ? '<' : '>');
        ElfList.push_back(elf);
        SpawnPoof(x, y, 0);
    }
}

namespace {

platform::DumpFields ElfFields(const elfs& e) {
    using platform::DumpNumber;
    return {{"Xpos", DumpNumber(e.Xpos)},
            {"Ypos", DumpNumber(e.Ypos)},
            {"xstartblock", DumpNumber(e.xstartblock)},
            {"ystartblock", DumpNumber(e.ystartblock)},
            {"xtarget", DumpNumber(e.xtarget)},
            {"ytarget", DumpNumber(e.ytarget)},
            {"dir", DumpNumber(e.dir)},
            {"moves", e.moves},
            {"dims", e.dims},
            {"autorun", DumpNumber(e.autorun)},
            {"xmin", DumpNumber(e.xmin)},
            {"xmax", DumpNumber(e.xmax)},
            {"speed", DumpNumber(e.speed)},
            {"frame", DumpNumber(e.frame)},
            {"framedelay", DumpNumber(e.framedelay)},
            {"Stunned", DumpNumber(e.Stunned)},
            {"Mode", DumpNumber(e.Mode)},
            {"ModeCounts", DumpNumber(e.ModeCounts)},
            {"StuckAtSameCoordsCounter", DumpNumber(e.StuckAtSameCoordsCounter)},
            {"XposOld", DumpNumber(e.XposOld)},
            {"YposOld", DumpNumber(e.YposOld)},
            {"RailCheck", DumpNumber(e.RailCheck)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("elfs", ElfList, ElfFields);
    platform::RegisterReset([] { ElfList.clear(); });
});

}  // namespace
}  // namespace actors
