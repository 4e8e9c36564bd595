// The game's clock: whole seconds of play from the moment a puzzle is shown.
// It pauses while the window is minimized and while the print dialog is open:
// a pause remembers the time played and the clock shows it, and the resume
// counts on from there, so the time in between is not counted. Pauses nest:
// the clock goes on when the last one ends.
#pragma once

#include <cstdint>
#include <string>

#include "game/ports/clock.h"

namespace dravik {

class GameClock {
  public:
    explicit GameClock(ClockSource& source) : source_(source) {}

    // From zero: the timer runs and the label shows "00:00".
    void Start();
    // The timer stops; the label keeps its time.
    void Stop() { running_ = false; }
    // Stops and shows "00:00" (a cleared board).
    void Clear();
    // A tick of the 250 ms timer: the time played and, when it changed, the
    // label's text. Nothing while the timer is stopped.
    void Tick();

    void Pause();
    void Resume();
    // The window's state changes: minimizing pauses (also without a game);
    // the return to normal size resumes only after a minimize.
    void Minimized();
    void Restored();

    // The clock counts now: it needs the timer's ticks.
    bool Running() const { return running_ && pauses_ == 0; }
    int ElapsedSeconds() const { return elapsedSeconds_; }
    // What LabelTijd shows: mm:ss as of the last tick.
    const std::string& Text() const { return text_; }

  private:
    ClockSource& source_;
    std::int64_t startMilliseconds_ = 0;
    int elapsedSeconds_ = 0;
    int pausedSeconds_ = 0;
    int pauses_ = 0;
    bool running_ = false;
    bool wasMinimized_ = false;
    std::string text_ = "00:00";
};

} // namespace dravik
