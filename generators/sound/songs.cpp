// Our arrangements of public-domain traditional carols, and two short tunes
// of our own, for a small chiptune ensemble.
#include "generators/sound/songs.h"

#include <array>

#include "assets/asset_names.h"

namespace assets::sound {
namespace {

using W = Wave;

// Menu: Silent Night (Gruber, 1818), a music box in 3/4, twice through; the
// second time an octave up with a soft beat.
constexpr std::string_view kSilentNight =
    "G4:1.5 A4:.5 G4 E4:3 G4:1.5 A4:.5 G4 E4:3 "
    "D5:2 D5 B4:3 C5:2 C5 G4:3 "
    "A4:2 A4 C5:1.5 B4:.5 A4 G4:1.5 A4:.5 G4 E4:3 "
    "A4:2 A4 C5:1.5 B4:.5 A4 G4:1.5 A4:.5 G4 E4:3 "
    "D5:2 D5 F5:1.5 D5:.5 B4 C5:3 E5:3 "
    "C5:1.5 G4:.5 E4 G4:1.5 F4:.5 D4 C4:3 r:3";
constexpr std::string_view kSilentNightChords =
    "C:3 C:3 C:3 C:3 G:3 G:3 C:3 C:3 F:3 F:3 C:3 C:3 F:3 F:3 C:3 C:3 "
    "G:3 G7:3 C:3 C:3 C:3 G7:3 C:3 G7:3";
constexpr Groove kMenuPasses[] = {
    {W::Pulse, 0.125, 0, true, 0.12, "R.....", "aaaaaa", "b....."},
    {W::Triangle, 0.5, 1, true, 0.1, "R...F.", "aaaaaa", "k.h.h."},
};

// In-game 1: God Rest Ye Merry Gentlemen, a sneaky minor-key caper, three times
// through, building up.
constexpr std::string_view kGodRestYe =
    "E4 B4 B4 A4 G4 F#4 E4 D4 E4 F#4 G4 A4 B4:3 E4 "
    "E4 B4 B4 A4 G4 F#4 E4 D4 E4 F#4 G4 A4 B4:3 B4 "
    "C5 A4 B4 C5 D5 E5 B4 A4 G4 E4 F#4 G4 A4:2 G4 A4 "
    "B4:2 C5 B4 B4 A4 G4 F#4 E4:2 G4:.5 F#4:.5 E4 A4:2 G4 A4 "
    "B4 C5 D5 E5 B4 A4 G4 F#4 E4:3 E4";
constexpr std::string_view kGodRestYeChords =
    "Em:4 Em:1 D:1 C:1 Bm:1 C:2 G:2 Em:4 "
    "Em:4 Em:1 D:1 C:1 Bm:1 C:2 G:2 G:2 B7:2 "
    "C:2 G:2 G:2 Em:2 Em:2 B7:2 D:2 Em:2 "
    "G:2 C:2 Em:1 D:1 C:1 B7:1 Em:4 D:2 Em:2 "
    "G:3 C:1 Em:1 D:1 C:1 B7:1 Em:4";
constexpr Groove kGodRestYePasses[] = {
    {W::Pulse, 0.5, 0, true, 0.1, "R.R.F.R.", "c...c...", "k...s...k.k.s..."},
    {W::Pulse, 0.25, 0, false, 0.15, "R.ROF.RO", "aaaaaaaa", "k.h.s.h.k.hhs.h."},
    {W::Pulse, 0.125, 1, true, 0.15, "RRORFROR", "aaaaaaaa", "kbhbsbhbkbhbsbho"},
};

// In-game 2: the chorus of Jingle Bells (Pierpont, 1857), with sleigh bells.
constexpr std::string_view kJingleBells =
    "B4 B4 B4:2 B4 B4 B4:2 B4 D5 G4:1.5 A4:.5 B4:4 "
    "C5 C5 C5:1.5 C5:.5 C5 B4 B4 B4:.5 B4:.5 B4 A4 A4 B4 A4:2 D5:2 "
    "B4 B4 B4:2 B4 B4 B4:2 B4 D5 G4:1.5 A4:.5 B4:4 "
    "C5 C5 C5:1.5 C5:.5 C5 B4 B4 B4:.5 B4:.5 D5 D5 C5 A4 G4:4";
constexpr std::string_view kJingleBellsChords =
    "G:4 G:4 G:4 G:4 C:4 C:1 G:3 A7:4 D:2 D7:2 "
    "G:4 G:4 G:4 G:4 C:4 C:1 G:3 D7:4 G:4";
constexpr Groove kJingleBellsPasses[] = {
    {W::Pulse, 0.25, 0, true, 0.1, "R.F.R.F.", ".c.c.c.c", "kbsbkbsbkbsbkbsb"},
};

// In-game 3: Deck the Halls, brisk and bright.
constexpr std::string_view kDeckTheHalls =
    "D5:1.5 C5:.5 B4 A4 G4 A4 B4 G4 A4:.5 B4:.5 C5:.5 A4:.5 B4:1.5 A4:.5 G4 F#4 G4:2 "
    "D5:1.5 C5:.5 B4 A4 G4 A4 B4 G4 A4:.5 B4:.5 C5:.5 A4:.5 B4:1.5 A4:.5 G4 F#4 G4:2 "
    "A4:1.5 B4:.5 C5 A4 B4:1.5 C5:.5 D5 A4 B4:.5 C#5:.5 D5 E5:.5 F#5:.5 G5 F#5 E5 D5:2 "
    "D5:1.5 C5:.5 B4 A4 G4 A4 B4 G4 C5:.5 C5:.5 C5:.5 C5:.5 B4:1.5 A4:.5 G4 F#4 G4:2";
constexpr std::string_view kDeckTheHallsChords =
    "G:4 G:1 D:1 G:2 C:2 G:2 D7:2 G:2 "
    "G:4 G:1 D:1 G:2 C:2 G:2 D7:2 G:2 "
    "Am:2 D7:2 G:2 D:2 G:2 A7:2 D:1 A7:1 D7:2 "
    "G:4 G:1 D:1 G:2 C:2 G:2 D7:2 G:2";
constexpr Groove kDeckTheHallsPasses[] = {
    {W::Pulse, 0.25, 0, true, 0.12, "R.O.F.O.", "a.a.a.a.", "k.hhs.h.k.hhs.ho"},
};

// In-game 4: Good King Wenceslas, a steady march with a drum fill at the turn.
constexpr std::string_view kWenceslas =
    "G4 G4 G4 A4 G4 G4 D4:2 E4 D4 E4 F#4 G4:2 G4:2 "
    "G4 G4 G4 A4 G4 G4 D4:2 E4 D4 E4 F#4 G4:2 G4:2 "
    "D5 C5 B4 A4 B4 A4 G4:2 E4 D4 E4 F#4 G4:2 G4:2 "
    "D4 D4 E4 F#4 G4 G4 A4:2 D5 C5 B4 A4 G4:2 C5:2 G4:4 r:4";
constexpr std::string_view kWenceslasChords =
    "G:4 G:2 D:2 C:1 G:1 Am:1 D:1 G:4 "
    "G:4 G:2 D:2 C:1 G:1 Am:1 D:1 G:4 "
    "G:1 C:1 Em:1 D:1 Em:1 D:1 G:2 C:1 G:1 Am:1 D:1 G:4 "
    "G:2 C:1 D:1 G:2 D:2 G:1 C:1 Em:1 D:1 G:2 C:2 G:4 D7:4";
constexpr Groove kWenceslasPasses[] = {
    {W::Pulse, 0.5, 0, true, 0.1, "R.F.R.F.", "c.c.c.c.", "k.h.s.h.k.h.sshh"},
};

// Level complete: We Wish You a Merry Christmas, with a one-bar lead-in and a
// final chord left to ring.
constexpr std::string_view kWeWishYou =
    "r:2 D4 "
    "G4 G4:.5 A4:.5 G4:.5 F#4:.5 E4 E4 E4 A4 A4:.5 B4:.5 A4:.5 G4:.5 F#4 D4 D4 "
    "B4 B4:.5 C5:.5 B4:.5 A4:.5 G4 E4 D4:.5 D4:.5 E4 A4 F#4 G4:2 D4 "
    "G4 G4 G4 F#4:2 F#4 G4 F#4 E4 D4:2 A4 "
    "B4 A4:.5 A4:.5 G4:.5 G4:.5 D5 D4 D4:.5 D4:.5 E4 A4 F#4 G4:3 G5:3";
constexpr std::string_view kWeWishYouChords =
    "G:3 G:3 C:3 A7:3 D:3 B7:3 Em:3 C:1 D7:2 G:3 "
    "G:3 D:3 Em:3 D:3 G:3 D:3 C:1 D7:2 G:3 G:3";
constexpr Groove kWeWishYouPasses[] = {
    {W::Pulse, 0.25, 0, true, 0.12, "R.F.F.", "a.aaaa", "k.b.b."},
};

// The hero is caught: four drooping notes, the last one wailing.
constexpr std::string_view kCaught = "G4 F#4 F4 E4:3";
constexpr std::string_view kCaughtChords = "C:1 B:1 A#:1 A:3";
constexpr Groove kCaughtPasses[] = {
    {W::Pulse, 0.5, 0, false, 0.5, "R...", "c...", "...."},
};

// Game over: a short falling cadence in C minor.
constexpr std::string_view kGameOver = "G4 D#4 C4 D4:.5 D#4:.5 D4 B3 C4:3";
constexpr std::string_view kGameOverChords = "Cm:3 Fm:1 G7:2 Cm:3";
constexpr Groove kGameOverPasses[] = {
    {W::Triangle, 0.5, 1, true, 0.2, "R..", "c..", "k.."},
};

// The game plays the loops at a quarter (menu) or a third (in game) of full
// volume and the three jingles at full volume, in the silence after the level
// music has stopped; their peaks put the jingles a few dB above the music
// they follow instead of ten dB above it. Loops stay under -2 dBFS, so the
// codec's small overshoot still keeps them below -1 dBFS.
constexpr double kLoopPeak = 0.79;
constexpr auto kSongs = std::to_array<Song>({
    {assets::kMenuMusic, 3, kSilentNight, kSilentNightChords, kMenuPasses, true, 0, kLoopPeak},
    {assets::kInGameMusic1, 4, kGodRestYe, kGodRestYeChords, kGodRestYePasses, true, 0, kLoopPeak},
    {assets::kInGameMusic2, 4, kJingleBells, kJingleBellsChords, kJingleBellsPasses, true, 0, kLoopPeak},
    {assets::kInGameMusic3, 4, kDeckTheHalls, kDeckTheHallsChords, kDeckTheHallsPasses, true, 0, kLoopPeak},
    {assets::kInGameMusic4, 4, kWenceslas, kWenceslasChords, kWenceslasPasses, true, 0, kLoopPeak},
    {assets::kLevelCompleteSound, 3, kWeWishYou, kWeWishYouChords, kWeWishYouPasses, false, 2, 0.46},
    {assets::kDeadSound, 3, kCaught, kCaughtChords, kCaughtPasses, false, 1, 0.4},
    {assets::kGameOverSound, 3, kGameOver, kGameOverChords, kGameOverPasses, false, 1.5, 0.42},
});

}  // namespace

const Song* FindSong(std::string_view name) {
    for (const auto& s : kSongs)
        if (s.name == name) return &s;
    return nullptr;
}

}  // namespace assets::sound
