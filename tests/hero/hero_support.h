// What the hero tests share: the hero placed as a level set-up places him, the
// screen as a picture, which hero frame a picture shows, and headless runs of
// hero-only play frames with scripted input.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/png_codec.h"
#include "shell/headless_run.h"

namespace hero_test {

// The hero standing at (x, y) facing right, empty-handed, at speed 3 with its
// tuning; the ladders and lifts of the level (lifts at their bottom stops), no
// carts, elves or items; the wall standing and presents still lying about.
void PlaceHero(int x, int y);

// A standing cart of the cellar's track (minecart 1) with its top-left at (x, y).
void PutCart(int x, int y);

// The back buffer as it is now.
platform::Pixels Screen();

// The frame of the hero's sheet that, drawn alone at (x, y) on a cleared
// screen, gives exactly this picture; -1 when none does or the picture is
// black. Needs the prepared game (play_fixture.h) for its pictures.
int FrameShown(const platform::Pixels& screen, int x, int y);

// A run of play frames that move and draw only the hero: the screen cleared,
// UpdateHero, the level, `furniture` (if any), DrawHero(0), RunHeroFall, then
// `observe` (if any), then ShowFrame. `prepare` runs after the start-up,
// before the first frame.
struct HeroPlay {
    std::string script;
    int frames = 60;
    std::function<void()> prepare;
    std::function<void()> furniture;  // lifts or carts to draw behind him
    std::function<void()> observe;
    bool drawLevel = true;  // false: the hero alone on black, for FrameShown
    std::vector<int> captures;
    std::string captureDir;
};
shell::HeadlessResult RunHeroPlay(const HeroPlay& play);

// Script text for a key: its code.
std::string Key(int code);

}  // namespace hero_test
