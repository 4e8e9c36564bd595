// The game's sound effects: the ten effect files, the handles the sound
// control gave for them, and whether effects are available. Whether sound is
// switched on is the game's choice (its "Sounds" option): the game simply does
// not ask for an effect while it is off.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/ports/sound_sink.h"
#include "game/sound/effect_files.h"

namespace dravik::sound {

// The four late-bound calls the game makes on its sound control (Wavo1).
class SoundControl {
  public:
    virtual ~SoundControl() = default;
    virtual void Window(int32_t handle) = 0;
    virtual int32_t InitializeSound() = 0;
    virtual int32_t CreateStaticSound(const std::string& fileName) = 0;
    virtual int32_t PlayStaticSound(int32_t& index, int32_t loop) = 0;
};

// Effect numbers are the game's SoundEffect values (game/ports/sound_sink.h).
constexpr int kEffectCount = static_cast<int>(kEffectFiles.size());

// The control's window value for a native window handle: a 32-bit value that
// is non-zero whenever the handle is, so a handle whose low half happens to be
// zero still counts as a window.
int32_t WindowValue(uint64_t nativeHandle);

class GameSounds {
  public:
    // `control` may be null when no sound control could be created; then
    // sound is never available. `programFolder` ends in a path separator.
    GameSounds(SoundControl* control, std::string programFolder);

    // Wavo1.Window := the game window's handle.
    void SetWindow(uint64_t nativeHandle);

    // Opens the sound device and loads the ten effects.
    void Init_Sound();

    // Plays one effect when it was loaded; otherwise nothing.
    void Speel(int16_t number);

    bool SoundAvailable() const { return soundAvailable_; }
    const std::array<int32_t, kEffectCount>& SoundHandles() const { return soundHandles_; }

  private:
    SoundControl* control_;
    std::string programFolder_;
    std::array<int32_t, kEffectCount> soundHandles_{};
    bool soundAvailable_ = false;
};

} // namespace dravik::sound
