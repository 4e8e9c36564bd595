#include "game/ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QWindowStateChangeEvent>

#include "game/ui/board_widget.h"
#include "game/ui/clipboard_text.h"
#include "game/ui/controller.h"
#include "game/ui/logo.h"
#include "game/ui/look.h"

namespace dravik::ui {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

Qt::Alignment ToQt(Align a) {
    switch (a) {
    case Align::Centre:
        return Qt::AlignCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A control's own colour. Buttons of every kind paint their background from
// the Button role, the other widgets from Window; a push button draws its own
// face, the rest are filled.
void SetBackground(QWidget* w, std::optional<Rgb> colour, bool fill) {
    if (!colour) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(*colour));
    pal.setColor(QPalette::Button, ToQColor(*colour));
    w->setPalette(pal);
    w->setAutoFillBackground(fill);
}

// Shrinks the font of a fixed-size control until its caption fits: the
// platform's default font may be wider than the one the layout was made for.
void FitCaption(QWidget* w, const QString& caption, int room) {
    if (caption.isEmpty() || room <= 0) return;
    QFont font = w->font();
    const int smallest = std::max(6, font.pixelSize() * 7 / 10);
    while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(caption) > room)
        font.setPixelSize(font.pixelSize() - 1);
    w->setFont(font);
}

// A command button drawn flat in its own colour with a raised edge, so its
// face shows exactly the designed colour whatever the style would shade it.
class CommandButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, palette().color(QPalette::Button));
        const QColor light(255, 255, 255), shadow(128, 128, 128), dark(0, 0, 0);
        const bool down = isDown();
        auto edge = [&](const QRect& e, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(e.topLeft(), e.topRight());
            p.drawLine(e.topLeft(), e.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(e.bottomLeft(), e.bottomRight());
            p.drawLine(e.topRight(), e.bottomRight());
        };
        if (down) {
            edge(r, dark, light);
            edge(r.adjusted(1, 1, -1, -1), shadow, palette().color(QPalette::Button));
        } else {
            edge(r, light, dark);
            edge(r.adjusted(1, 1, -1, -1), palette().color(QPalette::Button), shadow);
        }
        QRect text = r.adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
        p.setFont(font());
        if (isEnabled()) {
            p.setPen(dark);
            p.drawText(text, Qt::AlignCenter, this->text());
        } else {
            p.setPen(light);
            p.drawText(text.translated(1, 1), Qt::AlignCenter, this->text());
            p.setPen(shadow);
            p.drawText(text, Qt::AlignCenter, this->text());
        }
        if (hasFocus()) {
            QPen dots(dark);
            dots.setStyle(Qt::DotLine);
            p.setPen(dots);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }
};

// The picture of Picture1: the logo, drawn at the screen's resolution.
class LogoLabel final : public ClickLabel {
  public:
    using ClickLabel::ClickLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintLogo(p, QRectF(rect()));
    }
};

// The commands that place no digit, and their keys.
struct Accelerator {
    const char* button;
    QKeySequence keys;
};
const std::array<Accelerator, 8>& Accelerators() {
    static const std::array<Accelerator, 8> list = {{
        {"CommandUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"CommandRedo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"CommandRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"CommandNew", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"CommandOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"CommandPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"CommandHelp", QKeySequence(Qt::Key_F1)},
        {"CommandHint", QKeySequence(Qt::Key_H)},
    }};
    return list;
}

// The digit 1-9 of a key press on the main row or the keypad, shifted or
// not; 0 for another key. Shift gives a symbol on the main row ('!' on a US
// keyboard) and a movement key on the keypad, so the key's place decides
// then (evdev scan codes, as X11 and Wayland report them).
int DigitOfKey(const QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    static const QString kShiftedUs = QStringLiteral("!@#$%^&*(");
    const QString text = event->text();
    if (text.size() == 1 && kShiftedUs.contains(text[0])) return kShiftedUs.indexOf(text[0]) + 1;
    const quint32 code = event->nativeScanCode();
    if (code >= 10 && code <= 18) return static_cast<int>(code) - 9;
    static const std::array<quint32, 9> kKeypad = {87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (std::size_t i = 0; i < kKeypad.size(); ++i)
        if (code == kKeypad[i]) return static_cast<int>(i) + 1;
    return 0;
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (pressed_ == Qt::NoButton) pressed_ = event->button();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const bool inside = rect().contains(event->position().toPoint());
    if (button == pressed_) pressed_ = Qt::NoButton;
    event->accept();
    if (inside) emit clicked(button, event->position().toPoint());
}

MainWindow::MainWindow(GameController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName("Main");
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    setWindowIcon(ProgramIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(kWindowColour));
    setPalette(pal);
    setAutoFillBackground(true);

    // The board first: the controls created after it lie on top of it.
    board_ = new BoardWidget(this);
    for (const ControlSpec& spec : MainControls()) CreateControl(spec);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar");
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, ToPixels(kClientHeightTwips - kStatusBarHeightTwips),
                            ToPixels(kClientWidthTwips), ToPixels(kStatusBarHeightTwips));
    QPalette barPalette = statusBar_->palette();
    barPalette.setColor(QPalette::Window, QColor(240, 240, 240));
    statusBar_->setPalette(barPalette);
    statusBar_->setAutoFillBackground(true);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(Text(kDesignStatusPanels[i]), statusBar_);
        panel->setObjectName(QStringLiteral("Panel(%1)").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(ToPixels(kStatusPanelWidthsTwips[i]) - 4);
        panel->setFont(MakeFont(FontSpec{}));
        statusBar_->addWidget(panel);
        panels_[i] = panel;
    }
    Wire();
    // Button tooltips name their keys.
    for (const Accelerator& a : Accelerators()) {
        QWidget* button = controls_.value(QString::fromLatin1(a.button));
        const QString keys = a.keys.toString(QKeySequence::NativeText);
        const QString tip = button->toolTip();
        button->setToolTip(tip.isEmpty() ? QStringLiteral("Shortcut: ") + keys
                                         : tip + QStringLiteral(", ") + keys);
    }
    qApp->installEventFilter(this);
}

QWidget* MainWindow::CreateControl(const ControlSpec& spec) {
    QWidget* parent = this;
    if (!spec.parent.empty()) parent = controls_.value(Text(spec.parent), this);
    QWidget* w = nullptr;
    switch (spec.kind) {
    case ControlKind::Button: {
        auto* b = new CommandButton(Text(spec.caption), parent);
        SetBackground(b, spec.back, false);
        w = b;
        break;
    }
    case ControlKind::Label: {
        auto* l = new ClickLabel(Text(spec.caption), parent);
        l->setAlignment(ToQt(spec.align));
        if (spec.border) {
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->setLineWidth(1);
        }
        SetBackground(l, spec.back, true);
        w = l;
        break;
    }
    case ControlKind::CheckBox: {
        auto* c = new QCheckBox(Text(spec.caption), parent);
        SetBackground(c, spec.back, true);
        w = c;
        break;
    }
    case ControlKind::OptionButton: {
        auto* r = new QRadioButton(Text(spec.caption), parent);
        SetBackground(r, spec.back, true);
        w = r;
        break;
    }
    case ControlKind::Panel: {
        auto* f = new QFrame(parent);
        if (spec.border) f->setFrameStyle(QFrame::Box | QFrame::Plain);
        SetBackground(f, spec.back, true);
        w = f;
        break;
    }
    case ControlKind::Picture:
        w = new LogoLabel(parent);
        break;
    case ControlKind::ProgressBar: {
        auto* p = new QProgressBar(parent);
        p->setRange(0, 100);
        p->setValue(0);
        p->setTextVisible(false);
        w = p;
        break;
    }
    }
    w->setObjectName(QString::fromStdString(spec.ObjectName()));
    w->setGeometry(ToPixels(spec.rect));
    w->setFont(MakeFont(spec.font));
    const int pixels = ToPixels(spec.rect.width);
    switch (spec.kind) {
    case ControlKind::Button:
        FitCaption(w, Text(spec.caption), pixels - 6);
        break;
    case ControlKind::Label:
        FitCaption(w, Text(spec.caption), pixels - 4);
        break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        const int indicator = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        FitCaption(w, Text(spec.caption), pixels - indicator - 2);
        break;
    }
    default:
        break;
    }
    if (!spec.tooltip.empty()) w->setToolTip(Text(spec.tooltip));
    controls_.insert(w->objectName(), w);
    return w;
}

template <typename T> T* MainWindow::Find(const char* name, int index) const {
    QString key = QString::fromLatin1(name);
    if (index >= 0) key += QStringLiteral("(%1)").arg(index);
    return qobject_cast<T*>(controls_.value(key));
}

void MainWindow::Wire() {
    auto onClick = [this](const char* name, auto handler) {
        connect(Find<QPushButton>(name), &QPushButton::clicked, this,
                [this, handler] { controller_.Do(handler); });
    };
    onClick("CommandNew", [](Game& g) { g.Next(); });
    onClick("CommandOpen", [](Game& g) { g.Open(); });
    onClick("CommandRestart", [](Game& g) { g.Restart(); });
    onClick("CommandUndo", [](Game& g) { g.Undo(); });
    onClick("CommandRedo", [](Game& g) { g.Redo(); });
    onClick("CommandResetCell", [](Game& g) { g.ResetCell(); });
    onClick("CommandSolution", [](Game& g) { g.Solution(); });
    connect(Find<QPushButton>("CommandHint"), &QPushButton::clicked, this,
            &MainWindow::HintRequested);
    connect(Find<QPushButton>("CommandHelp"), &QPushButton::clicked, this,
            &MainWindow::HelpRequested);
    connect(Find<QPushButton>("CommandPrint"), &QPushButton::clicked, this,
            &MainWindow::PrintRequested);
    connect(Find<QPushButton>("cmdPlayers"), &QPushButton::clicked, this,
            &MainWindow::PlayersRequested);
    connect(Find<ClickLabel>("Picture1"), &ClickLabel::clicked, this,
            [this](Qt::MouseButton button, QPoint) {
                if (button == Qt::LeftButton) emit LogoClicked();
            });
    connect(Find<ClickLabel>("LabelHint"), &ClickLabel::clicked, this,
            &MainWindow::HintMarkerClicked);

    // Only the player's clicks reach the game: Apply() sets the box without a signal.
    connect(Find<QCheckBox>("chkSound"), &QCheckBox::clicked, this, [this](bool checked) {
        controller_.Do([checked](Game& g) { g.SoundClicked(checked); });
    });
    for (int level = 1; level <= 5; ++level) {
        connect(Find<QRadioButton>("OptionType", level), &QRadioButton::clicked, this,
                [this, level] { controller_.Do([level](Game& g) { g.SelectLevel(level); }); });
        connect(Find<ClickLabel>("RenewLevel", level), &ClickLabel::clicked, this,
                [this, level](Qt::MouseButton button, QPoint) {
                    if (button != Qt::LeftButton) return;
                    controller_.Do([level](Game& g) { g.Renew(level); });
                });
    }

    connect(board_, &BoardWidget::MarkReleased, this,
            [this](int digit, int cell, int button, int x, int y) {
                controller_.Do([=](Game& g) { g.MarkMouseUp(digit, cell, button, x, y); });
            });
    connect(board_, &BoardWidget::CellPressed, this,
            [this](int cell) { controller_.Do([cell](Game& g) { g.SetCursor(cell); }); });
    connect(board_, &BoardWidget::RowLabelReleased, this, [this](int row, int x, int y) {
        controller_.Do([=](Game& g) { g.LabelRowMouseUp(row, x, y); });
    });
    connect(board_, &BoardWidget::ColumnLabelReleased, this, [this](int column, int x, int y) {
        controller_.Do([=](Game& g) { g.LabelColumnMouseUp(column, x, y); });
    });
    connect(&controller_, &GameController::ViewChanged, this,
            [this] { Apply(controller_.View()); });
}

void MainWindow::Apply(const GameView& view) {
    const GameView* old = shown_ ? &*shown_ : nullptr;
    auto changed = [&](auto member) { return !old || old->*member != view.*member; };

    board_->SetView(view);
    if (changed(&GameView::Title)) setWindowTitle(Text(view.Title));
    if (changed(&GameView::LabelTijd)) Find<QLabel>("LabelTijd")->setText(Text(view.LabelTijd));
    if (changed(&GameView::LabelStap)) Find<QLabel>("LabelStap")->setText(Text(view.LabelStap));

    if (changed(&GameView::Buttons)) {
        const ButtonStates& b = view.Buttons;
        const std::pair<const char*, bool> buttons[] = {
            {"CommandRestart", b.Restart},   {"CommandUndo", b.Undo},
            {"CommandRedo", b.Redo},         {"CommandResetCell", b.ResetCell},
            {"CommandSolution", b.Solution}, {"CommandHint", b.Hint},
            {"CommandNew", b.Next},          {"CommandOpen", b.Open},
            {"CommandPrint", b.Print}};
        for (const auto& [name, on] : buttons) Find<QWidget>(name)->setEnabled(on);
        for (int level = 1; level <= 5; ++level) {
            Find<QWidget>("OptionType", level)->setEnabled(b.OptionType[level]);
            Find<QWidget>("RenewLevel", level)->setEnabled(b.RenewLevel[level]);
        }
    }
    if (changed(&GameView::SelectedLevelButton)) {
        for (int level = 1; level <= 5; ++level)
            Find<QRadioButton>("OptionType", level)->setChecked(level == view.SelectedLevelButton);
    }
    if (changed(&GameView::StatusPanels))
        for (std::size_t i = 0; i < panels_.size(); ++i)
            panels_[i]->setText(Text(view.StatusPanels[i]));
    if (changed(&GameView::TechniqueCounts))
        for (int k = 0; k < kTechniqueCount; ++k)
            Find<QLabel>("LabelCount", kTechniqueCount + k)
                ->setText(Text(view.TechniqueCounts[static_cast<std::size_t>(k)]));
    if (changed(&GameView::HintTop) || changed(&GameView::HintTag)) {
        // The marker sits over the count box of its technique, from the view.
        QWidget* marker = Find<QWidget>("LabelHint");
        QRect at = marker->geometry();
        at.moveTop(ToPixels(view.HintTop));
        marker->setGeometry(at);
        marker->setToolTip(view.HintTag >= 1 && view.HintTag <= kTechniqueCount
                               ? QStringLiteral("Hint: %1. Click to learn the technique; "
                                                "right-click to be shown where.")
                                     .arg(Text(TechniqueCaption(view.HintTag - 1)))
                               : QString());
    }
    if (changed(&GameView::HintVisible)) Find<QWidget>("LabelHint")->setVisible(view.HintVisible);
    if (!old || old->Highlight.Explanation != view.Highlight.Explanation) {
        // "Show where" explains the step across the status bar, over its panels.
        if (view.Highlight.Explanation.empty())
            statusBar_->clearMessage();
        else
            statusBar_->showMessage(Text(view.Highlight.Explanation));
    }
    if (changed(&GameView::SoundChecked) || changed(&GameView::SoundEnabled)) {
        auto* box = Find<QCheckBox>("chkSound");
        box->setChecked(view.SoundChecked); // no clicked() signal: the game is not told
        box->setEnabled(view.SoundEnabled);
    }
    if (changed(&GameView::StartupPanelVisible))
        Find<QWidget>("Picture3")->setVisible(view.StartupPanelVisible);
    if (changed(&GameView::ProgressBar1))
        for (int level = 1; level <= 5; ++level)
            Find<QProgressBar>("ProgressBar1", level)->setValue(view.ProgressBar1[level]);
    if (changed(&GameView::ProgressBar2Visible))
        Find<QWidget>("ProgressBar2")->setVisible(view.ProgressBar2Visible);
    if (changed(&GameView::ProgressBar2))
        Find<QProgressBar>("ProgressBar2")->setValue(view.ProgressBar2);
    shown_ = view;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && (w == this || isAncestorOf(w)) && HandleKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::HandleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QKeySequence pressed(event->keyCombination());
    for (const Accelerator& a : Accelerators()) {
        if (pressed != a.keys) continue;
        auto* button =
            qobject_cast<QAbstractButton*>(controls_.value(QString::fromLatin1(a.button)));
        // Only while the button itself could be pressed.
        if (button && button->isEnabled()) button->click();
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_C) {
        const std::string text = controller_.game().GivensText();
        if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_V) {
        const std::string text = ClipboardPuzzleText();
        controller_.Do([&text](Game& g) { g.PlayText(text); });
        return true;
    }
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (event->key()) {
    case Qt::Key_Left:
        controller_.Do([](Game& g) { g.MoveCursor(0, -1); });
        return true;
    case Qt::Key_Right:
        controller_.Do([](Game& g) { g.MoveCursor(0, 1); });
        return true;
    case Qt::Key_Up:
        controller_.Do([](Game& g) { g.MoveCursor(-1, 0); });
        return true;
    case Qt::Key_Down:
        controller_.Do([](Game& g) { g.MoveCursor(1, 0); });
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        controller_.Do([](Game& g) { g.KeyResetCell(); });
        return true;
    default:
        break;
    }
    if (const int digit = DigitOfKey(event); digit != 0) {
        const bool strike = (mods & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
        controller_.Do([digit, strike](Game& g) { g.KeyDigit(digit, strike); });
        return true;
    }
    return false;
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size().expandedTo(size());
    QPoint at(area.left() + (area.width() - frame.width()) / 2,
              area.top() + (area.height() - frame.height()) / 2);
    at.setX(std::max(at.x(), area.left()));
    at.setY(std::max(at.y(), area.top()));
    move(at);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool quit = false;
    controller_.Do([&quit](Game& g) { quit = g.QueryQuit(); });
    if (quit)
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = windowState();
        WindowState s = WindowState::Normal;
        if (state & Qt::WindowMinimized)
            s = WindowState::Minimized;
        else if (state & Qt::WindowMaximized)
            s = WindowState::Maximized;
        controller_.Do([s](Game& g) { g.Resize(s); });
    }
    QWidget::changeEvent(event);
}

} // namespace dravik::ui
