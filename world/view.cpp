// The view half and its start value.
#include "world/view.h"

#include "platform/state_registry.h"

namespace world {

int ScreenHalf = 0;

void ResetView() { ScreenHalf = 0; }

namespace {

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("ScreenHalf", ScreenHalf);
    platform::RegisterReset(ResetView);
});

}  // namespace
}  // namespace world
