// The start-up's self-check: a misspelt, missing or broken asset is an error
// naming it, not a blank picture or a silent sound.
#include "shell/asset_check.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "assets/asset_names.h"
#include "assets/registry.h"
#include "platform/platform.h"

namespace {

class AssetCheck : public ::testing::Test {
protected:
    void SetUp() override { Restore(); }
    void TearDown() override { Restore(); }
    static void Restore() {
        assets::ClearRegistry();
        ASSERT_TRUE(assets::RegisterEmbeddedAssets());
    }
    static assets::Bytes BytesOf(std::string_view name) { return *assets::Lookup(name); }
};

const std::array<std::uint8_t, 12> kGarbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r'};

TEST_F(AssetCheck, EveryEmbeddedAssetIsRegisteredAndDecodes) {
    EXPECT_EQ(shell::FindAssetFault(assets::kAssetNames), std::nullopt);
    EXPECT_NO_THROW(shell::CheckEmbeddedAssets());
}

TEST_F(AssetCheck, AMisspeltNameIsReportedByName) {
    const std::vector<std::string_view> names{assets::kMainMenuPicture, "gfx\\mainmneu.png",
                                              assets::kBlipSound};
    EXPECT_EQ(shell::FindAssetFault(names), "snatchkin: embedded asset gfx\\mainmneu.png is missing");
}

TEST_F(AssetCheck, BrokenBytesAreReportedByName) {
    struct Case {
        std::string_view name;
        assets::Bytes bytes;
        const char* fault;
    };
    const Case cases[] = {
        {assets::kIconPicture, kGarbage, "snatchkin: embedded asset gfx\\icon.png does not decode"},
        {assets::kIconPicture, BytesOf(assets::kFontSheet),
         "snatchkin: embedded asset gfx\\icon.png does not decode to 64 by 64 pixels (it has 160 by 180)"},
        {assets::kBlipSound, BytesOf(assets::kIconPicture),
         "snatchkin: embedded asset snd\\BlipSND.ogg does not decode"},
        {assets::kDeadSound, {}, "snatchkin: embedded asset snd\\DeadSND.ogg is missing"},
    };
    for (const Case& c : cases) {
        Restore();
        assets::Register(c.name, c.bytes);
        EXPECT_EQ(shell::FindAssetFault(assets::kAssetNames), c.fault);
    }
}

TEST_F(AssetCheck, TheStartUpStepFailsWithTheFault) {
    assets::Register(assets::kEmptyDialogPicture, kGarbage);
    try {
        shell::CheckEmbeddedAssets();
        FAIL() << "a broken picture passed the check";
    } catch (const platform::FatalError& failure) {
        EXPECT_STREQ(failure.what(), "snatchkin: embedded asset gfx\\emptydialog.png does not decode");
    }
}

}  // namespace
