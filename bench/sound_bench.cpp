// Sound mixing cost and the delay from PlayStaticSound to the sound entering
// the device's buffer.
//
//   Mix/...        "core_pct" is the share of one core that mixing takes to
//                  keep up with 48 kHz stereo output (512-frame buffers).
//   PlayToMixed    manual time: PlayStaticSound until the mixer has taken the
//                  sound's first frames (SDL's dummy driver, 512-frame buffer).
//                  What is heard adds at most the device buffer, 10.7 ms.
//                  /0 with the device running, /1 with it resting (closed,
//                  no thread) since the sound before, so that it is woken.
#include "engine.h"
#include "mixer.h"

#include <wavory/wavory.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr size_t kFrames = wavory::kDeviceBufferFrames;

void Mix(benchmark::State& state, wavory::PcmFormat format) {
    const int voices = static_cast<int>(state.range(0));
    wavory::Mixer mixer(48000);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<uint8_t> data(format.sampleRate * format.blockAlign); // one second
    for (auto& b : data) b = static_cast<uint8_t>(byte(random));
    for (int v = 0; v < voices; ++v) {
        auto id = mixer.CreateBuffer(format, static_cast<uint32_t>(data.size()));
        mixer.Write(*id, 0, data.data(), static_cast<uint32_t>(data.size()));
        mixer.SetPan(*id, (v % 5 - 2) * 1000);
        mixer.SetVolume(*id, -(v % 7) * 300);
        mixer.SetPosition(*id,
                          static_cast<uint32_t>(v * 997 % format.sampleRate) * format.blockAlign);
        mixer.Play(*id, true);
    }
    std::vector<int16_t> out(kFrames * 2);
    for (auto _ : state) {
        mixer.Mix(out.data(), kFrames);
        benchmark::DoNotOptimize(out.data());
    }
    // Seconds of CPU per second of output, as a percentage of one core.
    state.counters["core_pct"] = benchmark::Counter(kFrames / 48000.0 / 100.0,
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

// SDL's audio threads of this process, by their names.
int SdlAudioThreads() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        count += name.rfind("SDLAudio", 0) == 0 ? 1 : 0;
    }
    return count;
}

void PlayToMixed(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const bool rested = state.range(0) != 0;
    wavory::Engine engine(rested ? wavory::MakeSdlOutputDevice(std::chrono::milliseconds(20))
                                 : wavory::MakeSdlOutputDevice(std::chrono::hours(1)));
    if (engine.InitializeSound(1) != wavory::WAVO_DONE) {
        state.SkipWithError("no sound device");
        return;
    }
    // A one-second 16-bit mono sound at 44.1 kHz.
    auto path = std::filesystem::temp_directory_path() / "wavory-bench-latency.wav";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        uint32_t frames = 44100, bytes = frames * 2;
        auto put32 = [&](uint32_t v) { std::fwrite(&v, 4, 1, f); };
        auto put16 = [&](uint16_t v) { std::fwrite(&v, 2, 1, f); };
        std::fwrite("RIFF", 1, 4, f);
        put32(36 + bytes);
        std::fwrite("WAVEfmt ", 1, 8, f);
        put32(16), put16(1), put16(1), put32(44100), put32(88200), put16(2), put16(16);
        std::fwrite("data", 1, 4, f);
        put32(bytes);
        std::vector<int16_t> samples(frames, 1000);
        std::fwrite(samples.data(), 2, frames, f);
        std::fclose(f);
    }
    int32_t sound = engine.CreateStaticSound(path.c_str());
    std::filesystem::remove(path);
    double worst = 0;
    for (auto _ : state) {
        engine.StopStaticSound(sound);
        engine.SetCurrentStaticPosition(sound, 0);
        if (rested) {
            while (SdlAudioThreads() != 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } else {
            // Start at a random point of the device's cycle.
            std::this_thread::sleep_for(std::chrono::microseconds(std::rand() % 11000));
        }
        auto start = std::chrono::steady_clock::now();
        engine.PlayStaticSound(sound, 0);
        while (engine.GetCurrentStaticPosition(sound) == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        auto elapsed = std::chrono::steady_clock::now() - start;
        double seconds = std::chrono::duration<double>(elapsed).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1000.0;
}

} // namespace

BENCHMARK_CAPTURE(Mix, mono16_44k, wavory::PcmFormat{1, 16, 44100, 2})->Arg(32)->Arg(8);
BENCHMARK_CAPTURE(Mix, stereo16_48k, wavory::PcmFormat{2, 16, 48000, 4})->Arg(32);
BENCHMARK_CAPTURE(Mix, mono8_22k, wavory::PcmFormat{1, 8, 22050, 1})->Arg(32);
BENCHMARK(PlayToMixed)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

BENCHMARK_MAIN();
