// Builds RIFF WAVE files byte by byte, well-formed or deliberately broken.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace wavtest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(id[i]));
}

// A chunk: id, size (the true one unless given), data and the pad byte.
inline Bytes Chunk(const char* id, const Bytes& data, int64_t claimedSize = -1) {
    Bytes b;
    PutId(b, id);
    Put32(b, claimedSize < 0 ? static_cast<uint32_t>(data.size())
                             : static_cast<uint32_t>(claimedSize));
    for (uint8_t v : data) b.push_back(v);
    if (data.size() % 2) b.push_back(0);
    return b;
}

// The 16 bytes of a format chunk; blockAlign and average rate follow from the rest.
inline Bytes Fmt(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    Bytes b;
    uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

inline Bytes Riff(std::initializer_list<Bytes> chunks, const char* form = "WAVE",
                  const char* id = "RIFF") {
    Bytes body;
    PutId(body, form);
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    PutId(b, id);
    Put32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline Bytes Pcm16(std::initializer_list<int> samples) {
    Bytes b;
    for (int s : samples) Put16(b, static_cast<uint16_t>(static_cast<int16_t>(s)));
    return b;
}

inline Bytes Pcm16(const std::vector<int16_t>& samples) {
    Bytes b;
    for (int16_t s : samples) Put16(b, static_cast<uint16_t>(s));
    return b;
}

// A plain PCM file.
inline Bytes Wave(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& data) {
    return Riff({Chunk("fmt ", Fmt(channels, rate, bits)), Chunk("data", data)});
}

// A deterministic 16-bit ramp-and-noise signal of `frames` mono frames.
inline std::vector<int16_t> TestSignal(size_t frames, uint32_t seed = 1) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-12000, 12000);
    std::vector<int16_t> s(frames);
    for (auto& v : s) v = static_cast<int16_t>(noise(random));
    return s;
}

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
  public:
    std::string File(const std::string& name, const Bytes& bytes) const {
        std::string full = Path(name);
        std::ofstream(full, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return full;
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  private:
    dravik::test::TempFolder folder_{"wavory-test"};
};

} // namespace wavtest
