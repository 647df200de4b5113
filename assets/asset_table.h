// The table of every embedded picture and sound: registered name, how the game
// loads it, its size and frame layout, and which build-time generator makes it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace assets {

enum class Kind { Frames, Picture, Mask, Sound };

// The build-time tool that produces the file.
enum class Source { Art, Level, Audio };

struct AssetInfo {
    std::string_view name;  // registered name, e.g. "gfx\\level.png"
    Kind kind;
    Source source;
    int width = 0, height = 0;          // pictures: whole picture size
    int cellWidth = 0, cellHeight = 0;  // Frames only
    int frames = 0;                     // Frames only: frames loaded
    double seconds = 0.0;               // sounds: length
    int sampleRate = 0, channels = 0;   // sounds
};

// Every asset in registration order.
std::span<const AssetInfo> AssetTable();

// The entry of a registered name, or nullptr.
const AssetInfo* FindAsset(std::string_view name);

// "gfx\\level.png" -> "gfx/level.png": where the file lives in a folder.
std::string FilePathOf(std::string_view name);

}  // namespace assets
