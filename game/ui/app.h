// The composition root: builds the game's services (settings, dialogs, sound,
// clock, stock writer, the renewal worker) and runs the start-up in the
// window's order through the game object.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "game/help/web_link.h"
#include "game/ports/clock.h"
#include "game/ports/prompt.h"
#include "game/ports/sound_sink.h"
#include "game/ports/stock_writer.h"

class QWidget;

namespace dravik::print {
class PrinterPort;
}

namespace dravik::ui {

class FormNamen;
class GameController;
class HelpFeatures;
class MainWindow;
class PrintFeatures;

struct AppOptions {
    std::string programFolder;  // "" = the program's data folder (ProgramDataFolder)
    std::string libraryFolder;  // "" = the program's library folder; with programFolder
                                // set, that folder
    std::string localAppData;   // "" = the user's local application data
    QString settingsFile;       // "" = the user's own settings store
    bool sound = true;          // false: no sound control at all
    int workerThreads = 2;      // threads of a renewal
    std::string broughtPuzzle;  // a puzzle to play once the game is up (command line)
    std::string broughtFile;    // the file it was read from, "" for the argument itself
    std::string broughtRefusal; // why the command line brings no puzzle, shown once up
    // Stand-ins for tests (null: the real ones).
    Prompt* prompt = nullptr;       // Qt message boxes over the window
    SoundSink* soundSink = nullptr; // the effects through the sound control
    StockWriter* writer = nullptr;  // the working copy of the stock file
    ClockSource* clock = nullptr;   // a steady clock
    UrlOpener* urlOpener = nullptr; // the desktop's handler of web addresses

    // Ends the program once the player has agreed to quit (null: the
    // application's event loop ends).
    std::function<void()> quit;

    // The printer the print dialog uses (null: the system's default printer)
    // and the save-file dialog of its "Save as PDF..." (empty: the desktop's).
    print::PrinterPort* printer = nullptr;
    std::function<QString(QWidget*, const QString&)> choosePdfFile;
};

class App {
  public:
    explicit App(AppOptions options = {});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Everything up to the window shown and the first pass scheduled. False
    // when the program must end: another game is running, the lock that keeps
    // a second game out cannot be taken, or the stock could not be read (the
    // messages have been shown; end with a non-zero status).
    bool Start();
    // Start() refused because another game of this user is running (the
    // player has been told; end without an error status).
    bool AlreadyRunning() const;

    // The printing of "Print...": the dialog and the choices it keeps.
    PrintFeatures& Printing();
    MainWindow& Window();
    GameController& Controller();
    HelpFeatures& Help();
    // The players dialog, made hidden with the window.
    FormNamen& Players();

  private:
    struct Owned;
    std::unique_ptr<Owned> owned_;
};

} // namespace dravik::ui
