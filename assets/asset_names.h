// One named constant for every embedded asset, under its registered name.
// The asset table is built from these constants (a static_assert there checks
// that the two agree row by row), and start-up checks that each of them is
// registered and decodes, so a misspelt name cannot draw or play nothing.
#pragma once

#include <array>
#include <string_view>

namespace assets {

inline constexpr std::string_view kLevelPicture = "gfx\\level.png";
inline constexpr std::string_view kGroundMask = "gfx\\levelground.png";
inline constexpr std::string_view kWalkMask = "gfx\\levelwalk.png";
inline constexpr std::string_view kEnemyMask = "gfx\\EnemyWalk3.png";
inline constexpr std::string_view kFontSheet = "gfx\\font.png";
inline constexpr std::string_view kItemsSheet = "gfx\\items.png";
inline constexpr std::string_view kHeroSheet = "gfx\\bman.png";
inline constexpr std::string_view kElfSheet = "gfx\\elf.png";
inline constexpr std::string_view kSantaCollisionPicture = "gfx\\SantaCollision.png";
inline constexpr std::string_view kPoofSheet = "gfx\\poof.png";
inline constexpr std::string_view kPoofFullSheet = "gfx\\PoofFull.png";
inline constexpr std::string_view kMinecartSheet = "gfx\\minecart.png";
inline constexpr std::string_view kMinecartInfoPicture = "gfx\\minecartinfo.png";
inline constexpr std::string_view kWheelbarrowSheet = "gfx\\wheelbrw.png";
inline constexpr std::string_view kLampsSheet = "gfx\\lamps.png";
inline constexpr std::string_view kElevatorPicture = "gfx\\elevator.png";
inline constexpr std::string_view kElevatorRopePicture = "gfx\\elevator_rope.png";
inline constexpr std::string_view kWallSheet = "gfx\\wall.png";
inline constexpr std::string_view kOnlineButtonPicture = "gfx\\OnlineButton.png";
inline constexpr std::string_view kMainMenuPicture = "gfx\\mainmenu.png";
inline constexpr std::string_view kMenuOptionsPicture = "gfx\\menuoptions.png";
inline constexpr std::string_view kMenuGenericPicture = "gfx\\menugeneric.png";
inline constexpr std::string_view kMenuOptionButtonsSheet = "gfx\\MenuOptionButtons.png";
inline constexpr std::string_view kMenuButtonsSheet = "gfx\\menubuttons_v2.png";
inline constexpr std::string_view kMenuHeadersSheet = "gfx\\menuheaders_v2.png";
inline constexpr std::string_view kMenuOptionsFramePicture = "gfx\\menuoptionsframe.png";
inline constexpr std::string_view kMenuLampsSheet = "gfx\\menulamps.png";
inline constexpr std::string_view kMenuFaceSheet = "gfx\\menuface_anim.png";
inline constexpr std::string_view kMenuCloseButtonPicture = "gfx\\menu_close_bttn.png";
inline constexpr std::string_view kSelectDifficultyPicture = "gfx\\SelectDifficulty.png";
inline constexpr std::string_view kEmptyDialogPicture = "gfx\\emptydialog.png";
inline constexpr std::string_view kIconPicture = "gfx\\icon.png";

inline constexpr std::string_view kDeadSound = "snd\\DeadSND.ogg";
inline constexpr std::string_view kBlipSound = "snd\\BlipSND.ogg";
inline constexpr std::string_view kDingSound = "snd\\DingSND.ogg";
inline constexpr std::string_view kItemCollectSound = "snd\\ItemCollectSND.ogg";
inline constexpr std::string_view kFinalItemCollectSound = "snd\\FinalItemCollectSND.ogg";
inline constexpr std::string_view kWallHitSound = "snd\\WallHit.ogg";
inline constexpr std::string_view kItemPlacedInWheelbarrowSound = "snd\\Itemplacedinwheelbarrow.ogg";
inline constexpr std::string_view kGameOverSound = "snd\\GameOver.ogg";
inline constexpr std::string_view kHitMineCartSound = "snd\\HitMineCart.ogg";
inline constexpr std::string_view kDropPackageSound = "snd\\DropPackage.ogg";
inline constexpr std::string_view kDropAxeSound = "snd\\DropAxe.ogg";
inline constexpr std::string_view kFloorAxeHitSound = "snd\\FloorAxeHit.ogg";
inline constexpr std::string_view kCrunchSound = "snd\\Crunch.ogg";
inline constexpr std::string_view kSnowStep1Sound = "snd\\SnowStep1SND.ogg";
inline constexpr std::string_view kSnowStep2Sound = "snd\\SnowStep2SND.ogg";
inline constexpr std::string_view kFallingItemLandsSound = "snd\\FallingItemLands.ogg";
inline constexpr std::string_view kCartInfoSound = "snd\\CartInfoSND.ogg";
inline constexpr std::string_view kJumpOutOfCartSound = "snd\\JumpOutOfCart.ogg";
inline constexpr std::string_view kPoofSound = "snd\\Poof.ogg";
inline constexpr std::string_view kTeleportSound = "snd\\teleport.ogg";
inline constexpr std::string_view kLevelCompleteSound = "snd\\LevelComplete.ogg";
inline constexpr std::string_view kHandleUpSound = "snd\\HandleUp.ogg";
inline constexpr std::string_view kHandleDownSound = "snd\\HandleDown.ogg";
inline constexpr std::string_view kPackageCollectedSound = "snd\\PackageCollected.ogg";
inline constexpr std::string_view kMenuMusic = "snd\\Music1menu-loop.ogg";
inline constexpr std::string_view kInGameMusic1 = "snd\\Music2ingame1-loop.ogg";
inline constexpr std::string_view kInGameMusic2 = "snd\\Music2ingame2-loop.ogg";
inline constexpr std::string_view kInGameMusic3 = "snd\\Music2ingame3-loop.ogg";
inline constexpr std::string_view kInGameMusic4 = "snd\\Music2ingame4-loop.ogg";

// Every name above, in the asset table's order.
inline constexpr std::array kAssetNames{
    kLevelPicture,
    kGroundMask,
    kWalkMask,
    kEnemyMask,
    kFontSheet,
    kItemsSheet,
    kHeroSheet,
    kElfSheet,
    kSantaCollisionPicture,
    kPoofSheet,
    kPoofFullSheet,
    kMinecartSheet,
    kMinecartInfoPicture,
    kWheelbarrowSheet,
    kLampsSheet,
    kElevatorPicture,
    kElevatorRopePicture,
    kWallSheet,
    kOnlineButtonPicture,
    kMainMenuPicture,
    kMenuOptionsPicture,
    kMenuGenericPicture,
    kMenuOptionButtonsSheet,
    kMenuButtonsSheet,
    kMenuHeadersSheet,
    kMenuOptionsFramePicture,
    kMenuLampsSheet,
    kMenuFaceSheet,
    kMenuCloseButtonPicture,
    kSelectDifficultyPicture,
    kEmptyDialogPicture,
    kIconPicture,
    kDeadSound,
    kBlipSound,
    kDingSound,
    kItemCollectSound,
    kFinalItemCollectSound,
    kWallHitSound,
    kItemPlacedInWheelbarrowSound,
    kGameOverSound,
    kHitMineCartSound,
    kDropPackageSound,
    kDropAxeSound,
    kFloorAxeHitSound,
    kCrunchSound,
    kSnowStep1Sound,
    kSnowStep2Sound,
    kFallingItemLandsSound,
    kCartInfoSound,
    kJumpOutOfCartSound,
    kPoofSound,
    kTeleportSound,
    kLevelCompleteSound,
    kHandleUpSound,
    kHandleDownSound,
    kPackageCollectedSound,
    kMenuMusic,
    kInGameMusic1,
    kInGameMusic2,
    kInGameMusic3,
    kInGameMusic4,
};

// The short name the sound manager plays a sound by: "snd\\DeadSND.ogg" gives
// "DeadSND".
constexpr std::string_view PlayName(std::string_view name) {
    name.remove_prefix(name.find_last_of('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

}  // namespace assets
