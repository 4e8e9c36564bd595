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
// Reading files that must be plain files of a bounded size, and writing a
// file the user named, are here too, so that the program's file-system calls
// that differ between platforms live in this one place.
//
// POSIX calls where the platform has them; elsewhere the plain standard-library
// equivalents (no folder sync, no locks, leftovers are left alone).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace dravik {

struct FileWriteResult {
    bool ok = true;
    bool targetExisted = false; // only with kKeepExisting: nothing was written
    std::string detail;         // what failed
    int error = 0;              // and the system's code for it (errno values), when known
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

// Writes `bytes` to `target`, a name the player or a script chose for the
// program's output (a PDF file). Nothing but a new name or a plain file of ours
// to replace is ever made or removed: those are written whole as
// WriteWholeFile does, so a failed write leaves no partial file and keeps the
// old one. A link is written through to the file it leads to (truncated in
// place) and a device or a pipe is written into as it is; neither is replaced
// or removed, whatever happens. A link that leads nowhere is refused, and
// opening never waits (a pipe without a reader is refused).
FileWriteResult WriteOutputFile(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);

enum class ReadProblem {
    kNone,
    kMissing,  // nothing under the name (or a link that leads nowhere)
    kNotAFile, // a folder, a pipe, a device, a socket
    kTooLarge, // more than the limit
    kFailed,   // it could not be opened or read
};

struct FileReadResult {
    ReadProblem problem = ReadProblem::kNone;
    std::string detail; // what was wrong, for logs and messages
    bool ok() const { return problem == ReadProblem::kNone; }
};

// Reads the whole of `file` (links followed) into `bytes` when it is a plain
// file of at most `limit` bytes. Anything else is refused before it is opened,
// and the open itself never waits, so a pipe or a device put under the name
// can neither block the program nor feed it without end. On failure `bytes` is
// left empty.
FileReadResult ReadRegularFile(const std::filesystem::path& file, std::size_t limit,
                               std::vector<std::uint8_t>& bytes);

} // namespace dravik
