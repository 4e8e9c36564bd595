// The help window ("Browser"): one window with a text browser that shows the
// local help pages. It is made when first needed and reused; it is not modal,
// so the game goes on beside it. A page that is not there shows as a short
// "page not found" page in the window itself; one that is not a plain file,
// is larger than 1 MB or nests too deep for the browser to lay out in time
// (help_files.h) as a short "page cannot be shown" page. Images are taken
// only from plain files of at most 4 MB.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>

namespace dravik::ui {

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the page at `path` (a full file path) and gives the browser the
    // keyboard focus.
    void Open(const QString& path);
    // Sizes the window to read beside `game` and puts it next to it, on the
    // screen's side that has room.
    void PlaceBeside(const QWidget& game);
    HelpBrowser* Browser() const { return browser_; }

  public slots:
    // Where the desktop's services send a practice link (practice_links.h).
    void OpenPracticeLink(const QUrl& url);

  signals:
    // A technique page's "Play a puzzle that needs this technique".
    void PracticeRequested(int technique);

  private:
    HelpBrowser* browser_;
};

} // namespace dravik::ui
