// The game's drawing surface and frame rate: every position is a pixel of the
// 1024 by 768 surface and every rule of the game counts frames at 60 a second.
#pragma once

namespace platform {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kFramesPerSecond = 60;

}  // namespace platform
