// The start-up's self-check of the embedded assets: every name the game uses
// is registered and decodes, so a broken pack is a clear error at start-up
// and never a blank picture or a silent sound later.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shell {

// The first fault among the named assets as the line start-up reports it
// ("snatchkin: embedded asset gfx\foo.png is missing", "... does not decode"),
// or nothing when each is registered and decodes: a picture as a PNG of the
// size the asset table gives it, a sound as Ogg Vorbis.
std::optional<std::string> FindAssetFault(std::span<const std::string_view> names);

// The start-up step: checks every name of assets::kAssetNames; a fault is a
// platform::FatalError.
void CheckEmbeddedAssets();

}  // namespace shell
