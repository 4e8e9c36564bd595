#include "game/ui/main_window.h"

#include <QAction>
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QWindowStateChangeEvent>

#include "game/play/accessible_names.h"
#include "game/play/status_texts.h"
#include "game/qt/text.h"
#include "game/ui/board_accessible.h"
#include "game/ui/board_widget.h"
#include "game/ui/clipboard_text.h"
#include "game/ui/controller.h"
#include "game/ui/keys.h"
#include "game/ui/logo.h"
#include "game/ui/look.h"
#include "game/ui/pause_cover.h"

namespace dravik::ui {

namespace {

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

// The hint marker: red, and for eyes that do not tell red apart, outlined
// twice, black outside and white inside, unlike any other box of the window.
class HintMarkerLabel final : public ClickLabel {
  public:
    using ClickLabel::ClickLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        const int edge = std::max(1, r.width() / 8);
        p.fillRect(r, Qt::black);
        p.fillRect(r.adjusted(edge, edge, -edge, -edge), Qt::white);
        p.fillRect(r.adjusted(2 * edge, 2 * edge, -2 * edge, -2 * edge),
                   palette().color(QPalette::Window));
    }
};

// The commands that place no digit, and their keys.
struct Accelerator {
    const char* button;
    QList<QKeySequence> keys;
};
const std::array<Accelerator, 7>& Accelerators() {
    static const std::array<Accelerator, 7> list = {{
        {"CommandUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"CommandRedo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"CommandNew", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {"CommandOpen", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {"CommandPrint", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {"CommandHelp", {QKeySequence(Qt::Key_F1)}},
        {"CommandHint", {QKeySequence(Qt::Key_H)}},
    }};
    return list;
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
    InstallAccessibleFactories();
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    // The icon comes once the window has been painted (App::Start).
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
    // The panels lie in one row that the bar hides while it shows a message.
    panelRow_ = new QWidget(statusBar_);
    panelRow_->setObjectName("Panels");
    panelRow_->installEventFilter(this);
    statusBar_->addWidget(panelRow_, 1);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(TrQString(kDesignStatusPanels[i]), panelRow_);
        panel->setObjectName(QStringLiteral("Panel(%1)").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(3);
        panel->setFont(MakeFont(FontSpec{}));
        panels_[i] = panel;
    }
    statusBar_->setAccessibleName(TrQString(QT_TRANSLATE_NOOP("dravik", "Status bar")));
    Wire();
    AddActions();
    AddCommandMenu();
    // The board holds the keyboard; the other controls take it only by Tab.
    for (QWidget* w : controls_)
        w->setFocusPolicy(w->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::TabFocus);
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->installEventFilter(this);
    board_->setFocus();
}

void MainWindow::AddActions() {
    auto add = [this](const QString& name, const QList<QKeySequence>& keys, auto triggered) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, triggered);
        addAction(action);
        return action;
    };
    for (const Accelerator& a : Accelerators()) {
        auto* button = Find<QAbstractButton>(a.button);
        // A click on a disabled button does nothing: the key acts only while
        // the button could be pressed.
        add(QStringLiteral("Key") + QString::fromLatin1(a.button), a.keys,
            [button] { button->click(); });
        // The button's tooltip names its keys.
        QStringList names;
        for (const QKeySequence& k : a.keys) names << k.toString(QKeySequence::NativeText);
        const QString keys = names.join(QStringLiteral(", "));
        const QString tip = button->toolTip();
        button->setToolTip(tip.isEmpty()
                               ? TrQString(QT_TRANSLATE_NOOP("dravik", "Shortcut: %1")).arg(keys)
                               : tip + QStringLiteral(", ") + keys);
    }
    // The zoom: Ctrl+Plus (or Ctrl+=, the same key without Shift), Ctrl+Minus, Ctrl+0.
    add(QStringLiteral("KeyZoomIn"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { controller_.Do([](Game& g) { g.ZoomIn(); }); });
    add(QStringLiteral("KeyZoomOut"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        [this] { controller_.Do([](Game& g) { g.ZoomOut(); }); });
    add(QStringLiteral("KeyZoomReset"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { controller_.Do([](Game& g) { g.ZoomReset(); }); });
    add(QStringLiteral("KeyCopy"), {QKeySequence(QKeySequence::Copy)}, [this] {
        const std::string text = controller_.game().GivensText();
        if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    });
    add(QStringLiteral("KeyPaste"), {QKeySequence(QKeySequence::Paste)}, [this] {
        const std::string text = ClipboardPuzzleText();
        controller_.Do([&text](Game& g) { g.PlayText(text); });
    });
}

QWidget* MainWindow::CreateControl(const ControlSpec& spec) {
    QWidget* parent = this;
    if (!spec.parent.empty()) parent = controls_.value(ToQString(spec.parent), this);
    const QString caption = TrQString(spec.caption);
    QWidget* w = nullptr;
    switch (spec.kind) {
    case ControlKind::Button: {
        auto* b = new CommandButton(caption, parent);
        SetBackground(b, spec.back, false);
        w = b;
        break;
    }
    case ControlKind::Label: {
        auto* l = spec.name == "LabelHint" ? new HintMarkerLabel(caption, parent)
                                           : new ClickLabel(caption, parent);
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
        auto* c = new QCheckBox(caption, parent);
        SetBackground(c, spec.back, true);
        w = c;
        break;
    }
    case ControlKind::OptionButton: {
        auto* r = new QRadioButton(caption, parent);
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
    PlaceControl(spec, w);
    if (!spec.tooltip.empty()) w->setToolTip(TrQString(spec.tooltip));
    if (spec.name == "RenewLevel") w->setAccessibleName(ToQString(RenewAccessibleName(spec.index)));
    controls_.insert(w->objectName(), w);
    return w;
}

void MainWindow::PlaceControl(const ControlSpec& spec, QWidget* w) {
    const QString caption = TrQString(spec.caption);
    w->setGeometry(ToPixels(spec.rect, zoom_));
    w->setFont(MakeFont(spec.font, zoom_));
    const int pixels = ToPixels(spec.rect.width, zoom_);
    const int margin = ScaledPixels(6, zoom_);
    switch (spec.kind) {
    case ControlKind::Button:
        FitCaption(w, caption, pixels - margin);
        break;
    case ControlKind::Label:
        FitCaption(w, caption, pixels - margin);
        if (spec.border)
            static_cast<QLabel*>(w)->setIndent(
                spec.align == Align::Centre ? 0 : ScaledPixels(2, zoom_));
        break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        const int indicator = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        FitCaption(w, caption, pixels - indicator - 2);
        break;
    }
    default:
        break;
    }
}

void MainWindow::SetZoom(int zoom) {
    zoom_ = zoom;
    setFixedSize(ToPixels(kClientWidthTwips, zoom_), ToPixels(kClientHeightTwips, zoom_));
    board_->SetZoom(zoom_);
    if (pause_) pause_->SetZoom(zoom_);
    for (const ControlSpec& spec : MainControls())
        PlaceControl(spec, controls_.value(QString::fromStdString(spec.ObjectName())));
    statusBar_->setGeometry(0, ToPixels(kClientHeightTwips - kStatusBarHeightTwips, zoom_),
                            ToPixels(kClientWidthTwips, zoom_),
                            ToPixels(kStatusBarHeightTwips, zoom_));
    statusBar_->setFont(MakeFont(FontSpec{}, zoom_));
    LayOutPanels();
    // A window grown beyond the screen's edge moves back onto it, its top-left
    // corner first.
    if (const QScreen* screen = this->screen(); screen && isVisible()) {
        const QPoint at = KeptInside(screen->availableGeometry(), pos(),
                                     frameGeometry().united(geometry()).size());
        if (at != pos()) move(at);
    }
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
    onClick("CommandSolution", [](Game& g) { g.ShowSolution(); });
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
    connect(Find<QCheckBox>("chkSound"), &QCheckBox::clicked, this,
            [this](bool checked) { controller_.Do([checked](Game& g) { g.SetSound(checked); }); });
    for (int level = 1; level <= kLevels; ++level) {
        auto* option = Find<QRadioButton>("OptionType", level);
        connect(option, &QRadioButton::clicked, this,
                [this, level] { controller_.Do([level](Game& g) { g.SelectLevel(level); }); });
        // A screen reader toggles the option without a click: that chooses the
        // level too. A click (mouse or key) toggles between its press and its
        // release, and then clicks.
        connect(option, &QRadioButton::pressed, this, [this, level] { pressedOption_ = level; });
        connect(option, &QRadioButton::released, this, [this] { pressedOption_ = 0; });
        connect(option, &QRadioButton::toggled, this, [this, level](bool on) {
            if (!on || pressedOption_ == level) return;
            controller_.Do([level](Game& g) { g.SelectLevel(level); });
            // Refused: the option the game has stays the chosen one.
            const int chosen = controller_.View().SelectedLevel;
            if (chosen != level && IsLevel(chosen)) {
                auto* kept = Find<QRadioButton>("OptionType", chosen);
                const QSignalBlocker quiet(kept);
                kept->setChecked(true);
            }
        });
        connect(Find<ClickLabel>("RenewLevel", level), &ClickLabel::clicked, this,
                [this, level](Qt::MouseButton button, QPoint) {
                    if (button != Qt::LeftButton) return;
                    controller_.Do([level](Game& g) { g.Renew(level); });
                });
    }

    connect(board_, &BoardWidget::PlaceRequested, this, [this](int cell, int digit) {
        controller_.Do([=](Game& g) { g.PlaceDigit(cell, digit); });
    });
    connect(board_, &BoardWidget::StrikeRequested, this, [this](int cell, int digit) {
        controller_.Do([=](Game& g) { g.StrikeMark(cell, digit); });
    });
    connect(board_, &BoardWidget::CellPressed, this,
            [this](int cell) { controller_.Do([cell](Game& g) { g.SetCursor(cell); }); });
    connect(board_, &BoardWidget::RowToggled, this,
            [this](int row) { controller_.Do([row](Game& g) { g.ToggleRow(row); }); });
    connect(board_, &BoardWidget::ColumnToggled, this,
            [this](int column) { controller_.Do([column](Game& g) { g.ToggleColumn(column); }); });
    connect(&controller_, &GameController::ViewChanged, this, &MainWindow::Apply);
}

void MainWindow::Apply(const GameView& view) {
    const GameView* old = shown_ ? &*shown_ : nullptr;
    if (view.Zoom != zoom_) {
        // Every widget is placed afresh, and then drawn as if for the first time.
        SetZoom(view.Zoom);
        old = nullptr;
    }
    auto changed = [&](auto member) { return !old || old->*member != view.*member; };

    board_->SetView(view);
    if (changed(&GameView::Title)) setWindowTitle(ToQString(view.Title));
    if (changed(&GameView::Time)) Find<QLabel>("LabelTijd")->setText(ToQString(view.Time));
    if (changed(&GameView::Steps)) Find<QLabel>("LabelStap")->setText(ToQString(view.Steps));

    if (changed(&GameView::Buttons)) {
        const ButtonStates& b = view.Buttons;
        const std::pair<const char*, bool> buttons[] = {
            {"CommandRestart", b.Restart},   {"CommandUndo", b.Undo},
            {"CommandRedo", b.Redo},         {"CommandResetCell", b.ResetCell},
            {"CommandSolution", b.Solution}, {"CommandHint", b.Hint},
            {"CommandNew", b.Next},          {"CommandOpen", b.Open},
            {"CommandPrint", b.Print}};
        for (const auto& [name, on] : buttons) Find<QWidget>(name)->setEnabled(on);
        for (int level = 1; level <= kLevels; ++level) {
            Find<QWidget>("OptionType", level)->setEnabled(b.Level[level]);
            Find<QWidget>("RenewLevel", level)->setEnabled(b.Renew[level]);
        }
    }
    if (changed(&GameView::SelectedLevel)) {
        for (int level = 1; level <= kLevels; ++level) {
            auto* option = Find<QRadioButton>("OptionType", level);
            const QSignalBlocker quiet(option); // the game has chosen it already
            option->setChecked(level == view.SelectedLevel);
        }
    }
    if (changed(&GameView::StatusPanels)) {
        for (std::size_t i = 0; i < panels_.size(); ++i)
            panels_[i]->setText(ToQString(view.StatusPanels[i]));
        LayOutPanels();
    }
    if (changed(&GameView::TechniqueCounts))
        for (int k = 0; k < kTechniqueCount; ++k) {
            const int index = kTechniqueCount + k;
            auto* count = Find<QLabel>("LabelCount", index);
            count->setText(ToQString(view.TechniqueCounts[static_cast<std::size_t>(k)]));
            // Two digits fit whole: the font gives way where the box is narrow.
            count->setFont(MakeFont(FindControl("LabelCount", index)->font, zoom_));
            FitCaption(count, count->text(), count->contentsRect().width() - 2 * count->indent());
        }
    if (changed(&GameView::HintMarker)) {
        // The marker lies over the count box of its technique.
        QWidget* marker = Find<QWidget>("LabelHint");
        if (view.HintMarker) {
            const int k = *view.HintMarker;
            marker->setGeometry(
                ToPixels(FindControl("LabelCount", kTechniqueCount + k)->rect, zoom_));
            marker->setToolTip(
                TrQString(QT_TRANSLATE_NOOP("dravik", "Hint: %1. Click to learn the "
                                                      "technique; right-click to be shown "
                                                      "where."))
                    .arg(TrQString(TechniqueCaption(k))));
        } else {
            marker->setToolTip(QString());
        }
        marker->setVisible(view.HintMarker.has_value());
    }
    if (!old || old->Highlight.Explanation != view.Highlight.Explanation ||
        old->Notice != view.Notice) {
        // "Show where" explains the step across the status bar, over its
        // panels; else a notice says what happened.
        const std::string& line =
            view.Highlight.Explanation.empty() ? view.Notice : view.Highlight.Explanation;
        if (line.empty())
            statusBar_->clearMessage();
        else
            statusBar_->showMessage(ToQString(line));
    }
    if (changed(&GameView::SoundChecked) || changed(&GameView::SoundEnabled)) {
        auto* box = Find<QCheckBox>("chkSound");
        box->setChecked(view.SoundChecked); // no clicked() signal: the game is not told
        box->setEnabled(view.SoundEnabled);
    }
    ApplyAccessibleTexts(view, old);
    if (changed(&GameView::Starting)) Find<QWidget>("Picture3")->setVisible(view.Starting);
    commands_->Apply(view);
    if (changed(&GameView::Paused)) pause_->SetPaused(view.Paused);
    if (changed(&GameView::StartupProgress))
        for (int level = 1; level <= kLevels; ++level)
            Find<QProgressBar>("ProgressBar1", level)->setValue(view.StartupProgress[level]);
    if (changed(&GameView::RenewalProgress)) {
        Find<QWidget>("ProgressBar2")->setVisible(view.RenewalProgress.has_value());
        Find<QProgressBar>("ProgressBar2")->setValue(view.RenewalProgress.value_or(0));
    }
    shown_ = view;
}

void MainWindow::ApplyAccessibleTexts(const GameView& view, const GameView* old) {
    auto changed = [&](auto member) { return !old || old->*member != view.*member; };
    if (changed(&GameView::Time))
        Find<QWidget>("LabelTijd")->setAccessibleName(ToQString(ClockAccessibleName(view.Time)));
    if (changed(&GameView::Steps)) {
        const std::string_view tip = FindControl("LabelStap")->tooltip;
        Find<QWidget>("LabelStap")
            ->setAccessibleName(ToQString(tip) + QStringLiteral(": ") + ToQString(view.Steps));
    }
    if (changed(&GameView::TechniqueCounts))
        for (int k = 0; k < kTechniqueCount; ++k)
            Find<QWidget>("LabelCount", kTechniqueCount + k)
                ->setAccessibleName(ToQString(TechniqueCountAccessibleName(
                    k, view.TechniqueCounts[static_cast<std::size_t>(k)])));
    // The marker reads as "Hint: Skyscraper"; its tooltip says what it does.
    const QString hint = view.HintMarker ? TrQString(QT_TRANSLATE_NOOP("dravik", "Hint: %1"))
                                               .arg(TrQString(TechniqueCaption(*view.HintMarker)))
                                         : QString();
    if (changed(&GameView::HintMarker)) Find<QWidget>("LabelHint")->setAccessibleName(hint);
    // What just happened reaches a screen reader twice: as the status bar's
    // name, and as the description of the focused cell, which it reads out.
    const std::string& line =
        view.Highlight.Explanation.empty() ? view.Notice : view.Highlight.Explanation;
    const QString said = line.empty() ? hint : ToQString(line);
    if (statusBar_->accessibleDescription() != said) statusBar_->setAccessibleDescription(said);
    board_->Announce(said);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panelRow_ && event->type() == QEvent::Resize) LayOutPanels();
    if (watched == board_ && event->type() == QEvent::ShortcutOverride) {
        // Ctrl or Shift with a digit key strikes a mark even where the key's
        // character is a shortcut's: on a French keyboard the 6 key gives "-",
        // and Ctrl+Minus zooms out.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) && DigitOfKey(*key)) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Every panel's text fits: a panel whose text needs more room takes it from
// the others, and where the bar cannot give it the text's font gives way.
void MainWindow::LayOutPanels() {
    const QFont font = MakeFont(FontSpec{}, zoom_);
    const QFontMetrics metrics(font);
    std::array<int, 5> needed{};
    for (std::size_t i = 0; i < panels_.size(); ++i)
        needed[i] = metrics.horizontalAdvance(panels_[i]->text()) + 2 * panels_[i]->frameWidth() +
                    2 * panels_[i]->indent();
    const int total = panelRow_->width();
    const std::array<int, 5> widths = FitStatusPanels(needed, total);
    int x = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        QLabel* panel = panels_[i];
        panel->setGeometry(x, 0, widths[i], panelRow_->height());
        x += widths[i];
        panel->setFont(font);
        FitCaption(panel, panel->text(), widths[i] - 2 * panel->frameWidth() - 2 * panel->indent());
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves come here: the board's keys.
    if (!HandleBoardKey(*event)) QWidget::keyPressEvent(event);
}

bool MainWindow::HandleBoardKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods =
        event.modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool strike = (mods & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
    auto digitKey = [this, strike](int digit) {
        controller_.Do([digit, strike](Game& g) {
            if (strike)
                g.StrikeMarkAtCursor(digit);
            else
                g.PlaceDigitAtCursor(digit);
        });
        return true;
    };
    auto move = [this](int rows, int columns) {
        controller_.Do([=](Game& g) { g.MoveCursor(rows, columns); });
        return true;
    };
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return digitKey(key - Qt::Key_0);
    // With Shift or Ctrl a keypad key gives its other meaning (an arrow where
    // Num Lock is on): the player still means its digit.
    if (!strike || !(event.modifiers() & Qt::KeypadModifier)) {
        switch (key) {
        case Qt::Key_Left:
            return move(0, -1);
        case Qt::Key_Right:
            return move(0, 1);
        case Qt::Key_Up:
            return move(-1, 0);
        case Qt::Key_Down:
            return move(1, 0);
        default:
            break;
        }
    }
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        controller_.Do([](Game& g) { g.ResetCursorCell(); });
        return true;
    }
    if (const int digit = DigitOfKey(event); digit != 0) return digitKey(digit);
    return false;
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(KeptInside(area,
                    QPoint(area.left() + (area.width() - frame.width()) / 2,
                           area.top() + (area.height() - frame.height()) / 2),
                    frame));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool quit = false;
    controller_.Do([&quit](Game& g) { quit = g.QueryQuit(); });
    if (quit) {
        event->accept();
        emit QuitConfirmed();
    } else {
        event->ignore();
    }
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
