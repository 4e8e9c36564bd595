#include "game/sound/game_sounds.h"

#include <utility>

namespace dravik::sound {

int32_t WindowValue(uint64_t nativeHandle) {
    if (nativeHandle == 0) return 0;
    auto folded = static_cast<uint32_t>(nativeHandle ^ (nativeHandle >> 32));
    return folded == 0 ? 1 : static_cast<int32_t>(folded);
}

GameSounds::GameSounds(SoundControl* control, std::string programFolder)
    : control_(control), programFolder_(std::move(programFolder)) {}

void GameSounds::SetWindow(uint64_t nativeHandle) {
    if (control_) control_->Window(WindowValue(nativeHandle));
}

void GameSounds::Init_Sound() {
    if (!control_ || control_->InitializeSound() != 1) {
        soundAvailable_ = false;
        return;
    }
    soundAvailable_ = true;
    for (int n = 0; n < kEffectCount; ++n) {
        // Stored as it comes: a negative outcome leaves that effect silent.
        soundHandles_[static_cast<size_t>(n)] = control_->CreateStaticSound(
            programFolder_ + std::string(kEffectFiles[static_cast<size_t>(n)]));
    }
}

void GameSounds::Speel(int16_t number) {
    if (number < 0 || number >= kEffectCount || !control_) return;
    int32_t handle = soundHandles_[static_cast<size_t>(number)];
    if (handle >= 0) control_->PlayStaticSound(handle, 0); // outcome ignored
}

} // namespace dravik::sound
