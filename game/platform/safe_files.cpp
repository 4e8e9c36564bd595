#include "game/platform/safe_files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string_view>
#include <system_error>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#define DRAVIK_POSIX_FILES 1
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dravik {

namespace fs = std::filesystem;

namespace {

fs::path FolderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// 16 hex digits that no other writer, in this process or another, is using:
// a per-process random seed, the process id and a counter, mixed.
std::string UniqueHex() {
    static const std::uint64_t seed = [] {
        std::random_device device;
        std::uint64_t s = (static_cast<std::uint64_t>(device()) << 32) ^ device();
        s ^=
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#ifdef DRAVIK_POSIX_FILES
        s ^= static_cast<std::uint64_t>(::getpid()) << 40;
#endif
        return s;
    }();
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = seed + 0x9E3779B97F4A7C15ull * (counter.fetch_add(1) + 1);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(x));
    return text;
}

fs::path TemporaryPathFor(const fs::path& target) {
    fs::path temp = target;
    temp += "." + UniqueHex() + ".tmp";
    return temp;
}

enum class Moved { kDone, kNameTaken, kFailed };

#ifdef DRAVIK_POSIX_FILES

// An open folder: the handle its lock and its sync work on.
class Folder {
  public:
    explicit Folder(const fs::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~Folder() {
        if (fd_ >= 0) ::close(fd_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    // Writers share the folder. Waits a little for a start-up that is clearing
    // leftovers; after that the write goes on without the lock.
    void LockShared() {
        if (fd_ < 0) return;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return;
            if (std::chrono::steady_clock::now() > deadline) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    // True when no writer is at work in the folder (and none can start until
    // the folder is closed).
    bool TryLockExclusive() { return fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0; }
    bool Sync() { return fd_ < 0 || ::fsync(fd_) == 0 || errno == EINVAL; }

  private:
    int fd_;
};

struct CreatedFile {
    int fd = -1;
    fs::path path;
    int error = 0;
};

CreatedFile CreateTemporaryFor(const fs::path& target) {
    CreatedFile created;
    for (int attempt = 0; attempt < 16; ++attempt) {
        created.path = TemporaryPathFor(target);
        created.fd = ::open(created.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created.fd >= 0) return created;
        created.error = errno;
        if (errno != EEXIST) break;
    }
    return created;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes, int& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Renames `from` to `to` unless something already has the name `to`.
Moved RenameNoReplace(const fs::path& from, const fs::path& to, int& error) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return Moved::kDone;
    if (errno == EEXIST) return Moved::kNameTaken;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = errno;
        return Moved::kFailed;
    }
#endif
    // A second name for a file is made atomically or not at all.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return Moved::kDone;
    }
    if (errno == EEXIST) return Moved::kNameTaken;
    // Folders, and file systems without links: check, then rename.
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) return Moved::kNameTaken;
    if (::rename(from.c_str(), to.c_str()) == 0) return Moved::kDone;
    error = errno;
    return Moved::kFailed;
}

#else // no POSIX: the standard library's calls, without locks or folder sync

Moved RenameNoReplace(const fs::path& from, const fs::path& to, int& error) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) return Moved::kNameTaken;
    fs::rename(from, to, ec);
    if (!ec) return Moved::kDone;
    error = ec.value();
    return Moved::kFailed;
}

#endif

} // namespace

#ifdef DRAVIK_POSIX_FILES

FileWriteResult WriteWholeFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                               ExistingTarget existing) {
    FileWriteResult result;
    int error = 0;
    auto fail = [&](std::string why) {
        result.ok = false;
        result.detail = std::move(why);
        result.error = error;
        return result;
    };
    Folder folder(FolderOf(target));
    folder.LockShared();

    CreatedFile temp = CreateTemporaryFor(target);
    if (temp.fd < 0) {
        error = temp.error;
        return fail("cannot create " + temp.path.string() + ": " + ErrorText(temp.error));
    }
    bool written = WriteAll(temp.fd, bytes, error);
    if (written && ::fsync(temp.fd) != 0) {
        error = errno;
        written = false;
    }
    if (::close(temp.fd) != 0 && written) {
        error = errno;
        written = false;
    }
    if (!written) {
        ::unlink(temp.path.c_str());
        return fail("cannot write " + temp.path.string() + ": " + ErrorText(error));
    }

    if (existing == ExistingTarget::kReplace) {
        if (::rename(temp.path.c_str(), target.c_str()) != 0) {
            error = errno;
            ::unlink(temp.path.c_str());
            return fail("cannot replace " + target.string() + ": " + ErrorText(error));
        }
    } else {
        const Moved moved = RenameNoReplace(temp.path, target, error);
        if (moved != Moved::kDone) {
            ::unlink(temp.path.c_str());
            if (moved == Moved::kNameTaken) {
                result.targetExisted = true;
                return result;
            }
            return fail("cannot create " + target.string() + ": " + ErrorText(error));
        }
    }
    // The rename itself must reach the disk too, or a power cut could bring
    // back the old file.
    folder.Sync();
    return result;
}

FileWriteResult WriteOutputFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
    FileWriteResult result;
    auto fail = [&](int error) {
        result.ok = false;
        result.error = error;
        result.detail = "cannot write " + target.string() + ": " + ErrorText(error);
        return result;
    };
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return fail(errno);
        // A new name: made whole or not at all, and never over something that
        // appears under it meanwhile.
        result = WriteWholeFile(target, bytes, ExistingTarget::kKeepExisting);
        if (result.targetExisted) return fail(EEXIST);
        return result.ok ? result : fail(result.error ? result.error : EIO);
    }
    if (S_ISREG(st.st_mode)) {
        result = WriteWholeFile(target, bytes);
        return result.ok ? result : fail(result.error ? result.error : EIO);
    }
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    // A link, a device or a pipe: written into as it is. Without O_CREAT a
    // link that leads nowhere makes nothing at its far end, and without
    // waiting a pipe nobody reads fails at once instead of hanging.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    int error = 0;
    bool written = true;
    struct stat opened;
    if (::fstat(fd, &opened) != 0) {
        error = errno;
        written = false;
    } else if (S_ISREG(opened.st_mode) && ::ftruncate(fd, 0) != 0) {
        error = errno;
        written = false;
    }
    // From here on a pipe may make the writer wait, as any program writing
    // into one does.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    written = written && WriteAll(fd, bytes, error);
    if (::close(fd) != 0 && written) {
        error = errno;
        written = false;
    }
    return written ? result : fail(error);
}

FileReadResult ReadRegularFile(const fs::path& file, std::size_t limit,
                               std::vector<std::uint8_t>& bytes) {
    FileReadResult result;
    bytes.clear();
    auto fail = [&](ReadProblem problem, std::string why) {
        bytes.clear();
        result.problem = problem;
        result.detail = std::move(why);
        return result;
    };
    auto openFailed = [&](int error) {
        if (error == ENOENT || error == ENOTDIR)
            return fail(ReadProblem::kMissing, "no file " + file.string());
        return fail(ReadProblem::kFailed, "cannot open " + file.string() + ": " + ErrorText(error));
    };
    auto tooLarge = [&] {
        return fail(ReadProblem::kTooLarge,
                    file.string() + " is larger than " + std::to_string(limit) + " bytes");
    };
    // Looked at before it is opened: opening a device can do things of its own.
    struct stat st;
    if (::stat(file.c_str(), &st) != 0) return openFailed(errno);
    if (!S_ISREG(st.st_mode))
        return fail(ReadProblem::kNotAFile, file.string() + " is not a plain file");
    if (static_cast<std::uintmax_t>(st.st_size) > limit) return tooLarge();
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return openFailed(errno);
    // The name may have changed hands since: what was opened decides.
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return fail(ReadProblem::kNotAFile, file.string() + " is not a plain file");
    }
    // One byte more than the limit shows a file that grew past it.
    const std::size_t expected = static_cast<std::size_t>(
        std::min<std::uintmax_t>(static_cast<std::uintmax_t>(opened.st_size), limit));
    bytes.resize(expected + 1);
    std::size_t size = 0;
    int error = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > limit) break;
            bytes.resize(std::min(limit + 1, std::max<std::size_t>(2 * size, 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error != 0)
        return fail(ReadProblem::kFailed, "cannot read " + file.string() + ": " + ErrorText(error));
    if (size > limit) return tooLarge();
    bytes.resize(size);
    return result;
}

int RemoveLeftoverTemporaryFiles(const fs::path& target) {
    const fs::path folderPath = FolderOf(target);
    Folder folder(folderPath);
    if (!folder.TryLockExclusive()) return 0;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folderPath, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsTemporaryFileOf(target, name)) continue;
        std::error_code statError;
        if (!fs::is_regular_file(it->symlink_status(statError))) continue;
        if (::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

#else

FileWriteResult WriteWholeFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                               ExistingTarget existing) {
    FileWriteResult result;
    const fs::path temp = TemporaryPathFor(target);
    std::FILE* f = std::fopen(temp.string().c_str(), "wbx");
    if (!f) {
        result.ok = false;
        result.detail = "cannot create " + temp.string();
        return result;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = std::fflush(f) == 0 && written;
    written = std::fclose(f) == 0 && written;
    std::error_code ec;
    if (!written) {
        fs::remove(temp, ec);
        result.ok = false;
        result.detail = "cannot write " + temp.string();
        return result;
    }
    if (existing == ExistingTarget::kReplace) {
        fs::rename(temp, target, ec);
    } else {
        int error = 0;
        const Moved moved = RenameNoReplace(temp, target, error);
        if (moved == Moved::kNameTaken) result.targetExisted = true;
        if (moved != Moved::kDone)
            ec = std::error_code(error ? error : EEXIST, std::generic_category());
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        if (!result.targetExisted) {
            result.ok = false;
            result.detail = "cannot replace " + target.string() + ": " + ec.message();
        }
    }
    return result;
}

FileWriteResult WriteOutputFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (!fs::exists(status)) return WriteWholeFile(target, bytes, ExistingTarget::kKeepExisting);
    if (fs::is_regular_file(status)) return WriteWholeFile(target, bytes);
    FileWriteResult result;
    std::FILE* f = fs::is_directory(status) || !fs::exists(fs::status(target, ec))
                       ? nullptr
                       : std::fopen(target.string().c_str(), "r+b");
    bool written = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (f) written = std::fclose(f) == 0 && written;
    if (!written) {
        result.ok = false;
        result.detail = "cannot write " + target.string();
    }
    return result;
}

FileReadResult ReadRegularFile(const fs::path& file, std::size_t limit,
                               std::vector<std::uint8_t>& bytes) {
    FileReadResult result;
    bytes.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) {
        result.problem = ReadProblem::kMissing;
        result.detail = "no file " + file.string();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.problem = ReadProblem::kNotAFile;
        result.detail = file.string() + " is not a plain file";
        return result;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > limit) {
        result.problem = ec ? ReadProblem::kFailed : ReadProblem::kTooLarge;
        result.detail = file.string() + (ec ? " cannot be read" : " is too large");
        return result;
    }
    std::FILE* f = std::fopen(file.string().c_str(), "rb");
    bytes.resize(limit + 1 < size + 1 ? limit + 1 : static_cast<std::size_t>(size) + 1);
    const std::size_t n = f ? std::fread(bytes.data(), 1, bytes.size(), f) : 0;
    const bool failed = !f || std::ferror(f);
    if (f) std::fclose(f);
    if (failed || n > limit) {
        bytes.clear();
        result.problem = failed ? ReadProblem::kFailed : ReadProblem::kTooLarge;
        result.detail = file.string() + (failed ? " cannot be read" : " is too large");
        return result;
    }
    bytes.resize(n);
    return result;
}

int RemoveLeftoverTemporaryFiles(const fs::path&) {
    return 0; // without folder locks a live writer's file cannot be told apart
}

#endif

bool IsTemporaryFileOf(const fs::path& target, const std::string& name) {
    const std::string base = target.filename().string();
    constexpr std::string_view kSuffix = ".tmp";
    if (base.empty() || name.size() < base.size() + kSuffix.size()) return false;
    if (name.compare(0, base.size(), base) != 0) return false;
    if (name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) return false;
    // Between the two: nothing (the older fixed name) or "." and 1-32 hex digits.
    const std::string_view middle =
        std::string_view(name).substr(base.size(), name.size() - base.size() - kSuffix.size());
    if (middle.empty()) return true;
    if (middle.size() < 2 || middle.size() > 33 || middle[0] != '.') return false;
    for (const char ch : middle.substr(1))
        if (!((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'))) return false;
    return true;
}

fs::path SetAside(const fs::path& file, std::string* detail) {
    for (long long n = 1;; ++n) {
        fs::path candidate = file;
        candidate += n == 1 ? std::string(".bad") : "." + std::to_string(n) + ".bad";
        int error = 0;
        switch (RenameNoReplace(file, candidate, error)) {
        case Moved::kDone:
            return candidate;
        case Moved::kNameTaken:
            continue;
        case Moved::kFailed:
            if (detail)
                *detail = "cannot move " + file.string() + " to " + candidate.string() + ": " +
                          ErrorText(error);
            return {};
        }
    }
}

} // namespace dravik
