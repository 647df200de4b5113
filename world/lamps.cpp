// The wall lanterns.
#include "world/lamps.h"

#include "assets/asset_names.h"
#include "platform/dump_format.h"
#include "platform/platform.h"
#include "world/level_tables.h"
#include "world/view.h"

namespace world {

std::vector<lamps> LampList;

void CreateLamp(int x, int y) {
    lamps lamp;
    lamp.x = x;
    lamp.y = y;
    lamp.frame = platform::RandomInt(0, 3);
    lamp.framedelay = platform::RandomInt(0, 10);
    LampList.push_back(lamp);
}

void LoadLamps() {
    LampList.clear();
    for (int i = 0; i < LampCount; ++i) CreateLamp(LampTable[2 * i], LampTable[2 * i + 1]);
}

void UpdateLamps() {
    for (lamps& lamp : LampList) {
        platform::DrawFrame(assets::kLampsSheet, lamp.x - 1024 * ScreenHalf, lamp.y, lamp.frame);
        // The draw is taken every frame; only 7 in 20 of them move the timer on.
        if (platform::RandomInt(1, 20) < 8 && ++lamp.framedelay > 4) {
            lamp.framedelay = 0;
            lamp.frame = (lamp.frame + 1) % 4;
        }
    }
}

namespace {

platform::DumpFields LampFields(const lamps& l) {
    using platform::DumpNumber;
    return {{"x", DumpNumber(l.x)},
            {"y", DumpNumber(l.y)},
            {"frame", DumpNumber(l.frame)},
            {"framedelay", DumpNumber(l.framedelay)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("lamps", LampList, LampFields);
    platform::RegisterReset([] { LampList.clear(); });
});

}  // namespace
}  // namespace world
