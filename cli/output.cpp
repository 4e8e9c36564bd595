#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define DRAVIK_FD_WRITE 1
#endif

namespace dravik::cli {

FdOutput::FdOutput(int fd, std::size_t bufferSize) : fd_(fd), buffer_(bufferSize) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutput::~FdOutput() {
    Flush();
}

bool FdOutput::Drain(const char* data, std::size_t size) {
    if (error_ != 0) return false;
#ifdef DRAVIK_FD_WRITE
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
#else
    std::FILE* f = fd_ == 2 ? stderr : stdout;
    errno = 0;
    if (std::fwrite(data, 1, size, f) != size || std::fflush(f) != 0) {
        error_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
#endif
}

bool FdOutput::Flush() {
    const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return pending == 0 ? error_ == 0 : Drain(buffer_.data(), pending);
}

FdOutput::int_type FdOutput::overflow(int_type ch) {
    if (!Flush()) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

std::streamsize FdOutput::xsputn(const char* s, std::streamsize n) {
    const auto size = static_cast<std::size_t>(n);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), s, size);
        pbump(static_cast<int>(n));
        return n;
    }
    // Too big for what is left: write the buffer, then this straight through.
    if (!Flush()) return 0;
    if (size < buffer_.size()) {
        std::memcpy(pptr(), s, size);
        pbump(static_cast<int>(n));
        return n;
    }
    return Drain(s, size) ? n : 0;
}

int FdOutput::sync() {
    return Flush() ? 0 : -1;
}

} // namespace dravik::cli
