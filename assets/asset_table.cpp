// The asset table as data, in registration order.
#include "assets/asset_table.h"

#include <algorithm>
#include <array>

#include "assets/asset_names.h"

namespace assets {
namespace {

constexpr AssetInfo Frames(std::string_view n, Source s, int w, int h, int cw, int ch, int f) {
    return {n, Kind::Frames, s, w, h, cw, ch, f};
}
constexpr AssetInfo Picture(std::string_view n, Source s, int w, int h) {
    return {n, Kind::Picture, s, w, h};
}
constexpr AssetInfo Mask(std::string_view n) { return {n, Kind::Mask, Source::Level, 2048, 768}; }
constexpr AssetInfo Audio(std::string_view n, double sec, int rate = 44100, int ch = 2) {
    return {n, Kind::Sound, Source::Audio, 0, 0, 0, 0, 0, sec, rate, ch};
}

constexpr Source A = Source::Art;

constexpr std::array kTable{
    Frames(kLevelPicture, Source::Level, 2048, 768, 1024, 768, 2),
    Mask(kGroundMask),
    Mask(kWalkMask),
    Mask(kEnemyMask),
    Frames(kFontSheet, A, 160, 180, 16, 20, 80),
    Frames(kItemsSheet, A, 160, 32, 32, 32, 5),
    Frames(kHeroSheet, A, 320, 896, 64, 64, 70),
    Frames(kElfSheet, A, 256, 384, 64, 64, 24),
    Picture(kSantaCollisionPicture, A, 64, 64),
    Frames(kPoofSheet, A, 32, 160, 4, 4, 64),
    Frames(kPoofFullSheet, A, 64, 320, 64, 64, 5),
    Frames(kMinecartSheet, A, 320, 128, 64, 64, 10),
    Picture(kMinecartInfoPicture, A, 456, 200),
    Frames(kWheelbarrowSheet, A, 320, 64, 64, 64, 5),
    Frames(kLampsSheet, A, 32, 128, 32, 32, 4),
    Picture(kElevatorPicture, A, 48, 68),
    Picture(kElevatorRopePicture, A, 8, 32),
    Frames(kWallSheet, A, 192, 54, 32, 54, 6),
    Picture(kOnlineButtonPicture, A, 351, 42),
    Picture(kMainMenuPicture, A, 1024, 768),
    Picture(kMenuOptionsPicture, A, 512, 364),
    Picture(kMenuGenericPicture, A, 1024, 768),
    Frames(kMenuOptionButtonsSheet, A, 68, 112, 68, 56, 2),
    Frames(kMenuButtonsSheet, A, 182, 402, 182, 67, 6),
    Frames(kMenuHeadersSheet, A, 390, 364, 390, 91, 4),
    Picture(kMenuOptionsFramePicture, A, 415, 71),
    Frames(kMenuLampsSheet, A, 220, 55, 55, 55, 4),
    Frames(kMenuFaceSheet, A, 90, 192, 90, 96, 2),
    Picture(kMenuCloseButtonPicture, A, 42, 35),
    Picture(kSelectDifficultyPicture, A, 456, 200),
    Picture(kEmptyDialogPicture, A, 456, 200),
    Picture(kIconPicture, A, 64, 64),  // the window icon

    Audio(kDeadSound, 2.67),
    Audio(kBlipSound, 0.23),
    Audio(kDingSound, 0.05, 44100, 1),
    Audio(kItemCollectSound, 0.85),
    Audio(kFinalItemCollectSound, 0.99),
    Audio(kWallHitSound, 0.19),
    Audio(kItemPlacedInWheelbarrowSound, 0.36),
    Audio(kGameOverSound, 3.08),
    Audio(kHitMineCartSound, 0.38),
    Audio(kDropPackageSound, 0.18),
    Audio(kDropAxeSound, 0.08),
    Audio(kFloorAxeHitSound, 0.05),
    Audio(kCrunchSound, 0.26),
    Audio(kSnowStep1Sound, 0.36),
    Audio(kSnowStep2Sound, 0.36),
    Audio(kFallingItemLandsSound, 0.10),
    Audio(kCartInfoSound, 0.57),
    Audio(kJumpOutOfCartSound, 0.22),
    Audio(kPoofSound, 0.82, 48000, 2),
    Audio(kTeleportSound, 1.71),
    Audio(kLevelCompleteSound, 24.62),
    Audio(kHandleUpSound, 0.14),
    Audio(kHandleDownSound, 0.46),
    Audio(kPackageCollectedSound, 1.09),
    Audio(kMenuMusic, 56.74),
    Audio(kInGameMusic1, 123.85),
    Audio(kInGameMusic2, 32.42),
    Audio(kInGameMusic3, 28.04),
    Audio(kInGameMusic4, 32.62),
};

// The table and the list of constants agree row by row, and no two rows share
// a name, so every constant names exactly one asset and every asset has one.
constexpr bool RowsMatchTheNames() {
    if (kTable.size() != kAssetNames.size()) return false;
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].name != kAssetNames[i]) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kTable[j].name == kTable[i].name) return false;
    }
    return true;
}
static_assert(RowsMatchTheNames(), "the asset table and kAssetNames differ");

}  // namespace

std::span<const AssetInfo> AssetTable() { return kTable; }

const AssetInfo* FindAsset(std::string_view name) {
    auto it = std::find_if(kTable.begin(), kTable.end(), [&](const AssetInfo& a) { return a.name == name; });
    return it == kTable.end() ? nullptr : &*it;
}

std::string FilePathOf(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace assets
