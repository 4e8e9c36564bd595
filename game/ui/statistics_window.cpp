#include "game/ui/statistics_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "game/qt/text.h"
#include "game/ui/logo.h"

namespace dravik::ui {

namespace {

constexpr int kChartBarWidth = 6, kChartGap = 2, kChartHeight = 28;

// m:ss below an hour, h:mm:ss from there.
QString Duration(std::int64_t seconds) {
    const std::int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QChar('0'))
            .arg(s, 2, 10, QChar('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QChar('0'));
}

} // namespace

TimesChart::TimesChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

QSize TimesChart::sizeHint() const {
    return {kRecentTimes * (kChartBarWidth + kChartGap) + kChartGap, kChartHeight};
}

void TimesChart::SetTimes(const std::deque<std::int64_t>& times) {
    if (times == times_) return;
    times_ = times;
    QStringList tip;
    for (std::int64_t t : times_) tip << Duration(t);
    setToolTip(tip.isEmpty()
                   ? QString()
                   : TrQString(QT_TRANSLATE_NOOP("dravik", "Oldest to newest: ")) + tip.join(", "));
    update();
}

void TimesChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (times_.empty()) return;
    const std::int64_t slowest =
        std::max<std::int64_t>(1, *std::max_element(times_.begin(), times_.end()));
    const int room = height() - 4;
    // The newest time stands at the right end.
    int x = width() - kChartGap - kChartBarWidth;
    for (auto it = times_.rbegin(); it != times_.rend(); ++it, x -= kChartBarWidth + kChartGap) {
        const int h = std::max(1, static_cast<int>(room * *it / slowest));
        p.fillRect(x, height() - 2 - h, kChartBarWidth, h, QColor(0, 110, 200));
    }
}

StatisticsWindow::StatisticsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Statistics");
    setWindowTitle(TrQString(QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku - Statistics")));
    setWindowIcon(ProgramIcon());

    chooser_ = new QComboBox(this);
    chooser_->setObjectName("StatisticsPlayer");
    connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_ || index < 0) return;
        player_ = chooser_->itemData(index).toInt();
        Draw();
    });
    auto* top = new QHBoxLayout;
    auto* who = new QLabel(QStringLiteral("&Player:"), this);
    who->setBuddy(chooser_);
    top->addWidget(who);
    top->addWidget(chooser_, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    const QStringList headers = {TrQString(QT_TRANSLATE_NOOP("dravik", "Level")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Finished")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Best")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Average")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Hints")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Solutions")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Given up")),
                                 TrQString(QT_TRANSLATE_NOOP("dravik", "Last 20 times"))};
    for (int c = 0; c < headers.size(); ++c) {
        auto* h = new QLabel(QStringLiteral("<b>%1</b>").arg(headers[c]), this);
        grid->addWidget(h, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (int level = 1; level <= kLevels; ++level) {
        grid->addWidget(new QLabel(TrQString(LevelName(level)), this), level, 0);
        for (int c = 0; c < 6; ++c) {
            auto* cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("Stat(%1,%2)").arg(level).arg(c));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(cell, level, c + 1);
            cells_[static_cast<std::size_t>(level)][static_cast<std::size_t>(c)] = cell;
        }
        auto* chart = new TimesChart(this);
        chart->setObjectName(QStringLiteral("StatChart(%1)").arg(level));
        grid->addWidget(chart, level, 7);
        charts_[static_cast<std::size_t>(level)] = chart;
    }

    auto* close = new QPushButton(TrQString(QT_TRANSLATE_NOOP("dravik", "Close")), this);
    close->setObjectName("StatisticsClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    auto* note = new QLabel(
        TrQString(QT_TRANSLATE_NOOP("dravik", "Times are counted for finished puzzles only; a "
                                              "puzzle given up is one left unfinished for "
                                              "another puzzle or the end of the game.")),
        this);
    note->setWordWrap(true);
    bottom->addWidget(note, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StatisticsWindow::Show(const Statistics& statistics, const PlayerList& players, int player) {
    player_ = player;
    Refresh(statistics, players);
    // Refresh keeps the chooser when nothing changed: choose the player here.
    if (const int index = chooser_->findData(player); index >= 0) {
        filling_ = true;
        chooser_->setCurrentIndex(index);
        filling_ = false;
        Draw();
    }
    if (!isVisible()) show();
    raise();
    activateWindow();
}

void StatisticsWindow::Refresh(const Statistics& statistics, const PlayerList& players) {
    if (statistics == statistics_ && players.Names == players_.Names && chooser_->count() > 0)
        return;
    statistics_ = statistics;
    players_ = players;
    filling_ = true;
    chooser_->clear();
    chooser_->addItem(TrQString(QT_TRANSLATE_NOOP("dravik", "Free Play")), 0);
    for (int n = 1; n <= players_.PlayerCount(); ++n)
        chooser_->addItem(ToQString(players_.DisplayName(n).value_or("")), n);
    // Figures of a player no longer in the list stay reachable by number.
    for (const auto& [n, p] : statistics_.Players())
        if (n > players_.PlayerCount())
            chooser_->addItem(ToQString(p.name.empty() ? StatisticsSection(n) : p.name), n);
    const int index = chooser_->findData(player_);
    chooser_->setCurrentIndex(index < 0 ? 0 : index);
    if (index < 0) player_ = 0;
    filling_ = false;
    Draw();
}

void StatisticsWindow::Draw() {
    const PlayerStatistics& p = statistics_.Of(player_);
    for (int level = 1; level <= kLevels; ++level) {
        const LevelFigures& s = p.levels[static_cast<std::size_t>(level)];
        const auto& row = cells_[static_cast<std::size_t>(level)];
        const bool times = s.finished > 0;
        row[0]->setText(QString::number(s.finished));
        row[1]->setText(times ? Duration(s.bestSeconds) : QStringLiteral("--"));
        row[2]->setText(times ? Duration(s.AverageSeconds()) : QStringLiteral("--"));
        row[3]->setText(QString::number(s.hints));
        row[4]->setText(QString::number(s.solutions));
        row[5]->setText(QString::number(s.abandoned));
        charts_[static_cast<std::size_t>(level)]->SetTimes(s.recent);
    }
}

} // namespace dravik::ui
