// The players dialog ("FormNamen"): made once, hidden and shown again, never
// destroyed before the game window. Its rules are PlayersDialog's; the widgets
// only draw that state and forward what the user does. It is modal while it
// is shown, without an event loop of its own: Closed() reports that it hid,
// and the chosen player and the list are then in Rules().Players().
#pragma once

#include <QDialog>

#include <optional>

#include "game/players/players_dialog.h"
#include "game/ports/prompt.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dravik::ui {

class FormNamen final : public QDialog {
    Q_OBJECT
  public:
    // Writes through `store`; rejected names are shown through `prompt`.
    FormNamen(SettingsStore& store, Prompt& prompt, QWidget* parent = nullptr);

    // Shows the dialog over `players`, centred on `over`.
    void Open(const PlayerList& players, const QWidget& over);

    const PlayersDialog& Rules() const { return rules_; }

  signals:
    // The dialog hid: OK, Cancel, Free Play, a double click or the close box.
    void Closed();
    // "Statistics...": the statistics window over the dialog.
    void StatisticsRequested();

  public slots:
    // Esc outside the entry: Cancel, while Cancel is available.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Runs one of the rules' handlers, shows its message if any, draws the
    // result and hides the dialog when the rules say so.
    template <typename Handler> void Forward(Handler&& handler);
    void Show(const std::optional<PlayersMessage>& message);
    // Left = the window's left + (its width - the dialog's width) / 2; top alike.
    void CentreOn(const QWidget& over);
    void Draw();

    PlayersDialog rules_;
    Prompt& prompt_;
    QLabel* label_ = nullptr;
    QListWidget* list_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QPushButton* newPlayer_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* free_ = nullptr;
    QPushButton* statistics_ = nullptr;
    bool drawing_ = false;
    std::optional<PlayersFocus> drawnFocus_; // where Draw last put the focus
};

} // namespace dravik::ui
