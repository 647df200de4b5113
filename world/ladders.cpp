// The ladder list.
#include "world/ladders.h"

#include "platform/dump_format.h"
#include "world/level_tables.h"

namespace world {

std::vector<ladders> LadderList;

void CreateLadder(int x, int y, int w, int h) { LadderList.push_back({x, y, w, h}); }

void LoadLadders() {
    LadderList.clear();
    const int count = LadderTable[0];
    for (int i = 0; i < count; ++i) {
        const int* r = &LadderTable[1 + 4 * i];
        CreateLadder(r[0], r[1], r[2], r[3]);
    }
}

namespace {

platform::DumpFields LadderFields(const ladders& l) {
    using platform::DumpNumber;
    return {{"x", DumpNumber(l.x)}, {"y", DumpNumber(l.y)}, {"w", DumpNumber(l.w)}, {"h", DumpNumber(l.h)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("ladders", LadderList, LadderFields);
    platform::RegisterReset([] { LadderList.clear(); });
});

}  // namespace
}  // namespace world
