// How long the solution path window takes to open, offscreen (or on the
// platform QT_QPA_PLATFORM names), for every
// puzzle of the master stock: from the key's action to the window painted
// (the path found, the list filled, the first step's board drawn). The first
// opening also makes the window. Prints one line per figure; the target is
// 100 ms for any stock puzzle.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_game.h"
#include "game/stock/stock_file.h"
#include "game/ui/app.h"
#include "game/ui/controller.h"
#include "game/ui/help_features.h"
#include "game/ui/main_window.h"
#include "game/ui/solution_path_window.h"
#include "support/stand_ins.h"

namespace fs = std::filesystem;
using namespace dravik;

int main(int argc, char** argv) {
    // Offscreen unless a platform is named (QT_QPA_PLATFORM=xcb under an X server).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    const fs::path root = bench::MakeGameFolders("dravik-path-bench");
    test::ScriptedPrompt prompt; // Yes to every question; Open... gets the number scripted
    const ui::AppOptions options = bench::GameOptions(root, prompt, 1);
    int status = 0;
    {
        ui::App app(options);
        if (!app.Start()) return 1;
        ui::MainWindow& window = app.Window();
        for (int i = 0; i < 50 && app.Controller().View().Starting; ++i)
            QApplication::processEvents();
        QAction* key = window.Commands().Action("KeySolutionPath");
        std::vector<double> ms;
        double first = 0, worst = 0;
        int worstLevel = 0, worstNumber = 0;
        std::size_t mostSteps = 0;
        QElapsedTimer t;
        for (int level = 1; level <= kLevels; ++level)
            for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
                prompt.texts.push_back(std::to_string(number));
                app.Controller().Do([level](Game& g) {
                    g.ShowSolution();
                    g.SelectLevel(level);
                    g.Open();
                });
                QApplication::processEvents();
                t.start();
                key->trigger();
                ui::SolutionPathWindow* path = app.Help().Path();
                if (!path || path->Path().outcome != SolutionPath::Outcome::Solved) {
                    std::fprintf(stderr, "level %d number %d: no path\n", level, number);
                    status = 1;
                    continue;
                }
                path->repaint();
                QApplication::sync();
                const double elapsed = static_cast<double>(t.nsecsElapsed()) / 1e6;
                if (level == 1 && number == 1) {
                    first = elapsed;
                    continue;
                }
                ms.push_back(elapsed);
                mostSteps = std::max(mostSteps, path->Path().steps.size());
                if (elapsed > worst) {
                    worst = elapsed;
                    worstLevel = level;
                    worstNumber = number;
                }
            }
        std::sort(ms.begin(), ms.end());
        double mean = 0;
        for (double v : ms) mean += v;
        mean /= static_cast<double>(ms.size());
        std::printf("solution path window, first opening (window made): %.2f ms\n", first);
        std::printf("solution path window opened again: mean %.2f ms, median %.2f ms, "
                    "worst %.2f ms (level %d number %d), %zu puzzles, up to %zu steps\n",
                    mean, ms[ms.size() / 2], worst, worstLevel, worstNumber, ms.size() + 1,
                    mostSteps);
    }
    fs::remove_all(root);
    return status;
}
