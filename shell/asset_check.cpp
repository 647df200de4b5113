// The embedded assets' self-check.
#include "shell/asset_check.h"

#include "assets/asset_names.h"
#include "assets/asset_table.h"
#include "assets/registry.h"
#include "platform/platform.h"
#include "platform/png_codec.h"
#include "services/audio/sound_data.h"

namespace shell {
namespace {

std::string Fault(std::string_view name, std::string_view what) {
    return "snatchkin: embedded asset " + std::string(name) + " " + std::string(what);
}

std::optional<std::string> PictureFault(std::string_view name, assets::Bytes bytes,
                                        const assets::AssetInfo& info) {
    platform::Pixels pixels;
    if (!platform::DecodePng(bytes, pixels)) return Fault(name, "does not decode");
    if (pixels.width != info.width || pixels.height != info.height)
        return Fault(name, "does not decode to " + std::to_string(info.width) + " by " +
                               std::to_string(info.height) + " pixels (it has " +
                               std::to_string(pixels.width) + " by " + std::to_string(pixels.height) + ")");
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindAssetFault(std::span<const std::string_view> names) {
    for (std::string_view name : names) {
        auto bytes = assets::Lookup(name);
        if (!bytes || bytes->empty()) return Fault(name, "is missing");
        const assets::AssetInfo* info = assets::FindAsset(name);
        if (!info) return Fault(name, "has no row in the asset table");
        if (info->kind == assets::Kind::Sound) {
            if (!services::audio::OpenSoundData(*bytes)) return Fault(name, "does not decode");
        } else if (auto fault = PictureFault(name, *bytes, *info)) {
            return fault;
        }
    }
    return std::nullopt;
}

void CheckEmbeddedAssets() {
    if (auto fault = FindAssetFault(assets::kAssetNames)) throw platform::FatalError(*fault);
}

}  // namespace shell
