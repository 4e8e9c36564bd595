// The game's ten sound effects, made by synthesis: short, distinct, 16-bit
// mono PCM.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wavory::effects {

constexpr uint32_t kSampleRate = 44100;

std::vector<int16_t> Synthesise(int number);

// A RIFF WAVE file of 16-bit mono PCM at kSampleRate. False when it cannot be written.
bool WriteWave(const std::string& path, const std::vector<int16_t>& samples);

} // namespace wavory::effects
