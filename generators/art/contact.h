// Contact sheets: every frame of a picture side by side, enlarged, numbered,
// with transparency shown as a checker so outlines and holes can be judged.
#pragma once

#include "assets/asset_table.h"
#include "platform/png_codec.h"

namespace art {

// The contact sheet of a picture laid out as its table entry says.
platform::Pixels ContactSheet(const platform::Pixels& picture, const assets::AssetInfo& info);

}  // namespace art
