#include "game/print/print_layout.h"
#include "game/base/translate.h"

#include <algorithm>
#include <cmath>

namespace dravik::print {

namespace {

// Int(): the integer part towards minus infinity.
int Int(double value) {
    return static_cast<int>(std::floor(value));
}

constexpr int kThickPen = 8;
constexpr int kThinPen = 2;

std::string DigitText(int digit) {
    return std::string(1, static_cast<char>('0' + digit));
}

} // namespace

std::string OptionsProblem(const PrintOptions& o) {
    if (o.Pages < 1 || o.Pages > kMaxPages)
        return "the number of pages must be 1 to " + std::to_string(kMaxPages);
    if (o.PerPage != 1 && o.PerPage != 2 && o.PerPage != 4)
        return "the puzzles per page must be 1, 2 or 4";
    if (!IsLevel(o.Level)) return "the level must be 1 to 5";
    if (o.First < 1 || o.First > kPuzzlesPerLevel)
        return "the first puzzle must be 1 to " + std::to_string(kPuzzlesPerLevel);
    const int lastFirst = LastFirstNumber(o.PerPage, o.Pages);
    if (o.First > lastFirst)
        return std::to_string(o.Pages) + (o.Pages == 1 ? " page" : " pages") + " of " +
               std::to_string(o.PerPage) + " from puzzle " + std::to_string(o.First) +
               " would run to puzzle " + std::to_string(LastPrinted(o.First, o.PerPage, o.Pages)) +
               ", past " + std::to_string(kPuzzlesPerLevel) + ": start at " +
               std::to_string(lastFirst) + " at most";
    return {};
}

PageGeometry MakePageGeometry(int pageWidth, int pageHeight) {
    PageGeometry g;
    g.millimetre =
        (static_cast<float>(pageWidth) / 210.0f + static_cast<float>(pageHeight) / 297.0f) / 2.0f;
    g.unit = Int(g.millimetre * 10.0f);
    g.margin = Int(g.millimetre * 25.0f);
    g.top = g.left = g.margin;
    g.printWidth = pageWidth - 2 * g.margin;
    g.printHeight = pageHeight - 2 * g.margin;
    g.bottom = g.top + g.printHeight;
    g.right = g.left + g.printWidth;
    return g;
}

GridBox SquareBox(int top, int left, int size) {
    return {top, left, top + size, left + size, size, size};
}

GridBox PuzzleBox(const PageGeometry& p, int perPage, int k) {
    const int u = p.unit;
    switch (perPage) {
    case 1:
        return SquareBox(p.top + u, p.left, p.printWidth);
    case 2:
        return SquareBox(k == 1 ? p.top + u : p.bottom - 11 * u, p.left, 10 * u);
    default: {
        const int top = k <= 2 ? p.top + u : p.bottom - Int(4.5 * u) - 7 * u;
        const int left = k % 2 == 1 ? p.left : p.right - 7 * u;
        return SquareBox(top, left, 7 * u);
    }
    }
}

GridBox SolutionBox(const PageGeometry& p, int perPage, int k) {
    const int u = p.unit;
    switch (perPage) {
    case 1:
        return SquareBox(p.bottom - 7 * u, p.left, 7 * u);
    case 2:
        return SquareBox(k == 1 ? p.top + 6 * u : p.bottom - 6 * u, p.right - 5 * u, 5 * u);
    default: {
        const int top = k <= 2 ? p.top + Int(8.5 * u) : p.bottom - 4 * u;
        const int left = k % 2 == 1 ? p.left : p.right - 7 * u;
        return SquareBox(top, left, 4 * u);
    }
    }
}

FontSizes FontSizesFor(int perPage) {
    switch (perPage) {
    case 1:
        return {42, 11, 18, 11};
    case 2:
        return {28, 7, 11, 8};
    default:
        return {18, 5, 8, 6};
    }
}

std::string TechniqueLine(int technique, int count) {
    const std::string digits = std::to_string(count + 100);
    return std::string(kTechniqueTable[technique].printCode) + ' ' +
           digits.substr(digits.size() - 2);
}

PrintLayout::PrintLayout(PageSurface& surface, const Stock& stock, const PrintOptions& options)
    : surface_(surface), stock_(stock), options_(options),
      page_(MakePageGeometry(surface.PageWidth(), surface.PageHeight())) {}

void PrintLayout::PrintTitel() {
    PageSurface& s = surface_;
    s.SetFontName(kTextFont);
    s.SetFontSize(kTitleFontSize);
    s.SetFontBold(false);
    s.SetCurrentPosition(page_.left, page_.top);
    s.PrintText(kProgramTitle);
    const std::string name = Tr(LevelName(options_.Level));
    s.SetCurrentPosition(page_.right - s.TextWidth(name), page_.top);
    s.PrintText(name);
}

void PrintLayout::OpenSudoku(int number) {
    const StockRecord& r = stock_(options_.Level, number);
    givens_ = r.Givens;
    solution_ = r.Solution;
    counts_ = r.TechniqueCounts;
}

void PrintLayout::SetupCandidates() {
    for (auto& digit : candidates_) digit.fill(true);
    for (int cell = 0; cell < 81; ++cell) {
        const int g = givens_[static_cast<std::size_t>(cell)];
        if (g < 1 || g > 9) continue;
        for (auto& digit : candidates_) digit[static_cast<std::size_t>(cell)] = false;
        const int row = cell / 9, column = cell % 9;
        const int boxTop = row / 3 * 3, boxLeft = column / 3 * 3;
        auto& flags = candidates_[static_cast<std::size_t>(g - 1)];
        for (int i = 0; i < 9; ++i) {
            flags[static_cast<std::size_t>(row * 9 + i)] = false;
            flags[static_cast<std::size_t>(i * 9 + column)] = false;
            flags[static_cast<std::size_t>((boxTop + i / 3) * 9 + boxLeft + i % 3)] = false;
        }
    }
}

void PrintLayout::DrawGrid() {
    PageSurface& s = surface_;
    const GridBox& b = box_;
    cell_ = static_cast<float>(b.width) / 9.0f;
    s.SetPenWidth(kThickPen);
    s.Rectangle(b.left, b.top, b.right, b.bottom);
    for (int i = 1; i <= 8; ++i) {
        s.SetPenWidth(i % 3 == 0 ? kThickPen : kThinPen);
        const int offset = Int(static_cast<float>(i) * cell_);
        s.Line(b.left + offset, b.top, b.left + offset, b.bottom);
        s.Line(b.left, b.top + offset, b.right, b.top + offset);
    }
}

void PrintLayout::PrintCentred(int row, int column, std::string_view text) {
    PageSurface& s = surface_;
    const int dx = Int((cell_ - static_cast<float>(s.TextWidth(text))) / 2.0f);
    const int dy = Int((cell_ - static_cast<float>(s.TextHeight(text))) / 2.0f);
    s.SetCurrentPosition(box_.left + Int(static_cast<float>(column) * cell_) + dx,
                         box_.top + Int(static_cast<float>(row) * cell_) + dy);
    s.PrintText(text);
}

void PrintLayout::PrintSudoku(int position, int number) {
    PageSurface& s = surface_;
    const FontSizes sizes = FontSizesFor(options_.PerPage);
    box_ = PuzzleBox(page_, options_.PerPage, position);
    DrawGrid();

    s.SetFontName(kDigitFont);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int cell = 9 * r + c;
            const int given = givens_[static_cast<std::size_t>(cell)];
            if (given != 0) {
                s.SetForeColour(kBlack);
                s.SetFontSize(sizes.given);
                s.SetFontBold(true);
                PrintCentred(r, c, DigitText(given));
                continue;
            }
            if (!options_.PencilMarks) continue;
            s.SetForeColour(kGrey);
            s.SetFontSize(sizes.mark);
            s.SetFontBold(false);
            const int w = s.TextWidth("8"), h = s.TextHeight("8");
            const float gx = (cell_ - 3.0f * static_cast<float>(w)) / 4.0f;
            const float gy = (cell_ - 3.0f * static_cast<float>(h)) / 4.0f;
            for (int d = 1; d <= 9; ++d) {
                if (!Candidate(cell, d)) continue;
                const int a = (d - 1) / 3 + 1, b = (d - 1) % 3 + 1;
                s.SetCurrentPosition(
                    box_.left + Int(static_cast<float>(c + 1) * cell_) -
                        Int(static_cast<float>(4 - b) * (static_cast<float>(w) + gx)),
                    box_.top + Int(static_cast<float>(r + 1) * cell_) -
                        Int(static_cast<float>(4 - a) * (static_cast<float>(h) + gy)));
                s.PrintText(DigitText(d));
            }
        }
    }

    s.SetForeColour(kBlack);
    s.SetFontName(kTextFont);
    s.SetFontSize(sizes.label);
    s.SetFontBold(false);
    const std::string label = "# " + std::to_string(number);
    s.SetCurrentPosition(box_.right - s.TextWidth(label),
                         box_.bottom + Int(1.25 * s.TextHeight(label)));
    s.PrintText(label);

    s.SetFontSize(kTechniqueFontSize);
    int line = -1;
    for (int technique : kTechniquePrintOrder) {
        const int count = counts_[static_cast<std::size_t>(technique)];
        if (count <= 0) continue;
        ++line;
        const std::string text = TechniqueLine(technique, count);
        s.SetCurrentPosition(box_.right + s.TextWidth(" "), box_.top + line * s.TextHeight(text));
        s.PrintText(text);
    }
}

void PrintLayout::PrintSolution(int position) {
    PageSurface& s = surface_;
    box_ = SolutionBox(page_, options_.PerPage, position);
    DrawGrid();
    s.SetFontName(kDigitFont);
    s.SetFontSize(FontSizesFor(options_.PerPage).solution);
    s.SetFontBold(true);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            PrintCentred(r, c, DigitText(solution_[static_cast<std::size_t>(9 * r + c)]));
}

void PrintLayout::PrintPaginanummer(int page) {
    PageSurface& s = surface_;
    s.SetFontName(kTextFont);
    s.SetFontSize(kTitleFontSize);
    s.SetFontBold(false);
    const std::string text = TrWith(QT_TRANSLATE_NOOP("dravik", "Page %1"), std::to_string(page));
    s.SetCurrentPosition(page_.right - s.TextWidth(text), page_.bottom - s.TextHeight(text));
    s.PrintText(text);
}

namespace {

void DrawPage(PrintLayout& layout, const PrintOptions& o, int page, PrintNumbers* numbers) {
    layout.PrintTitel();
    for (int k = 1; k <= o.PerPage; ++k) {
        const int index = (page - 1) * o.PerPage + k - 1;
        const int number = o.First + index;
        if (numbers) (*numbers)[static_cast<std::size_t>(index)] = number;
        layout.OpenSudoku(number);
        layout.SetupCandidates();
        layout.PrintSudoku(k, number);
        if (o.Solutions) layout.PrintSolution(k);
    }
    layout.PrintPaginanummer(page);
}

} // namespace

bool RunPrint(PageSurface& surface, const Stock& stock, const PrintOptions& options,
              PrintNumbers* numbers) {
    if (!OptionsProblem(options).empty()) return false;
    if (numbers) numbers->fill(0);
    PrintLayout layout(surface, stock, options);
    for (int page = 1; page <= options.Pages; ++page) {
        DrawPage(layout, options, page, numbers);
        surface.NewPage();
    }
    surface.EndDoc();
    return true;
}

void DrawFirstPage(PageSurface& surface, const Stock& stock, const PrintOptions& options) {
    PrintOptions one = options;
    one.Pages = 1;
    if (one.PerPage != 1 && one.PerPage != 2 && one.PerPage != 4) one.PerPage = 1;
    one.Level = std::clamp(one.Level, 1, kLevels);
    one.First = std::clamp(one.First, 1, LastFirstNumber(one.PerPage, 1));
    PrintLayout layout(surface, stock, one);
    DrawPage(layout, one, 1, nullptr);
}

} // namespace dravik::print
