// File operations that keep the player's files whole when the program is killed
// mid-write, when two programs write the same file at once and when the data
// folder holds things we did not put there.
//
// A whole-file write goes to a temporary file of its own (created exclusively
// beside the target, so no two writers ever share one), is synced, renamed over
// the target, and the folder is synced after the rename. While it runs the
// writer holds a shared lock on the folder; the start-up removes leftover
// temporary files only while it holds that lock exclusively, so it never takes
// a file a live writer is still filling.
//
// POSIX calls where the platform has them; elsewhere the plain standard-library
// equivalents (no folder sync, no locks, leftovers are left alone).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace dravik {

struct FileWriteResult {
    bool ok = true;
    bool targetExisted = false; // only with kKeepExisting: nothing was written
    std::string detail;         // what failed
};

enum class ExistingTarget { kReplace, kKeepExisting };

// Writes `bytes` as the whole content of `target`. Readers of `target` see the
// old file or the new one, never a part of either. On failure `target` is
// untouched and the temporary file is removed. kKeepExisting writes only when
// nothing exists under the name (a file that appears meanwhile wins).
FileWriteResult WriteWholeFile(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes,
                               ExistingTarget existing = ExistingTarget::kReplace);

// True when `name` (a file name without folder) is one of the temporary files
// WriteWholeFile makes for `target`: "<target>.<hex>.tmp", or "<target>.tmp"
// as earlier versions named it.
bool IsTemporaryFileOf(const std::filesystem::path& target, const std::string& name);

// Removes the temporary files of `target` that their writers left behind
// (killed, power cut). Regular files only; folders and other people's files
// stay. Does nothing while any writer of that folder is at work. Returns the
// number of files removed.
int RemoveLeftoverTemporaryFiles(const std::filesystem::path& target);

// Moves `file` (a file or anything else under that name) aside to
// "<file>.bad", or "<file>.2.bad", "<file>.3.bad", ... whichever is free,
// without ever replacing an existing name. The new path, or empty (with
// `detail` set) when `file` cannot be moved at all.
std::filesystem::path SetAside(const std::filesystem::path& file, std::string* detail = nullptr);

} // namespace dravik
