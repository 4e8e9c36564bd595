#include "game/ui/solution_path_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "game/hint/hint_text.h"
#include "game/model/techniques.h"
#include "game/qt/text.h"
#include "game/ui/board_widget.h"
#include "game/ui/layout.h"
#include "game/ui/look.h"

namespace dravik::ui {

namespace {

// The board widget draws a view: the step's board, its highlight, no cursor.
GameView BoardOf(const std::array<CellView, kCells>& cells, const BoardHighlight& highlight) {
    GameView v;
    v.BoardEnabled = true;
    v.Cells = cells;
    v.Highlight = highlight;
    v.CursorCell = -1;
    v.SameDigitTint = false;
    return v;
}

} // namespace

SolutionPathWindow::SolutionPathWindow(std::function<void(std::string_view)> openPage,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), openPage_(std::move(openPage)) {
    setObjectName("SolutionPath");
    setWindowTitle(TrQString(QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku - Solution path")));
    auto* outer = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName("PathHeading");
    outer->addWidget(heading_);

    auto* row = new QHBoxLayout;
    list_ = new QTreeWidget(this);
    list_->setObjectName("PathSteps");
    list_->setColumnCount(3);
    list_->setHeaderLabels({TrQString(QT_TRANSLATE_NOOP("dravik", "Step")),
                            TrQString(QT_TRANSLATE_NOOP("dravik", "Technique")),
                            TrQString(QT_TRANSLATE_NOOP("dravik", "What it does"))});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->setMinimumWidth(ToPixels(5400));
    list_->setToolTip(
        TrQString(QT_TRANSLATE_NOOP("dravik", "Double-click a step to learn its technique")));
    row->addWidget(list_, 1);

    auto* right = new QVBoxLayout;
    board_ = new BoardWidget(this);
    board_->setFixedSize(ToPixels(kBoardArea).size());
    // The path is only looked at: the board takes no clicks.
    board_->setAttribute(Qt::WA_TransparentForMouseEvents);
    board_->setFocusPolicy(Qt::NoFocus);
    right->addWidget(board_);
    explanation_ = new QLabel(this);
    explanation_->setObjectName("PathExplanation");
    explanation_->setWordWrap(true);
    explanation_->setMaximumWidth(ToPixels(kBoardArea.width));
    right->addWidget(explanation_);
    practise_ = new QPushButton(
        TrQString(QT_TRANSLATE_NOOP("dravik", "Play a puzzle that needs this technique")), this);
    practise_->setObjectName("PathPractise");
    practise_->setEnabled(false);
    connect(practise_, &QPushButton::clicked, this, [this] {
        if (const int t = SelectedTechnique(); t >= 0) emit PracticeRequested(t);
    });
    right->addWidget(practise_);
    right->addStretch(1);
    row->addLayout(right);
    outer->addLayout(row, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName("PathSummary");
    summary_->setWordWrap(true);
    outer->addWidget(summary_);

    auto* again = new QAction(this);
    again->setShortcut(QKeySequence(Qt::Key_F3));
    connect(again, &QAction::triggered, this, &SolutionPathWindow::RefreshRequested);
    addAction(again);
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) SelectStep(list_->indexOfTopLevelItem(item));
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int index = list_->indexOfTopLevelItem(item);
        if (index < 0 || index >= static_cast<int>(path_.steps.size())) return;
        const std::string_view page =
            TechniqueHelpPage(path_.steps[static_cast<std::size_t>(index)].technique);
        if (!page.empty() && openPage_) openPage_(page);
    });
}

void SolutionPathWindow::Show(SolutionPath path) {
    path_ = std::move(path);
    list_->clear();
    const bool mistake = path_.outcome == SolutionPath::Outcome::Mistake;
    heading_->setText(
        TrQString(QT_TRANSLATE_NOOP("dravik", "The logical way on from the board at step %1:"))
            .arg(path_.fromStep));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(path_.steps.size()));
    for (std::size_t i = 0; i < path_.steps.size(); ++i) {
        const PathStep& s = path_.steps[i];
        auto* item = new QTreeWidgetItem(
            {QString::number(i + 1), ToQString(TechniqueCaption(s.technique)), ToQString(s.words)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list_->addTopLevelItems(items);
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    summary_->setText(ToQString(path_.Summary()));
    // A mistake on the board shows nothing of the solution.
    heading_->setVisible(!mistake);
    list_->setVisible(!mistake);
    board_->setVisible(!mistake);
    explanation_->setVisible(!mistake);
    practise_->setVisible(!mistake);
    practise_->setEnabled(false);
    if (!path_.steps.empty()) {
        list_->setCurrentItem(list_->topLevelItem(0));
        SelectStep(0);
    } else {
        board_->SetView(BoardOf(path_.end, {}));
        explanation_->clear();
    }
    adjustSize();
    show();
    raise();
    activateWindow();
}

void SolutionPathWindow::PlaceOver(const QWidget& game) {
    const QScreen* screen = game.screen() ? game.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(KeptInside(screen->availableGeometry(),
                    game.frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2),
                    frame));
}

int SolutionPathWindow::SelectedTechnique() const {
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (index < 0 || index >= static_cast<int>(path_.steps.size())) return -1;
    return path_.steps[static_cast<std::size_t>(index)].technique;
}

void SolutionPathWindow::SelectStep(int index) {
    if (index < 0 || index >= static_cast<int>(path_.steps.size())) return;
    const PathStep& s = path_.steps[static_cast<std::size_t>(index)];
    board_->SetView(BoardOf(s.cells, s.highlight));
    explanation_->setText(ToQString(s.highlight.Explanation));
    practise_->setEnabled(true);
}

} // namespace dravik::ui
