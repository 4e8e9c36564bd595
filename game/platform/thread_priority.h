// Background work that must yield the processor to the window: the calling
// thread gets a lower scheduling priority than the program's other threads.
#pragma once

namespace dravik {

// Lowers the calling thread's priority (on Linux its nice value by 10, on
// Windows to below normal). Best effort: a refusal changes nothing.
void LowerThisThreadPriority();

} // namespace dravik
