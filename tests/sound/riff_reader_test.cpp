#include "wav_builder.h"

#include "riff_reader.h"

#include <gtest/gtest.h>

using namespace wavtest;
using wavory::MemorySource;
using wavory::WaveReader;

namespace {

WaveReader ReaderOf(const Bytes& bytes) {
    return WaveReader(std::make_unique<MemorySource>(bytes.data(), bytes.size()));
}

} // namespace

TEST(RiffReader, FormatBlockIsEighteenBytesForPcmAndKeepsExtraBytesOtherwise) {
    // PCM: an 18-byte "fmt " chunk with a stray extra-size field still gives extra size 0.
    Bytes pcmFmt = Fmt(2, 44100, 16);
    Put16(pcmFmt, 5);
    Bytes pcm = Riff({Chunk("fmt ", pcmFmt), Chunk("data", Pcm16({1, 2}))});
    WaveReader a = ReaderOf(pcm);
    ASSERT_EQ(a.Open(), wavory::kReaderOk);
    EXPECT_EQ(a.FormatBlock().size(), 18u);
    EXPECT_EQ(a.FormatBlock()[16], 0);
    EXPECT_EQ(a.FormatBlock()[17], 0);
    EXPECT_EQ(a.Format().channels, 2);
    EXPECT_EQ(a.Format().samplesPerSec, 44100u);
    EXPECT_EQ(a.Format().avgBytesPerSec, 44100u * 4);

    // Non-PCM (tag 3): the extra size and the extra bytes follow the 16 bytes.
    Bytes floatFmt = Fmt(1, 8000, 32, 3);
    Put16(floatFmt, 4);
    floatFmt.insert(floatFmt.end(), {0xAA, 0xBB, 0xCC, 0xDD});
    Bytes other = Riff({Chunk("fmt ", floatFmt), Chunk("data", Bytes(8, 0))});
    WaveReader b = ReaderOf(other);
    ASSERT_EQ(b.Open(), wavory::kReaderOk);
    ASSERT_EQ(b.FormatBlock().size(), 22u);
    EXPECT_EQ(b.Format().extraSize, 4);
    EXPECT_EQ(b.FormatBlock()[16], 4);
    EXPECT_EQ(b.FormatBlock()[18], 0xAA);
    EXPECT_EQ(b.FormatBlock()[21], 0xDD);
}

TEST(RiffReader, RejectsFilesThatAreNotWaveOrHaveABrokenFormat) {
    Bytes data = Chunk("data", Pcm16({0}));
    Bytes fmt = Chunk("fmt ", Fmt(1, 8000, 16));
    struct Case {
        const char* what;
        Bytes file;
        wavory::ReaderError expected;
    };
    Bytes shortFmt = Fmt(1, 8000, 16);
    shortFmt.resize(14);
    Bytes nonPcmWithoutExtraSize = Fmt(1, 8000, 16, 2);
    Bytes extraBeyondChunk = Fmt(1, 8000, 16, 2);
    Put16(extraBeyondChunk, 40);
    const Case cases[] = {
        {"empty file", {}, wavory::kReaderNotWave},
        {"too short for a header", Bytes{'R', 'I', 'F', 'F', 4, 0}, wavory::kReaderNotWave},
        {"big-endian RIFX", Riff({fmt, data}, "WAVE", "RIFX"), wavory::kReaderNotWave},
        {"RIFF of another form", Riff({fmt, data}, "AVI "), wavory::kReaderNotWave},
        {"no fmt chunk", Riff({data}), wavory::kReaderCannotRead},
        {"fmt shorter than 16 bytes", Riff({Chunk("fmt ", shortFmt), data}),
         wavory::kReaderCannotRead},
        {"non-PCM without its extra size", Riff({Chunk("fmt ", nonPcmWithoutExtraSize), data}),
         wavory::kReaderCannotRead},
        {"extra bytes running past the fmt chunk", Riff({Chunk("fmt ", extraBeyondChunk), data}),
         wavory::kReaderCannotRead},
        {"fmt chunk claiming more than the file", Riff({Chunk("fmt ", Fmt(1, 8000, 16), 4000)}),
         wavory::kReaderCannotRead},
    };
    for (const Case& c : cases) {
        WaveReader reader = ReaderOf(c.file);
        EXPECT_EQ(reader.Open(), c.expected) << c.what;
    }
}

TEST(RiffReader, FindsTheDataChunkPastOtherChunksAndReadsOnlyWhatItHolds) {
    Bytes list = {'I', 'N', 'F', 'O', 'x'}; // odd length: padded to even
    Bytes samples = Pcm16({100, -100, 200, -200, 300});
    Bytes file =
        Riff({Chunk("LIST", list), Chunk("fmt ", Fmt(1, 1000, 16)), Chunk("data", samples)});
    WaveReader reader = ReaderOf(file);
    ASSERT_EQ(reader.Open(), wavory::kReaderOk);
    ASSERT_EQ(reader.Rewind(), wavory::kReaderOk);
    EXPECT_EQ(reader.DataSize(), 10u);
    EXPECT_EQ(reader.DurationMs(), 5u); // 10 bytes at 2000 bytes per second

    uint8_t out[16] = {};
    EXPECT_EQ(reader.Read(out, 4), 4u);
    EXPECT_EQ(reader.BytesRead(), 4u);
    EXPECT_EQ(reader.DataRemaining(), 6u);
    EXPECT_EQ(reader.Read(out + 4, 100), 6u); // never past the chunk
    EXPECT_EQ(reader.Read(out + 10, 100), 0u);
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), out));

    // A rewind starts the data again.
    ASSERT_EQ(reader.Rewind(), wavory::kReaderOk);
    EXPECT_EQ(reader.BytesRead(), 0u);
    EXPECT_EQ(reader.DataRemaining(), 10u);
}

TEST(RiffReader, SurvivesSizesThatLieAboutTheFile) {
    // A data chunk that claims far more than the file holds: the reader says
    // how much is really there and a read stops at the end of the file.
    Bytes file =
        Riff({Chunk("fmt ", Fmt(1, 8000, 16)), Chunk("data", Pcm16({1, 2, 3}), 0x7FFFFFF0)});
    WaveReader reader = ReaderOf(file);
    ASSERT_EQ(reader.Open(), wavory::kReaderOk);
    ASSERT_EQ(reader.Rewind(), wavory::kReaderOk);
    EXPECT_EQ(reader.DataSize(), 0x7FFFFFF0u);
    EXPECT_EQ(reader.DataAvailable(), 6u);
    uint8_t out[64];
    EXPECT_EQ(reader.Read(out, sizeof out), 6u);
    EXPECT_EQ(reader.LastError(), wavory::kReaderCannotRead);

    // A chunk of the largest size before the data ends the search instead of
    // wrapping around or looping.
    Bytes huge = Riff({Chunk("fmt ", Fmt(1, 8000, 16)), Chunk("junk", Bytes(2, 0), 0xFFFFFFFF),
                       Chunk("data", Pcm16({1}))});
    WaveReader second = ReaderOf(huge);
    ASSERT_EQ(second.Open(), wavory::kReaderOk);
    EXPECT_EQ(second.Rewind(), wavory::kReaderCannotRead);

    // A RIFF size larger than the file is cut to the file.
    Bytes longRiff = Wave(1, 8000, 16, Pcm16({7, 8}));
    longRiff[4] = 0xFF;
    longRiff[5] = 0xFF;
    WaveReader third = ReaderOf(longRiff);
    ASSERT_EQ(third.Open(), wavory::kReaderOk);
    ASSERT_EQ(third.Rewind(), wavory::kReaderOk);
    EXPECT_EQ(third.DataAvailable(), 4u);
}

TEST(RiffReader, AFileWithoutDataChunkOpensButCannotRewind) {
    Bytes file = Riff({Chunk("fmt ", Fmt(1, 8000, 8))});
    WaveReader reader = ReaderOf(file);
    ASSERT_EQ(reader.Open(), wavory::kReaderOk);
    EXPECT_EQ(reader.Rewind(), wavory::kReaderCannotRead);
    uint8_t out[4];
    EXPECT_EQ(reader.Read(out, 4), 0u);
}
