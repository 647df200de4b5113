// The elves on the real maze: the prepared game with the junction list and
// the path map loaded, no elves, and the hero out of every elf's reach.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "actors/elves.h"
#include "platform/png_codec.h"
#include "tests/play/play_fixture.h"

namespace elves_test {

class ElfTest : public play_test::PlayFixture {
protected:
    void SetUp() override;
};

// Appends an elf at (x, y) heading `moves`, every other field as a new
// elf's; the reference holds until the list changes.
actors::elfs& AddElf(int x, int y, const std::string& moves);

// Seeds the random sequence so that its next draw from a to b gives `want`.
void SeedSoNextDrawIs(int a, int b, int want);

// Replaces the enemy mask by a small painted one, keeping the keys read from
// the shipped legend: '.' off the paths, '-' path, '+' junction; row 0 first.
void PaintEnemyMask(const std::vector<std::string>& rows);

// The screen's back buffer as it is now.
platform::Pixels Screen();

// Clears the screen, draws one elf frame at the screen point and reads it back.
platform::Pixels ScreenWithElfFrame(int screenX, int screenY, int frame);

// The 1-based records of the spawn table at which the elves of the list stand.
std::vector<int> SpawnRecordsOf(const std::vector<actors::elfs>& list);

}  // namespace elves_test
