// The sound device: something that pulls frames from a mixer while it is open.
#pragma once

#include <chrono>
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
    // A sound has just started in the mixer: a device that rests while nothing
    // plays must pull again.
    virtual void Wake() {}
};

// How long SDL's device keeps pulling after the last sound has ended; then it
// rests, closed, until the next sound wakes it.
constexpr std::chrono::milliseconds kDeviceRestAfter{1000};

// SDL's default output device: 48 kHz, 16-bit stereo, 512-frame buffers. While
// it rests no thread of it runs; Wake() reopens it at once, on the caller's
// thread, and the first buffer it asks for carries the new sound.
std::unique_ptr<OutputDevice>
MakeSdlOutputDevice(std::chrono::milliseconds restAfter = kDeviceRestAfter);

constexpr uint32_t kDeviceBufferFrames = 512;

} // namespace wavory
