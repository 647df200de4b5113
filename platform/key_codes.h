// The game's key codes (Windows virtual-key codes 0-255) of the keyboard's keys.
#pragma once

namespace platform {

// The key code of an SDL scancode (given as its number), or -1 for a key the
// game has no code for. By position: the codes a US layout gives.
int KeyCodeOfScancode(int scancode);

// The key code of a key as the keyboard layout labels it, as Windows gives
// it: a key that types a letter has that letter's code wherever it sits (Y
// and Z trade places on a German keyboard, A and Q on a French one), and a
// key in the letters' block that types punctuation has the punctuation's
// code. Every other key keeps its code by position, so the digits of the
// top row stay digits. keycode is SDL's for the key (lower-case ASCII for
// letters and punctuation).
int KeyCodeOfKey(int scancode, int keycode);

}  // namespace platform
