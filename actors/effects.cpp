// The effect lists and their creation.
#include "actors/effects.h"

#include "assets/asset_names.h"
#include "platform/dump_format.h"
#include "platform/random.h"
#include "services/sound_effects.h"

namespace actors {

std::vector<particles> ParticleList;
std::vector<poofs> PoofList;

void SpawnParticleBurst(int x, int y, int kind) {
    // A 5 by 5 grid of candidates, 1.5 apart; each is kept 76 times in 100.
    for (double i = 0; i <= 6; i += 1.5) {
        for (double j = 0; j <= 6; j += 1.5) {
            if (platform::RandomInt(1, 100) <= 24) continue;
            particles p;
            p.x = x + 4 * i;
            p.y = y + 4 * j;
            p.yadd = -4.0;
            p.pause = 30;
            p.typ = kind;
            // The three left columns drift left or not at all, the two right ones right.
            p.xadd = i < 4 ? -platform::RandomInt(0, 1) : platform::RandomInt(0, 1);
            p.segment = static_cast<int>(i + 7 * j);
            ParticleList.push_back(p);
        }
    }
}

void SpawnPoof(int x, int y, int withSound) {
    PoofList.push_back({x, y, 0, 0});
    SpawnParticleBurst(x + 16, y + 16, 0);
    if (withSound == 1) services::PlayEffect(assets::PlayName(assets::kPoofSound));
}

namespace {

platform::DumpFields ParticleFields(const particles& p) {
    using platform::DumpNumber;
    return {{"x", DumpNumber(p.x)},         {"y", DumpNumber(p.y)},
            {"xadd", DumpNumber(p.xadd)},   {"yadd", DumpNumber(p.yadd)},
            {"alpha", DumpNumber(p.alpha)}, {"segment", DumpNumber(p.segment)},
            {"pause", DumpNumber(p.pause)}, {"typ", DumpNumber(p.typ)}};
}

platform::DumpFields PoofFields(const poofs& p) {
    using platform::DumpNumber;
    return {{"x", DumpNumber(p.x)},
            {"y", DumpNumber(p.y)},
            {"frame", DumpNumber(p.frame)},
            {"framedelay", DumpNumber(p.framedelay)}};
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpObjects("particles", ParticleList, ParticleFields);
    platform::RegisterDumpObjects("poofs", PoofList, PoofFields);
    platform::RegisterReset([] {
        ParticleList.clear();
        PoofList.clear();
    });
});

}  // namespace
}  // namespace actors
