// The game's key codes: Windows virtual-key codes 0-255, as the layer's key
// queries and the key-name table take them. Only the keys the code names.
#pragma once

namespace platform {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyN = 78;
inline constexpr int kKeyY = 89;
inline constexpr int kKeyLeftShift = 160;
inline constexpr int kKeyRightShift = 161;
inline constexpr int kKeyLeftCtrl = 162;
inline constexpr int kKeyRightCtrl = 163;
inline constexpr int kKeyLeftAlt = 164;
inline constexpr int kKeyRightAlt = 165;

}  // namespace platform
