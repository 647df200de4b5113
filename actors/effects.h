// Particle bursts and smoke poofs: pure decoration that marks events in the
// world. Nothing in the game reads them back.
#pragma once

#include <vector>

namespace actors {

struct particles {
    double x = 0, y = 0;  // fragment's top-left corner, world pixels
    double xadd = 0;      // horizontal drift step: -1, 0 or 1
    double yadd = 0;      // vertical speed, starting at -4.0 (upwards)
    double alpha = 0;     // no rule reads or changes it
    int segment = 0;      // frame of the fragment picture
    int pause = 0;        // frames left before it may vanish
    int typ = 0;          // tint: 0 none, 1 brown, 2 red, 3 yellow
};

struct poofs {
    int x = 0, y = 0;    // top-left corner of the 64 by 64 cloud
    int frame = 0;       // 0-4
    int framedelay = 0;  // frames shown of the current frame
};

extern std::vector<particles> ParticleList;
extern std::vector<poofs> PoofList;

// Up to 25 fragments over 28 by 28 pixels from (x, y); kind is the tint.
void SpawnParticleBurst(int x, int y, int kind);

// A cloud at (x, y) with a white burst inside it; withSound 1 plays "Poof".
void SpawnPoof(int x, int y, int withSound);

// Once per frame each: move, draw and remove.
void UpdateParticles();
void UpdatePoofs();

}  // namespace actors
