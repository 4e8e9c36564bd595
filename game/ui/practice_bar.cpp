#include "game/ui/practice_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "game/qt/text.h"
#include "game/ui/controller.h"

namespace dravik::ui {

PracticeBar::PracticeBar(QStatusBar& bar, GameController& controller)
    : QWidget(&bar), controller_(controller) {
    setObjectName("PracticeBar");
    setAutoFillBackground(true);
    text_ = new QLabel(this);
    text_->setObjectName("PracticeText");
    busy_ = new QProgressBar(this);
    busy_->setObjectName("PracticeProgress");
    busy_->setRange(0, 0); // how long it takes is not known: a busy bar
    busy_->setTextVisible(false);
    busy_->setFixedWidth(120);
    cancel_ = new QPushButton(TrQString(QT_TRANSLATE_NOOP("dravik", "Cancel")), this);
    cancel_->setObjectName("PracticeCancel");
    cancel_->setFocusPolicy(Qt::TabFocus);
    cancel_->setToolTip(
        TrQString(QT_TRANSLATE_NOOP("dravik", "Stop looking; the game goes on as it is")));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 1, 4, 1);
    row->addWidget(text_, 1);
    row->addWidget(busy_);
    row->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this,
            [this] { controller_.Do([](Game& g) { g.CancelPractice(); }); });
    // Over the panels, across the whole bar.
    setGeometry(bar.rect());
    hide();
    connect(&controller_, &GameController::ViewChanged, this,
            [this](const GameView& view) { Apply(view.Practice); });
}

void PracticeBar::Apply(const std::optional<GameView::PracticeSearchView>& practice) {
    if (practice == shown_) return;
    shown_ = practice;
    if (!practice) {
        hide();
        return;
    }
    text_->setText(ToQString(practice->Text));
    if (auto* bar = qobject_cast<QStatusBar*>(parentWidget())) setGeometry(bar->rect());
    show();
    raise();
}

} // namespace dravik::ui
