#include "game/ui/window_commands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace dravik::ui {

CommandMenu::CommandMenu(QWidget& window, std::vector<WindowCommand> commands)
    : QObject(&window), window_(window), commands_(std::move(commands)) {
    menu_ = new QMenu(&window);
    menu_->setObjectName("CommandMenu");
    for (const WindowCommand& c : commands_) {
        if (c.name.isEmpty()) {
            menu_->addSeparator();
            actions_.push_back(nullptr);
            continue;
        }
        QAction* action = MakeAction(c);
        menu_->addAction(action);
        actions_.push_back(action);
    }
}

QAction* CommandMenu::MakeAction(const WindowCommand& c) {
    auto* action = new QAction(c.caption, this);
    action->setObjectName(c.name);
    if (!c.keys.isEmpty()) {
        action->setShortcuts(c.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window_.addAction(action);
    }
    connect(action, &QAction::triggered, this, [run = c.run] {
        if (run) run();
    });
    return action;
}

QAction* CommandMenu::Action(const QString& name) const {
    for (QAction* a : actions_)
        if (a && a->objectName() == name) return a;
    return nullptr;
}

void CommandMenu::Apply(const GameView& view) {
    for (std::size_t i = 0; i < commands_.size(); ++i)
        if (actions_[i]) actions_[i]->setEnabled(commands_[i].enabled(view));
}

void CommandMenu::Popup(const QPoint& globalPos) {
    menu_->popup(globalPos);
}

} // namespace dravik::ui
