// Where the program's files live: the program folder (master stock, sound
// effects), the user's local application-data folder and the game's data folder
// under it (working copy of the stock). Folder strings end in the separator.
#pragma once

#include <filesystem>
#include <string>

namespace dravik {

inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

inline constexpr const char* kDataFolderName = "DravikSudoku";

// Shell folder id of the user's local application data.
inline constexpr int kLocalAppDataFolderId = 28;

// `path` with the separator appended unless it already ends with one ("" stays "").
std::string AddBackslash(std::string path);

// True when the file's modification time can be read; false on any error.
bool FileExists(const std::filesystem::path& path);

// Path of a special folder without a trailing separator; "" when unknown.
// kLocalAppDataFolderId is the local application-data folder: on Linux the XDG
// data home ($XDG_DATA_HOME, else $HOME/.local/share).
std::string GetSpecialFolder(int folderId);

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

    std::filesystem::path MasterStock() const;  // ProgramFolder + "sudstock.kds"
    std::filesystem::path WorkingStock() const; // DataFolder + "sudstock.kds"
};

// Sets the three folders and creates the data folder (errors ignored; reading the
// stock reports them). `localAppData` "" means GetSpecialFolder(28).
Folders SetupFolders(const std::string& programFolder, const std::string& localAppData = "");

} // namespace dravik
