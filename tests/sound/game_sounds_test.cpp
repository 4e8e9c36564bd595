// The game's side of the effects, against a recording stand-in for the control.
#include "game/sound/effects_sink.h"
#include "game/sound/game_sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dravik::sound;
using namespace dravik;

namespace {

class RecordingControl : public SoundControl {
  public:
    void Window(int32_t handle) override { windows.push_back(handle); }
    int32_t InitializeSound() override { return initializeOutcome; }
    int32_t CreateStaticSound(const std::string& fileName) override {
        created.push_back(fileName);
        return fileName.ends_with("Hint.wav") ? -12 : 100 + static_cast<int32_t>(created.size());
    }
    int32_t PlayStaticSound(int32_t& index, int32_t loop) override {
        played.emplace_back(index, loop);
        return 1;
    }

    int32_t initializeOutcome = 1;
    std::vector<int32_t> windows;
    std::vector<std::string> created;
    std::vector<std::pair<int32_t, int32_t>> played;
};

} // namespace

TEST(GameSounds, InitSoundLoadsTheTenEffectsInOrderAndKeepsEachOutcome) {
    RecordingControl control;
    GameSounds sounds(&control, "/opt/dravik/");
    EXPECT_EQ(sounds.SoundHandles(), (std::array<int32_t, 10>{}));
    sounds.Init_Sound();
    EXPECT_TRUE(sounds.SoundAvailable());
    const std::vector<std::string> expected = {
        "/opt/dravik/Applause.wav",  "/opt/dravik/Discard.wav",  "/opt/dravik/Assign.wav",
        "/opt/dravik/ResetCell.wav", "/opt/dravik/Solution.wav", "/opt/dravik/Label.wav",
        "/opt/dravik/UndoRedo.wav",  "/opt/dravik/Hint.wav",     "/opt/dravik/Error.wav",
        "/opt/dravik/Giggle.wav"};
    EXPECT_EQ(control.created, expected);
    EXPECT_EQ(sounds.SoundHandles()[0], 101);
    EXPECT_EQ(sounds.SoundHandles()[kSoundHint], -12); // stored as it came
    EXPECT_EQ(sounds.SoundHandles()[kSoundGiggle], 110);
}

TEST(GameSounds, WithoutADeviceNothingIsLoaded) {
    for (int32_t outcome : {-10, -11, 0, 2}) {
        RecordingControl control;
        control.initializeOutcome = outcome;
        GameSounds sounds(&control, "/p/");
        sounds.Init_Sound();
        EXPECT_FALSE(sounds.SoundAvailable()) << outcome;
        EXPECT_TRUE(control.created.empty());
        // Play requests still reach the control (for handle 0), which refuses them.
        sounds.Speel(kSoundAssign);
        ASSERT_EQ(control.played.size(), 1u);
        EXPECT_EQ(control.played[0].first, 0);
    }
    GameSounds noControl(nullptr, "/p/");
    noControl.SetWindow(5);
    noControl.Init_Sound();
    noControl.Speel(kSoundAssign);
    EXPECT_FALSE(noControl.SoundAvailable());
}

TEST(GameSounds, SpeelPlaysALoadedEffectOnce) {
    RecordingControl control;
    GameSounds sounds(&control, "/p/");
    sounds.Init_Sound();
    sounds.Speel(kSoundAssign);
    sounds.Speel(kSoundApplause);
    ASSERT_EQ(control.played.size(), 2u);
    EXPECT_EQ(control.played[0], std::make_pair(103, 0)); // effect 2's handle, no loop
    EXPECT_EQ(control.played[1], std::make_pair(101, 0));

    sounds.Speel(kSoundHint); // failed to load: silent
    sounds.Speel(-1);         // outside 0-9: ignored
    sounds.Speel(10);
    EXPECT_EQ(control.played.size(), 2u);
}

TEST(GameSounds, TheWindowHandleBecomesANonZeroValueWheneverThereIsAWindow) {
    RecordingControl control;
    GameSounds sounds(&control, "/p/");
    sounds.SetWindow(0x2A00007);
    sounds.SetWindow(0x500000000ull); // low half zero: still a window
    sounds.SetWindow(0x100000001ull); // halves that cancel out
    sounds.SetWindow(0);
    ASSERT_EQ(control.windows.size(), 4u);
    EXPECT_EQ(control.windows[0], 0x2A00007);
    EXPECT_NE(control.windows[1], 0);
    EXPECT_NE(control.windows[2], 0);
    EXPECT_EQ(control.windows[3], 0);
}

TEST(GameSounds, TheGameObjectsSinkPlaysThroughTheEffects) {
    RecordingControl control;
    GameSounds sounds(&control, "/p/");
    sounds.Init_Sound();
    EffectsSink sink(sounds);
    dravik::SoundSink& asSeenByTheGame = sink;
    asSeenByTheGame.Speel(dravik::kSoundUndoRedo);
    asSeenByTheGame.Speel(65536 + kSoundAssign); // not an effect, whatever its low bits
    asSeenByTheGame.Speel(-1);
    ASSERT_EQ(control.played.size(), 1u);
    EXPECT_EQ(control.played[0].first, sounds.SoundHandles()[kSoundUndoRedo]);
}
