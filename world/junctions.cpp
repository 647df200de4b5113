// The junction list.
#include "world/junctions.h"

#include "platform/dump_format.h"
#include "world/level_tables.h"

namespace world {

std::vector<junctions> JunctionList;

void LoadJunctions() {
    JunctionList.clear();
    for (int i = 0; i < JunctionCount; ++i) {
        const int* r = &JunctionTable[5 * i];
        junctions j;
        j.xpixel = r[0];
        j.ypixel = r[1];
        j.id = r[2];
        j.xfrom = r[3];
        j.yfrom = r[4];
        JunctionList.push_back(j);
    }
}

namespace {

platform::DumpFields JunctionFields(const junctions& j) {
    using platform::DumpNumber;
    return {{"xpixel", DumpNumber(j.xpixel)}, {"ypixel", DumpNumber(j.ypixel)},
            {"xfrom", DumpNumber(j.xfrom)},   {"yfrom", DumpNumber(j.yfrom)},
            {"id", DumpNumber(j.id)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("junctions", JunctionList, JunctionFields);
    platform::RegisterReset([] { JunctionList.clear(); });
});

}  // namespace
}  // namespace world
