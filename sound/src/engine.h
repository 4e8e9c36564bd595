// The playback engine: the sound device, the static sound list and the
// streaming sound list. Every operation answers with an outcome code from
// wavory.h (1, an index or value, or a negative status); none throws.
//
// The control layer keeps one engine per process, so that every control
// instance shares the device and both lists. Tests make their own.
#pragma once

#include "mixer.h"
#include "output_device.h"
#include "riff_reader.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace wavory {

// Calls `tick` every `period` on a thread of its own until the tick returns
// false or the timer is destroyed. Destruction waits for a running tick.
class PeriodicTimer {
  public:
    PeriodicTimer(std::chrono::milliseconds period, std::function<bool()> tick);
    ~PeriodicTimer();
    PeriodicTimer(const PeriodicTimer&) = delete;
    PeriodicTimer& operator=(const PeriodicTimer&) = delete;

  private:
    void Run(std::chrono::milliseconds period, std::function<bool()> tick);
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

struct StaticSoundRecord {
    std::string fileName; // as given at creation
    Mixer::BufferId buffer = 0;
};

struct StreamingSound {
    Mixer::BufferId buffer = 0;
    std::unique_ptr<WaveReader> reader;
    std::unique_ptr<PeriodicTimer> timer;
    bool primed = false;
    bool playing = false;
    std::atomic<int> busy{0};
    uint32_t writeOffset = 0;
    uint32_t bufferMilliseconds = 2000;
    uint32_t bufferBytes = 0;
    uint32_t timerPeriod = 250;
    uint32_t duration = 0;
    uint32_t startTime = 0;
    uint32_t elapsed = 0;
    int32_t loop = 0;
    uint8_t silence = 0;
    std::vector<uint8_t> staging; // the locked region, copied in on unlock
    std::mutex lock;              // keeps the host's play/stop apart from a tick
};

// The largest file CreateStaticSound reads into a buffer (16 MB: a minute and
// a half of 48 kHz 16-bit stereo); streaming sounds have no such limit.
constexpr uint64_t kMaxStaticFileBytes = uint64_t{16} << 20;

class Engine {
  public:
    using Clock = std::function<uint32_t()>; // milliseconds, wrapping

    struct Options {
        // Off in tests that drive the refill ticks by hand.
        bool runTimers = true;
        // Null: milliseconds of the steady clock.
        Clock clock;
    };

    explicit Engine(std::unique_ptr<OutputDevice> device);
    Engine(std::unique_ptr<OutputDevice> device, Options options);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Device.
    int32_t InitializeSound(uint32_t window);
    void CloseDevice();
    bool DeviceOpen() const;
    uint32_t Window() const { return window_; }

    // Static sounds. A null name is a missing name.
    int32_t CreateStaticSound(const char* fileName);
    int32_t PlayStaticSound(int32_t index, int32_t loop);
    int32_t StopStaticSound(int32_t index);
    int32_t SetStaticPan(int32_t index, int32_t pan);
    int32_t SetStaticVolume(int32_t index, int32_t volume);
    int32_t GetStaticVolume(int32_t index);
    int32_t GetStaticPan(int32_t index);
    int32_t GetStaticFrequency(int32_t index);
    int32_t SetStaticFrequency(int32_t index, int32_t frequency);
    int32_t GetCurrentStaticPosition(int32_t index);
    int32_t SetCurrentStaticPosition(int32_t index, int32_t position);
    int32_t GetStaticByteLength(int32_t index);
    int32_t DuplicateStaticSound(int32_t index);

    // Streaming sounds.
    int32_t CreateStreamingSound(const char* fileName);
    int32_t PlayStreamingSound(int32_t index, int32_t loop);
    int32_t StopStreamingSound(int32_t index);
    int32_t SetStreamingPan(int32_t index, int32_t pan);
    int32_t SetStreamingVolume(int32_t index, int32_t volume);
    int32_t GetStreamingPan(int32_t index);
    int32_t GetStreamingVolume(int32_t index);
    int32_t GetStreamingFrequency(int32_t index);

    // What the end of a control instance does: every stream is destroyed, the
    // streaming list emptied and the device closed. Static sounds stay.
    void ReleaseInstanceState();

    // One refill tick of a stream, as its timer would run it.
    void RefillStream(int32_t index);

    size_t StaticCount() const { return statics_.size(); }
    size_t StreamingCount() const { return streams_.size(); }
    std::optional<Mixer::BufferId> StaticBuffer(int32_t index) const;
    const StreamingSound* Stream(int32_t index) const;
    Mixer& GetMixer() { return mixer_; }

  private:
    bool ValidStatic(int32_t index) const {
        return index >= 0 && static_cast<size_t>(index) < statics_.size();
    }
    StreamingSound* FindStream(int32_t index) const;
    int32_t AddStatic(std::string fileName, Mixer::BufferId buffer);

    void PrimeStream(StreamingSound& s);
    bool FillFromFile(StreamingSound& s, uint32_t n);
    void FillSilence(StreamingSound& s, uint32_t n);
    void PlayStream(StreamingSound& s, int32_t loop);
    void StopStream(StreamingSound& s);
    bool Tick(StreamingSound& s);
    bool RefillLocked(StreamingSound& s);
    void DestroyStream(StreamingSound& s);

    Options options_;
    Mixer mixer_;
    std::unique_ptr<OutputDevice> device_; // after the mixer: closed before it goes
    uint32_t window_ = 0;
    std::vector<StaticSoundRecord> statics_;
    std::vector<std::unique_ptr<StreamingSound>> streams_;
};

// The format a buffer needs, from a file's format block; nothing when the
// block is not PCM that the mixer can play.
std::optional<PcmFormat> PlayableFormat(const WaveFormat& format);

} // namespace wavory
