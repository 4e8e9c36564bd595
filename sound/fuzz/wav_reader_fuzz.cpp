// libFuzzer target: arbitrary bytes as a WAV file, taken the way a static
// sound is loaded (open, find the data, check it against the file, read it
// into a buffer) and then mixed for a moment at a rate taken from the input.
// Any crash, hang, sanitizer report or allocation past the limit is a finding.
#include "mixer.h"
#include "riff_reader.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    wavory::WaveReader reader(std::make_unique<wavory::MemorySource>(data, size));
    if (reader.Open() != wavory::kReaderOk) return 0;
    (void)reader.FormatBlock();
    if (reader.Rewind() != wavory::kReaderOk) return 0;
    const auto& f = reader.Format();
    wavory::PcmFormat format{f.channels, f.bitsPerSample, f.samplesPerSec, f.blockAlign};
    uint32_t bytes = reader.DataSize();
    if (f.formatTag != wavory::kWaveFormatPcm || !wavory::IsPlayableFormat(format) || bytes == 0 ||
        bytes > wavory::kMaxBufferBytes || reader.DataAvailable() < bytes) {
        // Reading what there is must still stay inside the input.
        uint8_t scratch[64];
        while (reader.Read(scratch, sizeof scratch) == sizeof scratch) {}
        return 0;
    }
    std::vector<uint8_t> samples(bytes);
    if (reader.Read(samples.data(), bytes) != bytes) return 0;

    wavory::Mixer mixer;
    auto id = mixer.CreateBuffer(format, bytes);
    if (!id) return 0;
    mixer.Write(*id, 0, samples.data(), bytes);
    auto copy = mixer.Duplicate(*id);
    // Let the input's last bytes pick the playback settings.
    uint32_t tail =
        size >= 4
            ? static_cast<uint32_t>(data[size - 1] | data[size - 2] << 8 | data[size - 3] << 16)
            : 0;
    mixer.SetFrequency(*id, 100 + tail % 100000);
    mixer.SetPan(*copy, static_cast<int32_t>(tail % 20001) - 10000);
    mixer.SetVolume(*copy, -static_cast<int32_t>(tail % 10001));
    mixer.SetPosition(*id, tail % bytes);
    mixer.Play(*id, (tail & 1) != 0);
    mixer.Play(*copy, (tail & 2) != 0);
    int16_t out[2 * 256];
    for (int i = 0; i < 4; ++i) mixer.Mix(out, 256);
    return 0;
}
