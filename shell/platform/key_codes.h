// The game's key codes (Windows virtual-key codes 0-255) of the keyboard's keys.
#pragma once

namespace platform {

// The key code of an SDL scancode (given as its number), or -1 for a key the
// game has no code for. By position, not by layout: the key codes of the
// letters are those of a US layout.
int KeyCodeOfScancode(int scancode);

}  // namespace platform
