#include "effects.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace wavory::effects {

namespace {

constexpr double kRate = kSampleRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

Signal Silence(double seconds) {
    return Signal(static_cast<size_t>(seconds * kRate), 0.0);
}

// A struck tone: a few harmonics under a short attack and an exponential decay.
void Bell(Signal& s, double start, double length, double frequency, double amplitude, double decay,
          std::initializer_list<double> harmonics = {1.0, 0.3, 0.1}) {
    size_t first = static_cast<size_t>(start * kRate);
    size_t count = static_cast<size_t>(length * kRate);
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double envelope = std::min(1.0, t / 0.004) * std::exp(-t / decay);
        double value = 0.0;
        int h = 1;
        for (double weight : harmonics) value += weight * std::sin(kTwoPi * frequency * h++ * t);
        s[first + i] += amplitude * envelope * value;
    }
}

// A tone whose pitch slides from `from` to `to` (exponentially), under a
// raised-cosine envelope; `vibrato` adds a wobble of that depth at 30 Hz.
void Glide(Signal& s, double start, double length, double from, double to, double amplitude,
           double vibrato = 0.0) {
    size_t first = static_cast<size_t>(start * kRate);
    size_t count = static_cast<size_t>(length * kRate);
    double phase = 0.0;
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        double x = static_cast<double>(i) / static_cast<double>(count);
        double frequency =
            from * std::pow(to / from, x) *
            (1.0 + vibrato * std::sin(kTwoPi * 30.0 * static_cast<double>(i) / kRate));
        phase += kTwoPi * frequency / kRate;
        double envelope = 0.5 - 0.5 * std::cos(kTwoPi * x);
        s[first + i] += amplitude * envelope * (std::sin(phase) + 0.2 * std::sin(2.0 * phase));
    }
}

// One hand clap: a burst of band-limited noise with a fast decay.
void Clap(Signal& s, double start, double amplitude, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    size_t first = static_cast<size_t>(start * kRate);
    size_t count = static_cast<size_t>(0.03 * kRate);
    double low = 0.0, previous = 0.0;
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        low += 0.35 * (noise(random) - low); // soften the top
        double band = low - previous * 0.85; // and take away the rumble
        previous = low;
        s[first + i] += amplitude * std::exp(-t / 0.006) * band;
    }
}

// Scales to a peak of `peak` (of full scale) and fades both ends so that the
// sound starts and stops without a click.
std::vector<int16_t> Finish(Signal s, double peak = 0.5) {
    double top = 0.0;
    for (double v : s) top = std::max(top, std::abs(v));
    double scale = top > 0.0 ? peak / top : 0.0;
    size_t fadeIn = std::min(s.size(), static_cast<size_t>(0.003 * kRate));
    size_t fadeOut = std::min(s.size(), static_cast<size_t>(0.012 * kRate));
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        double gain = scale;
        if (i < fadeIn) gain *= static_cast<double>(i) / static_cast<double>(fadeIn);
        size_t fromEnd = s.size() - 1 - i;
        if (fromEnd < fadeOut) gain *= static_cast<double>(fromEnd) / static_cast<double>(fadeOut);
        out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i] * gain, -1.0, 1.0) * 32767.0));
    }
    return out;
}

double Note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace

std::vector<int16_t> Synthesise(int number) {
    switch (number) {
    case 0: { // Applause: a bright chord over a crowd of claps thinning out
        Signal s = Silence(1.40);
        std::mt19937 random(20261207);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < 90; ++i) {
            double t = 1.15 * std::pow(unit(random), 1.6);
            Clap(s, t, 0.5 + 0.5 * unit(random), random);
        }
        const int chord[] = {3, 7, 10, 15}; // C5 E5 G5 C6
        for (int i = 0; i < 4; ++i) Bell(s, 0.06 * i, 1.2, Note(chord[i]), 0.18, 0.35);
        return Finish(s);
    }
    case 1: { // Discard: a soft falling swish
        Signal s = Silence(0.20);
        Glide(s, 0.0, 0.20, 700.0, 240.0, 0.8);
        return Finish(s, 0.45);
    }
    case 2: { // Assign: a short bright pluck
        Signal s = Silence(0.12);
        Bell(s, 0.0, 0.12, Note(15), 1.0, 0.03, {1.0, 0.5, 0.2, 0.1});
        return Finish(s);
    }
    case 3: { // ResetCell: two notes stepping down
        Signal s = Silence(0.26);
        Bell(s, 0.0, 0.12, Note(10), 1.0, 0.05);
        Bell(s, 0.12, 0.14, Note(3), 1.0, 0.05);
        return Finish(s);
    }
    case 4: { // Solution: a rising arpeggio that rings on
        Signal s = Silence(0.95);
        const int steps[] = {3, 7, 10, 15, 19};
        for (int i = 0; i < 5; ++i) Bell(s, 0.09 * i, 0.95 - 0.09 * i, Note(steps[i]), 1.0, 0.22);
        return Finish(s);
    }
    case 5: { // Label: a light tick
        Signal s = Silence(0.06);
        Bell(s, 0.0, 0.06, Note(22), 1.0, 0.012, {1.0, 0.2});
        return Finish(s, 0.4);
    }
    case 6: { // UndoRedo: a quick rising swish
        Signal s = Silence(0.16);
        Glide(s, 0.0, 0.16, 480.0, 960.0, 0.8);
        return Finish(s, 0.45);
    }
    case 7: { // Hint: two gentle bell notes, a fifth apart
        Signal s = Silence(0.62);
        Bell(s, 0.0, 0.62, Note(12), 1.0, 0.18);
        Bell(s, 0.15, 0.47, Note(19), 0.8, 0.18);
        return Finish(s);
    }
    case 8: { // Error: two low, reedy buzzes
        Signal s = Silence(0.40);
        for (double start : {0.0, 0.2})
            Bell(s, start, 0.16, Note(-14), 1.0, 0.08, {1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12});
        return Finish(s, 0.5);
    }
    case 9: { // Giggle: a run of chirps, each a little lower
        Signal s = Silence(0.90);
        for (int i = 0; i < 6; ++i) {
            double base = 1300.0 * std::pow(0.9, i);
            Glide(s, 0.02 + 0.14 * i, 0.11, base * 0.8, base * 1.15, 0.8, 0.04);
        }
        return Finish(s, 0.45);
    }
    default:
        return {};
    }
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    auto put32 = [&](uint32_t v) {
        uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::fwrite(b, 1, 4, file);
    };
    auto put16 = [&](uint16_t v) {
        uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
        std::fwrite(b, 1, 2, file);
    };
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, file);
    put32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    put32(16);
    put16(1);               // PCM
    put16(1);               // mono
    put32(kSampleRate);     // samples per second
    put32(kSampleRate * 2); // average bytes per second
    put16(2);               // block align
    put16(16);              // bits per sample
    std::fwrite("data", 1, 4, file);
    put32(dataBytes);
    for (int16_t v : samples) put16(static_cast<uint16_t>(v));
    bool ok = std::ferror(file) == 0;
    return std::fclose(file) == 0 && ok;
}

} // namespace wavory::effects
