#include "game/ui/form_namen.h"
#include "game/qt/text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <type_traits>

namespace dravik::ui {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, std::string_view caption) {
    auto* button = new QPushButton(TrQString(caption), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

FormNamen::FormNamen(SettingsStore& store, Prompt& prompt, QWidget* parent)
    : QDialog(parent), rules_(store), prompt_(prompt) {
    setObjectName("FormNamen");
    setWindowTitle(TrQString(kPlayersCaption));

    label_ = new QLabel(TrQString(kPlayersLabel1), this);
    label_->setObjectName("Label1");
    label_->setWordWrap(true);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(fixed);
    list_ = new QListWidget(this);
    list_->setObjectName("Naamlijst");
    list_->setFont(fixed);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A full name and the scroll bar beside it, about eight lines high.
    list_->setMinimumSize(metrics.horizontalAdvance(QString(kPlayerNameLength + 6, 'M')),
                          metrics.lineSpacing() * 8);
    entry_ = new QLineEdit(this);
    entry_->setObjectName("NaamInvoerveld");
    entry_->setFont(fixed);
    entry_->installEventFilter(this);
    // What a screen reader calls the list and the entry.
    list_->setAccessibleName(ToQString(kPlayersCaption));
    entry_->setAccessibleName(ToQString(kEntryAccessibleName));

    newPlayer_ = MakeButton(this, "KnopNieuweSpeler", kCaptionNewPlayer);
    edit_ = MakeButton(this, "KnopWijzigen", kCaptionEditPlayer);
    ok_ = MakeButton(this, "KnopOK", kCaptionOk);
    cancel_ = MakeButton(this, "KnopAnnuleren", kCaptionCancel);
    free_ = MakeButton(this, "CommandFree", kCaptionFreePlay);
    // Enter anywhere but in the entry is OK; Esc is Cancel (reject()).
    ok_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0, 6, 1);
    grid->addWidget(newPlayer_, 1, 1);
    grid->addWidget(edit_, 2, 1);
    grid->addWidget(ok_, 3, 1);
    grid->addWidget(cancel_, 4, 1);
    grid->addWidget(free_, 5, 1);
    // Below the buttons, where the list leaves room: nothing else moves.
    statistics_ =
        MakeButton(this, "CommandStatistics", QT_TRANSLATE_NOOP("dravik", "Statistics..."));
    statistics_->setAutoDefault(false);
    grid->addWidget(statistics_, 6, 1, Qt::AlignTop);
    connect(statistics_, &QPushButton::clicked, this, &FormNamen::StatisticsRequested);
    grid->setRowStretch(6, 1);
    grid->addWidget(entry_, 7, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (drawing_) return;
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        const int line = selected.isEmpty() ? -1 : list_->row(selected.front());
        Forward([this, line] { rules_.ListClick(line); });
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int line = list_->row(item);
        Forward([this, line] { rules_.ListDoubleClick(line); });
    });
    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (drawing_) return;
        const std::string typed = text.toStdString();
        Forward([this, &typed] { rules_.TypeText(typed); });
    });
    connect(newPlayer_, &QPushButton::clicked, this,
            [this] { Forward([this] { return rules_.NewPlayer(); }); });
    connect(edit_, &QPushButton::clicked, this,
            [this] { Forward([this] { rules_.EditPlayer(); }); });
    connect(ok_, &QPushButton::clicked, this, [this] { Forward([this] { rules_.Ok(); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Forward([this] { rules_.Cancel(); }); });
    connect(free_, &QPushButton::clicked, this, [this] { Forward([this] { rules_.FreePlay(); }); });
}

void FormNamen::Open(const PlayerList& players, const QWidget& over) {
    rules_.Activate(players);
    Draw();
    adjustSize();
    CentreOn(over);
    setWindowModality(Qt::ApplicationModal);
    show();
    // The frame around the dialog is known once it is on screen the first time.
    CentreOn(over);
    raise();
    activateWindow();
    // The focus goes to the list once the dialog can take it, and Enter is OK
    // again whichever button had it last time.
    drawnFocus_.reset();
    Draw();
    ok_->setDefault(true);
}

void FormNamen::CentreOn(const QWidget& over) {
    const QRect outer = over.frameGeometry();
    const QSize own = frameGeometry().size();
    const QPoint at(CentredOn(outer.left(), outer.width(), own.width()),
                    CentredOn(outer.top(), outer.height(), own.height()));
    if (pos() != at) move(at);
}

void FormNamen::reject() {
    Forward([this] { rules_.Cancel(); });
}

void FormNamen::closeEvent(QCloseEvent* event) {
    // The close box never closes the dialog itself: it is handled as Cancel,
    // which hides it.
    event->ignore();
    Forward([this] { rules_.CloseBox(); });
}

bool FormNamen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ && event->type() == QEvent::KeyPress) {
        // Enter and Esc belong to the entry (they never reach OK or Cancel);
        // every other key goes into it unchanged.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Forward([this] { return rules_.EnterKey(); });
            return true;
        case Qt::Key_Escape:
            Forward([this] { rules_.EscapeKey(); });
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

template <typename Handler> void FormNamen::Forward(Handler&& handler) {
    const bool wasVisible = rules_.Visible();
    if constexpr (std::is_void_v<std::invoke_result_t<Handler>>) {
        handler();
        Draw();
    } else {
        const std::optional<PlayersMessage> message = handler();
        Draw();
        Show(message);
    }
    if (wasVisible && !rules_.Visible()) {
        hide();
        emit Closed();
    }
}

void FormNamen::Show(const std::optional<PlayersMessage>& message) {
    if (!message) return;
    QApplication::beep();
    prompt_.ShowMessage(message->Text, message->Title, MessageIcon::Information,
                        MessageButtons::Ok);
}

void FormNamen::Draw() {
    drawing_ = true;
    const PlayerList& players = rules_.Players();
    for (int line = 0; line < players.PlayerCount(); ++line) {
        const QString text = QString::fromStdString(players.Names[static_cast<std::size_t>(line)]);
        if (line < list_->count()) {
            if (list_->item(line)->text() != text) list_->item(line)->setText(text);
        } else {
            list_->addItem(text);
        }
    }
    while (list_->count() > players.PlayerCount()) delete list_->takeItem(list_->count() - 1);
    // Only a selection that differs is set: the list may be in the middle of
    // a click that made this one.
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    const int shownLine = selected.isEmpty() ? -1 : list_->row(selected.front());
    if (shownLine != rules_.Selection()) {
        if (rules_.Selection() < 0) {
            list_->clearSelection();
            list_->setCurrentRow(-1);
        } else {
            list_->setCurrentRow(rules_.Selection());
        }
    }

    const PlayersControls& c = rules_.Controls();
    list_->setEnabled(c.List);
    entry_->setEnabled(c.Entry);
    newPlayer_->setEnabled(c.NewPlayer);
    edit_->setEnabled(c.EditPlayer);
    cancel_->setEnabled(c.Cancel);
    ok_->setEnabled(c.Ok);
    free_->setEnabled(c.FreePlay);
    const QString entryText = QString::fromStdString(rules_.EntryText());
    if (entry_->text() != entryText) entry_->setText(entryText);

    // The focus moves only where the rules move it, so the user's own Tab
    // stays where it went.
    if (drawnFocus_ != rules_.Focus()) {
        drawnFocus_ = rules_.Focus();
        if (rules_.Focus() == PlayersFocus::Entry)
            entry_->setFocus();
        else
            list_->setFocus();
    }
    drawing_ = false;
}

} // namespace dravik::ui
