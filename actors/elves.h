// The elves: their records, their list and how new ones arrive. Each walks one
// pixel per frame along the elf paths of the enemy mask, choosing a new way at
// every junction, and catches the hero on contact.
#pragma once

#include <string>
#include <vector>

namespace actors {

struct elfs {
    int Xpos = 0, Ypos = 0;  // sprite's top-left corner; also the point read in the enemy mask
    int xstartblock = 0, ystartblock = 0, xtarget = 0, ytarget = 0;  // no rule uses them
    int dir = 0;            // animation row offset: 0 right, 4 left, 8 up or down
    std::string moves;      // current direction: "<", ">", "^" or "|"
    std::string dims;       // the latest route string of the junction network; no rule reads it
    int autorun = 0, xmin = 0, xmax = 0, speed = 0;  // no rule uses them
    int frame = 0;          // animation step 0-3
    int framedelay = 0;     // animation timer
    int Stunned = 0;        // frames left stunned; 0 active
    int Mode = 0;           // 0 patrol, the only mode
    int ModeCounts = 0;     // random 10-20 at creation; no rule reads it
    int StuckAtSameCoordsCounter = 0;  // unstunned frames, over its life, that ended where the last one did
    int XposOld = 0, YposOld = 0;      // position at the end of the last unstunned frame
    int RailCheck = 0;                 // frames that ended off the paths
};

extern std::vector<elfs> ElfList;

// Creates count elves at random spawn points. With respawn 1 a point is taken
// only on the half of the world that is not on screen.
void SpawnElves(int count, int respawn);

// Once per frame: one step for every elf, with removal and replacement.
void UpdateElves();

// Once per frame: animates and draws every elf and resolves contact with the hero.
void DrawElves();

// Draws every elf as it stands: no animation step, no countdown, no contact.
void DrawElvesOnly();

// Once per frame, after moving and drawing: replaces elves that stayed off the paths.
void CheckElfRails();

}  // namespace actors
