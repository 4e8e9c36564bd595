#include "wav_builder.h"

#include "engine.h"

#include <wavory/wavory.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "support/child_process.h"

using namespace wavtest;
using namespace wavory;

namespace {

struct DeviceLog {
    int opens = 0;
    bool refuse = false;
};

// A device that opens on request and pulls nothing: tests pull from the mixer.
class FakeDevice : public OutputDevice {
  public:
    explicit FakeDevice(DeviceLog& log) : log_(log) {}
    bool Open(Mixer&) override {
        ++log_.opens;
        if (log_.refuse) return false;
        open_ = true;
        return true;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }

  private:
    DeviceLog& log_;
    bool open_ = false;
};

class EngineTest : public ::testing::Test {
  protected:
    EngineTest()
        : engine(std::make_unique<FakeDevice>(log),
                 Engine::Options{false, [this] { return now; }}) {}

    void Open() { ASSERT_EQ(engine.InitializeSound(77), WAVO_DONE); }

    std::vector<int16_t> Pull(size_t frames) {
        std::vector<int16_t> out(frames * 2);
        engine.GetMixer().Mix(out.data(), frames);
        return out;
    }

    Bytes RingBytes(int32_t stream) {
        const StreamingSound* s = engine.Stream(stream);
        Bytes out(s->bufferBytes);
        engine.GetMixer().ReadBack(s->buffer, 0, out.data(), s->bufferBytes);
        return out;
    }

    TempDir dir;
    DeviceLog log;
    uint32_t now = 5000;
    Engine engine;
};

} // namespace

TEST_F(EngineTest, OpensTheDeviceOnceAndOnlyForAWindow) {
    EXPECT_EQ(engine.InitializeSound(0), WAVO_NO_WINDOW);
    EXPECT_EQ(log.opens, 0);
    log.refuse = true;
    EXPECT_EQ(engine.InitializeSound(5), WAVO_NO_DEVICE);
    log.refuse = false;
    EXPECT_EQ(engine.InitializeSound(5), WAVO_DONE);
    EXPECT_EQ(engine.InitializeSound(9), WAVO_DONE); // already open: nothing new
    EXPECT_EQ(engine.InitializeSound(0), WAVO_DONE);
    EXPECT_EQ(log.opens, 2);
    EXPECT_EQ(engine.Window(), 5u);
}

TEST_F(EngineTest, UnknownIndexesGiveEachMembersOwnCodeAndRangesAreCheckedFirst) {
    Open();
    for (int32_t bad : {-1, 0, 3, 1 << 30}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(engine.PlayStaticSound(bad, 0), WAVO_NO_BUFFER);
        EXPECT_EQ(engine.StopStaticSound(bad), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.SetStaticPan(bad, 0), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.SetStaticVolume(bad, 0), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.GetStaticVolume(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetStaticPan(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetStaticFrequency(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.SetStaticFrequency(bad, 22050), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetCurrentStaticPosition(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.SetCurrentStaticPosition(bad, 0), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetStaticByteLength(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.DuplicateStaticSound(bad), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.PlayStreamingSound(bad, 0), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.StopStreamingSound(bad), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.SetStreamingPan(bad, 0), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.SetStreamingVolume(bad, 0), WAVO_BAD_INDEX);
        EXPECT_EQ(engine.GetStreamingPan(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetStreamingVolume(bad), WAVO_BAD_SOUND);
        EXPECT_EQ(engine.GetStreamingFrequency(bad), WAVO_BAD_SOUND);
        // The value is checked before the index.
        EXPECT_EQ(engine.SetStaticPan(bad, 10001), WAVO_OUT_OF_RANGE);
        EXPECT_EQ(engine.SetStaticVolume(bad, 1), WAVO_OUT_OF_RANGE);
        EXPECT_EQ(engine.SetStaticFrequency(bad, 99), WAVO_BAD_FREQUENCY);
        EXPECT_EQ(engine.SetStreamingPan(bad, -10001), WAVO_OUT_OF_RANGE);
        EXPECT_EQ(engine.SetStreamingVolume(bad, -10001), WAVO_OUT_OF_RANGE);
    }
}

TEST_F(EngineTest, CreateStaticSoundAddsARecordOnlyForAPlayableFile) {
    std::string good = dir.File("good.wav", Wave(1, 22050, 16, Pcm16({1, 2, 3, 4})));
    // Before the device is open nothing is created.
    EXPECT_EQ(engine.CreateStaticSound(good.c_str()), WAVO_DEVICE_CLOSED);
    Open();

    Bytes shortFmt = Fmt(1, 8000, 16);
    shortFmt.resize(12);
    Bytes adpcm = Fmt(1, 8000, 4, 2);
    Put16(adpcm, 0);
    struct Case {
        const char* name;
        Bytes bytes;
        int32_t expected;
    };
    const Case cases[] = {
        {"text.wav", Bytes{'h', 'e', 'l', 'l', 'o'}, WAVO_BAD_SOUND},
        {"avi.wav", Riff({Chunk("fmt ", Fmt(1, 8000, 16))}, "AVI "), WAVO_BAD_SOUND},
        {"short-fmt.wav", Riff({Chunk("fmt ", shortFmt), Chunk("data", Pcm16({1}))}),
         WAVO_BAD_SOUND},
        {"no-data.wav", Riff({Chunk("fmt ", Fmt(1, 8000, 16))}), WAVO_NO_BUFFER},
        {"empty-data.wav", Wave(1, 8000, 16, {}), WAVO_NO_BUFFER},
        {"adpcm.wav", Riff({Chunk("fmt ", adpcm), Chunk("data", Bytes(8, 0))}), WAVO_NO_BUFFER},
        {"24bit.wav", Wave(1, 8000, 24, Bytes(6, 0)), WAVO_NO_BUFFER},
        {"slow.wav", Wave(1, 99, 16, Pcm16({1})), WAVO_NO_BUFFER},
        {"truncated.wav",
         Riff({Chunk("fmt ", Fmt(1, 8000, 16)), Chunk("data", Pcm16({1, 2}), 0x0FFFFFF0)}),
         WAVO_NO_BUFFER},
    };
    for (const Case& c : cases) {
        std::string path = dir.File(c.name, c.bytes);
        EXPECT_EQ(engine.CreateStaticSound(path.c_str()), c.expected) << c.name;
    }
    EXPECT_EQ(engine.CreateStaticSound(dir.Path("missing.wav").c_str()), WAVO_BAD_SOUND);
    EXPECT_EQ(engine.CreateStaticSound(nullptr), WAVO_BAD_SOUND);
    EXPECT_EQ(engine.StaticCount(), 0u);

    EXPECT_EQ(engine.CreateStaticSound(good.c_str()), 0);
    EXPECT_EQ(engine.CreateStaticSound(good.c_str()), 1);
    EXPECT_EQ(engine.GetStaticByteLength(1), 8);
    EXPECT_EQ(engine.GetStaticFrequency(1), 22050);
    EXPECT_EQ(engine.GetStaticVolume(1), 0);
    EXPECT_EQ(engine.GetStaticPan(1), 0);
}

// An effect is read whole into memory: only from a regular file of at most
// 16 MB, and a pipe under its name never makes the load wait.
TEST_F(EngineTest, CreateStaticSoundTakesOnlyRegularFilesOfAtMostSixteenMegabytes) {
    Open();
    auto silence = [&](const std::string& name, uint64_t bytes) { // sparse: all zeros
        Bytes head = Riff({Chunk("fmt ", Fmt(2, 48000, 16)), Chunk("data", {}, bytes - 44)});
        for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<uint8_t>((bytes - 8) >> (8 * i));
        const std::string path = dir.File(name, head);
        std::filesystem::resize_file(path, bytes);
        return path;
    };
    EXPECT_EQ(engine.CreateStaticSound(silence("most.wav", kMaxStaticFileBytes).c_str()), 0);
    EXPECT_EQ(engine.CreateStaticSound(silence("more.wav", kMaxStaticFileBytes + 4).c_str()),
              WAVO_BAD_SOUND);
    const std::string pipe = dir.Path("pipe.wav");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(dravik::test::RunInChild(
                  [&] { return engine.CreateStaticSound(pipe.c_str()) == WAVO_BAD_SOUND ? 0 : 1; }),
              0);
}

TEST_F(EngineTest, PanVolumeAndFrequencyAcceptTheirEndsAndRefuseOneBeyond) {
    Open();
    int32_t s =
        engine.CreateStaticSound(dir.File("a.wav", Wave(2, 44100, 8, Bytes(8, 128))).c_str());
    ASSERT_EQ(s, 0);
    EXPECT_EQ(engine.SetStaticPan(s, -10000), WAVO_DONE);
    EXPECT_EQ(engine.GetStaticPan(s), -10000);
    EXPECT_EQ(engine.SetStaticPan(s, 10000), WAVO_DONE);
    EXPECT_EQ(engine.SetStaticPan(s, -10001), WAVO_OUT_OF_RANGE);
    EXPECT_EQ(engine.GetStaticPan(s), 10000);
    EXPECT_EQ(engine.SetStaticVolume(s, 0), WAVO_DONE);
    EXPECT_EQ(engine.SetStaticVolume(s, 1), WAVO_OUT_OF_RANGE);
    EXPECT_EQ(engine.SetStaticVolume(s, -10000), WAVO_DONE);
    EXPECT_EQ(engine.GetStaticVolume(s), -10000);
    EXPECT_EQ(engine.SetStaticFrequency(s, 100), WAVO_DONE);
    EXPECT_EQ(engine.SetStaticFrequency(s, 100000), WAVO_DONE);
    EXPECT_EQ(engine.SetStaticFrequency(s, 99), WAVO_BAD_FREQUENCY);
    EXPECT_EQ(engine.SetStaticFrequency(s, 100001), WAVO_BAD_FREQUENCY);
    EXPECT_EQ(engine.GetStaticFrequency(s), 100000);
    EXPECT_EQ(engine.SetCurrentStaticPosition(s, 6), WAVO_DONE);
    EXPECT_EQ(engine.GetCurrentStaticPosition(s), 6);
    EXPECT_EQ(engine.SetCurrentStaticPosition(s, 8), WAVO_BAD_INDEX);
    EXPECT_EQ(engine.SetCurrentStaticPosition(s, -2), WAVO_BAD_INDEX);
}

TEST_F(EngineTest, AStoppedStaticSoundContinuesFromWhereItStopped) {
    Open();
    std::vector<int16_t> signal = TestSignal(1000);
    int32_t s =
        engine.CreateStaticSound(dir.File("s.wav", Wave(1, 48000, 16, Pcm16(signal))).c_str());
    ASSERT_EQ(engine.PlayStaticSound(s, 0), WAVO_DONE);
    Pull(100);
    EXPECT_EQ(engine.StopStaticSound(s), WAVO_DONE);
    EXPECT_EQ(engine.GetCurrentStaticPosition(s), 200);
    Pull(50); // stopped: nothing moves
    EXPECT_EQ(engine.GetCurrentStaticPosition(s), 200);
    ASSERT_EQ(engine.PlayStaticSound(s, 0), WAVO_DONE);
    auto out = Pull(3);
    EXPECT_EQ(out[0], signal[100]);
    EXPECT_EQ(out[2], signal[101]);
    EXPECT_EQ(out[4], signal[102]);
}

TEST_F(EngineTest, TwoDuplicatesPlayAtOnceWithTheirOwnVolumeAndPan) {
    Open();
    std::vector<int16_t> signal = TestSignal(64, 7);
    int32_t original =
        engine.CreateStaticSound(dir.File("d.wav", Wave(1, 48000, 16, Pcm16(signal))).c_str());
    int32_t first = engine.DuplicateStaticSound(original);
    int32_t second = engine.DuplicateStaticSound(original);
    EXPECT_EQ(first, original + 1);
    EXPECT_EQ(second, original + 2);
    ASSERT_EQ(engine.SetStaticPan(first, -10000), WAVO_DONE);
    ASSERT_EQ(engine.SetStaticVolume(first, -300), WAVO_DONE);
    ASSERT_EQ(engine.SetStaticPan(second, 2000), WAVO_DONE);
    ASSERT_EQ(engine.SetStaticVolume(second, -1200), WAVO_DONE);
    EXPECT_EQ(engine.GetStaticVolume(original), 0); // the original keeps its own
    ASSERT_EQ(engine.PlayStaticSound(first, 0), WAVO_DONE);
    ASSERT_EQ(engine.PlayStaticSound(second, 0), WAVO_DONE);
    auto out = Pull(64);
    auto gain = [](int hundredths) { return std::pow(10.0, hundredths / 2000.0); };
    for (size_t i = 0; i < 64; ++i) {
        double left = signal[i] * gain(-300) + signal[i] * gain(-1200 - 2000);
        double right = signal[i] * gain(-1200);
        EXPECT_NEAR(out[2 * i], left, 1.0) << i;
        EXPECT_NEAR(out[2 * i + 1], right, 1.0) << i;
    }
}

TEST_F(EngineTest, EndingAnInstanceEmptiesTheStreamsAndClosesTheDeviceButKeepsStaticSounds) {
    Open();
    std::string file = dir.File("x.wav", Wave(1, 8000, 16, Pcm16({1, 2, 3, 4})));
    EXPECT_EQ(engine.CreateStaticSound(file.c_str()), 0);
    EXPECT_EQ(engine.CreateStreamingSound(file.c_str()), 0);
    EXPECT_EQ(engine.CreateStreamingSound(file.c_str()), 1);
    engine.ReleaseInstanceState();
    EXPECT_FALSE(engine.DeviceOpen());
    EXPECT_EQ(engine.StreamingCount(), 0u);
    EXPECT_EQ(engine.PlayStreamingSound(1, 0), WAVO_BAD_INDEX);
    // With the device closed: duplicates are refused, plays fail, nothing is created.
    EXPECT_EQ(engine.DuplicateStaticSound(0), WAVO_DEVICE_CLOSED);
    EXPECT_EQ(engine.PlayStaticSound(0, 0), WAVO_NO_BUFFER);
    EXPECT_EQ(engine.CreateStreamingSound(file.c_str()), WAVO_DEVICE_CLOSED);
    EXPECT_EQ(engine.GetStaticByteLength(0), 8);

    Open();
    EXPECT_EQ(engine.CreateStreamingSound(file.c_str()), 0);
    EXPECT_EQ(engine.CreateStaticSound(file.c_str()), 1);
    EXPECT_EQ(engine.PlayStaticSound(0, 0), WAVO_DONE);
}

TEST_F(EngineTest, AStreamsRingHoldsTwoSecondsOrTheWholeShorterSound) {
    Open();
    // 8 kHz 16-bit mono: 16000 bytes a second, so a 32000-byte ring.
    std::vector<int16_t> longSignal = TestSignal(8000 * 3);
    int32_t big = engine.CreateStreamingSound(
        dir.File("long.wav", Wave(1, 8000, 16, Pcm16(longSignal))).c_str());
    ASSERT_EQ(big, 0);
    EXPECT_EQ(engine.Stream(big)->bufferBytes, 32000u);
    EXPECT_EQ(engine.Stream(big)->duration, 3000u);
    Bytes longBytes = Pcm16(longSignal);
    EXPECT_EQ(RingBytes(big), Bytes(longBytes.begin(), longBytes.begin() + 32000));

    int32_t small = engine.CreateStreamingSound(
        dir.File("short.wav", Wave(2, 8000, 8, Bytes(3001, 90))).c_str());
    ASSERT_EQ(small, 1);
    EXPECT_EQ(engine.Stream(small)->bufferBytes, 3001u); // no rounding to the block size
    EXPECT_EQ(engine.GetStreamingFrequency(small), 8000);

    EXPECT_EQ(engine.CreateStreamingSound(nullptr), WAVO_NO_BUFFER);
    EXPECT_EQ(engine.CreateStreamingSound(dir.Path("none.wav").c_str()), WAVO_NO_BUFFER);
    Bytes lying = Fmt(1, 8000, 16);
    lying[8] = 0; // average bytes per second no longer matches the format
    EXPECT_EQ(
        engine.CreateStreamingSound(
            dir.File("avg.wav", Riff({Chunk("fmt ", lying), Chunk("data", Pcm16({1}))})).c_str()),
        WAVO_NO_BUFFER);
    EXPECT_EQ(engine.StreamingCount(), 2u);
}

TEST_F(EngineTest, AStreamIsRefilledFromItsFileThenPaddedWithSilence) {
    Open();
    // 8-bit mono at 3000 Hz (one source frame every 16 output frames): a
    // 6000-byte ring over 9000 bytes of data.
    Bytes data(9000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(1 + i % 200);
    int32_t s = engine.CreateStreamingSound(dir.File("e.wav", Wave(1, 3000, 8, data)).c_str());
    ASSERT_EQ(s, 0);
    ASSERT_EQ(engine.PlayStreamingSound(s, 0), WAVO_DONE);
    Pull(48000); // one second
    now += 1000;
    engine.RefillStream(s);
    Bytes ring = RingBytes(s);
    // The first 3000 bytes have been played and refilled with data 6000..8999.
    EXPECT_TRUE(std::equal(ring.begin(), ring.begin() + 3000, data.begin() + 6000));
    EXPECT_EQ(engine.Stream(s)->writeOffset, 3000u);

    Pull(48000);
    now += 1000;
    engine.RefillStream(s);
    ring = RingBytes(s);
    // The data has run out: the next 3000 bytes are 8-bit silence.
    EXPECT_TRUE(std::all_of(ring.begin() + 3000, ring.end(), [](uint8_t b) { return b == 128; }));
    EXPECT_EQ(engine.Stream(s)->writeOffset, 0u);

    // At the sound's duration (3 s) a one-shot stream stops itself.
    now += 1000;
    engine.RefillStream(s);
    EXPECT_FALSE(engine.Stream(s)->playing);
    EXPECT_FALSE(engine.GetMixer().IsPlaying(engine.Stream(s)->buffer));
}

TEST_F(EngineTest, SixteenBitStreamsPadWithZeroAndLoopingStreamsStartOver) {
    Open();
    std::vector<int16_t> signal = TestSignal(4500);
    // 16-bit mono at 3000 Hz: 1.5 s, so the ring holds the whole 9000 bytes.
    int32_t s =
        engine.CreateStreamingSound(dir.File("z.wav", Wave(1, 3000, 16, Pcm16(signal))).c_str());
    ASSERT_EQ(engine.Stream(s)->bufferBytes, 9000u);
    ASSERT_EQ(engine.PlayStreamingSound(s, 1), WAVO_DONE);
    Pull(24000); // half a second: 3000 bytes played
    now += 500;
    engine.RefillStream(s);
    Bytes ring = RingBytes(s);
    EXPECT_TRUE(std::all_of(ring.begin(), ring.begin() + 3000, [](uint8_t b) { return b == 0; }));

    now += 1000; // past the 1.5 s duration: the looping stream starts again
    engine.RefillStream(s);
    EXPECT_TRUE(engine.Stream(s)->playing);
    EXPECT_EQ(engine.Stream(s)->startTime, now);
    EXPECT_EQ(RingBytes(s), Pcm16(signal));
    EXPECT_EQ(engine.GetMixer().Position(engine.Stream(s)->buffer), 0u);
}

TEST_F(EngineTest, AShortStreamPlayedOnceIsHeardOnceEvenBeforeTheNextTick) {
    Open();
    // 0.1 s at 3000 Hz: the whole sound sits in the ring, and the first tick
    // comes only after 250 ms.
    std::vector<int16_t> signal = TestSignal(300, 5);
    int32_t s =
        engine.CreateStreamingSound(dir.File("b.wav", Wave(1, 3000, 16, Pcm16(signal))).c_str());
    ASSERT_EQ(engine.PlayStreamingSound(s, 0), WAVO_DONE);
    auto out = Pull(48000 / 4);
    EXPECT_EQ(out[0], signal[0]);
    EXPECT_EQ(out[2 * 16 * 299], signal[299]);
    EXPECT_TRUE(
        std::all_of(out.begin() + 2 * 16 * 300, out.end(), [](int16_t v) { return v == 0; }));
    now += 250;
    engine.RefillStream(s);
    EXPECT_FALSE(engine.GetMixer().IsPlaying(engine.Stream(s)->buffer));

    // Looping, the same sound goes round without a break.
    ASSERT_EQ(engine.PlayStreamingSound(s, 1), WAVO_DONE);
    out = Pull(48000 / 4);
    EXPECT_EQ(out[2 * 16 * 300], signal[0]);
    EXPECT_EQ(out[2 * 16 * 600], signal[0]);
}

TEST_F(EngineTest, StoppingAStreamAndPlayingItAgainStartsAtTheBeginning) {
    Open();
    std::vector<int16_t> signal = TestSignal(6000, 3);
    Bytes bytes = Pcm16(signal);
    Bytes start(bytes.begin(), bytes.begin() + 4000);
    int32_t s =
        engine.CreateStreamingSound(dir.File("r.wav", Wave(1, 1000, 16, Pcm16(signal))).c_str());
    ASSERT_EQ(engine.PlayStreamingSound(s, 0), WAVO_DONE);
    Pull(48000);
    now += 1000;
    engine.RefillStream(s);
    EXPECT_NE(RingBytes(s), start);
    ASSERT_EQ(engine.StopStreamingSound(s), WAVO_DONE);
    ASSERT_EQ(engine.PlayStreamingSound(s, 0), WAVO_DONE);
    EXPECT_EQ(RingBytes(s), start);
    auto out = Pull(1);
    EXPECT_EQ(out[0], signal[0]);
    EXPECT_EQ(engine.SetStreamingVolume(s, -10000), WAVO_DONE);
    EXPECT_EQ(engine.GetStreamingVolume(s), -10000);
    EXPECT_EQ(engine.SetStreamingPan(s, 10000), WAVO_DONE);
    EXPECT_EQ(engine.GetStreamingPan(s), 10000);
}

TEST(EngineTimers, AStreamsTimerRefillsItAndEndsItWithoutHelp) {
    DeviceLog log;
    Engine engine(std::make_unique<FakeDevice>(log)); // real timers and clock
    TempDir dir;
    ASSERT_EQ(engine.InitializeSound(1), WAVO_DONE);
    // 0.3 s of sound; the first tick at 250 ms refills, the one at 500 ms ends it.
    std::string file = dir.File("t.wav", Wave(1, 8000, 16, Pcm16(TestSignal(2400))));
    int32_t once = engine.CreateStreamingSound(file.c_str());
    int32_t looped = engine.CreateStreamingSound(file.c_str());
    ASSERT_EQ(engine.PlayStreamingSound(once, 0), WAVO_DONE);
    ASSERT_EQ(engine.PlayStreamingSound(looped, 1), WAVO_DONE);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    // The stream's own fields belong to its timer thread; the mixer is safe to ask.
    const Mixer::BufferId onceBuffer = engine.Stream(once)->buffer;
    while (engine.GetMixer().IsPlaying(onceBuffer) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(engine.GetMixer().IsPlaying(onceBuffer));
    EXPECT_TRUE(engine.GetMixer().IsPlaying(engine.Stream(looped)->buffer));
    // Stopping and destroying while the timers run joins them cleanly.
    EXPECT_EQ(engine.StopStreamingSound(looped), WAVO_DONE);
    EXPECT_EQ(engine.PlayStreamingSound(looped, 1), WAVO_DONE);
    engine.ReleaseInstanceState();
    EXPECT_EQ(engine.StreamingCount(), 0u);
}

namespace {

// SDL's audio threads of this process ("SDLAudioP1" and so on), by their names.
int SdlAudioThreads() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        count += name.rfind("SDLAudio", 0) == 0 ? 1 : 0;
    }
    return count;
}

// Waits up to ten seconds for `done`.
bool Eventually(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

// SDL's device (its dummy driver here) keeps no thread running while nothing
// plays, and the next sound wakes it at once and is played whole.
TEST(SdlDevice, RestsWhileNothingPlaysAndWakesForTheNextSound) {
    Engine engine(MakeSdlOutputDevice(std::chrono::milliseconds(50)));
    TempDir dir;
    ASSERT_EQ(engine.InitializeSound(1), WAVO_DONE);
    std::string file = dir.File("r.wav", Wave(1, 48000, 16, Pcm16(TestSignal(4800))));
    int32_t s = engine.CreateStaticSound(file.c_str());
    ASSERT_GE(s, 0);
    const Mixer::BufferId buffer = *engine.StaticBuffer(s);
    EXPECT_TRUE(Eventually([] { return SdlAudioThreads() == 0; })) << "it never rested";
    EXPECT_TRUE(engine.DeviceOpen()); // resting is not closed

    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(engine.PlayStaticSound(s, 0), WAVO_DONE);
        EXPECT_TRUE(Eventually([] { return SdlAudioThreads() == 1; })) << round;
        // The 0.1 s sound is pulled to its end, and then the device rests again.
        EXPECT_TRUE(Eventually([&] { return !engine.GetMixer().IsPlaying(buffer); }));
        EXPECT_TRUE(Eventually([] { return SdlAudioThreads() == 0; })) << round;
    }

    // A looping sound keeps it awake well past the rest time.
    ASSERT_EQ(engine.PlayStaticSound(s, 1), WAVO_DONE);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(SdlAudioThreads(), 1);
    EXPECT_TRUE(engine.GetMixer().IsPlaying(buffer));
    EXPECT_EQ(engine.StopStaticSound(s), WAVO_DONE);
    EXPECT_TRUE(Eventually([] { return SdlAudioThreads() == 0; }));

    // Closing while it plays, and while it rests, leaves no thread behind.
    ASSERT_EQ(engine.PlayStaticSound(s, 1), WAVO_DONE);
    engine.CloseDevice();
    EXPECT_FALSE(engine.DeviceOpen());
    EXPECT_EQ(SdlAudioThreads(), 0);
    EXPECT_EQ(engine.PlayStaticSound(s, 0), WAVO_NO_BUFFER);
}
