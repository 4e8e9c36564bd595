// The printed page: a title line, one, two or four puzzles of one level with
// their numbers, the techniques their grading needed and, if chosen, their
// pencil marks and solutions, and a page number. All of it is drawn on a
// PageSurface in twips; the same code serves the printer, PDF files and the
// print dialog's example picture.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/model/levels.h"
#include "game/model/techniques.h"
#include "game/ports/page_surface.h"
#include "game/stock/stock_record.h"

namespace dravik::print {

// What to print. The dialog keeps one of these from one opening to the next.
struct PrintOptions {
    int Pages = 1;           // 1..10
    int PerPage = 1;         // 1, 2 or 4
    bool Solutions = true;   // solution grids
    bool PencilMarks = true; // the candidates the givens leave, as pencil marks
    int First = 1;           // the first puzzle's number, 1..100
    int Level = 1;           // 1 "Very Easy" .. 5 "Very Hard"

    friend bool operator==(const PrintOptions&, const PrintOptions&) = default;
};

inline constexpr int kMaxPages = 10;
inline constexpr int kMaxPerPage = 4;

// The print range, one rule for the dialog, the command and the run: `pages`
// pages of `perPage` puzzles from `first` print up to puzzle LastPrinted, and
// that is at most the last puzzle of a level, so the first number is at most
// LastFirstNumber.
constexpr int LastPrinted(int first, int perPage, int pages) {
    return first + perPage * pages - 1;
}
constexpr int LastFirstNumber(int perPage, int pages) {
    return kPuzzlesPerLevel + 1 - perPage * pages;
}

// Why `options` cannot be printed from a stock, or "" when they can: pages
// 1..10, 1, 2 or 4 per page, level 1..5, the first number from 1 and the
// last one printed at most 100.
std::string OptionsProblem(const PrintOptions& options);

// The page's measures in twips, from the paper's size.
struct PageGeometry {
    float millimetre = 0; // twips per millimetre
    int unit = 0;         // 10 mm
    int margin = 0;       // 25 mm
    int top = 0, left = 0;
    int printWidth = 0, printHeight = 0;
    int bottom = 0, right = 0;
};
PageGeometry MakePageGeometry(int pageWidth, int pageHeight);

// The rectangle of the grid being drawn.
struct GridBox {
    int top = 0, left = 0, bottom = 0, right = 0, width = 0, height = 0;
    friend bool operator==(const GridBox&, const GridBox&) = default;
};
GridBox SquareBox(int top, int left, int size);
// The puzzle grid and the solution grid at position k (1..perPage) of a page.
GridBox PuzzleBox(const PageGeometry& page, int perPage, int k);
GridBox SolutionBox(const PageGeometry& page, int perPage, int k);

// Font sizes in points for a number of puzzles per page.
struct FontSizes {
    int given, mark, label, solution;
};
FontSizes FontSizesFor(int perPage);
inline constexpr int kTitleFontSize = 18;
inline constexpr int kTechniqueFontSize = 8;
inline constexpr std::string_view kDigitFont = "Times New Roman";
inline constexpr std::string_view kTextFont = "Arial";
inline constexpr std::string_view kProgramTitle = "Dravik Sudoku";

// The technique column lists Naked Single before Hidden Single, then the rest
// in ladder order.
inline constexpr std::array<int, kTechniqueCount> kTechniquePrintOrder = [] {
    std::array<int, kTechniqueCount> order{};
    order[0] = kNakedSingle;
    order[1] = kHiddenSingle;
    for (int t = 2; t < kTechniqueCount; ++t) order[t] = t;
    return order;
}();
// A line of the technique column: the print code and the count's last two
// digits ("NS 07").
std::string TechniqueLine(int technique, int count);

// The drawing methods of the print dialog, over one surface and one stock.
class PrintLayout {
  public:
    // `options` (per page, pencil marks, level) are read at every call.
    PrintLayout(PageSurface& surface, const Stock& stock, const PrintOptions& options);

    void PrintTitel();
    // Takes puzzle `number` (1..100) of the options' level as the one to print.
    void OpenSudoku(int number);
    // The candidates the givens leave in every cell.
    void SetupCandidates();
    void PrintSudoku(int position, int number);
    void PrintSolution(int position);
    void PrintPaginanummer(int page);

    const PageGeometry& Geometry() const { return page_; }
    const GridBox& Box() const { return box_; }
    bool Candidate(int cell, int digit) const { return candidates_[digit - 1][cell]; }

  private:
    void DrawGrid();
    void PrintCentred(int row, int column, std::string_view text);

    PageSurface& surface_;
    const Stock& stock_;
    const PrintOptions& options_;
    PageGeometry page_;
    GridBox box_;
    float cell_ = 0; // box_.width / 9

    // The puzzle being printed.
    std::array<std::uint8_t, 81> givens_{};
    std::array<std::uint8_t, 81> solution_{};
    std::array<std::int16_t, kTechniqueCount> counts_{};
    std::array<std::array<bool, 81>, 9> candidates_{};
};

// The numbers of a print run in print order: 10 pages of at most 4 puzzles.
using PrintNumbers = std::array<int, kMaxPages * kMaxPerPage>;

// The whole run: every page with its title, puzzles, solutions and page
// number, then the end of the document. The options must be printable
// (OptionsProblem); otherwise nothing is drawn and false comes back.
bool RunPrint(PageSurface& surface, const Stock& stock, const PrintOptions& options,
              PrintNumbers* numbers = nullptr);

// The first page of the run alone, as the example picture shows it.
void DrawFirstPage(PageSurface& surface, const Stock& stock, const PrintOptions& options);

} // namespace dravik::print
