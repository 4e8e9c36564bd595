#include "game/ui/help_features.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "game/help/help_files.h"
#include "game/qt/text.h"
#include "game/ui/controller.h"
#include "game/ui/help_window.h"
#include "game/ui/main_window.h"
#include "game/ui/solution_path_window.h"

namespace dravik::ui {

LinkOutcome DesktopUrlOpener::OpenUrl(std::string_view url) {
    const QString address = ToQString(url);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop opens addresses through xdg-open, whose exit status says
    // whether a browser took the page (3: none found, 4: it failed). A
    // browser that xdg-open waits for has taken the page: it runs on by itself.
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) return LinkOutcome::NoBrowser;
    auto* process = new QProcess(qApp);
    process->setProgram(opener);
    process->setArguments({address});
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(5000)) {
        delete process;
        return LinkOutcome::Failed;
    }
    if (!process->waitForFinished(answer_)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return LinkOutcome::Opened;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened ? LinkOutcome::Opened : LinkOutcome::Failed;
#else
    return QDesktopServices::openUrl(QUrl(address)) ? LinkOutcome::Opened : LinkOutcome::Failed;
#endif
}

HelpFeatures::HelpFeatures(MainWindow& window, GameController& controller,
                           std::string programFolder, Prompt& prompt, UrlOpener& opener)
    : window_(window), controller_(controller), programFolder_(std::move(programFolder)),
      prompt_(prompt), opener_(opener) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("HintMenu");
    QAction* where = menu_->addAction(tr("Show where"));
    where->setObjectName("HintShowWhere");
    QAction* apply = menu_->addAction(tr("Apply this step"));
    apply->setObjectName("HintApply");
    menu_->addSeparator();
    QAction* explain = menu_->addAction(tr("Explain the technique"));
    explain->setObjectName("HintExplain");
    QAction* practise = menu_->addAction(tr("Play a puzzle that needs this technique"));
    practise->setObjectName("HintPractise");
    connect(practise, &QAction::triggered, this, [this] {
        controller_.Do([](Game& g) {
            if (const std::optional<int> t = g.View().HintMarker) g.Practise(*t);
        });
    });
    connect(where, &QAction::triggered, this,
            [this] { controller_.Do([](Game& g) { g.ShowHintWhere(); }); });
    connect(apply, &QAction::triggered, this,
            [this] { controller_.Do([](Game& g) { g.ApplyHintStep(); }); });
    connect(explain, &QAction::triggered, this, &HelpFeatures::ExplainTechnique);

    connect(&window_, &MainWindow::HintRequested, this,
            [this] { controller_.Do([](Game& g) { g.Hint(); }); });
    connect(&window_, &MainWindow::HintMarkerClicked, this, &HelpFeatures::MarkerClicked);
    connect(&window_, &MainWindow::HelpRequested, this, [this] { OpenPage(kHelpIndexPage); });
    connect(&window_, &MainWindow::KeysHelpRequested, this, [this] { OpenPage(kKeysHelpPage); });
    connect(&window_, &MainWindow::SolutionPathRequested, this, &HelpFeatures::OpenSolutionPath);
    connect(&window_, &MainWindow::LogoClicked, this,
            [this] { controller_.Do([this](Game&) { OpenWebSite(opener_, prompt_); }); });
}

HelpFeatures::~HelpFeatures() = default;

void HelpFeatures::OpenPage(std::string_view page) {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
        help_->PlaceBeside(window_);
        connect(help_.get(), &HelpWindow::PracticeRequested, this, [this](int technique) {
            controller_.Do([technique](Game& g) { g.Practise(technique); });
        });
    }
    help_->Open(QString::fromStdString(HelpPagePath(programFolder_, page)));
}

void HelpFeatures::OpenSolutionPath() {
    const Game& game = controller_.game();
    if (!game.CanShowSolutionPath()) return;
    const bool made = !path_;
    if (made) {
        path_ =
            std::make_unique<SolutionPathWindow>([this](std::string_view page) { OpenPage(page); });
        connect(path_.get(), &SolutionPathWindow::RefreshRequested, this,
                &HelpFeatures::OpenSolutionPath);
        connect(path_.get(), &SolutionPathWindow::PracticeRequested, this, [this](int technique) {
            controller_.Do([technique](Game& g) { g.Practise(technique); });
        });
    }
    path_->Show(game.SolutionPathFromHere());
    if (made) path_->PlaceOver(window_);
}

void HelpFeatures::ExplainTechnique() {
    std::string page;
    controller_.Do([&page](Game& g) { page = g.HintMarkerPage(); });
    if (!page.empty()) OpenPage(page);
}

void HelpFeatures::MarkerClicked(Qt::MouseButton button, QPoint at) {
    if (button == Qt::LeftButton) {
        ExplainTechnique();
    } else if (button == Qt::RightButton) {
        if (QWidget* marker = window_.Control("LabelHint")) menu_->popup(marker->mapToGlobal(at));
    }
}

} // namespace dravik::ui
