#include "game/stock/folders.h"

#include <cstdlib>
#include <system_error>

#include "game/stock/stock_file.h"

namespace dravik {

namespace fs = std::filesystem;

std::string AddBackslash(std::string path) {
    if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
    return path;
}

bool FileExists(const fs::path& path) {
    std::error_code ec;
    (void)fs::last_write_time(path, ec);
    return !ec;
}

std::string GetSpecialFolder(int folderId) {
    if (folderId != kLocalAppDataFolderId) return {};
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
    if (!ec) return AddBackslash(exe.parent_path().string());
#endif
    return {};
}

fs::path Folders::MasterStock() const {
    return fs::path(ProgramFolder + std::string(kStockFileName));
}

fs::path Folders::WorkingStock() const {
    return fs::path(DataFolder + std::string(kStockFileName));
}

Folders SetupFolders(const std::string& programFolder, const std::string& localAppData) {
    Folders f;
    f.ProgramFolder = AddBackslash(programFolder);
    f.LocalAppDataFolder =
        AddBackslash(localAppData.empty() ? GetSpecialFolder(kLocalAppDataFolderId) : localAppData);
    const std::string data = f.LocalAppDataFolder + kDataFolderName;
    std::error_code ignored;
    // The local app-data folder itself may not exist yet on a fresh account.
    if (!f.LocalAppDataFolder.empty()) fs::create_directories(data, ignored);
    f.DataFolder = AddBackslash(data);
    return f;
}

} // namespace dravik
