// Presents, big presents and axes lying in the world, what the hero carries,
// the wheelbarrow and the breakable wall.
#pragma once

#include <vector>

namespace actors {

struct items {
    int x = 0, y = 0;     // top-left corner of the 32 by 32 frame, world pixels
    int whichtype = 0;    // 1 present, 2 big present, 3 axe
    int timerdelay = 0;   // no rule reads or changes it
    int bounce = 0;       // bobbing phase in degrees, 0-359
    int AxeLife = 0;      // an axe's life when picked up
    int falling = 0;      // 1 while it drops to the floor below
};

extern std::vector<items> ItemList;

extern int Carried;         // 0 nothing, 1 present, 2 big present, 3 axe
extern int CarriedAxeLife;  // walking, climbing and chopping wear it
extern int PackagesLeft;    // presents (whichtype 1) lying in the world, recounted every frame
extern int PushingBarrow;   // 1 while he holds the wheelbarrow's handles
extern int BarrowX, BarrowY;
extern int PushFrame, PushTimer;  // the wheel frame (0-3, counting down) and its timer; also times chops
extern int Chopping;              // 1 while he chops at the wall
extern int WallStrength;          // blows the wall can still take; it stands while above 0
extern int LevelDone;             // 1 once he has pushed the wheelbarrow out

// Appends an item with a random bobbing phase (1-180); an axe gets life 400.
// Every dropped or lost load comes back into the world through here.
void CreateItem(int x, int y, int whichtype, int falling);

// Appends an axe that keeps the life it had in his hands.
void CreateAxe(int x, int y, int life);

// Once per frame: recounts PackagesLeft, moves falling items (crushing elves)
// and draws every item on the half shown.
void UpdateItems();

// Once per frame: the wheelbarrow, resting or lifted.
void DrawWheelbarrow();

// The fire button's actions, tried by the hero's update in this order.
void LeaveAxeAtHandle();     // fire at a handle while carrying a live axe
void ToggleBarrowHandles();  // taking and releasing the wheelbarrow's handles
void UseCarried();           // putting the axe down, delivering or dropping a present
void PickUp();               // at most one item per press

// A chop that lands on the wall (called from the hero's drawing).
void LandWallBlow();

}  // namespace actors
