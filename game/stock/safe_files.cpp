#include "game/stock/safe_files.h"

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
    auto fail = [&](std::string why) {
        result.ok = false;
        result.detail = std::move(why);
        return result;
    };
    Folder folder(FolderOf(target));
    folder.LockShared();

    CreatedFile temp = CreateTemporaryFor(target);
    if (temp.fd < 0)
        return fail("cannot create " + temp.path.string() + ": " + ErrorText(temp.error));
    int error = 0;
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
