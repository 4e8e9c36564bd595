// The window's commands menu: one list of entries, each a menu item with its
// key, enabled by a predicate read from the game's view. The menu opens on a
// right click on the window's background, on the technique panel and on the
// board outside its marks. An entry with keys is also a shortcut of the
// window, acting only while its item is enabled; an entry of a button shows
// that button's key and clicks it.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

#include "game/play/view.h"

class QAction;
class QMenu;
class QWidget;

namespace dravik::ui {

struct WindowCommand {
    QString name;    // the action's objectName, "" for a separator
    QString caption; // the menu item
    QList<QKeySequence> keys;
    std::function<bool(const GameView&)> enabled;
    std::function<void()> run;

    static WindowCommand Separator() { return {}; }
};

class CommandMenu final : public QObject {
    Q_OBJECT
  public:
    // The actions of `commands` are added to `window` (their keys) and to the menu.
    CommandMenu(QWidget& window, std::vector<WindowCommand> commands);

    QMenu* Menu() const { return menu_; }
    // The action of the entry `name`, or null.
    QAction* Action(const QString& name) const;
    // Every item enabled as its predicate says for `view`.
    void Apply(const GameView& view);
    void Popup(const QPoint& globalPos);

  private:
    QAction* MakeAction(const WindowCommand& c);

    QWidget& window_;
    QMenu* menu_ = nullptr;
    std::vector<WindowCommand> commands_;
    std::vector<QAction*> actions_; // by entry; null for a separator
};

} // namespace dravik::ui
