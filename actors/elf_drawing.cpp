// Drawing the elves, and what happens when one touches the hero: an axe in
// his hands stuns it, otherwise it catches him.
#include "actors/effects.h"
#include "actors/elves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/sound_effects.h"
#include "world/game_progress.h"
#include "world/view.h"

namespace actors {
namespace {

constexpr int kAnimationDelay = 10;  // a new step every 11 frames
constexpr int kLastStep = 3;
constexpr int kStunnedRow = 16;  // first frame of the stunned row of the sheet
constexpr int kDyingRow = 20;    // first frame of the row shown while the hero dies
constexpr int kStunFrames = 240;
constexpr int kAxeStunPoints = 450;
constexpr int kAxe = 3;               // what Carried holds for an axe
constexpr int kEmptyHandedSpeed = 3;  // HeroSpeed

// Four spots of the maze where an active elf is always shown in its second
// step; each box is 71 by 13, and the elf's position is tested as a 1 by 1 box.
struct Box {
    int x, y;
};
constexpr Box kSecondStepBoxes[] = {{1052, 20}, {1414, 20}, {1414, 98}, {1176, 380}};

bool InSecondStepBox(const elfs& elf) {
    for (const Box& box : kSecondStepBoxes)
        if (platform::RectsOverlap(elf.Xpos, elf.Ypos, 1, 1, box.x, box.y, 71, 13)) return true;
    return false;
}

void Animate(elfs& elf) {
    if (++elf.framedelay > kAnimationDelay) {
        elf.framedelay = 0;
        elf.frame = elf.frame >= kLastStep ? 0 : elf.frame + 1;
    }
    if (elf.Stunned == 0 && InSecondStepBox(elf)) elf.frame = 1;
}

// The frame the elf is seen in: every elf shows the dying row while the hero dies.
int ShownFrame(const elfs& elf) {
    if (world::Dying > 0) return elf.frame + kDyingRow;
    if (elf.Stunned > 0) return elf.frame + kStunnedRow;
    return elf.frame + elf.dir;
}

void Draw(const elfs& elf) {
    platform::DrawFrame(assets::kElfSheet, elf.Xpos - 1024 * world::ScreenHalf, elf.Ypos, ShownFrame(elf));
}

bool TouchesHero(const elfs& elf, int heroFrame) {
    return platform::FramesCollide(assets::kHeroSheet, HeroX, HeroY, heroFrame, assets::kElfSheet, elf.Xpos,
                                   elf.Ypos, elf.frame + elf.dir);
}

void StunWithAxe(elfs& elf) {
    if (Carried != kAxe || elf.Stunned != 0 || !TouchesHero(elf, HeroFrame + 5 * HeroDir)) return;
    elf.Stunned = kStunFrames;
    services::PlayEffect(assets::PlayName(assets::kCrunchSound));
    CarriedAxeLife = 0;
    HeroSpeed = kEmptyHandedSpeed;
    Carried = 0;
    world::Score += kAxeStunPoints;
}

// What he carried falls from where he was caught.
void LoseLoad() {
    SpawnParticleBurst(HeroX + 16, HeroY + 16, 3);
    services::PlayEffect(assets::PlayName(assets::kDropPackageSound));
    CreateItem(HeroX + 16, HeroY + 16, Carried, 1);
    Carried = 0;
    HeroSpeed = kEmptyHandedSpeed;
}

void CatchHero(const elfs& elf, bool axeProtects) {
    if (axeProtects || HangPhase != 0 || InCart != 0 || elf.Stunned != 0 || world::Dying != 0) return;
    if (!TouchesHero(elf, AxeRowBase + 5 * HeroDir)) return;
    world::Dying = 1;
    services::PlayEffect(assets::PlayName(assets::kDeadSound));
    if (Carried > 0) LoseLoad();
}

}  // namespace

void DrawElves() {
    // An axe in his hands when the pass begins protects him from every elf of
    // the pass: the first elf it stuns uses it up, and a second elf touching
    // him in the same frame must not catch him.
    const bool axeProtects = Carried == kAxe;
    for (elfs& elf : ElfList) {
        Animate(elf);
        Draw(elf);
        // While he dies the elves only show; their stun waits.
        if (world::Dying > 0) continue;
        if (elf.Stunned > 0) --elf.Stunned;
        StunWithAxe(elf);
        CatchHero(elf, axeProtects);
    }
}

void DrawElvesOnly() {
    for (const elfs& elf : ElfList) Draw(elf);
}

}  // namespace actors
