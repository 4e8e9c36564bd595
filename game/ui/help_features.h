// The help and hint features of the game window: the Hint button, the red
// marker (a click opens its technique's page; a right click its menu with
// "Show where", "Apply this step" and "Explain the technique"), the Help
// button, the logo's web link and the solution path. It owns the help window
// and the solution path window.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>
#include <string>
#include <string_view>

#include "game/help/web_link.h"

class QMenu;

namespace dravik::ui {

class GameController;
class HelpWindow;
class MainWindow;
class SolutionPathWindow;

// Web addresses through the desktop's own handler.
class DesktopUrlOpener final : public UrlOpener {
  public:
    // How long the opener is given to say that it failed.
    explicit DesktopUrlOpener(int answerMilliseconds = 5000) : answer_(answerMilliseconds) {}
    LinkOutcome OpenUrl(std::string_view url) override;

  private:
    int answer_;
};

class HelpFeatures final : public QObject {
    Q_OBJECT
  public:
    HelpFeatures(MainWindow& window, GameController& controller, std::string programFolder,
                 Prompt& prompt, UrlOpener& opener);
    ~HelpFeatures() override;

    // The help window once it has been opened, else null.
    HelpWindow* Help() const { return help_.get(); }
    // The marker's menu (made with the features, shown on a right click).
    QMenu* HintMenu() const { return menu_; }

    // Opens a page of the help folder in the help window.
    void OpenPage(std::string_view page);
    // The solution path window once it has been opened, else null.
    SolutionPathWindow* Path() const { return path_.get(); }

  private:
    void MarkerClicked(Qt::MouseButton button, QPoint at);
    void ExplainTechnique();
    void OpenSolutionPath();

    MainWindow& window_;
    GameController& controller_;
    std::string programFolder_;
    Prompt& prompt_;
    UrlOpener& opener_;
    QMenu* menu_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<SolutionPathWindow> path_;
};

} // namespace dravik::ui
