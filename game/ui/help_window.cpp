#include "game/ui/help_window.h"

#include <QFileInfo>
#include <QVBoxLayout>

#include "game/ui/logo.h"

namespace dravik::ui {

namespace {

QString NotFoundPage(const QUrl& url) {
    const QString file = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return QStringLiteral("<html><head><title>Page not found</title></head><body>"
                          "<h2>Page not found</h2>"
                          "<p>The help page <b>%1</b> is not there.</p>"
                          "<p>The help pages belong in the folder <tt>%2</tt>. "
                          "Installing the game again puts them back.</p>"
                          "</body></html>")
        .arg(QFileInfo(file).fileName().toHtmlEscaped(),
             QFileInfo(file).absolutePath().toHtmlEscaped());
}

} // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::HtmlResource && !resource.isValid()) return NotFoundPage(name);
    return resource;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Browser");
    setWindowTitle("Dravik Sudoku - Help");
    setWindowIcon(ProgramIcon());
    browser_ = new HelpBrowser(this);
    browser_->setObjectName("WebBrowser1");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(900, 700);
}

void HelpWindow::Open(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url);
    if (!isVisible() || isMinimized()) showMaximized();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

} // namespace dravik::ui
