#include "game/ui/board_accessible.h"
#include "game/qt/text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <array>

#include "game/play/accessible_names.h"
#include "game/ui/board_widget.h"
#include "game/ui/look.h"
#include "game/ui/main_window.h"

namespace dravik::ui {

namespace {

class BoardAccessible;

BoardAccessible* BoardInterface(const BoardWidget* board);

// One cell of the board. It has no object of its own: the board owns it and
// answers for it.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!board_) return {};
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(CellAccessibleName(cell_, board_->Cell(cell_)));
        case QAccessible::Value: {
            const int digit = board_->Cell(cell_).Digit;
            return digit ? QString::number(digit) : QString();
        }
        case QAccessible::Description:
            return board_->CursorCell() == cell_ ? board_->Announcement() : QString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!board_) return {};
        const QRect r = ToPixels(DigitRect(cell_), board_->Zoom());
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!board_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.focused = board_->hasFocus() && board_->CursorCell() == cell_;
        s.selected = isSelected();
        s.readOnly = board_->Cell(cell_).Digit != 0;
        s.invisible = !board_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // A cell of a chosen row or column counts as selected.
    bool isSelected() const override {
        return board_ &&
               (board_->LineChosen(true, rowIndex()) || board_->LineChosen(false, columnIndex()));
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_ % 9; }
    int rowIndex() const override { return cell_ / 9; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// The board: a table of 81 cells.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }

    // The interface of `cell`, made and registered on first use.
    CellAccessible* Cell(int cell) const {
        if (cell < 0 || cell >= kCells) return nullptr;
        if (ids_[cell] == 0) {
            auto* made = new CellAccessible(Board(), cell);
            ids_[cell] = QAccessible::registerAccessibleInterface(made);
        }
        return static_cast<CellAccessible*>(QAccessible::accessibleInterface(ids_[cell]));
    }

    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override { return Cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kCells; ++i)
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = Board()->mapFromGlobal(QPoint(x, y));
        const int zoom = Board()->Zoom();
        for (int cell = 0; cell < kCells; ++cell)
            if (ToPixels(DigitRect(cell), zoom).contains(p)) return Cell(cell);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int cursor = Board()->CursorCell();
        return Board()->hasFocus() && cursor >= 0 ? Cell(cursor) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return TrQString(QT_TRANSLATE_NOOP("dravik", "Board"));
        if (t == QAccessible::Description && !Board()->Announcement().isEmpty())
            return Board()->Announcement();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row > 8 || column < 0 || column > 8) return nullptr;
        return Cell(9 * row + column);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> out;
        for (int cell = 0; cell < kCells; ++cell)
            if (Cell(cell)->isSelected()) out << Cell(cell);
        return out;
    }
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override {
        return row >= 0 && row < 9 ? QString::fromLatin1(kRowCaptions[row].data(), 1) : QString();
    }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return Chosen(false); }
    QList<int> selectedRows() const override { return Chosen(true); }
    bool isColumnSelected(int column) const override { return Board()->LineChosen(false, column); }
    bool isRowSelected(int row) const override { return Board()->LineChosen(true, row); }
    // The lines are chosen by the player's clicks only.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    QList<int> Chosen(bool rows) const {
        QList<int> out;
        for (int i = 0; i < 9; ++i)
            if (Board()->LineChosen(rows, i)) out << i;
        return out;
    }

    mutable std::array<QAccessible::Id, kCells> ids_{};
};

// A label that takes a click (a renew label, the hint marker, the logo): a
// button that a screen reader can press.
class ClickLabelAccessible final : public QAccessibleWidget {
  public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        auto* label = static_cast<ClickLabel*>(widget());
        if (label->isEnabled() && label->isVisible())
            emit label->clicked(Qt::LeftButton, label->rect().center());
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("dravik::ui::BoardWidget") && object->isWidgetType())
        return new BoardAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("dravik::ui::ClickLabel")) {
        const QString name = object->objectName();
        if (name.startsWith(QLatin1String("RenewLevel(")) || name == QLatin1String("LabelHint") ||
            name == QLatin1String("Picture1"))
            return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    return nullptr;
}

BoardAccessible* BoardInterface(const BoardWidget* board) {
    return static_cast<BoardAccessible*>(
        QAccessible::queryAccessibleInterface(const_cast<BoardWidget*>(board)));
}

} // namespace

void InstallAccessibleFactories() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void AccessibleCellChanged(BoardWidget& board, int cell) {
    if (!QAccessible::isActive()) return;
    BoardAccessible* table = BoardInterface(&board);
    if (!table) return;
    CellAccessible* iface = table->Cell(cell);
    QAccessibleEvent named(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    const int digit = board.Cell(cell).Digit;
    QAccessibleValueChangeEvent value(iface, digit ? QVariant(digit) : QVariant(QString()));
    QAccessible::updateAccessibility(&value);
}

void AccessibleCursorMoved(BoardWidget& board) {
    if (!QAccessible::isActive() || !board.hasFocus() || board.CursorCell() < 0) return;
    BoardAccessible* table = BoardInterface(&board);
    if (!table) return;
    QAccessibleEvent focus(table->Cell(board.CursorCell()), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void AccessibleAnnouncement(BoardWidget& board) {
    if (!QAccessible::isActive()) return;
    BoardAccessible* table = BoardInterface(&board);
    if (!table) return;
    QAccessibleInterface* focused = table->focusChild();
    QAccessibleEvent changed(focused ? focused : table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace dravik::ui
