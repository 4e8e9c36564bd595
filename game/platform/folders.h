// Where the program's files live: the program folder (master stock, sound
// effects), the user's local application-data folder and the game's data folder
// under it (working copy of the stock). Folder strings end in the separator.
#pragma once

#include <filesystem>
#include <string>

#include "game/base/file_names.h"

namespace dravik {

inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// `path` with the separator appended unless it already ends with one ("" stays "").
std::string WithTrailingSeparator(std::string path);

// True when something (a file, a folder) is at `path`; false on any error.
bool PathExists(const std::filesystem::path& path);

// The user's local application-data folder without a trailing separator, ""
// when unknown: on Linux the XDG data home ($XDG_DATA_HOME, else
// $HOME/.local/share), on Windows %LOCALAPPDATA%.
std::string LocalAppDataFolder();

// The folder of the running program, with the separator; "" when unknown.
std::string ExecutableFolder();

// Where the program's data files (master stock, effects, help pages) and its
// sound library are. In the build tree they lie beside the programs; an
// installed copy keeps them in its data and library folders, found from the
// programs' own folder, so any install prefix works. Both end in the separator.
std::string ProgramDataFolder();
std::string ProgramLibraryFolder();
// The same rule for a given programs' folder (tests).
std::string DataFolderFor(const std::string& executableFolder);
std::string LibraryFolderFor(const std::string& executableFolder);

struct Folders {
    std::string ProgramFolder;      // master stock and other data files
    std::string LocalAppDataFolder; // the user's local application data
    std::string DataFolder;         // LocalAppDataFolder + "DravikSudoku" + separator
};

// Sets the three folders and creates the data folder (errors ignored; reading the
// stock reports them). `localAppData` "" means LocalAppDataFolder().
Folders SetupFolders(const std::string& programFolder, const std::string& localAppData = "");

} // namespace dravik
