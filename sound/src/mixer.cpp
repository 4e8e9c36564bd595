#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace wavory {

namespace {

// Positions are frames in 32.32 fixed point.
constexpr uint64_t kOne = uint64_t{1} << 32;

} // namespace

float AttenuationToGain(int32_t hundredthsOfDb) {
    if (hundredthsOfDb <= kMinVolume) return 0.0f;
    if (hundredthsOfDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredthsOfDb / 2000.0));
}

bool IsPlayableFormat(const PcmFormat& f) {
    return (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.sampleRate >= kMinFrequency &&
           f.sampleRate <= kMaxFrequency && f.blockAlign == f.channels * f.bitsPerSample / 8;
}

struct Mixer::Voice {
    std::shared_ptr<std::vector<uint8_t>> data; // shared between duplicates
    PcmFormat format;
    uint32_t frames = 0;
    uint64_t position = 0; // frames, 32.32
    uint64_t step = kOne;  // frames per output frame, 32.32
    bool playing = false;
    bool looping = false;
    int32_t volume = 0;
    int32_t pan = 0;
    uint32_t frequency = 0;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
};

Mixer::Mixer(uint32_t outputRate)
    : outputRate_(outputRate == 0 ? kDefaultOutputRate : outputRate) {}

Mixer::~Mixer() = default;

Mixer::Voice* Mixer::Find(BufferId id) {
    return id < voices_.size() ? voices_[id].get() : nullptr;
}
const Mixer::Voice* Mixer::Find(BufferId id) const {
    return id < voices_.size() ? voices_[id].get() : nullptr;
}

void Mixer::UpdateGains(Voice& v) {
    float gain = AttenuationToGain(v.volume);
    // Pan attenuates the far side only, as DirectSound does.
    v.gainLeft = gain * (v.pan > 0 ? AttenuationToGain(-v.pan) : 1.0f);
    v.gainRight = gain * (v.pan < 0 ? AttenuationToGain(v.pan) : 1.0f);
}

void Mixer::UpdateStep(Voice& v) const {
    v.step = (static_cast<uint64_t>(v.frequency) << 32) / outputRate_;
}

std::optional<Mixer::BufferId> Mixer::CreateBuffer(const PcmFormat& format, uint32_t bytes) {
    if (!IsPlayableFormat(format) || bytes < format.blockAlign || bytes > kMaxBufferBytes)
        return std::nullopt;
    try {
        auto voice = std::make_unique<Voice>();
        voice->data = std::make_shared<std::vector<uint8_t>>(
            bytes, format.bitsPerSample == 8 ? uint8_t{128} : uint8_t{0});
        voice->format = format;
        voice->frames = bytes / format.blockAlign;
        voice->frequency = format.sampleRate;
        UpdateStep(*voice);
        UpdateGains(*voice);
        std::lock_guard lock(mutex_);
        voices_.push_back(std::move(voice));
        return static_cast<BufferId>(voices_.size() - 1);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<Mixer::BufferId> Mixer::Duplicate(BufferId source) {
    try {
        std::lock_guard lock(mutex_);
        const Voice* original = Find(source);
        if (!original) return std::nullopt;
        auto voice = std::make_unique<Voice>();
        voice->data = original->data;
        voice->format = original->format;
        voice->frames = original->frames;
        voice->frequency = original->format.sampleRate;
        UpdateStep(*voice);
        UpdateGains(*voice);
        voices_.push_back(std::move(voice));
        return static_cast<BufferId>(voices_.size() - 1);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

void Mixer::Destroy(BufferId id) {
    std::unique_ptr<Voice> doomed;
    std::lock_guard lock(mutex_);
    if (id < voices_.size()) doomed = std::move(voices_[id]);
}

bool Mixer::Write(BufferId id, uint32_t offset, const uint8_t* bytes, uint32_t count) {
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v || offset > v->data->size() || count > v->data->size() - offset) return false;
    if (count > 0) std::memcpy(v->data->data() + offset, bytes, count);
    return true;
}

bool Mixer::ReadBack(BufferId id, uint32_t offset, uint8_t* bytes, uint32_t count) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    if (!v || offset > v->data->size() || count > v->data->size() - offset) return false;
    if (count > 0) std::memcpy(bytes, v->data->data() + offset, count);
    return true;
}

bool Mixer::Play(BufferId id, bool loop) {
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v) return false;
    v->playing = true;
    v->looping = loop;
    return true;
}

bool Mixer::Stop(BufferId id) {
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v) return false;
    v->playing = false;
    return true;
}

bool Mixer::IsPlaying(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v && v->playing;
}

std::optional<uint32_t> Mixer::Position(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    if (!v) return std::nullopt;
    return static_cast<uint32_t>(v->position >> 32) * v->format.blockAlign;
}

bool Mixer::SetPosition(BufferId id, uint32_t bytes) {
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v || bytes >= v->data->size()) return false;
    uint32_t frame = bytes / v->format.blockAlign;
    if (frame >= v->frames) return false;
    v->position = static_cast<uint64_t>(frame) << 32;
    return true;
}

bool Mixer::SetVolume(BufferId id, int32_t volume) {
    if (volume < kMinVolume || volume > kMaxVolume) return false;
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v) return false;
    v->volume = volume;
    UpdateGains(*v);
    return true;
}

bool Mixer::SetPan(BufferId id, int32_t pan) {
    if (pan < kMinPan || pan > kMaxPan) return false;
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v) return false;
    v->pan = pan;
    UpdateGains(*v);
    return true;
}

bool Mixer::SetFrequency(BufferId id, uint32_t frequency) {
    if (frequency < kMinFrequency || frequency > kMaxFrequency) return false;
    std::lock_guard lock(mutex_);
    Voice* v = Find(id);
    if (!v) return false;
    v->frequency = frequency;
    UpdateStep(*v);
    return true;
}

std::optional<int32_t> Mixer::Volume(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v ? std::optional<int32_t>(v->volume) : std::nullopt;
}

std::optional<int32_t> Mixer::Pan(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v ? std::optional<int32_t>(v->pan) : std::nullopt;
}

std::optional<uint32_t> Mixer::Frequency(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v ? std::optional<uint32_t>(v->frequency) : std::nullopt;
}

std::optional<uint32_t> Mixer::Length(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v ? std::optional<uint32_t>(static_cast<uint32_t>(v->data->size())) : std::nullopt;
}

std::optional<PcmFormat> Mixer::Format(BufferId id) const {
    std::lock_guard lock(mutex_);
    const Voice* v = Find(id);
    return v ? std::optional<PcmFormat>(v->format) : std::nullopt;
}

size_t Mixer::PlayingCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(std::count_if(voices_.begin(), voices_.end(),
                                             [](const auto& v) { return v && v->playing; }));
}

namespace {

// One frame as two floats on the 16-bit scale.
template <int Bits, int Channels>
inline void Fetch(const uint8_t* data, uint32_t frame, float& left, float& right) {
    if constexpr (Bits == 16) {
        const uint8_t* p = data + static_cast<size_t>(frame) * 2 * Channels;
        left = static_cast<float>(static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8)));
        right =
            Channels == 2
                ? static_cast<float>(static_cast<int16_t>(static_cast<uint16_t>(p[2] | p[3] << 8)))
                : left;
    } else {
        const uint8_t* p = data + static_cast<size_t>(frame) * Channels;
        left = static_cast<float>((static_cast<int>(p[0]) - 128) * 256);
        right = Channels == 2 ? static_cast<float>((static_cast<int>(p[1]) - 128) * 256) : left;
    }
}

struct MixState {
    uint64_t position;
    bool playing;
};

template <int Bits, int Channels>
MixState MixFrames(const uint8_t* data, uint32_t frames, uint64_t position, uint64_t step,
                   bool looping, float gainLeft, float gainRight, float* out, size_t count) {
    const uint64_t end = static_cast<uint64_t>(frames) << 32;
    for (size_t i = 0; i < count; ++i) {
        uint32_t frame = static_cast<uint32_t>(position >> 32);
        float frac = static_cast<float>(static_cast<uint32_t>(position)) * (1.0f / 4294967296.0f);
        float l0, r0;
        Fetch<Bits, Channels>(data, frame, l0, r0);
        if (frac != 0.0f) {
            uint32_t next = frame + 1;
            if (next >= frames) next = looping ? 0 : frame;
            float l1, r1;
            Fetch<Bits, Channels>(data, next, l1, r1);
            l0 += (l1 - l0) * frac;
            r0 += (r1 - r0) * frac;
        }
        out[2 * i] += l0 * gainLeft;
        out[2 * i + 1] += r0 * gainRight;
        position += step;
        if (position >= end) {
            if (!looping) return {0, false}; // a one-shot sound rewinds when it ends
            position %= end;
        }
    }
    return {position, true};
}

} // namespace

void Mixer::MixVoice(Voice& v, float* acc, size_t frames) {
    if (v.frames == 0) return;
    const uint8_t* data = v.data->data();
    MixState state{};
    auto run = [&](auto mixer) {
        state = mixer(data, v.frames, v.position, v.step, v.looping, v.gainLeft, v.gainRight, acc,
                      frames);
    };
    if (v.format.bitsPerSample == 16)
        v.format.channels == 2 ? run(MixFrames<16, 2>) : run(MixFrames<16, 1>);
    else
        v.format.channels == 2 ? run(MixFrames<8, 2>) : run(MixFrames<8, 1>);
    v.position = state.position;
    v.playing = state.playing;
}

bool Mixer::Mix(int16_t* out, size_t frames) {
    std::lock_guard lock(mutex_);
    if (accumulator_.size() < frames * 2) accumulator_.resize(frames * 2);
    float* acc = accumulator_.data();
    std::fill(acc, acc + frames * 2, 0.0f);
    bool playing = false;
    for (auto& voice : voices_) {
        if (voice && voice->playing) MixVoice(*voice, acc, frames);
        playing = playing || (voice && voice->playing);
    }
    for (size_t i = 0; i < frames * 2; ++i) {
        float s = std::nearbyint(acc[i]);
        out[i] = static_cast<int16_t>(std::clamp(s, -32768.0f, 32767.0f));
    }
    return playing;
}

} // namespace wavory
