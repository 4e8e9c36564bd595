#include "riff_reader.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wavory {

namespace {

constexpr uint32_t kRiff = FourCC('R', 'I', 'F', 'F');
constexpr uint32_t kWave = FourCC('W', 'A', 'V', 'E');
constexpr uint32_t kFmt = FourCC('f', 'm', 't', ' ');
constexpr uint32_t kData = FourCC('d', 'a', 't', 'a');

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Opens `path` for reading only when it is a regular file, without ever
// waiting: a pipe or a device is refused before it is opened (opening a pipe
// waits for a writer), and what was opened is checked once more.
std::FILE* OpenRegularFile(const std::string& path) {
#if defined(__unix__) || defined(__APPLE__)
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    std::FILE* file = nullptr;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) file = ::fdopen(fd, "rb");
    if (!file) ::close(fd);
    return file;
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

} // namespace

std::unique_ptr<FileSource> FileSource::Open(const std::string& path) {
    std::FILE* file = OpenRegularFile(path);
    if (!file) return nullptr;
    // A regular file only: a directory or a pipe has no trustworthy size.
    if (std::fseek(file, 0, SEEK_END) != 0) {
        std::fclose(file);
        return nullptr;
    }
    long size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<FileSource>(new FileSource(file, static_cast<uint64_t>(size)));
}

FileSource::~FileSource() {
    std::fclose(file_);
}

bool FileSource::Seek(uint64_t offset) {
    if (offset > size_) return false;
    return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
}

size_t FileSource::Read(void* destination, size_t n) {
    return std::fread(destination, 1, n, file_);
}

bool MemorySource::Seek(uint64_t offset) {
    if (offset > size_) return false;
    offset_ = static_cast<size_t>(offset);
    return true;
}

size_t MemorySource::Read(void* destination, size_t n) {
    size_t count = std::min(n, size_ - offset_);
    if (count > 0) std::memcpy(destination, data_ + offset_, count);
    offset_ += count;
    return count;
}

WaveReader::WaveReader(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {}

bool WaveReader::ReadAt(uint64_t offset, void* destination, size_t n) {
    if (!source_->Seek(offset)) return false;
    return source_->Read(destination, n) == n;
}

bool WaveReader::FindChunk(uint32_t id, uint64_t begin, uint64_t end, ChunkInfo& found) {
    uint64_t offset = begin;
    // Every step moves on by at least the 8-byte header, so the walk ends.
    while (offset + 8 <= end) {
        uint8_t header[8];
        if (!ReadAt(offset, header, sizeof header)) return false;
        ChunkInfo chunk{Le32(header), Le32(header + 4), offset + 8};
        if (chunk.id == id) {
            found = chunk;
            return true;
        }
        offset = chunk.dataOffset + chunk.size + (chunk.size & 1u);
    }
    return false;
}

ReaderError WaveReader::Open() {
    opened_ = false;
    uint8_t head[12];
    if (!ReadAt(0, head, sizeof head) || Le32(head) != kRiff || Le32(head + 8) != kWave) {
        return lastError_ = kReaderNotWave;
    }
    riff_ = ChunkInfo{kRiff, Le32(head + 4), 8};
    // A RIFF size that runs past the end of the file is cut to the file.
    riffEnd_ = std::min<uint64_t>(riff_.dataOffset + riff_.size, source_->Size());

    if (!FindChunk(kFmt, riff_.dataOffset + 4, riffEnd_, fmt_))
        return lastError_ = kReaderCannotRead;
    uint64_t fmtEnd = fmt_.dataOffset + fmt_.size;
    if (fmt_.size < 16 || fmtEnd > riffEnd_) return lastError_ = kReaderCannotRead;

    uint8_t raw[18];
    if (!ReadAt(fmt_.dataOffset, raw, 16)) return lastError_ = kReaderCannotRead;
    WaveFormat format;
    format.formatTag = Le16(raw);
    format.channels = Le16(raw + 2);
    format.samplesPerSec = Le32(raw + 4);
    format.avgBytesPerSec = Le32(raw + 8);
    format.blockAlign = Le16(raw + 12);
    format.bitsPerSample = Le16(raw + 14);
    format.extraSize = 0;
    if (format.formatTag != kWaveFormatPcm) {
        // The extra size and the extra bytes must lie inside the "fmt " chunk.
        if (fmt_.size < 18 || source_->Read(raw + 16, 2) != 2)
            return lastError_ = kReaderCannotRead;
        format.extraSize = Le16(raw + 16);
        if (format.extraSize > fmt_.size - 18) return lastError_ = kReaderCannotRead;
    }

    std::vector<uint8_t> block;
    try {
        block.resize(18 + static_cast<size_t>(format.extraSize));
    } catch (const std::bad_alloc&) {
        return lastError_ = kReaderOutOfMemory;
    }
    std::memcpy(block.data(), raw, 16);
    block[16] = static_cast<uint8_t>(format.extraSize & 0xFF);
    block[17] = static_cast<uint8_t>(format.extraSize >> 8);
    if (format.extraSize > 0 &&
        source_->Read(block.data() + 18, format.extraSize) != format.extraSize)
        return lastError_ = kReaderCannotRead;

    format_ = format;
    formatBlock_ = std::move(block);
    opened_ = true;
    lastError_ = kReaderOk;
    return kReaderOk;
}

ReaderError WaveReader::Rewind() {
    if (!opened_) return lastError_ = kReaderCannotRead;
    if (!source_->Seek(riff_.dataOffset + 4)) return lastError_ = kReaderSeekFailed;
    if (!FindChunk(kData, riff_.dataOffset + 4, riffEnd_, data_)) {
        dataSize_ = dataRemaining_ = 0;
        return lastError_ = kReaderCannotRead;
    }
    if (!source_->Seek(data_.dataOffset)) return lastError_ = kReaderSeekFailed;
    readOffset_ = data_.dataOffset;
    dataSize_ = data_.size;
    dataRemaining_ = data_.size;
    bytesRead_ = 0;
    durationMs_ = format_.avgBytesPerSec == 0
                      ? 0
                      : static_cast<uint32_t>(static_cast<uint64_t>(dataSize_) * 1000u /
                                              format_.avgBytesPerSec);
    lastError_ = kReaderOk;
    return kReaderOk;
}

uint64_t WaveReader::DataAvailable() const {
    uint64_t size = source_->Size();
    if (data_.dataOffset >= size) return 0;
    return std::min<uint64_t>(data_.size, size - data_.dataOffset);
}

size_t WaveReader::Read(uint8_t* destination, size_t n) {
    size_t wanted = std::min<size_t>(n, dataRemaining_);
    if (wanted == 0) return 0;
    if (!source_->Seek(readOffset_)) {
        lastError_ = kReaderSeekFailed;
        return 0;
    }
    size_t got = source_->Read(destination, wanted);
    if (got < wanted) lastError_ = kReaderCannotRead;
    readOffset_ += got;
    dataRemaining_ -= static_cast<uint32_t>(got);
    bytesRead_ += static_cast<uint32_t>(got);
    return got;
}

} // namespace wavory
