// The pause panel: a plain panel over the board while the game is paused.
// While it shows, the first click or key anywhere in the game window only
// resumes the game (the press, its release and the key go no further), so a
// pause never ends in a move.
#pragma once

#include <QWidget>

#include <functional>

namespace dravik::ui {

class PauseCover final : public QWidget {
    Q_OBJECT
  public:
    // `resume` is called on the click or key that ends the pause.
    PauseCover(QWidget& window, std::function<void()> resume);

    // Shows or hides the panel (and starts or stops watching for the resume).
    void SetPaused(bool paused);
    // Covers the board at the window's zoom (percent), as the board widget does.
    void SetZoom(int zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool InGameWindow(QObject* watched) const;
    void UpdateWatch();

    QWidget& window_;
    std::function<void()> resume_;
    int zoom_ = 100;
    bool watching_ = false;
    bool swallowRelease_ = false;
};

} // namespace dravik::ui
