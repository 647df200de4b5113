// The asset table as data, in registration order.
#include "assets/asset_table.h"

#include <algorithm>
#include <array>

namespace assets {
namespace {

constexpr AssetInfo Frames(std::string_view n, Source s, int w, int h, int cw, int ch, int f) {
    return {n, Kind::Frames, s, w, h, cw, ch, f};
}
constexpr AssetInfo Picture(std::string_view n, Source s, int w, int h) {
    return {n, Kind::Picture, s, w, h};
}
constexpr AssetInfo Mask(std::string_view n) {
    return {n, Kind::Mask, Source::Level, 2048, 768};
}
constexpr AssetInfo Audio(std::string_view n, double sec, int rate = 44100, int ch = 2) {
    return {n, Kind::Sound, Source::Audio, 0, 0, 0, 0, 0, sec, rate, ch};
}

constexpr Source A = Source::Art;

constexpr std::array kTable{
    Frames("gfx\\level.png", Source::Level, 2048, 768, 1024, 768, 2),
    Mask("gfx\\levelground.png"),
    Mask("gfx\\levelwalk.png"),
    Mask("gfx\\EnemyWalk3.png"),
    Frames("gfx\\font.png", A, 160, 180, 16, 20, 80),
    Frames("gfx\\items.png", A, 160, 32, 32, 32, 5),
    Frames("gfx\\bman.png", A, 320, 896, 64, 64, 70),
    Frames("gfx\\elf.png", A, 256, 384, 64, 64, 24),
    Picture("gfx\\SantaCollision.png", A, 64, 64),
    Frames("gfx\\poof.png", A, 32, 160, 4, 4, 64),
    Frames("gfx\\PoofFull.png", A, 64, 320, 64, 64, 5),
    Frames("gfx\\minecart.png", A, 320, 128, 64, 64, 10),
    Picture("gfx\\minecartinfo.png", A, 456, 200),
    Frames("gfx\\wheelbrw.png", A, 320, 64, 64, 64, 5),
    Frames("gfx\\lamps.png", A, 32, 128, 32, 32, 4),
    Picture("gfx\\elevator.png", A, 48, 68),
    Picture("gfx\\elevator_rope.png", A, 8, 32),
    Frames("gfx\\wall.png", A, 192, 54, 32, 54, 6),
    Picture("gfx\\OnlineButton.png", A, 351, 42),
    Picture("gfx\\mainmenu.png", A, 1024, 768),
    Picture("gfx\\menuoptions.png", A, 512, 364),
    Picture("gfx\\menugeneric.png", A, 1024, 768),
    Frames("gfx\\MenuOptionButtons.png", A, 68, 112, 68, 56, 2),
    Frames("gfx\\menubuttons_v2.png", A, 182, 402, 182, 67, 6),
    Frames("gfx\\menuheaders_v2.png", A, 390, 364, 390, 91, 4),
    Picture("gfx\\menuoptionsframe.png", A, 415, 71),
    Frames("gfx\\menulamps.png", A, 220, 55, 55, 55, 4),
    Frames("gfx\\menuface_anim.png", A, 90, 192, 90, 96, 2),
    Picture("gfx\\menu_close_bttn.png", A, 42, 35),
    Picture("gfx\\SelectDifficulty.png", A, 456, 200),
    Picture("gfx\\emptydialog.png", A, 456, 200),
    Picture("gfx\\icon.png", A, 64, 64),  // the window icon

    Audio("snd\\DeadSND.ogg", 2.67),
    Audio("snd\\BlipSND.ogg", 0.23),
    Audio("snd\\DingSND.ogg", 0.05, 44100, 1),
    Audio("snd\\ItemCollectSND.ogg", 0.85),
    Audio("snd\\FinalItemCollectSND.ogg", 0.99),
    Audio("snd\\WallHit.ogg", 0.19),
    Audio("snd\\Itemplacedinwheelbarrow.ogg", 0.36),
    Audio("snd\\GameOver.ogg", 3.08),
    Audio("snd\\HitMineCart.ogg", 0.38),
    Audio("snd\\DropPackage.ogg", 0.18),
    Audio("snd\\DropAxe.ogg", 0.08),
    Audio("snd\\FloorAxeHit.ogg", 0.05),
    Audio("snd\\Crunch.ogg", 0.26),
    Audio("snd\\SnowStep1SND.ogg", 0.36),
    Audio("snd\\SnowStep2SND.ogg", 0.36),
    Audio("snd\\FallingItemLands.ogg", 0.10),
    Audio("snd\\CartInfoSND.ogg", 0.57),
    Audio("snd\\JumpOutOfCart.ogg", 0.22),
    Audio("snd\\Poof.ogg", 0.82, 48000, 2),
    Audio("snd\\teleport.ogg", 1.71),
    Audio("snd\\LevelComplete.ogg", 24.62),
    Audio("snd\\HandleUp.ogg", 0.14),
    Audio("snd\\HandleDown.ogg", 0.46),
    Audio("snd\\PackageCollected.ogg", 1.09),
    Audio("snd\\Music1menu-loop.ogg", 56.74),
    Audio("snd\\Music2ingame1-loop.ogg", 123.85),
    Audio("snd\\Music2ingame2-loop.ogg", 32.42),
    Audio("snd\\Music2ingame3-loop.ogg", 28.04),
    Audio("snd\\Music2ingame4-loop.ogg", 32.62),
};

}  // namespace

std::span<const AssetInfo> AssetTable() { return kTable; }

const AssetInfo* FindAsset(std::string_view name) {
    auto it = std::find_if(kTable.begin(), kTable.end(),
                           [&](const AssetInfo& a) { return a.name == name; });
    return it == kTable.end() ? nullptr : &*it;
}

std::string FilePathOf(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace assets
