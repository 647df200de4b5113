// Stand-in until the effects are built (replaced by that work): effects vanish
// at once.
#include "actors/effects.h"

namespace actors {

void UpdateParticles() { ParticleList.clear(); }
void UpdatePoofs() { PoofList.clear(); }

}  // namespace actors
