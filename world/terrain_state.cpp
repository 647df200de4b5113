// The terrain's process-wide state.
#include "world/terrain_state.h"

#include "platform/state_registry.h"

namespace world {

platform::Mask GroundMask;
platform::Mask WalkMask;
platform::Mask EnemyMask;

std::uint32_t groundKey0 = 0;
std::uint32_t groundKey3 = 0;
std::uint32_t groundKey4 = 0;
std::uint32_t walkKey1 = 0;
std::uint32_t walkKey2 = 0;
std::uint32_t walkKey3 = 0;
std::uint32_t walkKey5 = 0;
std::uint32_t walkKey6 = 0;
std::uint32_t enemyKey0 = 0;
std::uint32_t enemyKey1 = 0;
std::uint32_t enemyKey2 = 0;

void ResetTerrain() {
    GroundMask = {};
    WalkMask = {};
    EnemyMask = {};
    for (std::uint32_t* key : {&groundKey0, &groundKey3, &groundKey4, &walkKey1, &walkKey2, &walkKey3,
                               &walkKey5, &walkKey6, &enemyKey0, &enemyKey1, &enemyKey2})
        *key = 0;
}

const platform::StateRegistration kRegistration([] { platform::RegisterReset(ResetTerrain); });

}  // namespace world
