// The game's sound effects, played through the sound control.
#pragma once

namespace dravik {

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

} // namespace dravik
