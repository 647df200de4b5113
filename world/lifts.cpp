// The lift list and its creation from the lift table.
#include "world/lifts.h"

#include <string>

#include "platform/dump_format.h"
#include "world/level_tables.h"

namespace world {

std::vector<lifts> LiftList;

void CreateLift(int x, int topY, int bottomY, int stopCount, const int* stopValues, int id) {
    lifts lift;
    lift.xpos = x;
    lift.ymin = topY - 10;
    lift.ymax = bottomY - 10;
    lift.ypos = bottomY - 10;
    lift.stops = stopCount;
    for (int k = 1; k <= stopCount; ++k) lift.Ystops[k] = stopValues[k - 1] - 10;
    lift.StopPointer = stopCount;
    lift.dir = 1;
    lift.pause = 0;
    lift.center = x + 24;
    lift.id = id;
    LiftList.push_back(lift);
}

void LoadLifts() {
    LiftList.clear();
    std::size_t at = 0;
    for (int id = 1; id <= LiftCount; ++id) {
        const int* header = &LiftTable[at];
        const int stopCount = header[3];
        CreateLift(header[0], header[1], header[2], stopCount, header + 4, id);
        at += 4 + stopCount;
    }
}

namespace {

platform::DumpFields LiftFields(const lifts& l) {
    using platform::DumpNumber;
    std::string stops;
    for (int k = 0; k < 7; ++k) stops += (k ? "," : "") + DumpNumber(l.Ystops[k]);
    return {{"xpos", DumpNumber(l.xpos)},   {"ypos", DumpNumber(l.ypos)},
            {"ymin", DumpNumber(l.ymin)},   {"ymax", DumpNumber(l.ymax)},
            {"stops", DumpNumber(l.stops)}, {"Ystops", stops},
            {"StopPointer", DumpNumber(l.StopPointer)}, {"dir", DumpNumber(l.dir)},
            {"pause", DumpNumber(l.pause)}, {"center", DumpNumber(l.center)},
            {"id", DumpNumber(l.id)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("lifts", LiftList, LiftFields);
    platform::RegisterReset([] { LiftList.clear(); });
});

}  // namespace
}  // namespace world
