// The game object's sound sink, played through the game's sound effects.
#pragma once

#include "game/ports/sound_sink.h"
#include "game/sound/game_sounds.h"

namespace dravik::sound {

class EffectsSink final : public SoundSink {
  public:
    explicit EffectsSink(GameSounds& sounds) : sounds_(sounds) {}

    void Speel(int effect) override {
        // Checked before narrowing: 65538 must not become effect 2.
        if (effect < 0 || effect >= kEffectCount) return;
        sounds_.Speel(static_cast<int16_t>(effect));
    }

  private:
    GameSounds& sounds_;
};

} // namespace dravik::sound
