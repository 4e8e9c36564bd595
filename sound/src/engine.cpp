#include "engine.h"

#include <wavory/wavory.h>

#include <algorithm>
#include <new>

namespace wavory {

namespace {

uint32_t SteadyMilliseconds() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

// ---------------------------------------------------------------- timer

PeriodicTimer::PeriodicTimer(std::chrono::milliseconds period, std::function<bool()> tick)
    : thread_([this, period, tick = std::move(tick)]() mutable { Run(period, std::move(tick)); }) {}

PeriodicTimer::~PeriodicTimer() {
    {
        std::lock_guard guard(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void PeriodicTimer::Run(std::chrono::milliseconds period, std::function<bool()> tick) {
    auto next = std::chrono::steady_clock::now() + period;
    for (;;) {
        {
            std::unique_lock guard(mutex_);
            if (wake_.wait_until(guard, next, [this] { return stopping_; })) return;
        }
        if (!tick()) return;
        next += period;
    }
}

// ---------------------------------------------------------------- engine

std::optional<PcmFormat> PlayableFormat(const WaveFormat& f) {
    if (f.formatTag != kWaveFormatPcm) return std::nullopt;
    PcmFormat pcm{f.channels, f.bitsPerSample, f.samplesPerSec, f.blockAlign};
    if (!IsPlayableFormat(pcm)) return std::nullopt;
    return pcm;
}

Engine::Engine(std::unique_ptr<OutputDevice> device) : Engine(std::move(device), Options{}) {}

Engine::Engine(std::unique_ptr<OutputDevice> device, Options options)
    : options_(std::move(options)), device_(std::move(device)) {
    if (!options_.clock) options_.clock = SteadyMilliseconds;
}

Engine::~Engine() {
    ReleaseInstanceState();
    for (const auto& record : statics_) mixer_.Destroy(record.buffer);
}

int32_t Engine::InitializeSound(uint32_t window) {
    if (DeviceOpen()) return WAVO_DONE;
    if (window == 0) return WAVO_NO_WINDOW;
    window_ = window;
    if (!device_ || !device_->Open(mixer_)) return WAVO_NO_DEVICE;
    return WAVO_DONE;
}

void Engine::CloseDevice() {
    if (device_) device_->Close();
}

bool Engine::DeviceOpen() const {
    return device_ && device_->IsOpen();
}

int32_t Engine::AddStatic(std::string fileName, Mixer::BufferId buffer) {
    try {
        statics_.push_back(StaticSoundRecord{std::move(fileName), buffer});
    } catch (const std::bad_alloc&) {
        mixer_.Destroy(buffer);
        return WAVO_LIST_FULL;
    }
    return static_cast<int32_t>(statics_.size() - 1);
}

std::optional<Mixer::BufferId> Engine::StaticBuffer(int32_t index) const {
    if (!ValidStatic(index)) return std::nullopt;
    return statics_[static_cast<size_t>(index)].buffer;
}

int32_t Engine::CreateStaticSound(const char* fileName) {
    // Sounds belong to an open device; asking earlier adds nothing.
    if (!DeviceOpen()) return WAVO_DEVICE_CLOSED;
    if (!fileName) return WAVO_BAD_SOUND;
    auto source = FileSource::Open(fileName);
    // A static sound is read whole into memory: a file beyond any sound
    // effect's size is not taken.
    if (!source || source->Size() > kMaxStaticFileBytes) return WAVO_BAD_SOUND;
    WaveReader reader(std::move(source));
    if (reader.Open() != kReaderOk) return WAVO_BAD_SOUND;

    // From here on the file is a wave file whose data cannot be made into a buffer.
    if (reader.Rewind() != kReaderOk) return WAVO_NO_BUFFER;
    auto format = PlayableFormat(reader.Format());
    uint32_t bytes = reader.DataSize();
    // The data chunk's size is checked against what the file really holds
    // before anything that size is allocated.
    if (!format || bytes == 0 || bytes > kMaxBufferBytes || reader.DataAvailable() < bytes)
        return WAVO_NO_BUFFER;

    std::vector<uint8_t> data;
    try {
        data.resize(bytes);
    } catch (const std::bad_alloc&) {
        return WAVO_NO_BUFFER;
    }
    if (reader.Read(data.data(), bytes) != bytes) return WAVO_NO_BUFFER;
    auto buffer = mixer_.CreateBuffer(*format, bytes);
    if (!buffer) return WAVO_NO_BUFFER;
    mixer_.Write(*buffer, 0, data.data(), bytes);
    try {
        return AddStatic(fileName, *buffer);
    } catch (const std::bad_alloc&) {
        mixer_.Destroy(*buffer);
        return WAVO_LIST_FULL;
    }
}

int32_t Engine::PlayStaticSound(int32_t index, int32_t loop) {
    if (!ValidStatic(index)) return WAVO_NO_BUFFER;
    // With the device closed nothing would be heard; say so rather than queue it.
    if (!DeviceOpen()) return WAVO_NO_BUFFER;
    if (!mixer_.Play(statics_[static_cast<size_t>(index)].buffer, loop != 0)) return WAVO_NO_BUFFER;
    device_->Wake();
    return WAVO_DONE;
}

int32_t Engine::StopStaticSound(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_INDEX;
    mixer_.Stop(statics_[static_cast<size_t>(index)].buffer);
    return WAVO_DONE;
}

int32_t Engine::SetStaticPan(int32_t index, int32_t pan) {
    if (pan < kMinPan || pan > kMaxPan) return WAVO_OUT_OF_RANGE;
    if (!ValidStatic(index)) return WAVO_BAD_INDEX;
    return mixer_.SetPan(statics_[static_cast<size_t>(index)].buffer, pan) ? WAVO_DONE
                                                                           : WAVO_BAD_INDEX;
}

int32_t Engine::SetStaticVolume(int32_t index, int32_t volume) {
    if (volume < kMinVolume || volume > kMaxVolume) return WAVO_OUT_OF_RANGE;
    if (!ValidStatic(index)) return WAVO_BAD_INDEX;
    return mixer_.SetVolume(statics_[static_cast<size_t>(index)].buffer, volume) ? WAVO_DONE
                                                                                 : WAVO_BAD_INDEX;
}

int32_t Engine::GetStaticVolume(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    return mixer_.Volume(statics_[static_cast<size_t>(index)].buffer).value_or(0);
}

int32_t Engine::GetStaticPan(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    return mixer_.Pan(statics_[static_cast<size_t>(index)].buffer).value_or(0);
}

int32_t Engine::GetStaticFrequency(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    auto frequency = mixer_.Frequency(statics_[static_cast<size_t>(index)].buffer);
    return frequency ? static_cast<int32_t>(*frequency) : WAVO_NO_FREQUENCY_CTRL;
}

int32_t Engine::SetStaticFrequency(int32_t index, int32_t frequency) {
    if (frequency < static_cast<int32_t>(kMinFrequency) ||
        frequency > static_cast<int32_t>(kMaxFrequency))
        return WAVO_BAD_FREQUENCY;
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    mixer_.SetFrequency(statics_[static_cast<size_t>(index)].buffer,
                        static_cast<uint32_t>(frequency));
    return WAVO_DONE;
}

int32_t Engine::GetCurrentStaticPosition(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    auto position = mixer_.Position(statics_[static_cast<size_t>(index)].buffer);
    return position ? static_cast<int32_t>(*position) : WAVO_BAD_INDEX;
}

int32_t Engine::SetCurrentStaticPosition(int32_t index, int32_t position) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    if (position < 0) return WAVO_BAD_INDEX;
    return mixer_.SetPosition(statics_[static_cast<size_t>(index)].buffer,
                              static_cast<uint32_t>(position))
               ? WAVO_DONE
               : WAVO_BAD_INDEX;
}

int32_t Engine::GetStaticByteLength(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_SOUND;
    auto length = mixer_.Length(statics_[static_cast<size_t>(index)].buffer);
    return length ? static_cast<int32_t>(*length) : WAVO_NO_FREQUENCY_CTRL;
}

int32_t Engine::DuplicateStaticSound(int32_t index) {
    if (!ValidStatic(index)) return WAVO_BAD_INDEX;
    if (!DeviceOpen()) return WAVO_DEVICE_CLOSED;
    const StaticSoundRecord& original = statics_[static_cast<size_t>(index)];
    auto copy = mixer_.Duplicate(original.buffer);
    if (!copy) return WAVO_NO_BUFFER;
    try {
        return AddStatic(original.fileName, *copy);
    } catch (const std::bad_alloc&) {
        mixer_.Destroy(*copy);
        return WAVO_LIST_FULL;
    }
}

// ---------------------------------------------------------------- streams

StreamingSound* Engine::FindStream(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= streams_.size()) return nullptr;
    return streams_[static_cast<size_t>(index)].get();
}

const StreamingSound* Engine::Stream(int32_t index) const {
    return FindStream(index);
}

int32_t Engine::CreateStreamingSound(const char* fileName) {
    if (!fileName) return WAVO_NO_BUFFER;
    if (!DeviceOpen()) return WAVO_DEVICE_CLOSED;
    auto source = FileSource::Open(fileName);
    if (!source) return WAVO_NO_BUFFER;
    auto reader = std::make_unique<WaveReader>(std::move(source));
    if (reader->Open() != kReaderOk || reader->Rewind() != kReaderOk) return WAVO_NO_BUFFER;

    const WaveFormat& wave = reader->Format();
    auto format = PlayableFormat(wave);
    // The average rate sets the ring's length and the sound's duration, so it
    // must be the true one; and the data must really be in the file.
    if (!format || wave.avgBytesPerSec != format->sampleRate * format->blockAlign ||
        reader->DataSize() == 0 || reader->DataAvailable() < reader->DataSize())
        return WAVO_NO_BUFFER;

    auto stream = std::make_unique<StreamingSound>();
    uint64_t ringBytes = uint64_t{stream->bufferMilliseconds} * wave.avgBytesPerSec / 1000;
    stream->bufferBytes = static_cast<uint32_t>(std::min<uint64_t>(ringBytes, reader->DataSize()));
    auto buffer = mixer_.CreateBuffer(*format, stream->bufferBytes);
    if (!buffer) return WAVO_NO_BUFFER;
    stream->buffer = *buffer;
    stream->duration = reader->DurationMs();
    stream->silence = format->bitsPerSample == 8 ? 128 : 0;
    try {
        stream->staging.resize(stream->bufferBytes);
    } catch (const std::bad_alloc&) {
        mixer_.Destroy(*buffer);
        return WAVO_NO_BUFFER;
    }
    stream->reader = std::move(reader);
    PrimeStream(*stream);
    try {
        streams_.push_back(std::move(stream));
    } catch (const std::bad_alloc&) {
        mixer_.Destroy(*buffer);
        return WAVO_LIST_FULL;
    }
    return static_cast<int32_t>(streams_.size() - 1);
}

void Engine::PrimeStream(StreamingSound& s) {
    if (s.primed) return;
    s.writeOffset = 0;
    s.reader->Rewind();
    mixer_.SetPosition(s.buffer, 0);
    FillFromFile(s, s.bufferBytes);
    s.primed = true;
}

bool Engine::FillFromFile(StreamingSound& s, uint32_t n) {
    n = std::min(n, s.bufferBytes);
    uint32_t first = std::min(n, s.bufferBytes - s.writeOffset);
    uint32_t second = n - first;
    uint8_t* staging = s.staging.data();
    auto got1 = static_cast<uint32_t>(s.reader->Read(staging, first));
    uint32_t got2 = 0;
    if (got1 == first && second > 0)
        got2 = static_cast<uint32_t>(s.reader->Read(staging + first, second));
    mixer_.Write(s.buffer, s.writeOffset, staging, got1);
    if (got2 > 0) mixer_.Write(s.buffer, 0, staging + first, got2);
    s.writeOffset = static_cast<uint32_t>((uint64_t{s.writeOffset} + got1 + got2) % s.bufferBytes);
    return got1 + got2 == n;
}

void Engine::FillSilence(StreamingSound& s, uint32_t n) {
    n = std::min(n, s.bufferBytes);
    uint32_t first = std::min(n, s.bufferBytes - s.writeOffset);
    uint32_t second = n - first;
    std::fill(s.staging.begin(), s.staging.begin() + n, s.silence);
    mixer_.Write(s.buffer, s.writeOffset, s.staging.data(), first);
    if (second > 0) mixer_.Write(s.buffer, 0, s.staging.data(), second);
    s.writeOffset = static_cast<uint32_t>((uint64_t{s.writeOffset} + n) % s.bufferBytes);
}

void Engine::PlayStream(StreamingSound& s, int32_t loop) {
    StopStream(s);
    {
        std::lock_guard guard(s.lock);
        if (!s.primed) PrimeStream(s);
        s.loop = loop;
        // The ring loops and the end of the sound is found by time. A sound
        // that fits in the ring whole and is played once must not loop,
        // though: it would be heard again and again until the next tick.
        bool wholeSound = s.bufferBytes >= s.reader->DataSize();
        if (!mixer_.Play(s.buffer, loop != 0 || !wholeSound)) return;
        s.startTime = options_.clock();
        s.elapsed = 0;
        s.playing = true;
        s.primed = false;
    }
    if (device_) device_->Wake();
    if (options_.runTimers) {
        s.timer = std::make_unique<PeriodicTimer>(std::chrono::milliseconds(s.timerPeriod),
                                                  [this, &s] { return Tick(s); });
    }
}

void Engine::StopStream(StreamingSound& s) {
    std::unique_ptr<PeriodicTimer> timer;
    {
        std::lock_guard guard(s.lock);
        if (s.playing) {
            mixer_.Stop(s.buffer);
            s.playing = false;
        }
        timer = std::move(s.timer);
    }
    // Joined outside the lock: a tick waiting for it finds the stream stopped.
    timer.reset();
}

bool Engine::Tick(StreamingSound& s) {
    if (s.busy.exchange(1) == 1) return true; // the previous tick still runs
    bool keepRunning;
    {
        std::lock_guard guard(s.lock);
        keepRunning = RefillLocked(s);
    }
    s.busy.store(0);
    return keepRunning;
}

bool Engine::RefillLocked(StreamingSound& s) {
    if (!s.playing) return false;
    s.elapsed = options_.clock() - s.startTime;
    if (s.elapsed < s.duration) {
        uint32_t cursor = mixer_.Position(s.buffer).value_or(s.writeOffset);
        uint32_t free = s.writeOffset > cursor ? s.bufferBytes + cursor - s.writeOffset
                                               : cursor - s.writeOffset;
        if (free == 0) return true;
        uint32_t remaining = s.reader->DataSize() - s.reader->BytesRead();
        if (remaining == 0) {
            FillSilence(s, free);
        } else if (remaining >= free) {
            FillFromFile(s, free);
        } else if (FillFromFile(s, remaining)) {
            FillSilence(s, free - remaining);
        }
        return true;
    }
    // The sound's playing time is over.
    if (s.loop == 0) {
        mixer_.Stop(s.buffer);
        s.playing = false;
        return false;
    }
    // Looping: start over from the beginning of the data. The ring keeps
    // playing while it is refilled, so the restart leaves no gap.
    PrimeStream(s);
    s.startTime = options_.clock();
    s.elapsed = 0;
    s.primed = false;
    return true;
}

int32_t Engine::PlayStreamingSound(int32_t index, int32_t loop) {
    StreamingSound* s = FindStream(index);
    if (!s) return WAVO_BAD_INDEX;
    PlayStream(*s, loop);
    return WAVO_DONE;
}

int32_t Engine::StopStreamingSound(int32_t index) {
    StreamingSound* s = FindStream(index);
    if (!s) return WAVO_BAD_INDEX;
    StopStream(*s);
    return WAVO_DONE;
}

int32_t Engine::SetStreamingPan(int32_t index, int32_t pan) {
    if (pan < kMinPan || pan > kMaxPan) return WAVO_OUT_OF_RANGE;
    StreamingSound* s = FindStream(index);
    if (!s || !mixer_.SetPan(s->buffer, pan)) return WAVO_BAD_INDEX;
    return WAVO_DONE;
}

int32_t Engine::SetStreamingVolume(int32_t index, int32_t volume) {
    if (volume < kMinVolume || volume > kMaxVolume) return WAVO_OUT_OF_RANGE;
    StreamingSound* s = FindStream(index);
    if (!s || !mixer_.SetVolume(s->buffer, volume)) return WAVO_BAD_INDEX;
    return WAVO_DONE;
}

int32_t Engine::GetStreamingPan(int32_t index) {
    StreamingSound* s = FindStream(index);
    if (!s) return WAVO_BAD_SOUND;
    return mixer_.Pan(s->buffer).value_or(0);
}

int32_t Engine::GetStreamingVolume(int32_t index) {
    StreamingSound* s = FindStream(index);
    if (!s) return WAVO_BAD_SOUND;
    return mixer_.Volume(s->buffer).value_or(0);
}

int32_t Engine::GetStreamingFrequency(int32_t index) {
    StreamingSound* s = FindStream(index);
    if (!s) return WAVO_BAD_SOUND;
    return static_cast<int32_t>(mixer_.Frequency(s->buffer).value_or(0));
}

void Engine::RefillStream(int32_t index) {
    if (StreamingSound* s = FindStream(index)) Tick(*s);
}

void Engine::DestroyStream(StreamingSound& s) {
    StopStream(s);
    mixer_.Destroy(s.buffer);
    s.reader.reset();
}

void Engine::ReleaseInstanceState() {
    for (auto& stream : streams_) DestroyStream(*stream);
    streams_.clear();
    CloseDevice();
}

} // namespace wavory
