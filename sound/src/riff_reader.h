// RIFF/WAVE reading: chunk descend/ascend over a byte source, the "fmt " block
// and the "data" chunk. Every size in a file is untrusted: the reader never
// reads outside the chunk that holds a field and never allocates more than a
// format block (at most 18 + 65535 bytes).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wavory {

// Where the bytes come from: a file or, for tests and fuzzing, memory.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    virtual bool Seek(uint64_t offset) = 0;
    // Reads up to n bytes at the current offset; returns how many were read.
    virtual size_t Read(void* destination, size_t n) = 0;
};

class FileSource : public ByteSource {
  public:
    // Null when the file cannot be opened for reading or is not a regular file
    // (a pipe, a device, a folder); opening never waits.
    static std::unique_ptr<FileSource> Open(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    uint64_t Size() const override { return size_; }
    bool Seek(uint64_t offset) override;
    size_t Read(void* destination, size_t n) override;

  private:
    FileSource(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
    std::FILE* file_;
    uint64_t size_;
};

class MemorySource : public ByteSource {
  public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Size() const override { return size_; }
    bool Seek(uint64_t offset) override;
    size_t Read(void* destination, size_t n) override;

  private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

// The fields of the Windows wave format structure.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

constexpr uint16_t kWaveFormatPcm = 1;

// The reader's status values; 0 is no error.
enum ReaderError : uint32_t {
    kReaderOk = 0,
    kReaderOutOfMemory = 258,
    kReaderCannotOpen = 259,
    kReaderCannotRead = 261,
    kReaderSeekFailed = 263,
    kReaderNotWave = 272,
};

struct ChunkInfo {
    uint32_t id = 0;
    uint32_t size = 0;       // as stored in the file
    uint64_t dataOffset = 0; // first byte after the 8-byte header
};

class WaveReader {
  public:
    explicit WaveReader(std::unique_ptr<ByteSource> source);

    // Descends into "RIFF"/"WAVE", reads the "fmt " chunk and ascends out of it.
    ReaderError Open();
    // Finds the "data" chunk inside the RIFF chunk and starts reading at its
    // beginning. kReaderCannotRead when there is none.
    ReaderError Rewind();
    // Copies min(n, bytes left in the data chunk) bytes. A short read of the
    // underlying source sets kReaderCannotRead and returns what was copied.
    size_t Read(uint8_t* destination, size_t n);

    const WaveFormat& Format() const { return format_; }
    // The format in the Windows layout: 18 bytes plus the extra bytes of a
    // non-PCM format.
    const std::vector<uint8_t>& FormatBlock() const { return formatBlock_; }
    uint32_t DataSize() const { return dataSize_; }
    uint32_t DataRemaining() const { return dataRemaining_; }
    uint32_t BytesRead() const { return bytesRead_; }
    // Bytes of the data chunk that the source really holds.
    uint64_t DataAvailable() const;
    // data size * 1000 / average bytes per second, truncated.
    uint32_t DurationMs() const { return durationMs_; }
    ReaderError LastError() const { return lastError_; }

  private:
    // Finds the chunk with this id among the chunks in [begin, end); false when absent.
    bool FindChunk(uint32_t id, uint64_t begin, uint64_t end, ChunkInfo& found);
    bool ReadAt(uint64_t offset, void* destination, size_t n);

    std::unique_ptr<ByteSource> source_;
    WaveFormat format_;
    std::vector<uint8_t> formatBlock_;
    ChunkInfo riff_;
    ChunkInfo fmt_;
    ChunkInfo data_;
    uint64_t riffEnd_ = 0;
    uint64_t readOffset_ = 0;
    uint32_t dataSize_ = 0;
    uint32_t dataRemaining_ = 0;
    uint32_t bytesRead_ = 0;
    uint32_t durationMs_ = 0;
    ReaderError lastError_ = kReaderOk;
    bool opened_ = false;
};

constexpr uint32_t FourCC(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
           static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24;
}

} // namespace wavory
