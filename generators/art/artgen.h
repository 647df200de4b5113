// The art set: every picture of the asset table that the art generator makes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/png_codec.h"

namespace art {

struct Picture {
    std::string_view name;  // registered name
    platform::Pixels pixels;
};

// Paints every picture whose table entry comes from the art generator, in
// table order. Throws std::logic_error for an entry without a painter.
std::vector<Picture> PaintArtSet();

// Writes the art set as OUTDIR/gfx/<file>.png; false when a file fails.
bool WriteArtSet(const std::string& outDir);

}  // namespace art
