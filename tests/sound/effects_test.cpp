// The ten effect files made at build time, measured: each must load as
// 16-bit PCM, be short, sit at a comfortable level, start and end without a
// click, and differ from the others.
#include "riff_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const char* const kFiles[] = {"Applause.wav", "Discard.wav", "Assign.wav",   "ResetCell.wav",
                              "Solution.wav", "Label.wav",   "UndoRedo.wav", "Hint.wav",
                              "Error.wav",    "Giggle.wav"};

struct Measured {
    std::string name;
    std::vector<int16_t> samples;
    uint32_t rate = 0;
    double seconds = 0;
    double peakDb = 0;
    double rmsDb = 0;
};

Measured Measure(const std::string& name) {
    Measured m{name, {}, 0, 0, 0, 0};
    auto source = wavory::FileSource::Open(std::string(DRAVIK_OUTPUT_DIR) + "/" + name);
    if (!source) return m;
    wavory::WaveReader reader(std::move(source));
    if (reader.Open() != wavory::kReaderOk || reader.Rewind() != wavory::kReaderOk) return m;
    const auto& f = reader.Format();
    if (f.formatTag != 1 || f.bitsPerSample != 16 || f.channels != 1) return m;
    std::vector<uint8_t> bytes(reader.DataSize());
    if (reader.Read(bytes.data(), bytes.size()) != bytes.size()) return m;
    m.rate = f.samplesPerSec;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        m.samples.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
    double peak = 0, sum = 0;
    for (int16_t s : m.samples) {
        peak = std::max(peak, std::abs(static_cast<double>(s)));
        sum += static_cast<double>(s) * s;
    }
    m.seconds = static_cast<double>(m.samples.size()) / m.rate;
    m.peakDb = 20 * std::log10(peak / 32768.0);
    m.rmsDb = 10 * std::log10(sum / static_cast<double>(m.samples.size()) / (32768.0 * 32768.0));
    return m;
}

} // namespace

TEST(Effects, AreShortSixteenBitSoundsAtAComfortableLevel) {
    for (const char* name : kFiles) {
        Measured m = Measure(name);
        SCOPED_TRACE(name);
        ASSERT_FALSE(m.samples.empty()) << "not a readable 16-bit mono PCM file";
        EXPECT_GT(m.seconds, 0.03);
        EXPECT_LT(m.seconds, 1.5);
        EXPECT_LT(m.peakDb, -3.0); // headroom for several at once
        EXPECT_GT(m.peakDb, -12.0);
        EXPECT_GT(m.rmsDb, -30.0); // clearly audible, not a blip of noise
        // No click at either end.
        EXPECT_LT(std::abs(m.samples.front()), 300);
        EXPECT_LT(std::abs(m.samples.back()), 300);
    }
}

TEST(Effects, AreDistinctFromEachOther) {
    std::vector<Measured> all;
    for (const char* name : kFiles) all.push_back(Measure(name));
    for (size_t a = 0; a < all.size(); ++a) {
        for (size_t b = a + 1; b < all.size(); ++b) {
            // Normalised correlation over the common length.
            size_t n = std::min(all[a].samples.size(), all[b].samples.size());
            double ab = 0, aa = 0, bb = 0;
            for (size_t i = 0; i < n; ++i) {
                double x = all[a].samples[i], y = all[b].samples[i];
                ab += x * y;
                aa += x * x;
                bb += y * y;
            }
            double correlation = ab / std::sqrt(aa * bb + 1e-9);
            bool differentLength = all[a].samples.size() != all[b].samples.size();
            EXPECT_TRUE(differentLength || correlation < 0.5) << all[a].name << " " << all[b].name;
            EXPECT_LT(correlation, 0.9) << all[a].name << " " << all[b].name;
        }
    }
}
