// The game window's commands menu and pause panel. Every entry of the menu is
// one line of MenuCommands(): its action's name, caption, keys, the view's
// predicate that enables it, and what it does.
#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include "game/qt/text.h"
#include "game/ui/board_widget.h"
#include "game/ui/controller.h"
#include "game/ui/main_window.h"
#include "game/ui/pause_cover.h"

namespace dravik::ui {

std::vector<WindowCommand> MainWindow::MenuCommands() {
    // A button's entry shows the button's own key and clicks it.
    auto button = [this](const char* name, const char* caption,
                         std::function<bool(const GameView&)> enabled) {
        QString text = TrQString(caption);
        const QString keyAction = QStringLiteral("Key") + QString::fromLatin1(name);
        for (QAction* a : actions())
            if (a->objectName() == keyAction && !a->shortcut().isEmpty())
                text += QLatin1Char('\t') + a->shortcut().toString(QKeySequence::NativeText);
        auto* b = qobject_cast<QAbstractButton*>(Control(QString::fromLatin1(name)));
        return WindowCommand{
            QStringLiteral("Menu") + QString::fromLatin1(name), text, {}, std::move(enabled), [b] {
                b->click();
            }};
    };
    auto intent = [this](void (Game::*command)()) {
        return [this, command] { controller_.Do([command](Game& g) { (g.*command)(); }); };
    };
    auto always = [](const GameView&) { return true; };
    return {
        button("CommandHint", QT_TRANSLATE_NOOP("dravik", "Hint"),
               [](const GameView& v) { return v.Buttons.Hint; }),
        {"KeySolutionPath",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Solution path...")),
         {QKeySequence(Qt::Key_F3)},
         [](const GameView& v) { return v.Commands.SolutionPath; },
         [this] { emit SolutionPathRequested(); }},
        WindowCommand::Separator(),
        button("CommandUndo", QT_TRANSLATE_NOOP("dravik", "Undo"),
               [](const GameView& v) { return v.Buttons.Undo; }),
        button("CommandRedo", QT_TRANSLATE_NOOP("dravik", "Redo"),
               [](const GameView& v) { return v.Buttons.Redo; }),
        {"KeySetCheckpoint",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Set checkpoint")),
         {QKeySequence(Qt::Key_F5)},
         [](const GameView& v) { return v.Commands.SetCheckpoint; },
         intent(&Game::SetCheckpoint)},
        {"KeyBackToCheckpoint",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Back to checkpoint")),
         {QKeySequence(Qt::Key_F6)},
         [](const GameView& v) { return v.Commands.BackToCheckpoint; },
         intent(&Game::BackToCheckpoint)},
        {"KeyUndoToBeforeMistake",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Undo to before the first mistake")),
         {QKeySequence(Qt::Key_F7)},
         [](const GameView& v) { return v.Commands.UndoToBeforeMistake; },
         intent(&Game::UndoToBeforeMistake)},
        WindowCommand::Separator(),
        {"KeyPause",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Pause")),
         {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)},
         [](const GameView& v) { return v.Commands.Pause; },
         intent(&Game::Pause)},
        WindowCommand::Separator(),
        {"KeyStatistics",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Statistics...")),
         {QKeySequence(Qt::Key_F4)},
         always,
         [this] { emit StatisticsRequested(); }},
        button("CommandHelp", QT_TRANSLATE_NOOP("dravik", "Help"), always),
        {"KeyKeysHelp",
         TrQString(QT_TRANSLATE_NOOP("dravik", "Keyboard and mouse")),
         {QKeySequence(Qt::SHIFT | Qt::Key_F1)},
         always,
         [this] { emit KeysHelpRequested(); }},
    };
}

void MainWindow::AddCommandMenu() {
    commands_ = new CommandMenu(*this, MenuCommands());
    pause_ = new PauseCover(*this, [this] { controller_.Do([](Game& g) { g.Resume(); }); });
    pause_->SetZoom(zoom_);
    connect(board_, &BoardWidget::MenuRequested, this, [this](QPoint at) { commands_->Popup(at); });
    // The marker's right click has a menu of its own.
    if (QWidget* marker = Control("LabelHint"))
        marker->setContextMenuPolicy(Qt::PreventContextMenu);
    // The tooltips of Hint and Help name the menu's keys too.
    QStringList keys;
    QString keysHelp;
    for (QAction* a : commands_->Menu()->actions()) {
        if (a->shortcut().isEmpty() || !actions().contains(a)) continue;
        const QString line = QString(a->text()).remove(QStringLiteral("...")) +
                             QStringLiteral(": ") +
                             a->shortcut().toString(QKeySequence::NativeText);
        if (a->objectName() == QLatin1String("KeyKeysHelp"))
            keysHelp = line;
        else
            keys << line;
    }
    const QString more = TrQString(
        QT_TRANSLATE_NOOP("dravik", "Right-click the window for these and more commands."));
    auto addTip = [this](const char* name, const QString& lines) {
        if (QWidget* w = Control(QString::fromLatin1(name)))
            w->setToolTip(w->toolTip() + QLatin1Char('\n') + lines);
    };
    addTip("CommandHint", keys.join(QLatin1Char('\n')) + QLatin1Char('\n') + more);
    addTip("CommandHelp", keysHelp + QLatin1Char('\n') + more);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The background and the technique panel (their labels leave it to the window).
    commands_->Popup(event->globalPos());
    event->accept();
}

} // namespace dravik::ui
