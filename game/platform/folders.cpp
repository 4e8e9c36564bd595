#include "game/platform/folders.h"

#include <cstdlib>
#include <system_error>

namespace dravik {

namespace fs = std::filesystem;

std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
    return path;
}

bool PathExists(const fs::path& path) {
    std::error_code ec;
    (void)fs::last_write_time(path, ec);
    return !ec;
}

std::string LocalAppDataFolder() {
    std::string folder;
#ifdef _WIN32
    if (const char* v = std::getenv("LOCALAPPDATA")) folder = v;
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // The XDG rules ignore a relative data home.
    if (xdg && xdg[0] == '/') {
        folder = xdg;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        folder = std::string(home) + "/.local/share";
    }
#endif
    if (folder.size() > 1 && folder.back() == kPathSeparator) folder.pop_back();
    return folder;
}

std::string ExecutableFolder() {
#ifdef __linux__
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return WithTrailingSeparator(exe.parent_path().string());
#endif
    return {};
}

namespace {

// Set by the build from the install layout: the data and library folders as
// seen from the programs' folder ("../share/dravik-sudoku" and the like).
#ifndef DRAVIK_DATADIR_FROM_BINDIR
#define DRAVIK_DATADIR_FROM_BINDIR "../share/dravik-sudoku"
#endif
#ifndef DRAVIK_LIBDIR_FROM_BINDIR
#define DRAVIK_LIBDIR_FROM_BINDIR "../lib/dravik-sudoku"
#endif

// `relative` below `executableFolder` when `marker` is there, else the programs' folder.
std::string InstalledOr(const std::string& executableFolder, const char* relative,
                        const std::string& marker) {
    if (executableFolder.empty()) return executableFolder;
    const fs::path installed = (fs::path(executableFolder) / relative).lexically_normal();
    if (PathExists(installed / marker)) return WithTrailingSeparator(installed.string());
    return executableFolder;
}

} // namespace

std::string DataFolderFor(const std::string& executableFolder) {
    return InstalledOr(executableFolder, DRAVIK_DATADIR_FROM_BINDIR, std::string(kStockFileName));
}

std::string LibraryFolderFor(const std::string& executableFolder) {
    return InstalledOr(executableFolder, DRAVIK_LIBDIR_FROM_BINDIR, "libwavory.so");
}

std::string ProgramDataFolder() {
    return DataFolderFor(ExecutableFolder());
}

std::string ProgramLibraryFolder() {
    return LibraryFolderFor(ExecutableFolder());
}

Folders SetupFolders(const std::string& programFolder, const std::string& localAppData) {
    Folders f;
    f.ProgramFolder = WithTrailingSeparator(programFolder);
    f.LocalAppDataFolder =
        WithTrailingSeparator(localAppData.empty() ? LocalAppDataFolder() : localAppData);
    const std::string data = f.LocalAppDataFolder + kDataFolderName;
    std::error_code ignored;
    // The local app-data folder itself may not exist yet on a fresh account.
    if (!f.LocalAppDataFolder.empty()) fs::create_directories(data, ignored);
    f.DataFolder = WithTrailingSeparator(data);
    return f;
}

} // namespace dravik
