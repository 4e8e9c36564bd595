#include "game/ui/app.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <atomic>
#include <chrono>

#include "game/model/grid.h"
#include "game/platform/folders.h"
#include "game/platform/instance_lock.h"
#include "game/play/adapters.h"
#include "game/play/brought_puzzle.h"
#include "game/play/practice_adapter.h"
#include "game/players/qt/qsettings_store.h"
#include "game/players/statistics_file.h"
#include "game/sound/effects_sink.h"
#include "game/sound/game_sounds.h"
#include "game/sound/wavo_host.h"
#include "game/stock/stock_file.h"
#include "game/ui/controller.h"
#include "game/ui/dialog_zoom.h"
#include "game/ui/form_namen.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/logo.h"
#include "game/ui/main_window.h"
#include "game/ui/practice_bar.h"
#include "game/ui/print_features.h"
#include "game/ui/qt_prompt.h"
#include "game/ui/statistics_window.h"

namespace dravik::ui {

namespace {

class SteadyClock final : public ClockSource {
  public:
    std::int64_t NowMilliseconds() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// Drawing the window's icon in all its sizes takes several milliseconds of
// text rendering, which the first paint need not wait for: the icon is set
// right after the window's first paint has reached the screen.
class IconAfterFirstPaint final : public QObject {
  public:
    explicit IconAfterFirstPaint(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // Queued, so that the paint is flushed first.
            QTimer::singleShot(0, this, [this] {
                window_.setWindowIcon(ProgramIcon());
                deleteLater();
            });
        }
        return false;
    }

  private:
    QWidget& window_;
};

std::string ProgramFolderOf(const AppOptions& o) {
    return o.programFolder.empty() ? ProgramDataFolder() : o.programFolder;
}

std::string LibraryFolderOf(const AppOptions& o) {
    if (!o.libraryFolder.empty()) return o.libraryFolder;
    return o.programFolder.empty() ? ProgramLibraryFolder() : o.programFolder;
}

} // namespace

struct App::Owned {
    explicit Owned(AppOptions o)
        : options(std::move(o)),
          folders(SetupFolders(ProgramFolderOf(options), options.localAppData)),
          lock(folders.DataFolder), settings(OpenSettings(options, lock)),
          host(options.sound ? sound::WavoHost::Create(LibraryFolderOf(options)) : nullptr),
          sounds(host.get(), folders.ProgramFolder), sink(sounds),
          writer(WorkingStockFile(folders)), source(options.workerThreads, [this] { Report(); }),
          // A practice find runs a pass like a finished renewal puzzle.
          practice(options.workerThreads, [this] { Report(); }),
          statisticsStore(std::filesystem::path(folders.DataFolder) / kStatisticsFileName) {}

    // Called on a worker thread: the controller takes the report over to its own.
    void Report() {
        if (GameController* c = controller.load()) c->PuzzleReady();
    }

    // A second game, or one without the lock, only tells the player and ends:
    // it never touches the settings another game may be using, so it reads none.
    static std::unique_ptr<SettingsStore> OpenSettings(const AppOptions& o,
                                                       const InstanceLock& lock) {
        if (!lock.permitsStart()) return std::make_unique<MemorySettingsStore>();
        if (o.settingsFile.isEmpty()) return std::make_unique<QSettingsStore>();
        return std::make_unique<QSettingsStore>(o.settingsFile);
    }

    AppOptions options;
    Folders folders;
    InstanceLock lock;
    std::unique_ptr<SettingsStore> settings;
    QtPrompt qtPrompt;
    std::unique_ptr<sound::WavoHost> host;
    sound::GameSounds sounds;
    sound::EffectsSink sink;
    SteadyClock clock;
    FileStockWriter writer;
    WorkerPuzzleSource source;
    WorkerPracticeSource practice;
    FileStatisticsStore statisticsStore;
    std::atomic<GameController*> controller{nullptr};
    std::unique_ptr<GameController> ownedController;
    std::unique_ptr<PrintFeatures> printing; // reset before the window goes
    std::unique_ptr<MainWindow> window;
    DesktopUrlOpener urlOpener;
    std::unique_ptr<HelpFeatures> help;
    FormNamen* players = nullptr; // a child of the window
    std::unique_ptr<StatisticsWindow> statistics;
    Stock stock;
};

App::App(AppOptions options) : owned_(std::make_unique<Owned>(std::move(options))) {
    Owned& p = *owned_;
    Prompt& prompt = p.options.prompt ? *p.options.prompt : p.qtPrompt;
    SoundSink& sound = p.options.soundSink ? *p.options.soundSink : p.sink;
    StockWriter& writer = p.options.writer ? *p.options.writer : p.writer;
    ClockSource& clock = p.options.clock ? *p.options.clock : p.clock;
    GameServices services{*p.settings, prompt, sound, clock, writer, p.source};
    p.ownedController = std::make_unique<GameController>(services);
    p.controller = p.ownedController.get();
    p.ownedController->game().SetPracticeSource(&p.practice);
    p.window = std::make_unique<MainWindow>(*p.ownedController);
    p.qtPrompt.SetParent(p.window.get());
    p.printing = std::make_unique<PrintFeatures>(*p.window, *p.ownedController, prompt,
                                                 p.options.printer, p.options.choosePdfFile);
    p.help = std::make_unique<HelpFeatures>(
        *p.window, *p.ownedController, p.folders.ProgramFolder, prompt,
        p.options.urlOpener ? *p.options.urlOpener : p.urlOpener);

    // Quitting ends the program at once, with the help window and any dialog.
    QObject::connect(p.window.get(), &MainWindow::QuitConfirmed, p.window.get(), [&p] {
        if (HelpWindow* help = p.help->Help()) help->close();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != p.window.get() && w->isVisible()) w->close();
        if (p.options.quit)
            p.options.quit();
        else
            QCoreApplication::quit();
    });

    // "Players...": the dialog stores the list and the chosen player itself;
    // once it hides, the game takes both over and the title follows.
    p.players = new FormNamen(*p.settings, prompt, p.window.get());
    QObject::connect(p.window.get(), &MainWindow::PlayersRequested, p.players, [&p] {
        ZoomDialog(*p.players, p.window->Zoom());
        p.players->Open(p.ownedController->game().Players(), *p.window);
    });
    // The practice search's row over the status bar.
    new PracticeBar(*p.window->StatusBar(), *p.ownedController);
    // F4 and the players dialog's "Statistics...": the window shows the
    // current player's figures (over the dialog it is modal like the dialog).
    auto showStatistics = [&p](bool overDialog) {
        if (!p.statistics) p.statistics = std::make_unique<StatisticsWindow>();
        StatisticsWindow& w = *p.statistics;
        const Qt::WindowModality modality = overDialog ? Qt::ApplicationModal : Qt::NonModal;
        if (w.windowModality() != modality) {
            w.hide();
            w.setWindowModality(modality);
        }
        const Game& g = p.ownedController->game();
        // Over the dialog: the player whose line is selected, else the current one.
        const PlayerList players = overDialog ? p.players->Rules().Players() : g.Players();
        const int line = overDialog ? p.players->Rules().Selection() : -1;
        w.Show(g.Stats(), players, line >= 0 ? line + 1 : players.CurrentPlayer);
    };
    QObject::connect(p.window.get(), &MainWindow::StatisticsRequested, p.window.get(),
                     [showStatistics] { showStatistics(false); });
    QObject::connect(p.players, &FormNamen::StatisticsRequested, p.players,
                     [showStatistics] { showStatistics(true); });
    QObject::connect(p.ownedController.get(), &GameController::ViewChanged, p.window.get(), [&p] {
        if (p.statistics && p.statistics->isVisible())
            p.statistics->Refresh(p.ownedController->game().Stats(),
                                  p.ownedController->game().Players());
    });
    QObject::connect(p.players, &FormNamen::Closed, p.players, [&p] {
        const PlayerList chosen = p.players->Rules().Players();
        p.ownedController->Do([&chosen](Game& g) { g.PlayersChanged(chosen); });
    });
}

App::~App() {
    owned_->statistics.reset();
    owned_->help.reset(); // its help window and menu before the game window
    owned_->printing.reset();
    // The worker stops (and joins) before the game it reports to goes away.
    owned_->source.Stop();
    owned_->practice.Join();
    owned_->controller = nullptr;
}

MainWindow& App::Window() {
    return *owned_->window;
}

GameController& App::Controller() {
    return *owned_->ownedController;
}

PrintFeatures& App::Printing() {
    return *owned_->printing;
}

bool App::AlreadyRunning() const {
    return owned_->lock.state() == InstanceLock::State::kHeldElsewhere;
}

HelpFeatures& App::Help() {
    return *owned_->help;
}

FormNamen& App::Players() {
    return *owned_->players;
}

bool App::Start() {
    Owned& p = *owned_;
    MainWindow& window = *p.window;
    Game& game = p.ownedController->game();
    Prompt& prompt = p.options.prompt ? *p.options.prompt : p.qtPrompt;
    if (AlreadyRunning()) {
        Show(prompt, messages::kAlreadyRunning);
        return false;
    }
    if (!p.lock.permitsStart()) {
        const MessageText& m = messages::kLockUnavailable;
        prompt.ShowMessage(LockUnavailableMessage(p.lock), Tr(m.title), m.icon, m.buttons);
        return false;
    }
    window.CentreOnScreen();

    // The sound control gets the window's handle, then the effects are
    // loaded. Without any effect to play the box is disabled.
    p.sounds.SetWindow(static_cast<std::uint64_t>(window.winId()));
    p.sounds.Init_Sound();
    bool anyEffect = false;
    for (std::int32_t handle : p.sounds.SoundHandles()) anyEffect = anyEffect || handle >= 0;
    game.LoadSettings(p.sounds.SoundAvailable() && anyEffect);
    if (auto* store = dynamic_cast<QSettingsStore*>(p.settings.get()))
        if (auto notice = store->TakeNotice())
            prompt.ShowMessage(*notice, Tr(messages::kSettingsSetAside.title),
                               messages::kSettingsSetAside.icon,
                               messages::kSettingsSetAside.buttons);

    game.TakeStatistics(
        LoadStatisticsFile(std::filesystem::path(p.folders.DataFolder) / kStatisticsFileName),
        &p.statisticsStore);

    StockOpenResult opened =
        OpenStock(MasterStockFile(p.folders), WorkingStockFile(p.folders), p.stock);
    if (!game.TakeStock(opened, p.stock)) return false;
    game.FinishStartup();

    window.Apply(game.View());
    new IconAfterFirstPaint(window); // a child of the window
    window.show();
    // The first pass runs from the event loop, once the window is up.
    QTimer::singleShot(0, p.ownedController.get(),
                       [c = p.ownedController.get()] { c->Do([](Game&) {}); });
    // A puzzle named on the command line is played once the first pass has run.
    if (!p.options.broughtPuzzle.empty() || !p.options.broughtFile.empty()) {
        QTimer::singleShot(
            0, p.ownedController.get(),
            [c = p.ownedController.get(), text = p.options.broughtPuzzle,
             file = p.options.broughtFile] { c->Do([&](Game& g) { g.PlayText(text, file); }); });
    } else if (!p.options.broughtRefusal.empty()) {
        QTimer::singleShot(0, p.ownedController.get(), [&prompt, why = p.options.broughtRefusal] {
            Show(prompt, messages::kPuzzleNotPlayed, why);
        });
    }
    return true;
}

} // namespace dravik::ui
