// The options menu's switches.
#include "shell/menu_tables.h"

#include <array>

#include "services/settings_values.h"

namespace shell {
namespace {

const std::array<OptionsSwitch, 5> kOptionsSwitches{{
    {&services::FullScreen, 1},
    {&services::FullScreen, 0},
    {&services::SoundOn, 1},
    {&services::MusicOn, 1},
    {nullptr, 0},
}};
static_assert(kOptionsSwitches.size() == assets::kOptionRows.size());

}  // namespace

std::span<const OptionsSwitch> OptionsSwitches() { return kOptionsSwitches; }

}  // namespace shell
