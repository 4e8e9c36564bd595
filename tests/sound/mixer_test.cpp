#include "wav_builder.h"

#include "mixer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace wavtest;
using wavory::Mixer;
using wavory::PcmFormat;

namespace {

constexpr PcmFormat kMono16{1, 16, 48000, 2};
constexpr PcmFormat kStereo16{2, 16, 48000, 4};
constexpr PcmFormat kMono8{1, 8, 48000, 1};

Mixer::BufferId Load(Mixer& mixer, const PcmFormat& format, const Bytes& data) {
    auto id = mixer.CreateBuffer(format, static_cast<uint32_t>(data.size()));
    EXPECT_TRUE(id.has_value());
    EXPECT_TRUE(mixer.Write(*id, 0, data.data(), static_cast<uint32_t>(data.size())));
    return *id;
}

std::vector<int16_t> Pull(Mixer& mixer, size_t frames) {
    std::vector<int16_t> out(frames * 2, 12345);
    mixer.Mix(out.data(), frames);
    return out;
}

int16_t Scaled(int sample, double hundredthsOfDb) {
    return static_cast<int16_t>(std::lround(sample * std::pow(10.0, hundredthsOfDb / 2000.0)));
}

} // namespace

TEST(Mixer, AKnownSoundAtAKnownVolumeAndPanGivesTheExpectedSamples) {
    const std::vector<int> samples = {1000, -2000, 3000, -4000, 32767, -32768};
    Bytes data;
    for (int s : samples) Put16(data, static_cast<uint16_t>(static_cast<int16_t>(s)));
    Mixer mixer;
    auto id = Load(mixer, kMono16, data);

    // Full volume, centre: the samples come out as they are, on both sides.
    mixer.Play(id, false);
    auto out = Pull(mixer, samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(out[2 * i], samples[i]) << i;
        EXPECT_EQ(out[2 * i + 1], samples[i]) << i;
    }

    // -6 dB and pan 10 dB to the right: the left side loses another 10 dB.
    ASSERT_TRUE(mixer.SetVolume(id, -600));
    ASSERT_TRUE(mixer.SetPan(id, 1000));
    mixer.Play(id, false);
    out = Pull(mixer, samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_NEAR(out[2 * i], Scaled(samples[i], -1600), 1) << i;
        EXPECT_NEAR(out[2 * i + 1], Scaled(samples[i], -600), 1) << i;
    }

    // Fully left: the right side is silent; -10000 is silence altogether.
    ASSERT_TRUE(mixer.SetVolume(id, 0));
    ASSERT_TRUE(mixer.SetPan(id, -10000));
    mixer.Play(id, false);
    out = Pull(mixer, 2);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[1], 0);
    ASSERT_TRUE(mixer.SetVolume(id, -10000));
    out = Pull(mixer, 2);
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(out[3], 0);
}

TEST(Mixer, ConvertsEightBitAndStereoSamples) {
    Mixer mixer;
    auto eight = Load(mixer, kMono8, Bytes{128, 255, 0, 129});
    mixer.Play(eight, false);
    auto out = Pull(mixer, 4);
    EXPECT_EQ(out[0], 0); // 128 is silence
    EXPECT_EQ(out[2], 127 * 256);
    EXPECT_EQ(out[4], -32768);
    EXPECT_EQ(out[6], 256);

    Mixer second;
    auto stereo = Load(second, kStereo16, Pcm16({100, -100, 200, -200}));
    second.Play(stereo, false);
    out = Pull(second, 3);
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(out[1], -100);
    EXPECT_EQ(out[2], 200);
    EXPECT_EQ(out[3], -200);
    EXPECT_EQ(out[4], 0); // ended
    EXPECT_EQ(out[5], 0);
}

TEST(Mixer, LoopingWrapsWhileAOneShotStopsAndRewinds) {
    Mixer mixer;
    auto looped = Load(mixer, kMono16, Pcm16({1, 2, 3, 4}));
    mixer.Play(looped, true);
    auto out = Pull(mixer, 10);
    const int expected[] = {1, 2, 3, 4, 1, 2, 3, 4, 1, 2};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(out[2 * i], expected[i]) << i;
    EXPECT_TRUE(mixer.IsPlaying(looped));
    EXPECT_EQ(mixer.Position(looped), 4u); // two bytes a frame, at frame 2

    Mixer other;
    auto once = Load(other, kMono16, Pcm16({5, 6, 7}));
    other.Play(once, false);
    out = Pull(other, 5);
    EXPECT_EQ(out[4], 7);
    EXPECT_EQ(out[6], 0);
    EXPECT_FALSE(other.IsPlaying(once));
    EXPECT_EQ(other.Position(once), 0u); // ready to play again from the start
}

TEST(Mixer, FrequencyChangesTheRate) {
    Mixer mixer;
    auto id = Load(mixer, kMono16, Pcm16({0, 1000, 2000, 3000, 4000, 5000, 6000, 7000}));

    // Half the output rate: every source frame spans two output frames, and
    // the frames between are interpolated.
    ASSERT_TRUE(mixer.SetFrequency(id, 24000));
    mixer.Play(id, false);
    auto out = Pull(mixer, 6);
    const int half[] = {0, 500, 1000, 1500, 2000, 2500};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(out[2 * i], half[i]) << i;

    // Twice the output rate: every other frame.
    mixer.Stop(id);
    mixer.SetPosition(id, 0);
    ASSERT_TRUE(mixer.SetFrequency(id, 96000));
    mixer.Play(id, false);
    out = Pull(mixer, 5);
    const int twice[] = {0, 2000, 4000, 6000, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out[2 * i], twice[i]) << i;

    // A 44.1 kHz sound plays 44100 source frames per 48000 output frames.
    Mixer cd;
    auto slow = cd.CreateBuffer({1, 16, 44100, 2}, 44100 * 2);
    ASSERT_TRUE(slow);
    cd.Play(*slow, false);
    std::vector<int16_t> second(48000 * 2 - 200);
    cd.Mix(second.data(), second.size() / 2);
    EXPECT_TRUE(cd.IsPlaying(*slow));
    std::vector<int16_t> rest(600);
    cd.Mix(rest.data(), 300);
    EXPECT_FALSE(cd.IsPlaying(*slow));
}

TEST(Mixer, DuplicatesShareDataButKeepTheirOwnPositionVolumeAndPan) {
    Mixer mixer;
    auto original = Load(mixer, kMono16, Pcm16({8000, 8000, 8000, 8000}));
    auto copy = mixer.Duplicate(original);
    ASSERT_TRUE(copy);
    EXPECT_EQ(mixer.Length(*copy), 8u);
    mixer.SetPan(original, -10000); // left only
    mixer.SetPan(*copy, 10000);     // right only
    mixer.SetVolume(*copy, -600);
    mixer.SetPosition(*copy, 4);
    mixer.Play(original, false);
    mixer.Play(*copy, false);
    auto out = Pull(mixer, 4);
    EXPECT_EQ(out[0], 8000);
    EXPECT_EQ(out[1], Scaled(8000, -600));
    EXPECT_EQ(out[4], 8000);
    EXPECT_EQ(out[5], 0); // the copy started half-way and has ended
    EXPECT_EQ(mixer.Volume(original), 0);
    EXPECT_EQ(mixer.Pan(*copy), 10000);

    // New data written through one is heard through the other.
    Bytes loud = Pcm16({-100});
    mixer.Write(original, 0, loud.data(), 2);
    mixer.SetPan(*copy, 0);
    mixer.SetVolume(*copy, 0);
    mixer.Play(*copy, false);
    out = Pull(mixer, 1);
    EXPECT_EQ(out[0], -100);
}

TEST(Mixer, RefusesValuesOutsideTheirRanges) {
    Mixer mixer;
    auto id = Load(mixer, kMono16, Pcm16({1, 2}));
    EXPECT_TRUE(mixer.SetVolume(id, -10000));
    EXPECT_TRUE(mixer.SetVolume(id, 0));
    EXPECT_FALSE(mixer.SetVolume(id, 1));
    EXPECT_FALSE(mixer.SetVolume(id, -10001));
    EXPECT_TRUE(mixer.SetPan(id, -10000));
    EXPECT_TRUE(mixer.SetPan(id, 10000));
    EXPECT_FALSE(mixer.SetPan(id, 10001));
    EXPECT_TRUE(mixer.SetFrequency(id, 100));
    EXPECT_TRUE(mixer.SetFrequency(id, 100000));
    EXPECT_FALSE(mixer.SetFrequency(id, 99));
    EXPECT_FALSE(mixer.SetPosition(id, 4)); // one past the end
    EXPECT_TRUE(mixer.SetPosition(id, 3));  // inside the last frame: its start
    EXPECT_EQ(mixer.Position(id), 2u);
    EXPECT_FALSE(mixer.Write(id, 2, Pcm16({1, 2}).data(), 4));
    EXPECT_FALSE(mixer.Play(999, false));

    EXPECT_FALSE(mixer.CreateBuffer({3, 16, 48000, 6}, 12));  // three channels
    EXPECT_FALSE(mixer.CreateBuffer({1, 24, 48000, 3}, 12));  // 24-bit
    EXPECT_FALSE(mixer.CreateBuffer({1, 16, 99, 2}, 12));     // rate too low
    EXPECT_FALSE(mixer.CreateBuffer({1, 16, 100001, 2}, 12)); // rate too high
    EXPECT_FALSE(mixer.CreateBuffer({2, 16, 48000, 2}, 12));  // wrong block align
    EXPECT_FALSE(mixer.CreateBuffer(kMono16, 1));             // less than a frame
    EXPECT_FALSE(mixer.CreateBuffer(kMono16, wavory::kMaxBufferBytes + 1));
}

TEST(Mixer, SumsVoicesAndClipsAtFullScale) {
    Mixer mixer;
    auto a = Load(mixer, kMono16, Pcm16({30000, -30000, 1000}));
    auto b = Load(mixer, kMono16, Pcm16({30000, -30000, -3000}));
    mixer.Play(a, false);
    mixer.Play(b, false);
    auto out = Pull(mixer, 3);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[2], -32768);
    EXPECT_EQ(out[4], -2000);
    EXPECT_EQ(mixer.PlayingCount(), 0u);
}
