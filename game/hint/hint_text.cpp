#include "game/hint/hint_text.h"

#include <algorithm>
#include <vector>

#include "game/base/translate.h"
#include "game/model/techniques.h"

namespace dravik {

namespace {

std::string Digit(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

// "a", "a and b", "a, b and c".
std::string List(const std::vector<std::string>& items) {
    std::string s;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) s += i + 1 == items.size() ? Tr(QT_TRANSLATE_NOOP("dravik", " and ")) : ", ";
        s += items[i];
    }
    return s;
}

std::string DigitList(unsigned mask) {
    std::vector<std::string> items;
    for (int d = 1; d <= 9; ++d)
        if (mask & DigitBit(d)) items.push_back(Digit(d));
    return List(items);
}

// "{3,7}": a cell's marks as the step found them.
std::string Marks(unsigned mask) {
    std::string s = "{";
    for (int d = 1; d <= 9; ++d)
        if (mask & DigitBit(d)) {
            if (s.size() > 1) s += ',';
            s += Digit(d);
        }
    return s + "}";
}

template <typename Cells> std::string CellList(const Cells& cells) {
    std::vector<std::string> items;
    for (int c : cells) items.push_back(CellText(c));
    return List(items);
}

bool IsRow(int unit) {
    return unit < 9;
}
bool IsColumn(int unit) {
    return unit >= 9 && unit < 18;
}

std::string UnitText(int unit) {
    if (IsRow(unit))
        return TrWith(QT_TRANSLATE_NOOP("dravik", "row %1"), std::string(1, "ABCDEFGHJ"[unit]));
    if (IsColumn(unit)) return TrWith(QT_TRANSLATE_NOOP("dravik", "column %1"), Digit(unit - 8));
    return TrWith(QT_TRANSLATE_NOOP("dravik", "box %1"), Digit(unit - 17));
}

// "rows B and F", "columns 2, 5 and 7", top to bottom or left to right.
std::string LinesText(std::span<const std::int8_t> units) {
    std::vector<int> lines(units.begin(), units.end());
    std::sort(lines.begin(), lines.end());
    std::vector<std::string> items;
    for (int u : lines) items.push_back(IsRow(u) ? std::string(1, "ABCDEFGHJ"[u]) : Digit(u - 8));
    return TrWith(IsRow(lines.front()) ? QT_TRANSLATE_NOOP("dravik", "rows %1")
                                       : QT_TRANSLATE_NOOP("dravik", "columns %1"),
                  List(items));
}

// The cells in board order.
std::vector<int> Sorted(std::vector<int> cells) {
    std::sort(cells.begin(), cells.end());
    return cells;
}

// What the step does: "place 7 in E5", "4 goes from C2 and H7" or
// "3 goes from C2, 7 from C2 and C8".
std::string ChangesText(const HintStep& step) {
    if (step.Places()) {
        const GridChange& p = step.changes.front();
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "place %1 in %2"),
                        {Digit(p.digit), CellText(p.cell)});
    }
    std::vector<std::string> parts;
    for (int d = 1; d <= 9; ++d) {
        std::vector<int> cells;
        for (const GridChange& ch : step.changes)
            if (ch.digit == d) cells.push_back(ch.cell);
        if (cells.empty()) continue;
        parts.push_back(TrFormat(parts.empty() ? QT_TRANSLATE_NOOP("dravik", "%1 goes from %2")
                                               : QT_TRANSLATE_NOOP("dravik", "%1 from %2"),
                                 {Digit(d), CellList(cells)}));
    }
    if (parts.empty()) return Tr(QT_TRANSLATE_NOOP("dravik", "nothing is left to remove"));
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? ", " : "") + parts[i];
    return s;
}

// The pattern's cells from `from` up to (not including) `to`.
std::vector<int> CellsOf(const StepPattern& p, int from, int to) {
    std::vector<int> cells;
    for (int i = from; i < to && i < p.cellCount; ++i) cells.push_back(p.cells[i]);
    return cells;
}

std::string Describe(const HintStep& step) {
    const StepPattern& p = step.pattern;
    // The window's list abbreviates one name; a sentence has room for it.
    const std::string caption = step.technique == kAvoidableRectangle
                                    ? Tr(QT_TRANSLATE_NOOP("dravik", "Avoidable Rectangle"))
                                    : Tr(TechniqueCaption(step.technique));
    const auto cells = CellsOf(p, 0, p.cellCount);
    const auto units = p.Units();
    auto unit = [&](int i) { return i < p.unitCount ? UnitText(p.units[i]) : std::string("?"); };
    auto cellMarks = [&](int c) { return CellText(c) + " " + Marks(step.marks[c]); };
    const std::string digits = DigitList(p.digits);

    switch (step.technique) {
    case kHiddenSingle:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: in %2, %3 fits only in %4"),
                        {caption, unit(0), digits,
                         CellText(step.changes.empty() ? 0 : step.changes.front().cell)});
    case kNakedSingle:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: %2 is the only mark left in %3"),
                        {caption, digits, CellList(cells)});
    case kPointingPair:
    case kBoxLine:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: in %2, %3 lies only in %4 (%5)"),
                        {caption, unit(0), digits, unit(1), CellList(cells)});
    case kNakedPair:
    case kNakedTriple:
    case kNakedQuad:
    case kNakedQuint:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: in %2, %3 hold only %4"),
                        {caption, unit(0), CellList(cells), digits});
    case kHiddenPair:
    case kHiddenTriple:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: in %2, %3 fit only in %4"),
                        {caption, unit(0), digits, CellList(cells)});
    case kXWing:
    case kSwordfish:
    case kJellyfish: {
        const std::size_t n = units.size() / 2;
        if (n == 0) break;
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3, %4"),
                        {caption, digits, LinesText(units.first(n)), LinesText(units.subspan(n))});
    }
    case kFinnedXWing: {
        if (units.size() < 4) break;
        const auto fins = CellsOf(p, p.cellCount - p.extra, p.cellCount);
        return TrFormat(fins.size() > 1 ? QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3, %4, fins %5")
                                        : QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3, %4, fin %5"),
                        {caption, digits, LinesText(units.first(2)), LinesText(units.subspan(2)),
                         CellList(fins)});
    }
    case kMultiXWing: {
        if (cells.size() < 4 || units.size() < 2) break;
        const unsigned a = step.marks[cells[0]] & step.marks[cells[1]];
        const unsigned b = step.marks[cells[2]] & step.marks[cells[3]];
        return TrFormat(
            QT_TRANSLATE_NOOP("dravik", "%1: %2 holds %3 only in %4, %5 holds %6 only in %7"),
            {caption, unit(0), DigitList(a), CellList(CellsOf(p, 0, 2)), unit(1), DigitList(b),
             CellList(CellsOf(p, 2, 4))});
    }
    case kXYWing:
    case kXYZWing:
        if (cells.size() < 3) break;
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: pivot %2, wings %3 and %4"),
                        {caption, cellMarks(cells[0]), cellMarks(cells[1]), cellMarks(cells[2])});
    case kTwoStringKite: {
        if (cells.size() < 4) break;
        // The box where the row's string meets the column's.
        int box = -1;
        for (int r : {cells[0], cells[1]})
            for (int c : {cells[2], cells[3]})
                if (box < 0 && r != c && CellBox(r) == CellBox(c)) box = CellBox(r);
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3 (%4) and %5 (%6) meet in %7"),
                        {caption, digits, unit(0), CellList(CellsOf(p, 0, 2)), unit(1),
                         CellList(CellsOf(p, 2, 4)), UnitText(BoxUnit(box < 0 ? 0 : box))});
    }
    case kSkyscraper: {
        if (cells.size() < 4 || units.size() < 2) break;
        // The base: the cross line that holds a cell of each line.
        const bool rows = IsRow(units[0]);
        auto across = [rows](int c) { return rows ? CellColumn(c) : CellRow(c); };
        int base = across(cells[0]);
        if (base != across(cells[2]) && base != across(cells[3])) base = across(cells[1]);
        return TrFormat(
            QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3 hold %2 only twice each, sharing %4"),
            {caption, digits, LinesText(units.first(2)),
             UnitText(rows ? ColumnUnit(base) : RowUnit(base))});
    }
    case kEmptyRectangle: {
        if (units.size() < 4 || p.extra != 2) break;
        const auto pair = CellsOf(p, p.cellCount - 2, p.cellCount);
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3 holds it only in %4 and %5; %6 "
                                                    "holds it only in %7"),
                        {caption, digits, unit(0), unit(1), unit(2), unit(3), CellList(pair)});
    }
    case kUniqueRectangle: {
        const std::string corners = CellList(Sorted(CellsOf(p, 0, 4)));
        if (p.extra == 1 && cells.size() == 5)
            return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3, with %4"),
                            {caption, digits, corners, cellMarks(cells[4])});
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1 on %2: %3"), {caption, digits, corners});
    }
    case kAvoidableRectangle:
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "%1: %2 must not become swappable"),
                        {caption, CellList(Sorted(CellsOf(p, 0, 4)))});
    default:
        break;
    }
    return caption;
}

} // namespace

std::string CellText(int cell) {
    return CellName(cell).data();
}

const MessageText* HintMessageFor(const HintResult& result) {
    if (result.kind == HintKind::WrongDigit) return &messages::kWrongDigit;
    if (result.kind == HintKind::StruckMark) return &messages::kStruckMark;
    return nullptr;
}

std::string_view TechniqueHelpPage(int technique) {
    return technique >= 0 && technique < kTechniqueCount
               ? kTechniqueTable[static_cast<std::size_t>(technique)].helpPage
               : std::string_view{};
}

std::string ExplainStep(const HintStep& step) {
    if (step.technique < 0 || step.technique >= kTechniqueCount) return {};
    return Describe(step) + " \u2014 " + ChangesText(step);
}

std::string WhereText(const HintStep& step) {
    if (step.technique < 0) return {};
    std::string s = step.Places() ? "place" : "remove";
    for (const GridChange& ch : step.changes) {
        s += ' ';
        s += Digit(ch.digit) + "@" + CellText(ch.cell);
        if (ch.placed) break;
    }
    std::vector<int> cells(step.pattern.cells.begin(),
                           step.pattern.cells.begin() + step.pattern.cellCount);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    s += " pattern";
    for (int c : cells) s += " " + CellText(c);
    return s;
}

} // namespace dravik
