// What the window benchmarks share: a fresh folder tree under the temporary
// folder with the built master stock in its program folder, and the game's
// options over it, answered by a scripted prompt.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "game/stock/stock_file.h"
#include "game/ui/app.h"
#include "support/stand_ins.h"

namespace dravik::bench {

inline std::filesystem::path MakeGameFolders(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() / (name + "-" + std::to_string(std::random_device{}()));
    fs::create_directories(root / "program");
    fs::copy_file(fs::path(DRAVIK_OUTPUT_DIR) / kStockFileName, root / "program" / kStockFileName);
    return root;
}

inline ui::AppOptions GameOptions(const std::filesystem::path& root, test::ScriptedPrompt& prompt,
                                  int workerThreads) {
    ui::AppOptions options;
    options.programFolder = (root / "program").string() + "/";
    options.localAppData = (root / "data").string();
    options.settingsFile = QString::fromStdString((root / "settings.ini").string());
    options.sound = false;
    options.prompt = &prompt;
    options.workerThreads = workerThreads;
    return options;
}

} // namespace dravik::bench
