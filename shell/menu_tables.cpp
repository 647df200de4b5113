// The main menu's item table and the options menu's row table.
#include "shell/menu_tables.h"

#include <array>

#include "services/settings_values.h"

namespace shell {
namespace {

constexpr std::array<MenuItem, 6> kMenuItems{{
    {"PLAY", {570, 560, 176, 60}, "gfx\\menubuttons_v2.png", 0, 567, 556},
    {"INFO", {791, 560, 176, 60}, "gfx\\menubuttons_v2.png", 1, 788, 556},
    {"OPTIONS", {570, 649, 176, 60}, "gfx\\menubuttons_v2.png", 2, 567, 646},
    {"CREDITS", {791, 649, 176, 60}, "gfx\\menubuttons_v2.png", 3, 788, 646},
    {"ONLINE SCORES", {585, 731, 377, 37}, "gfx\\OnlineButton.png", 0, 597, 720},
    {"close", {924, 478, 50, 50}, "gfx\\menu_close_bttn.png", 0, 928, 486},
}};

constexpr std::array<OptionsRow, 5> kOptionsRows{{
    {"FULLSCREEN", 162, 168, &services::FullScreen, 1},
    {"WINDOW", 231, 236, &services::FullScreen, 0},
    {"SOUND", 296, 302, &services::SoundOn, 1},
    {"MUSIC", 361, 367, &services::MusicOn, 1},
    {"REDEFINE KEYS", 439, 0, nullptr, 0},
}};

}  // namespace

std::span<const MenuItem> MainMenuItems() { return kMenuItems; }
std::span<const OptionsRow> OptionsRows() { return kOptionsRows; }

}  // namespace shell
