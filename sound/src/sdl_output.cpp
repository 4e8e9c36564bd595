#include "mixer.h"
#include "output_device.h"

#include <SDL.h>

namespace wavory {

namespace {

class SdlOutputDevice : public OutputDevice {
  public:
    ~SdlOutputDevice() override { Close(); }

    bool Open(Mixer& mixer) override {
        if (device_ != 0) return true;
        // The host owns its process: SDL must not catch SIGINT and SIGTERM for
        // a quit event that nobody reads, or the host could not be ended.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        SDL_AudioSpec want{};
        want.freq = static_cast<int>(mixer.OutputRate());
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = kDeviceBufferFrames;
        want.callback = &SdlOutputDevice::Callback;
        want.userdata = &mixer;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to the device's own format if it must,
        // so the mixer always produces what it was built for.
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) {
            ReleaseSdl();
            return false;
        }
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    void Close() override {
        if (device_ == 0) return;
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        ReleaseSdl();
    }

    bool IsOpen() const override { return device_ != 0; }

  private:
    // Ending the audio subsystem leaves SDL's hints and driver state behind;
    // when no other part of SDL is in use they go too, so that unloading this
    // library leaves nothing allocated behind it.
    static void ReleaseSdl() {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    }

    static void SDLCALL Callback(void* userdata, Uint8* stream, int length) {
        auto* mixer = static_cast<Mixer*>(userdata);
        mixer->Mix(reinterpret_cast<int16_t*>(stream),
                   static_cast<size_t>(length) / (2 * sizeof(int16_t)));
    }

    SDL_AudioDeviceID device_ = 0;
};

} // namespace

std::unique_ptr<OutputDevice> MakeSdlOutputDevice() {
    return std::make_unique<SdlOutputDevice>();
}

} // namespace wavory
