// Software mixer: our own secondary buffers, mixed into 16-bit stereo at the
// output rate. A buffer holds PCM data (8- or 16-bit, mono or stereo) and plays
// once or looping from its current position, with DirectSound's volume, pan and
// frequency units. Duplicates share the data and keep their own position,
// volume, pan and frequency.
//
// The mixer is a plain object: the audio callback pulls frames from Mix(), and
// so can a test, with no device at all. All members may be called from any
// thread; one mutex keeps the callback and the callers apart.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace wavory {

struct PcmFormat {
    uint16_t channels = 0;      // 1 or 2
    uint16_t bitsPerSample = 0; // 8 or 16
    uint32_t sampleRate = 0;    // 100..100000
    uint16_t blockAlign = 0;    // channels * bits / 8

    bool operator==(const PcmFormat&) const = default;
};

constexpr int32_t kMinVolume = -10000; // hundredths of a decibel
constexpr int32_t kMaxVolume = 0;
constexpr int32_t kMinPan = -10000;
constexpr int32_t kMaxPan = 10000;
constexpr uint32_t kMinFrequency = 100;
constexpr uint32_t kMaxFrequency = 100000;
constexpr uint32_t kMaxBufferBytes = 0x0FFFFFFF;

// Linear gain for an attenuation in hundredths of a decibel; -10000 is silence.
float AttenuationToGain(int32_t hundredthsOfDb);

class Mixer {
  public:
    using BufferId = uint32_t;
    static constexpr uint32_t kDefaultOutputRate = 48000;

    explicit Mixer(uint32_t outputRate = kDefaultOutputRate);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    uint32_t OutputRate() const { return outputRate_; }

    // A buffer of `bytes` bytes filled with the format's silence. Nothing when
    // the format or the length is not one a buffer can have.
    std::optional<BufferId> CreateBuffer(const PcmFormat& format, uint32_t bytes);
    std::optional<BufferId> Duplicate(BufferId source);
    void Destroy(BufferId id);

    // Copies bytes into the buffer's data at `offset` (the unlock of a locked
    // region). False when the region does not lie inside the buffer.
    bool Write(BufferId id, uint32_t offset, const uint8_t* bytes, uint32_t count);
    // Copies bytes out of the buffer's data (for tests and checks).
    bool ReadBack(BufferId id, uint32_t offset, uint8_t* bytes, uint32_t count) const;

    bool Play(BufferId id, bool loop);
    bool Stop(BufferId id);
    bool IsPlaying(BufferId id) const;

    // Play cursor in bytes (a whole frame).
    std::optional<uint32_t> Position(BufferId id) const;
    // False when the position is not inside the buffer.
    bool SetPosition(BufferId id, uint32_t bytes);

    bool SetVolume(BufferId id, int32_t volume);
    bool SetPan(BufferId id, int32_t pan);
    bool SetFrequency(BufferId id, uint32_t frequency);
    std::optional<int32_t> Volume(BufferId id) const;
    std::optional<int32_t> Pan(BufferId id) const;
    std::optional<uint32_t> Frequency(BufferId id) const;
    std::optional<uint32_t> Length(BufferId id) const;
    std::optional<PcmFormat> Format(BufferId id) const;

    // Mixes `frames` stereo frames (interleaved left, right) of every playing
    // buffer into `out`, which it overwrites. True while a buffer still plays.
    bool Mix(int16_t* out, size_t frames);

    size_t PlayingCount() const;

  private:
    struct Voice;
    Voice* Find(BufferId id);
    const Voice* Find(BufferId id) const;
    static void UpdateGains(Voice& voice);
    void UpdateStep(Voice& voice) const;
    void MixVoice(Voice& voice, float* accumulator, size_t frames);

    uint32_t outputRate_;
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<Voice>> voices_; // indexed by BufferId; null once destroyed
    std::vector<float> accumulator_;
};

bool IsPlayableFormat(const PcmFormat& format);

} // namespace wavory
