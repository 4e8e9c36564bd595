// The command's standard output and standard error: buffered writes straight to
// the file descriptor that remember the first failure, so a full disk or a
// closed file is reported instead of passing for success.
#pragma once

#include <streambuf>
#include <vector>

namespace dravik::cli {

class FdOutput final : public std::streambuf {
  public:
    // `fd` 1 or 2; `bufferSize` bytes are gathered before each write.
    explicit FdOutput(int fd, std::size_t bufferSize = 64 * 1024);
    ~FdOutput() override; // writes what is left
    FdOutput(const FdOutput&) = delete;
    FdOutput& operator=(const FdOutput&) = delete;

    // The errno of the first write that failed, 0 while none has. After a
    // failure everything else written is dropped.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    bool Drain(const char* data, std::size_t size);
    bool Flush();

    int fd_;
    std::vector<char> buffer_;
    int error_ = 0;
};

} // namespace dravik::cli
