// The hero's control and movement: the five controls, walking, climbing,
// handles, the wall, minecart exits and the fire button; the lift and ladder
// tests of his steps; footstep pacing and the animation steppers his update
// and his drawing advance.
#pragma once

namespace actors {

// Once per frame, right after the screen is cleared: reads the controls, moves
// him, dispatches the fire button and sets ScreenHalf. No input is taken while
// a lift carries him or while he is dying.
void UpdateHero();

// The lift test of a walking step: true when the first lift whose cage his
// probe strip touches has its floor under his feet and is not carrying him
// already (OnLift 1, Falling 0); otherwise OnLift 0. Climbing finds no lift.
bool HeroOverLift();

// Pulls him one pixel towards the centre line of every ladder his foot point
// lies in (none while he falls). Used by climbing and by leaving a cart upwards.
void CentreOnLadder();

// Counts one step; every StepInterval + 1 steps a footstep sounds, the two
// alternating. Nothing changes while the sound effects are off.
void PlayFootstep();

// The animation steppers: each counts its timer up and, once the timer passes
// its delay, starts the timer again and moves the frame on.
void StepWalkAnim();      // HeroFrame 0-3 by WalkAnimDelay
void StepPoseAnim();      // HeroFrame 0-4 by PoseAnimDelay
void StepFallAnim();      // HeroFrame 0-3 by PoseAnimDelay
void StepPushAnim();      // PushFrame 3 down to 0 by PushAnimDelay (the wheel; also the chops)
void StepHangIdleAnim();  // HeroFrame 0-2 by HangAnimDelay, then the swing ends (HangIdle 0)

}  // namespace actors
