// How the elves are drawn: the walking steps, the four spots that show the
// second step, the stunned and dying rows, and pictures of real walks for
// looking at (captures/ in the build tree).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "actors/elves.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "tests/elves/elf_fixture.h"
#include "world/game_progress.h"
#include "world/view.h"

namespace elves_test {
namespace {

using actors::DrawElves;
using actors::ElfList;
using ElfDrawingTest = ElfTest;

bool SamePixels(const platform::Pixels& a, const platform::Pixels& b) {
    return a.width == b.width && a.height == b.height && a.argb == b.argb;
}

TEST_F(ElfDrawingTest, TheWalkingStepAdvancesEvery11FramesAndWrapsAfterThe4th) {
    AddElf(600, 32, ">").frame = 2;
    int changes = 0, last = 2;
    for (int frame = 1; frame <= 44; ++frame) {
        DrawElves();
        if (ElfList[0].frame != last) {
            ++changes;
            EXPECT_EQ(frame % 11, 0) << "a new step at frame " << frame;
            EXPECT_EQ(ElfList[0].frame, (last + 1) % 4);
            EXPECT_EQ(ElfList[0].framedelay, 0);
            last = ElfList[0].frame;
        }
    }
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(ElfList[0].frame, 2);
}

TEST_F(ElfDrawingTest, AnActiveElfInOneOfTheFourSpotsShowsItsSecondStep) {
    struct Spot {
        int x, y;
        bool inside;
    };
    const Spot spots[] = {{1051, 19, true},  {1123, 33, true},   {1050, 25, false},  {1124, 25, false},
                          {1100, 18, false}, {1100, 34, false},  {1413, 19, true},   {1485, 33, true},
                          {1413, 97, true},  {1485, 111, true},  {1450, 112, false}, {1175, 379, true},
                          {1247, 393, true}, {1248, 393, false}, {1175, 394, false}};
    for (const Spot& s : spots) {
        for (int stunned : {0, 30}) {
            ElfList.clear();
            AddElf(s.x, s.y, ">").frame = 3;
            ElfList[0].Stunned = stunned;
            DrawElves();
            const int expected = s.inside && stunned == 0 ? 1 : 3;
            EXPECT_EQ(ElfList[0].frame, expected) << "(" << s.x << ", " << s.y << ") stunned " << stunned;
        }
    }
}

TEST_F(ElfDrawingTest, EachStateIsDrawnInItsRowOfTheSheet) {
    struct Case {
        const char* name;
        const char* moves;
        int dir, stunned, dying, screenHalf;
        int expectedFrame;  // frame 2 of the elf
    };
    const Case cases[] = {
        {"walking right", ">", 0, 0, 0, 0, 2},     {"walking left", "<", 4, 0, 0, 0, 6},
        {"climbing", "^", 8, 0, 0, 0, 10},         {"stunned", ">", 4, 100, 0, 0, 18},
        {"while he dies", ">", 8, 0, 3, 0, 22},    {"stunned while he dies", ">", 0, 9, 3, 0, 22},
        {"on the right half", "<", 4, 0, 0, 1, 6},
    };
    for (const Case& c : cases) {
        ElfList.clear();
        world::Dying = c.dying;
        world::ScreenHalf = c.screenHalf;
        actors::elfs& elf = AddElf(300 + 1024 * c.screenHalf, 200, c.moves);
        elf.dir = c.dir;
        elf.frame = 2;
        elf.Stunned = c.stunned;
        platform::ClearScreen();
        DrawElves();
        const platform::Pixels drawn = Screen();
        EXPECT_TRUE(SamePixels(drawn, ScreenWithElfFrame(300, 200, c.expectedFrame))) << c.name;
        platform::ClearScreen();
        actors::DrawElvesOnly();
        EXPECT_TRUE(SamePixels(Screen(), ScreenWithElfFrame(300, 200, c.expectedFrame)))
            << c.name << ", drawn only";
    }
}

// Frames of real walks on the level picture, written for looking at.
TEST_F(ElfDrawingTest, PicturesOfElvesOnTheMaze) {
    struct Picture {
        std::string name;
        int screenHalf;
        void (*prepare)();
        int frames;
    };
    const Picture pictures[] = {
        {"walking", 0,
         [] {
             AddElf(48, 32, "<");
             AddElf(300, 176, ">");
             AddElf(600, 656, "<");
         },
         60},
        {"climbing", 0,
         [] {
             AddElf(144, 100, "|");
             AddElf(144, 300, "^");
         },
         20},
        {"stunned", 1,
         [] {
             AddElf(1400, 392, ">").Stunned = 240;
             AddElf(1300, 656, "<").Stunned = 60;
         },
         20},
        {"dying", 1,
         [] {
             world::Dying = 1;
             AddElf(1500, 488, ">");
             AddElf(1700, 584, "<");
         },
         30},
    };
    std::filesystem::create_directories("captures");
    for (const Picture& p : pictures) {
        ElfList.clear();
        world::Dying = 0;
        world::ScreenHalf = p.screenHalf;
        p.prepare();
        for (int frame = 0; frame < p.frames; ++frame) {
            platform::ClearScreen();
            platform::DrawFrame(assets::kLevelPicture, 0, 0, world::ScreenHalf);
            if (world::Dying == 0) actors::UpdateElves();
            DrawElves();
        }
        const platform::Pixels withElves = Screen();
        platform::ClearScreen();
        platform::DrawFrame(assets::kLevelPicture, 0, 0, world::ScreenHalf);
        EXPECT_FALSE(SamePixels(withElves, Screen())) << p.name << ": the elves are on the picture";
        EXPECT_TRUE(platform::WritePngRgb(withElves, "captures/elves_" + p.name + ".png")) << p.name;
    }
}

}  // namespace
}  // namespace elves_test
