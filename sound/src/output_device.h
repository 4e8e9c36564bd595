// The sound device: something that pulls frames from a mixer while it is open.
#pragma once

#include <cstdint>
#include <memory>

namespace wavory {

class Mixer;

class OutputDevice {
  public:
    virtual ~OutputDevice() = default;
    // Starts pulling from the mixer; false when no device could be opened.
    virtual bool Open(Mixer& mixer) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
};

// SDL's default output device: 48 kHz, 16-bit stereo, 512-frame buffers.
std::unique_ptr<OutputDevice> MakeSdlOutputDevice();

constexpr uint32_t kDeviceBufferFrames = 512;

} // namespace wavory
