#include "game/play/game_clock.h"

#include <cstdint>

#include "game/play/times.h"

namespace dravik {

void GameClock::Start() {
    startMilliseconds_ = source_.NowMilliseconds();
    elapsedSeconds_ = 0;
    pausedSeconds_ = 0;
    running_ = true;
    text_ = "00:00";
}

void GameClock::Clear() {
    Stop();
    text_ = "00:00";
}

void GameClock::Tick() {
    if (!Running()) return;
    std::int64_t elapsed = (source_.NowMilliseconds() - startMilliseconds_) / 1000;
    if (elapsed < 0) elapsed = 0;
    if (elapsed > INT32_MAX) elapsed = INT32_MAX;
    elapsedSeconds_ = static_cast<int>(elapsed);
    std::string text = FormatTime(elapsedSeconds_);
    if (text != text_) text_ = std::move(text);
}

void GameClock::Pause() {
    if (pauses_++ == 0) pausedSeconds_ = elapsedSeconds_;
}

void GameClock::Resume() {
    if (pauses_ == 0 || --pauses_ > 0) return;
    elapsedSeconds_ = pausedSeconds_;
    startMilliseconds_ =
        source_.NowMilliseconds() - static_cast<std::int64_t>(elapsedSeconds_) * 1000;
}

void GameClock::Minimized() {
    if (wasMinimized_) return;
    Pause();
    wasMinimized_ = true;
}

void GameClock::Restored() {
    if (!wasMinimized_) return;
    Resume();
    wasMinimized_ = false;
}

} // namespace dravik
