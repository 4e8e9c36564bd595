// Dravik Sudoku: the game program.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/platform/folders.h"
#include "game/platform/safe_files.h"
#include "game/play/brought_puzzle.h"
#include "game/sound/effect_files.h"
#include "game/stock/stock_file.h"
#include "game/ui/app.h"
#include "game/ui/language.h"

namespace {

// Where this copy looks for its files, and whether each is there: for
// packagers and for anyone whose game starts without sound or help.
int PrintPaths() {
    namespace fs = std::filesystem;
    auto line = [](const char* what, const std::string& path) {
        std::error_code ec;
        std::printf("%-14s %s (%s)\n", what, path.c_str(),
                    fs::exists(path, ec) ? "found" : "missing");
    };
    const std::string data = dravik::ProgramDataFolder();
    line("stock", data + std::string(dravik::kStockFileName));
    int effects = 0;
    for (std::string_view name : dravik::sound::kEffectFiles) {
        std::error_code ec;
        effects += fs::exists(data + std::string(name), ec);
    }
    std::printf("%-14s %s (%d of %zu found)\n", "effects", data.c_str(), effects,
                dravik::sound::kEffectFiles.size());
    line("help", data + "help/index.html");
    int translations = 0;
    for (const char* language : dravik::ui::kTranslatedLanguages) {
        std::error_code ec;
        translations +=
            fs::exists(data + "translations/dravik_" + std::string(language) + ".qm", ec);
    }
    std::printf("%-14s %stranslations/ (%d of %zu found)\n", "translations", data.c_str(),
                translations, std::size(dravik::ui::kTranslatedLanguages));
    line("sound library", dravik::ProgramLibraryFolder() + "libwavory.so");
    const std::string player = dravik::WithTrailingSeparator(dravik::LocalAppDataFolder()) +
                               dravik::kDataFolderName + dravik::kPathSeparator;
    std::printf("%-14s %s\n", "player data", player.c_str());
    return 0;
}

constexpr const char* kUsage = "usage: dravik-sudoku [PUZZLE | FILE]\n"
                               "       dravik-sudoku [--paths | --version | --help]\n"
                               "  PUZZLE     81 cells, 1-9 givens, 0 or . empty: play it\n"
                               "  FILE       a file holding such a puzzle\n"
                               "  --paths    show where the game finds its files, and exit\n"
                               "  --version  show the version, and exit\n";

} // namespace

int main(int argc, char** argv) {
    // The options that need no window are answered before a display is opened.
    dravik::ui::AppOptions options;
    bool brought = false;
    std::string_view broughtArgument;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--paths") return PrintPaths();
        if (arg == "--version") {
            std::printf("dravik-sudoku %s\n", DRAVIK_VERSION);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg.starts_with("-")) {
            std::fprintf(stderr, "dravik-sudoku: unknown option '%s'\n%s", argv[i], kUsage);
            return 2;
        }
        if (brought) {
            std::fprintf(stderr, "dravik-sudoku: one puzzle at a time\n%s", kUsage);
            return 2;
        }
        brought = true;
        broughtArgument = arg;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("KVXDSud");
    dravik::ui::LoadLanguage(QLocale::system(),
                             QString::fromStdString(dravik::ProgramDataFolder()));
    // Read once the language is known: a refusal is shown in it.
    if (brought) {
        dravik::BroughtArgument argument = dravik::ReadBroughtArgument(broughtArgument);
        options.broughtPuzzle = std::move(argument.text);
        options.broughtFile = std::move(argument.file);
        options.broughtRefusal = std::move(argument.refusal);
    }

    // One look everywhere: a dark desktop theme or a style that ignores button
    // colours must not change the game's colours or make its text unreadable.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
    dravik::ui::App app(std::move(options));
    if (!app.Start()) return app.AlreadyRunning() ? 0 : 1;
    return application.exec();
}
