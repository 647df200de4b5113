// The hero's process-wide state: position, facing, speed, animation, and the
// ways he is held or carried (handles, minecarts, lifts, falls). There is one
// hero; the movement rules are in hero.h, the pictures in hero_drawing.h.
#pragma once

namespace actors {

extern int HeroX, HeroY;  // sprite's top-left corner; his feet are on row HeroY + 63
extern int HeroDir;       // 0 right, 1 left, 4 climbing (seen from behind)
extern int HeroSpeed;     // pixels per frame: 3 empty-handed, 2 with a present or axe, 1 with a big present
extern int HeroMoving;    // 1 when this frame's controls moved him
extern int HeroFrame, HeroAnimTimer;  // frame within the pose row, and its timer

extern int Falling;  // 1 from the step that starts a fall until the level is rebuilt

// At a handle: HangPhase 0 none, 1 grabbing, 2 letting go, 3 hanging still;
// HangCount counts the grab and let-go pictures; HangIdle 1 while a swing runs.
extern int Hanging, HangPhase, HangCount, HangIdle;

// In a minecart: a 40-frame delay between cart-key clicks, a lock against
// getting out (counted down by the carts) and the grace after getting out
// during which no cart can hit him.
extern int InCart, CartKeyDelay, CartLock, CartExitGrace;

extern int RidingLift;  // id of the lift carrying him, 0 none
extern int OnLift;      // 1 when the last walking step found him on a lift floor
extern double LiftTurn; // 0.0-4.0: how far he has turned towards the viewer on a lift

extern int StepTimer, StepToggle;  // footstep sound pacing

// Animation delays and the footstep interval, set from HeroSpeed every frame.
extern double WalkAnimDelay, PoseAnimDelay, PushAnimDelay, HangAnimDelay;
extern int StepInterval;

// 25 while he carries an axe facing right or left (the axe rows), else 0;
// recomputed at the start of every normal drawing of the hero.
extern int AxeRowBase;

}  // namespace actors
