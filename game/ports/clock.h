// The time the game's clock counts.
#pragma once

#include <cstdint>

namespace dravik {

// A monotonic clock: it never jumps with the time of day, daylight saving or
// a clock adjustment.
class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual std::int64_t NowMilliseconds() = 0;
};

} // namespace dravik
