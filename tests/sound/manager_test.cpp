// The sound manager's rules, on the real mixer with the headless back end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "platform/state_registry.h"
#include "services/audio/mixer.h"
#include "services/sound.h"
#include "services/sound_startup.h"
#include "services/sound_state.h"
#include "tests/temp_path.h"

namespace {

using services::AudioSystem;
using services::Sound;
using services::SoundList;

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets::ClearRegistry();
        EXPECT_TRUE(assets::RegisterEmbeddedAssets());
        services::ResetSoundState();
        services::CreateSoundList();
        services::CreateAudioSystem(100, services::audio::Backend::Headless);
        services::LoadAllSounds();
        services::SetMenuMusicVolume();
    }
    void TearDown() override {
        services::ResetSoundState();
        assets::ClearRegistry();
    }

    static std::vector<float> Mix(int frames) {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        AudioSystem->MixInto(out.data(), frames);
        return out;
    }
    static Sound& Entry(std::string_view fx) {
        return *std::find_if(SoundList.begin(), SoundList.end(), [&](const Sound& s) { return s.FX == fx; });
    }
};

float Peak(const std::vector<float>& v) {
    float p = 0.0f;
    for (float x : v) p = std::max(p, std::abs(x));
    return p;
}

TEST_F(SoundManagerTest, StartUpRegistersEverySoundOnItsChannelInTableOrder) {
    ASSERT_EQ(SoundList.size(), 29u);
    EXPECT_EQ(services::SoundCounter, 29);
    const std::pair<int, std::string_view> expected[] = {
        {1, "deadsnd"},   {6, "wallhit"},          {19, "poof"},
        {20, "teleport"}, {25, "music1menu-loop"}, {29, "music2ingame4-loop"}};
    for (auto [nr, fx] : expected) {
        EXPECT_EQ(SoundList[nr - 1].FX, fx);
        EXPECT_EQ(SoundList[nr - 1].ChannelNr, nr);
    }
    for (const auto& s : SoundList) EXPECT_EQ(s.cvolume, s.FX == "music1menu-loop" ? 0.25f : 1.0f) << s.FX;
}

TEST_F(SoundManagerTest, NamesMatchWithoutRegardToCase) {
    Sound::Play("Wallhit", 0);
    EXPECT_EQ(Entry("wallhit").isplay, 1);
    EXPECT_EQ(Sound::IsPlaying("WALLHIT"), 1);
    EXPECT_GT(Peak(Mix(2000)), 0.1f) << "the wall hit should be heard";
    EXPECT_EQ(Sound::IsPlaying("NoSuchSound"), 0);
}

TEST_F(SoundManagerTest, LoopedMusicMarkedPlayingIsNotRestarted) {
    Sound::ChannelVolume("Music1menu-loop", 100.0f);
    Sound::Play("Music1menu-loop", 1);
    auto opening = Mix(4096);
    auto started = Entry("music1menu-loop").channel;
    Sound::Play("Music1menu-loop", 1);
    EXPECT_EQ(Entry("music1menu-loop").channel->generation, started->generation);
    EXPECT_NE(Mix(4096), opening) << "the music went on, not back to its start";

    Sound::Stop("Music1menu-loop");
    Sound::Play("Music1menu-loop", 1);
    // Under the first few milliseconds the stopped start still fades out.
    auto again = Mix(4096);
    const std::size_t faded = 2 * services::audio::kFadeFrames;
    EXPECT_TRUE(std::equal(again.begin() + faded, again.end(), opening.begin() + faded))
        << "after a stop it starts from the beginning";
}

TEST_F(SoundManagerTest, OneShotStartedAgainRestartsOnItsOwnChannelOnly) {
    Sound::Play("teleport", 0);
    Sound::Play("BlipSND", 0);
    Mix(3000);
    Sound::Play("BlipSND", 0);
    EXPECT_EQ(Sound::IsPlaying("BlipSND"), 1);
    EXPECT_EQ(Sound::IsPlaying("teleport"), 1) << "another sound is not cut off";
    Mix(10000);  // the blip is 0.23 s long: restarted, it still sounds after 13 000 frames
    EXPECT_EQ(Sound::IsPlaying("BlipSND"), 1);
}

TEST_F(SoundManagerTest, VolumeSetBeforeTheFirstStartIsTheStartingVolume) {
    Sound::Play("Music1menu-loop", 1);
    auto quiet = Mix(8192);
    Sound::Stop("Music1menu-loop");
    Mix(services::audio::kFadeFrames);
    Sound::ChannelVolume("Music1menu-loop", 100.0f);
    Sound::Play("Music1menu-loop", 1);
    auto full = Mix(8192);
    ASSERT_GT(Peak(full), 0.05f);
    for (std::size_t i = 0; i < full.size(); ++i)
        ASSERT_NEAR(quiet[i], 0.25f * full[i], 1e-6) << "sample " << i;
}

TEST_F(SoundManagerTest, GlobalAndChannelVolumeReachARunningSound) {
    Sound::Play("Music2ingame2-loop", 1);
    Mix(1000);
    Sound::GlobalVolume(0.0f);
    EXPECT_EQ(Peak(Mix(1000)), 0.0f);
    Sound::GlobalVolume(100.0f);
    Sound::ChannelVolume("music2ingame2-loop", 0.0f);
    EXPECT_EQ(Peak(Mix(1000)), 0.0f);
    Sound::ChannelVolume("music2ingame2-loop", 33.0f);
    EXPECT_GT(Peak(Mix(1000)), 0.0f);
}

TEST_F(SoundManagerTest, FinishedJingleIsNotPlayingThoughStillMarked) {
    Sound::Play("LevelComplete", 0);
    Mix(44100);
    EXPECT_EQ(Sound::IsPlaying("LevelComplete"), 1);
    for (int i = 0; i < 25; ++i) Mix(44100);
    EXPECT_EQ(Sound::IsPlaying("LevelComplete"), 0);
    EXPECT_EQ(Entry("levelcomplete").isplay, 1);
    Sound::Play("LevelComplete", 0);
    EXPECT_EQ(Sound::IsPlaying("LevelComplete"), 1) << "a new start plays it again";
}

TEST_F(SoundManagerTest, DuplicateLoadAddsASecondEntryThatOnlySomeCallsReach) {
    EXPECT_EQ(Sound::Load("snd\\WallHit.ogg", 1), 1);
    ASSERT_EQ(SoundList.size(), 30u);
    Sound& second = SoundList.back();
    EXPECT_EQ(second.FX, "wallhit");
    EXPECT_EQ(second.ChannelNr, 30);
    Sound& first = SoundList[5];

    Sound::Play("wallhit", 0);
    EXPECT_TRUE(first.channel);
    EXPECT_FALSE(second.channel);
    Sound::ChannelVolume("wallhit", 50.0f);
    EXPECT_EQ(first.cvolume, 0.5f);
    EXPECT_EQ(second.cvolume, 0.5f);
    Sound::Stop("wallhit");
    EXPECT_FALSE(first.channel);
    EXPECT_EQ(first.isplay, 0);
}

TEST_F(SoundManagerTest, StopOfLoopedMusicNeverStartedOrAlreadyStopped) {
    Sound::Stop("Music2ingame1-loop");  // never started: nothing to do
    EXPECT_EQ(Entry("music2ingame1-loop").isplay, 0);
    EXPECT_FALSE(Entry("music2ingame1-loop").channel);

    Sound::Play("Music1menu-loop", 1);
    Sound::Stop("Music1menu-loop");
    Sound::Play("BlipSND", 0);
    Sound::Play("Music2ingame1-loop", 1);
    // The walk over "all" stops the blip, then ends at the stopped menu music:
    // the in-game music after it in the list keeps playing.
    Sound::Stop("all");
    EXPECT_EQ(Entry("blipsnd").isplay, 0);
    EXPECT_EQ(Sound::IsPlaying("BlipSND"), 0);
    EXPECT_EQ(Entry("music2ingame1-loop").isplay, 1);
    EXPECT_EQ(Sound::IsPlaying("Music2ingame1-loop"), 1);
}

TEST_F(SoundManagerTest, PauseAndResumeAll) {
    Sound::Play("Music2ingame3-loop", 1);
    Mix(1000);
    Sound::Pause("all", 0);
    EXPECT_EQ(Entry("music2ingame3-loop").isplay, 0);
    EXPECT_EQ(Peak(Mix(1000)), 0.0f);
    Sound::Pause("ALL", 1);
    EXPECT_EQ(Entry("music2ingame3-loop").isplay, 1);
    EXPECT_GT(Peak(Mix(1000)), 0.0f);
}

TEST_F(SoundManagerTest, FailedLoadLeavesAGapInTheChannelIndices) {
    const std::uint8_t junk[] = {'n', 'o', 't', ' ', 'o', 'g', 'g'};
    assets::Register("snd\\Broken.ogg", junk);
    EXPECT_EQ(Sound::Load("snd\\Broken.ogg", 1), 0);
    EXPECT_EQ(Sound::Load("snd\\NoSuchFile.ogg", 1), 0);
    EXPECT_EQ(Sound::Load("snd\\Poof.ogg", 1), 1);
    EXPECT_EQ(services::SoundCounter, 32);
    EXPECT_EQ(SoundList.size(), 30u);
    EXPECT_EQ(SoundList.back().ChannelNr, 32);
    EXPECT_EQ(Sound::IsPlaying("broken"), 0);
}

// An embedded entry without bytes counts as nothing embedded.
TEST_F(SoundManagerTest, LoadsAFileFromDiskWhenNothingIsEmbeddedUnderThePath) {
    auto bytes = *assets::Lookup("snd\\DingSND.ogg");
    auto path = testing_support::TempPathForThisTest("sound") / "snatchkin_Sound_Test.OGG";
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    assets::Register(path.string(), {});
    EXPECT_EQ(Sound::Load(path.string(), 1), 1);
    std::filesystem::remove_all(path.parent_path());
    EXPECT_EQ(SoundList.back().FX, "snatchkin_sound_test");
    Sound::Play("snatchkin_Sound_Test", 0);
    EXPECT_GT(Peak(Mix(1000)), 0.1f);
}

TEST_F(SoundManagerTest, AfterAppExitCallsAreHarmless) {
    Sound::Play("Music1menu-loop", 1);
    EXPECT_EQ(Sound::AppExit(), 0);
    EXPECT_EQ(Sound::IsPlaying("Music1menu-loop"), 0);
    Sound::Stop("all");
    Sound::Play("BlipSND", 0);
    EXPECT_FALSE(Entry("blipsnd").channel);
}

// The dump shows what was started; the common reset brings back channel 1 for
// the next run in the same process.
TEST_F(SoundManagerTest, StateIsDumpedAndResetWithTheRest) {
    Sound::GlobalVolume(50.0f);
    Sound::Play("Wallhit", 0);
    std::string dump = platform::DumpState();
    EXPECT_NE(dump.find("SoundCounter=29\n"), std::string::npos);
    EXPECT_NE(dump.find("MasterVolume=0.5"), std::string::npos);
    EXPECT_NE(dump.find("SoundList[5].FX=wallhit\nSoundList[5].ChannelNr=6\nSoundList[5].Loop=0\n"
                        "SoundList[5].isplay=1\nSoundList[5].channel=1\n"),
              std::string::npos)
        << dump;

    platform::ResetAllState();
    EXPECT_EQ(services::SoundCounter, 0);
    EXPECT_EQ(services::MasterVolume, 1.0f);
    EXPECT_TRUE(SoundList.empty());
    EXPECT_FALSE(AudioSystem);
    services::CreateAudioSystem(100, services::audio::Backend::Headless);
    services::LoadAllSounds();
    EXPECT_EQ(SoundList.front().ChannelNr, 1);
}

// Through SDL's audio callback (its "dummy" driver plays in time without a
// sound card) and without any device (the game runs on in silence), sounds
// still end when they would.
TEST(SoundOnTheDeviceBackEnd, SoundsEndInTime) {
    const std::pair<const char*, bool> drivers[] = {{"dummy", true}, {"no-such-driver", false}};
    for (auto [driver, card] : drivers) {
        SCOPED_TRACE(driver);
        assets::ClearRegistry();
        EXPECT_TRUE(assets::RegisterEmbeddedAssets());
        services::ResetSoundState();
        setenv("SDL_AUDIODRIVER", driver, 1);
        services::CreateAudioSystem(100);
        EXPECT_EQ(AudioSystem->HasDevice(), card);
        services::LoadAllSounds();
        Sound::Play("DingSND", 0);
        EXPECT_EQ(Sound::IsPlaying("DingSND"), 1);
        for (int i = 0; i < 200 && Sound::IsPlaying("DingSND"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(Sound::IsPlaying("DingSND"), 0) << "a 0.05 s sound should have ended within 2 s";
        services::ResetSoundState();
        assets::ClearRegistry();
        unsetenv("SDL_AUDIODRIVER");
    }
}

}  // namespace
