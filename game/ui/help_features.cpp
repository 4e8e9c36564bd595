#include "game/ui/help_features.h"

#include <QDesktopServices>
#include <QMenu>
#include <QStandardPaths>
#include <QUrl>

#include "game/help/help_files.h"
#include "game/ui/controller.h"
#include "game/ui/help_window.h"
#include "game/ui/main_window.h"

namespace dravik::ui {

LinkOutcome DesktopUrlOpener::OpenUrl(std::string_view url) {
    const QUrl address(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())));
    if (QDesktopServices::openUrl(address)) return LinkOutcome::Opened;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Here the desktop opens addresses through xdg-open (or the browser a
    // variable names); with none of them there is no browser to ask.
    if (QStandardPaths::findExecutable("xdg-open").isEmpty() &&
        qEnvironmentVariableIsEmpty("BROWSER") && qEnvironmentVariableIsEmpty("DEFAULT_BROWSER"))
        return LinkOutcome::NoBrowser;
#endif
    return LinkOutcome::Failed;
}

HelpFeatures::HelpFeatures(MainWindow& window, GameController& controller,
                           std::string programFolder, Prompt& prompt, UrlOpener& opener)
    : window_(window), controller_(controller), programFolder_(std::move(programFolder)),
      prompt_(prompt), opener_(opener) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("HintMenu");
    QAction* where = menu_->addAction("Show where");
    where->setObjectName("HintShowWhere");
    QAction* apply = menu_->addAction("Apply this step");
    apply->setObjectName("HintApply");
    menu_->addSeparator();
    QAction* explain = menu_->addAction("Explain the technique");
    explain->setObjectName("HintExplain");
    connect(where, &QAction::triggered, this,
            [this] { controller_.Do([](Game& g) { g.ShowHintWhere(); }); });
    connect(apply, &QAction::triggered, this,
            [this] { controller_.Do([](Game& g) { g.ApplyHintStep(); }); });
    connect(explain, &QAction::triggered, this, &HelpFeatures::ExplainTechnique);

    connect(&window_, &MainWindow::HintRequested, this,
            [this] { controller_.Do([](Game& g) { g.Hint(); }); });
    connect(&window_, &MainWindow::HintMarkerClicked, this, &HelpFeatures::MarkerClicked);
    connect(&window_, &MainWindow::HelpRequested, this, [this] { OpenPage(kHelpIndexPage); });
    connect(&window_, &MainWindow::LogoClicked, this,
            [this] { controller_.Do([this](Game&) { OpenWebSite(opener_, prompt_); }); });
}

HelpFeatures::~HelpFeatures() = default;

void HelpFeatures::OpenPage(std::string_view page) {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    help_->Open(QString::fromStdString(HelpPagePath(programFolder_, page)));
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
