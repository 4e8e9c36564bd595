// What the game object needs from the world outside it: dialogs, sound, the
// stock file and a clock. The game window implements these; tests record them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/base/messages.h"
#include "game/stock/generator.h"

namespace dravik {

class Stock;

class Prompt {
  public:
    virtual ~Prompt() = default;
    // A modal message box; returns the button pressed.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // A modal input box; Cancel answers the empty text.
    virtual std::string AskText(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) = 0;
};

// Shows a message of the catalogue (messages.h), `detail` in its "%1".
inline MessageAnswer Show(Prompt& prompt, const MessageText& message,
                          std::string_view detail = {}) {
    return prompt.ShowMessage(WithDetail(message.text, detail), WithDetail(message.title, detail),
                              message.icon, message.buttons);
}

// The game's sound effects by number (0 applause ... 9 giggle). The game calls
// it only while sound is switched on.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void Speel(int effect) = 0;
};

// Effect numbers played by the game.
enum SoundEffect : int {
    kSoundApplause = 0,
    kSoundDiscard = 1,
    kSoundAssign = 2,
    kSoundResetCell = 3,
    kSoundSolution = 4,
    kSoundLabel = 5,
    kSoundUndoRedo = 6,
    kSoundHint = 7,
    kSoundError = 8,
    kSoundGiggle = 9, // loaded with the others; no game action plays it
};

// The working copy of the stock file.
class StockWriter {
  public:
    virtual ~StockWriter() = default;
    // Writes all 500 records; false when the file could not be written.
    virtual bool WriteStock(const Stock& stock) = 0;
};

// A monotonic clock: it never jumps with the time of day, daylight saving or
// a clock adjustment.
class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual std::int64_t NowMilliseconds() = 0;
};

// Generated puzzles for a renewal, made away from the game's thread. The game
// starts the source when a renewal begins, takes results during its passes
// and stops it when the set is complete.
class PuzzleSource {
  public:
    virtual ~PuzzleSource() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The next finished puzzle, if one is waiting; never blocks.
    virtual std::optional<GeneratedPuzzle> TryTake() = 0;
};

} // namespace dravik
