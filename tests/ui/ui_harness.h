// The real game window over fresh settings and data folders, with the dialogs
// answered by script, the effects recorded and the stock writes counted.
#pragma once

#include <QPoint>
#include <QString>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/help/web_link.h"
#include "game/play/adapters.h"
#include "game/play/game.h"
#include "game/print/qt/system_printer.h"
#include "game/ui/app.h"
#include "game/ui/board_widget.h"
#include "game/ui/controller.h"
#include "game/ui/layout.h"
#include "game/ui/main_window.h"
#include "support/shown_board.h"
#include "support/stand_ins.h"
#include "support/temp_folder.h"

namespace dravik::test {

class ManualClock final : public ClockSource {
  public:
    std::int64_t NowMilliseconds() override { return now; }
    void AdvanceSeconds(int seconds) { now += 1000LL * seconds; }
    std::int64_t now = 1'000'000;
};

// The desktop's URL handler, answering as told.
class ScriptedUrlOpener final : public UrlOpener {
  public:
    LinkOutcome OpenUrl(std::string_view url) override {
        asked.emplace_back(url);
        return outcome;
    }
    LinkOutcome outcome = LinkOutcome::Opened;
    std::vector<std::string> asked;
};

// A printer that answers as told and keeps what it was asked to print.
class ScriptedPrinter final : public print::PrinterPort {
  public:
    std::string PrinterName() override { return name; }
    bool SetUp() override {
        ++setUps;
        return setUpWorks;
    }
    print::PrintOutcome Print(const Stock&, const print::PrintOptions& options) override {
        printed.push_back(options);
        return {printWorks, printWorks ? "" : "refused"};
    }
    std::string name = "Scripted printer"; // "" = no printer installed
    bool setUpWorks = true, printWorks = true;
    int setUps = 0;
    std::vector<print::PrintOptions> printed;
};

class CountingWriter final : public StockWriter {
  public:
    explicit CountingWriter(std::filesystem::path file) : file_(std::move(file)) {}
    bool WriteStock(const Stock& stock) override {
        ++writes;
        return file_.WriteStock(stock);
    }
    int writes = 0;

  private:
    FileStockWriter file_;
};

class UiHarness {
  public:
    struct Setup {
        bool masterStock = true;       // the program folder holds the master stock
        std::string workingStockBytes; // non-empty: the working copy as found
        int workerThreads = 1;
        // The sound control and the effects, copied into the program folder
        // (run under SDL's dummy driver); the game's effects are still recorded.
        bool sound = false;
        bool effectFiles = true;                  // with `sound`: the ten effect files too
        bool manualClock = false;                 // the game's clock moves only when the test says
        bool helpPages = true;                    // the built help folder in the program folder
        std::string settingsBytes;                // non-empty: the settings file as found
        std::string broughtPuzzle;                // as named on the command line
        const UiHarness* sameFoldersAs = nullptr; // a second game over another's folders
    };
    UiHarness() : UiHarness(Setup{}) {}
    explicit UiHarness(const Setup& setup);
    ~UiHarness();

    bool Start();
    // Start-up, then the event loop until the start-up panel has gone.
    void StartAndIdle();

    ui::MainWindow& window() { return app->Window(); }
    Game& game() { return app->Controller().game(); }
    GameView view() { return app->Controller().View(); }
    // The board as the window shows it.
    ShownBoard shown() { return ReadBoard(view()); }
    ui::BoardWidget& board() { return *window().Board(); }
    QWidget* control(const QString& name) { return window().Control(name); }

    // A press and release of `button` with the release at (dx, dy) twips
    // inside mark `digit` of `cell`.
    void ReleaseOnMark(int cell, int digit, Qt::MouseButton button, int dx = 120, int dy = 120);
    void ReleaseOnRowLabel(int row);
    void ReleaseOnColumnLabel(int column);
    void Click(const QString& name);
    // Next and the pass that loads the puzzle.
    void Next();
    // Places the solution digit in every empty cell through the board.
    void PlaceSolutionByMouse();
    void ProcessEvents();

    TempFolder folder{"dravik-ui"};
    std::filesystem::path programFolder, dataHome, settingsFile;
    ScriptedPrompt prompt;
    RecordingSound sound;
    ManualClock clock;
    ScriptedUrlOpener urlOpener;
    ScriptedPrinter printer;
    int quits = 0;                 // times the program was told to end
    QString pdfAnswer;             // what the save-file dialog answers ("" = Cancel)
    std::vector<QString> pdfAsked; // the file names it suggested
    std::unique_ptr<CountingWriter> writer;
    std::unique_ptr<ui::App> app;
};

// The board point of (dx, dy) twips inside a label, in the board's pixels at `zoom`.
QPoint BoardPixel(const ui::TwipRect& label, int dx, int dy, int zoom = 100);

} // namespace dravik::test
