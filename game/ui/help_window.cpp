#include "game/ui/help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "game/help/help_files.h"
#include "game/help/practice_links.h"
#include "game/platform/safe_files.h"
#include "game/qt/text.h"
#include "game/ui/language.h"
#include "game/ui/logo.h"

namespace dravik::ui {

namespace {

QString NotFoundPage(const QUrl& url) {
    const QString file = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return TrQString(QT_TRANSLATE_NOOP("dravik",
                                       "<html><head><title>Page not found</title></head><body>"
                                       "<h2>Page not found</h2>"
                                       "<p>The help page <b>%1</b> is not there.</p>"
                                       "<p>The help pages belong in the folder <tt>%2</tt>. "
                                       "Installing the game again puts them back.</p>"
                                       "<p><a href=\"index.html\">Back to the contents</a></p>"
                                       "</body></html>"))
        .arg(QFileInfo(file).fileName().toHtmlEscaped(),
             QFileInfo(file).absolutePath().toHtmlEscaped());
}

QString RefusedPage(const QUrl& url, const std::string& why) {
    return TrQString(QT_TRANSLATE_NOOP(
                         "dravik", "<html><head><title>Page cannot be shown</title></head><body>"
                                   "<h2>Page cannot be shown</h2>"
                                   "<p>The help page <b>%1</b> cannot be shown: %2.</p>"
                                   "<p>Installing the game again puts the help pages back.</p>"
                                   "<p><a href=\"index.html\">Back to the contents</a></p>"
                                   "</body></html>"))
        .arg(QFileInfo(url.toLocalFile()).fileName().toHtmlEscaped(),
             QString::fromStdString(why).toHtmlEscaped());
}

std::string Reason(const FileReadResult& read, std::size_t limit) {
    switch (read.problem) {
    case ReadProblem::kNotAFile:
        return Tr(QT_TRANSLATE_NOOP("dravik", "it is not a plain file"));
    case ReadProblem::kTooLarge:
        return TrWith(QT_TRANSLATE_NOOP("dravik", "it is larger than %1 MB"),
                      std::to_string(limit >> 20));
    default:
        return Tr(QT_TRANSLATE_NOOP("dravik", "it cannot be read"));
    }
}

// A page's copy in the player's language ("index.de.html" beside
// "index.html") where there is one; the page itself otherwise. Links between
// pages name the English page, so every page the player reaches is chosen here.
QUrl InPlayersLanguage(const QUrl& url) {
    const QString language = CurrentLanguage();
    const QString path = url.toLocalFile();
    if (language.isEmpty() || !path.endsWith(QLatin1String(".html"))) return url;
    const QString translated = path.chopped(5) + '.' + language + QStringLiteral(".html");
    if (!QFileInfo(translated).isFile()) return url;
    QUrl shown = QUrl::fromLocalFile(translated);
    shown.setFragment(url.fragment());
    return shown;
}

} // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.isRelative()) url = document()->baseUrl().resolved(url);
    if (url.scheme().isEmpty()) url = QUrl::fromLocalFile(url.path()); // as the browser has it
    // Files are read here, never by the browser or the document: they would
    // open a pipe and wait for it, and read a file of any size whole.
    if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
    const bool page = type != QTextDocument::ImageResource;
    if (type == QTextDocument::HtmlResource) url = InPlayersLanguage(url);
    const std::size_t limit = page ? kMaxHelpPageBytes : kMaxHelpImageBytes;
    std::vector<std::uint8_t> bytes;
    const FileReadResult read = ReadRegularFile(
        std::filesystem::path(QFile::encodeName(url.toLocalFile()).toStdString()), limit, bytes);
    // Anything but null keeps the document from trying the file itself.
    if (!read.ok() && type != QTextDocument::HtmlResource) return QByteArray();
    if (read.problem == ReadProblem::kMissing) return NotFoundPage(url);
    if (!read.ok()) return RefusedPage(url, Reason(read, limit));
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    if (type == QTextDocument::HtmlResource)
        if (const std::string why =
                HelpPageProblem(std::string_view(data.constData(), bytes.size()));
            !why.empty())
            return RefusedPage(url, why);
    if (type == QTextDocument::HtmlResource) {
        // Every technique page ends with its practice link.
        const std::string page = QFileInfo(url.toLocalFile()).fileName().toStdString();
        const std::string html =
            WithPracticeLinks(std::string_view(data.constData(), bytes.size()), page);
        return QByteArray(html.data(), static_cast<qsizetype>(html.size()));
    }
    return data;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Browser");
    setWindowTitle(tr("Dravik Sudoku - Help"));
    setWindowIcon(ProgramIcon());
    browser_ = new HelpBrowser(this);
    browser_->setObjectName("WebBrowser1");
    browser_->setOpenExternalLinks(true);
    // Back and Forward walk the pages shown, as Alt+Left and Alt+Right do.
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName("HelpBack");
    back->setEnabled(false);
    back->setToolTip(tr("The page before (Alt+Left)"));
    auto* forward = new QPushButton(tr("Forward"), this);
    forward->setObjectName("HelpForward");
    forward->setEnabled(false);
    forward->setToolTip(tr("The page after (Alt+Right)"));
    for (QPushButton* b : {back, forward}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
    }
    // The browser hands links of other schemes than file to the desktop's
    // services; a practice link comes back here and starts the search.
    QDesktopServices::setUrlHandler(ToQString(kPracticeScheme), this, "OpenPracticeLink");
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 660);
}

HelpWindow::~HelpWindow() {
    QDesktopServices::unsetUrlHandler(ToQString(kPracticeScheme));
}

void HelpWindow::OpenPracticeLink(const QUrl& url) {
    if (const std::optional<int> t = PracticeLinkTechnique(url.toString().toStdString()))
        emit PracticeRequested(*t);
}

void HelpWindow::PlaceBeside(const QWidget& game) {
    const QScreen* screen = game.screen() ? game.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect beside = game.frameGeometry();
    // As tall as the game window and as wide as reads well, on the side with
    // room for it; narrower down to what still reads, before it covers the game.
    constexpr int kWide = 640, kNarrowest = 420;
    const int frame = frameGeometry().width() - width();
    const int right = area.right() + 1 - (beside.right() + 1) - frame;
    const int left = beside.left() - area.left() - frame;
    const int height = std::min(beside.height(), area.height());
    int x = 0, width = std::min(kWide, area.width());
    if (right >= kNarrowest || right >= left) {
        width = std::clamp(right, std::min(kNarrowest, width), width);
        x = right >= kNarrowest ? beside.right() + 1 : area.right() + 1 - width - frame;
    } else {
        width = std::clamp(left, std::min(kNarrowest, width), width);
        x = left >= kNarrowest ? beside.left() - width - frame : area.left();
    }
    resize(width, height);
    const int y = std::clamp(beside.top(), area.top(), area.bottom() + 1 - height);
    move(std::max(x, area.left()), y);
}

void HelpWindow::Open(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url);
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

} // namespace dravik::ui
