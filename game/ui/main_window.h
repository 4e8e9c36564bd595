// The game window ("Main"): the board widget and the controls of the layout
// table, each forwarding its event to the game through the controller. Apply()
// is the only code that changes the widgets, and it draws the game's view.
#pragma once

#include <QHash>
#include <QLabel>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "game/play/view.h"
#include "game/ui/layout.h"
#include "game/ui/window_commands.h"

class QCheckBox;
class QKeyEvent;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace dravik::ui {

class BoardWidget;
class GameController;
class PauseCover;

// A label that reports a click (press and release of the left button inside it).
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked(Qt::MouseButton button, QPoint at);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Qt::MouseButton pressed_ = Qt::NoButton;
};

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(GameController& controller, QWidget* parent = nullptr);

    // Shows `view`: every widget whose part of the view changed since the last call.
    void Apply(const GameView& view);

    // The widget of a layout entry by its objectName ("CommandNew", "OptionType(2)").
    QWidget* Control(const QString& objectName) const { return controls_.value(objectName); }
    BoardWidget* Board() const { return board_; }
    // The commands menu of a right click, with the keys of its entries.
    CommandMenu& Commands() const { return *commands_; }
    QStatusBar* StatusBar() const { return statusBar_; }

    // Centres the window on the screen it is on, keeping its top-left corner on
    // screen when the screen is smaller than the window.
    void CentreOnScreen();

    // The zoom the window is laid out at, in percent of the layout's size.
    int Zoom() const { return zoom_; }

  signals:
    // The features that arrive with their own dialogs: a click only reports itself.
    void HelpRequested();
    void PrintRequested();
    void PlayersRequested();
    void HintRequested();
    void HintMarkerClicked(Qt::MouseButton button, QPoint at);
    // The commands menu's windows and pages (menu_commands.cpp).
    void SolutionPathRequested();
    void KeysHelpRequested();
    void LogoClicked();
    // F4: the statistics window.
    void StatisticsRequested();
    // The player answered Yes to the quit question: the program ends, with
    // every window of it.
    void QuitConfirmed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QWidget* CreateControl(const ControlSpec& spec);
    // Places a layout entry's widget, with its font and fitted caption, at the zoom.
    void PlaceControl(const ControlSpec& spec, QWidget* w);
    // Lays the whole window out afresh at `zoom` percent.
    void SetZoom(int zoom);
    // The accessible names that follow the view (clock, counts, steps) and the
    // line a screen reader is told when something happened.
    void ApplyAccessibleTexts(const GameView& view, const GameView* old);
    void Wire();
    // The accelerators, copy and paste, as actions of the window.
    void AddActions();
    // Cursor moves, digits and Delete: true when the key was the board's.
    bool HandleBoardKey(const QKeyEvent& event);
    template <typename T> T* Find(const char* name, int index = -1) const;
    // The entries of the commands menu (menu_commands.cpp), and the menu and
    // pause panel made from them.
    std::vector<WindowCommand> MenuCommands();
    void AddCommandMenu();

    GameController& controller_;
    BoardWidget* board_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    void LayOutPanels();

    QWidget* panelRow_ = nullptr;
    std::array<QLabel*, 5> panels_{};
    QHash<QString, QWidget*> controls_;
    std::optional<GameView> shown_;
    CommandMenu* commands_ = nullptr;
    PauseCover* pause_ = nullptr;
    int zoom_ = 100;
    int pressedOption_ = 0; // the level option between its press and release
};

} // namespace dravik::ui
