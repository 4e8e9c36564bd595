#include "mixer.h"
#include "output_device.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace wavory {

namespace {

// SDL 2 keeps a paused device's thread running, waking for every buffer to
// play silence. So a device that has had nothing to play for a while is
// closed instead, by a thread of its own that sleeps until then, and opened
// again for the next sound. SDL's audio subsystem stays initialised in
// between, which keeps the reopening short.
//
// Three threads meet here: the host's (Open, Close, Wake), SDL's audio thread
// (Callback) and the rest thread (Rest). `state_` guards the SDL device and is
// held while it is closed, which joins the audio thread; so the audio thread
// never takes `state_`: it only sets a flag under `restMutex_`, which no one
// holds while closing.
class SdlOutputDevice : public OutputDevice {
  public:
    explicit SdlOutputDevice(std::chrono::milliseconds restAfter) : restAfter_(restAfter) {}
    ~SdlOutputDevice() override { Close(); }

    bool Open(Mixer& mixer) override {
        std::lock_guard state(state_);
        if (open_) return true;
        // The host owns its process: SDL must not catch SIGINT and SIGTERM for
        // a quit event that nobody reads, or the host could not be ended.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        mixer_ = &mixer;
        // Opened now, so that a missing device is reported; it rests once
        // nothing has played for a while.
        if (!StartLocked()) {
            mixer_ = nullptr;
            ReleaseSdl();
            return false;
        }
        open_ = true;
        {
            std::lock_guard lock(restMutex_);
            restWanted_ = quitting_ = false;
        }
        rester_ = std::thread([this] { Rest(); });
        return true;
    }

    void Close() override {
        {
            std::lock_guard state(state_);
            if (!open_) return;
        }
        {
            std::lock_guard lock(restMutex_);
            quitting_ = true;
        }
        restWake_.notify_one();
        rester_.join();
        std::lock_guard state(state_);
        StopLocked();
        open_ = false;
        mixer_ = nullptr;
        ReleaseSdl();
    }

    bool IsOpen() const override {
        std::lock_guard state(state_);
        return open_;
    }

    void Wake() override {
        std::lock_guard state(state_);
        if (!open_) return;
        idleBuffers_.store(0);
        // A device that cannot be opened again stays silent until the next sound.
        if (device_ == 0) StartLocked();
    }

  private:
    bool StartLocked() {
        SDL_AudioSpec want{};
        want.freq = static_cast<int>(mixer_->OutputRate());
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = kDeviceBufferFrames;
        want.callback = &SdlOutputDevice::Callback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to the device's own format if it must,
        // so the mixer always produces what it was built for, in buffers of
        // the size asked for.
        restBuffers_ = static_cast<std::uint32_t>(
            std::max<long long>(1, restAfter_.count() * want.freq / 1000 / want.samples));
        idleBuffers_.store(0);
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) return false;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    void StopLocked() {
        if (device_ == 0) return;
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }

    // The rest thread: closes the device when the audio thread asks for it,
    // unless a sound has started since.
    void Rest() {
        std::unique_lock lock(restMutex_);
        for (;;) {
            restWake_.wait(lock, [this] { return quitting_ || restWanted_; });
            if (quitting_) return;
            restWanted_ = false;
            lock.unlock();
            {
                std::lock_guard state(state_);
                // A sound played after the request reset the count, and a sound
                // started during this check wakes the device again once this
                // lock is released.
                if (device_ != 0 && idleBuffers_.load() >= restBuffers_ &&
                    mixer_->PlayingCount() == 0)
                    StopLocked();
            }
            lock.lock();
        }
    }

    // Ending the audio subsystem leaves SDL's hints and driver state behind;
    // when no other part of SDL is in use they go too, so that unloading this
    // library leaves nothing allocated behind it.
    static void ReleaseSdl() {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    }

    static void SDLCALL Callback(void* userdata, Uint8* stream, int length) {
        auto* self = static_cast<SdlOutputDevice*>(userdata);
        if (self->mixer_->Mix(reinterpret_cast<int16_t*>(stream),
                              static_cast<size_t>(length) / (2 * sizeof(int16_t)))) {
            self->idleBuffers_.store(0);
            return;
        }
        if (self->idleBuffers_.fetch_add(1) + 1 != self->restBuffers_) return;
        {
            std::lock_guard lock(self->restMutex_);
            self->restWanted_ = true;
        }
        self->restWake_.notify_one();
    }

    const std::chrono::milliseconds restAfter_;
    mutable std::mutex state_;
    bool open_ = false;            // between Open and Close, resting or not
    SDL_AudioDeviceID device_ = 0; // 0 while resting
    Mixer* mixer_ = nullptr;
    std::uint32_t restBuffers_ = 1;             // silent buffers before the device rests
    std::atomic<std::uint32_t> idleBuffers_{0}; // silent buffers in a row

    std::mutex restMutex_;
    std::condition_variable restWake_;
    bool restWanted_ = false;
    bool quitting_ = false;
    std::thread rester_;
};

} // namespace

std::unique_ptr<OutputDevice> MakeSdlOutputDevice(std::chrono::milliseconds restAfter) {
    return std::make_unique<SdlOutputDevice>(restAfter);
}

} // namespace wavory
