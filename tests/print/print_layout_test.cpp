// The printed page on a recording surface: where every grid, digit, mark,
// label and technique line lands for one, two and four puzzles per page, and
// which puzzles a run prints on which page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "game/print/print_layout.h"
#include "game/stock/stock_file.h"
#include "print/recording_surface.h"
#include "support/master_stock.h"

namespace dravik::test {
namespace {

using print::GridBox;
using print::PrintOptions;

int Floor(double v) {
    return static_cast<int>(std::floor(v));
}

std::vector<DrawnOp> Of(const std::vector<DrawnOp>& ops, DrawnOp::Kind kind, int page = 0) {
    std::vector<DrawnOp> out;
    for (const DrawnOp& op : ops)
        if (op.kind == kind && (page == 0 || op.page == page)) out.push_back(op);
    return out;
}

// The text's middle lies in the box (a digit's line may be taller than its cell).
bool Inside(const DrawnOp& op, const GridBox& b) {
    const int x = (op.x1 + op.x2) / 2, y = (op.y1 + op.y2) / 2;
    return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
}

// The A4 page: 11906 x 16838 twips, 56.69 twips per millimetre.
TEST(PrintLayout, PageGeometryOfA4) {
    const print::PageGeometry g = print::MakePageGeometry(11906, 16838);
    EXPECT_NEAR(g.millimetre, 56.695, 0.001);
    EXPECT_EQ(g.unit, 566);
    EXPECT_EQ(g.margin, 1417);
    EXPECT_EQ(g.top, 1417);
    EXPECT_EQ(g.left, 1417);
    EXPECT_EQ(g.printWidth, 9072);
    EXPECT_EQ(g.printHeight, 14004);
    EXPECT_EQ(g.bottom, 15421);
    EXPECT_EQ(g.right, 10489);
}

// The grids of every position, read back from the outlines the run drew
// (thick pen), against the page positions worked out by hand for A4.
TEST(PrintLayout, GridAndSolutionBoxesForEveryPositionOfOneTwoAndFour) {
    struct Case {
        int perPage;
        std::vector<GridBox> puzzles, solutions;
    };
    auto box = [](int top, int left, int size) { return print::SquareBox(top, left, size); };
    const std::vector<Case> cases = {
        {1, {box(1983, 1417, 9072)}, {box(11459, 1417, 3962)}},
        {2,
         {box(1983, 1417, 5660), box(9195, 1417, 5660)},
         {box(4813, 7659, 2830), box(12025, 7659, 2830)}},
        {4,
         {box(1983, 1417, 3962), box(1983, 6527, 3962), box(8912, 1417, 3962),
          box(8912, 6527, 3962)},
         {box(6228, 1417, 2264), box(6228, 6527, 2264), box(13157, 1417, 2264),
          box(13157, 6527, 2264)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perPage);
        RecordingSurface surface;
        PrintOptions o;
        o.PerPage = c.perPage;
        ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o));
        const auto rects = Of(surface.ops, DrawnOp::Rectangle);
        ASSERT_EQ(rects.size(), 2u * c.perPage);
        for (int k = 1; k <= c.perPage; ++k) {
            const GridBox& p = c.puzzles[k - 1];
            const GridBox& s = c.solutions[k - 1];
            const DrawnOp& pr = rects[2 * (k - 1)];
            const DrawnOp& sr = rects[2 * (k - 1) + 1];
            EXPECT_EQ(GridBox({pr.y1, pr.x1, pr.y2, pr.x2, pr.x2 - pr.x1, pr.y2 - pr.y1}), p);
            EXPECT_EQ(GridBox({sr.y1, sr.x1, sr.y2, sr.x2, sr.x2 - sr.x1, sr.y2 - sr.y1}), s);
            EXPECT_EQ(pr.pen, 8);
        }
    }
}

// Inner lines at Int(i x cell), thick at every third; 4 per page has a cell of
// 440.22 twips, so the floors show.
TEST(PrintLayout, GridLinesFallOnWholeTwipsAndEveryThirdIsThick) {
    RecordingSurface surface;
    PrintOptions o;
    o.PerPage = 4;
    o.Solutions = false;
    ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o));
    const auto lines = Of(surface.ops, DrawnOp::Line);
    ASSERT_EQ(lines.size(), 4u * 16);
    const float cell = 3962.0f / 9.0f;
    for (int i = 1; i <= 8; ++i) {
        const DrawnOp& v = lines[2 * (i - 1)];
        const DrawnOp& h = lines[2 * (i - 1) + 1];
        const int offset = Floor(static_cast<float>(i) * cell);
        EXPECT_EQ(v.x1, 1417 + offset);
        EXPECT_EQ(v.x2, 1417 + offset);
        EXPECT_EQ(v.y1, 1983);
        EXPECT_EQ(v.y2, 1983 + 3962);
        EXPECT_EQ(h.y1, 1983 + offset);
        EXPECT_EQ(h.x1, 1417);
        EXPECT_EQ(h.x2, 1417 + 3962);
        EXPECT_EQ(v.pen, i % 3 == 0 ? 8 : 2) << i;
        EXPECT_EQ(h.pen, v.pen);
    }
    EXPECT_EQ(lines[2].x1, 1417 + 880); // 2 x 440.22
}

// Givens and solution digits: font, size, weight, colour and the centring in
// their cells; empty cells hold pencil marks only.
TEST(PrintLayout, DigitsAreCentredInTheirCellsInEachLayoutsSizes) {
    const std::map<int, std::pair<int, int>> sizes = {{1, {42, 11}}, {2, {28, 8}}, {4, {18, 6}}};
    for (const auto& [perPage, size] : sizes) {
        SCOPED_TRACE(perPage);
        RecordingSurface surface;
        PrintOptions o;
        o.PerPage = perPage;
        o.PencilMarks = false;
        o.First = 3;
        ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o));
        const print::PageGeometry g = print::MakePageGeometry(11906, 16838);
        const auto texts = Of(surface.ops, DrawnOp::Text);
        for (int k = 1; k <= perPage; ++k) {
            const StockRecord& r = MasterStock()(1, 2 + k);
            for (const bool solution : {false, true}) {
                const GridBox b =
                    solution ? print::SolutionBox(g, perPage, k) : print::PuzzleBox(g, perPage, k);
                const float cell = static_cast<float>(b.width) / 9.0f;
                std::vector<DrawnOp> in;
                for (const DrawnOp& t : texts)
                    if (Inside(t, b) && t.font == "Times New Roman") in.push_back(t);
                const int points = solution ? size.second : size.first;
                const auto& digits = solution ? r.Solution : r.Givens;
                const auto expected = static_cast<std::size_t>(
                    std::count_if(digits.begin(), digits.end(), [](auto d) { return d != 0; }));
                ASSERT_EQ(in.size(), expected);
                std::size_t next = 0;
                for (int cellIndex = 0; cellIndex < 81; ++cellIndex) {
                    if (digits[cellIndex] == 0) continue;
                    const DrawnOp& t = in[next++];
                    const int row = cellIndex / 9, column = cellIndex % 9;
                    EXPECT_EQ(t.text, std::string(1, static_cast<char>('0' + digits[cellIndex])));
                    EXPECT_EQ(t.size, points);
                    EXPECT_TRUE(t.bold);
                    EXPECT_EQ(t.colour, print::kBlack);
                    const int dx = Floor((cell - RecordingSurface::WidthOf("1", points)) / 2.0f);
                    const int dy = Floor((cell - RecordingSurface::HeightOf(points)) / 2.0f);
                    EXPECT_EQ(t.x1, b.left + Floor(static_cast<float>(column) * cell) + dx);
                    EXPECT_EQ(t.y1, b.top + Floor(static_cast<float>(row) * cell) + dy);
                }
            }
        }
    }
}

// A puzzle made for the marks: row A holds 1..8 in its first eight cells and
// the last cell is empty, so it can only be a 9; the cell below it sees two
// digits of its box, and the bottom-right corner sees none at all.
Stock MarksStock() {
    Stock stock = MasterStock();
    StockRecord& r = stock(1, 1);
    r.Givens.fill(0);
    for (int c = 0; c < 8; ++c) r.Givens[c] = static_cast<std::uint8_t>(c + 1);
    r.TechniqueCounts.fill(0);
    r.TechniqueCounts[kHiddenSingle] = 3;
    r.TechniqueCounts[kNakedSingle] = 7;
    r.TechniqueCounts[kXWing] = 100;
    r.TechniqueCounts[kJellyfish] = 12;
    return stock;
}

TEST(PrintLayout, PencilMarkBlockShowsTheCandidatesTheGivensLeave) {
    const Stock stock = MarksStock();
    for (int perPage : {1, 2, 4}) {
        SCOPED_TRACE(perPage);
        RecordingSurface surface;
        PrintOptions o;
        o.PerPage = perPage;
        o.Solutions = false;
        print::PrintLayout layout(surface, stock, o);
        layout.OpenSudoku(1);
        layout.SetupCandidates();
        // A given has no candidates; A9 only 9; B9 (row B, column 9, box 3)
        // loses the 7 and 8 of its box.
        for (int d = 1; d <= 9; ++d) {
            EXPECT_FALSE(layout.Candidate(0, d));
            EXPECT_EQ(layout.Candidate(8, d), d == 9) << d;
            EXPECT_EQ(layout.Candidate(17, d), d != 7 && d != 8) << d;
        }
        layout.PrintSudoku(1, 1);
        const GridBox& b = layout.Box();
        const float cell = static_cast<float>(b.width) / 9.0f;
        const int points = print::FontSizesFor(perPage).mark;
        const int w = RecordingSurface::WidthOf("8", points),
                  h = RecordingSurface::HeightOf(points);
        const float gx = (cell - 3.0f * w) / 4.0f, gy = (cell - 3.0f * h) / 4.0f;
        std::map<int, std::vector<DrawnOp>> marksByCell;
        int givenTexts = 0;
        for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text)) {
            if (t.font != "Times New Roman") continue;
            if (t.colour == print::kBlack) {
                ++givenTexts;
                continue;
            }
            EXPECT_EQ(t.colour, print::kGrey);
            EXPECT_EQ(t.size, points);
            EXPECT_FALSE(t.bold);
            const int column = Floor((t.x1 - b.left) / cell), row = Floor((t.y1 - b.top) / cell);
            marksByCell[9 * row + column].push_back(t);
        }
        EXPECT_EQ(givenTexts, 8);
        for (int c = 0; c < 8; ++c) EXPECT_EQ(marksByCell.count(c), 0u) << c;
        ASSERT_EQ(marksByCell[8].size(), 1u);
        EXPECT_EQ(marksByCell[8][0].text, "9");
        // The full block of the corner I9.
        const auto& block = marksByCell[80];
        ASSERT_EQ(block.size(), 9u);
        for (int d = 1; d <= 9; ++d) {
            const DrawnOp& t = block[d - 1];
            const int a = (d - 1) / 3 + 1, bcol = (d - 1) % 3 + 1;
            EXPECT_EQ(t.text, std::string(1, static_cast<char>('0' + d)));
            EXPECT_EQ(t.x1, b.left + Floor(9 * cell) - Floor((4 - bcol) * (w + gx)));
            EXPECT_EQ(t.y1, b.top + Floor(9 * cell) - Floor((4 - a) * (h + gy)));
        }
        // Equal gaps: the block sits inside its cell with gx on either side.
        EXPECT_NEAR(block[0].x1 - (b.left + 8 * cell), gx, 1.0);
        EXPECT_NEAR(b.right - block[2].x2, gx, 1.0);
        EXPECT_NEAR(b.bottom - block[8].y2, gy, 1.0);
        EXPECT_EQ(marksByCell[17].size(), 7u);
    }
}

TEST(PrintLayout, NumberLabelAndTechniqueColumn) {
    const Stock stock = MarksStock();
    const std::map<int, int> labelSizes = {{1, 18}, {2, 11}, {4, 8}};
    for (const auto& [perPage, labelSize] : labelSizes) {
        SCOPED_TRACE(perPage);
        RecordingSurface surface;
        PrintOptions o;
        o.PerPage = perPage;
        print::PrintLayout layout(surface, stock, o);
        layout.OpenSudoku(1);
        layout.SetupCandidates();
        layout.PrintSudoku(perPage, 1); // the last position of the page
        const GridBox b = layout.Box();
        std::vector<DrawnOp> arial;
        for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text))
            if (t.font == "Arial") arial.push_back(t);
        ASSERT_EQ(arial.size(), 5u);
        const DrawnOp& label = arial[0];
        EXPECT_EQ(label.text, "# 1");
        EXPECT_EQ(label.size, labelSize);
        EXPECT_FALSE(label.bold);
        EXPECT_EQ(label.colour, print::kBlack);
        EXPECT_EQ(label.x2, b.right); // right-aligned under the grid
        EXPECT_EQ(label.y1, b.bottom + Floor(1.25 * RecordingSurface::HeightOf(labelSize)));
        // NS before HS, the ladder's order after that, two digits, unused left out.
        const std::vector<std::string> lines = {"NS 07", "HS 03", "XW 00", "JF 12"};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const DrawnOp& t = arial[i + 1];
            EXPECT_EQ(t.text, lines[i]);
            EXPECT_EQ(t.size, 8);
            EXPECT_EQ(t.x1, b.right + RecordingSurface::WidthOf(" ", 8));
            EXPECT_EQ(t.y1, b.top + static_cast<int>(i) * RecordingSurface::HeightOf(8));
        }
    }
    EXPECT_EQ(print::TechniqueLine(kSkyscraper, 1), "SS 01");
    EXPECT_EQ(print::TechniqueLine(kHiddenSingle, 45), "HS 45");
    EXPECT_EQ(print::TechniqueLine(kFinnedXWing, 123), "FX 23");
}

TEST(PrintLayout, TitleAndPageNumberOnEveryPage) {
    RecordingSurface surface;
    PrintOptions o;
    o.Pages = 3;
    o.PerPage = 2;
    o.Level = 4;
    ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o));
    for (int page = 1; page <= 3; ++page) {
        std::vector<DrawnOp> big;
        for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text, page))
            if (t.font == "Arial" && t.size == 18) big.push_back(t);
        ASSERT_EQ(big.size(), 3u);
        EXPECT_EQ(big[0].text, "Dravik Sudoku");
        EXPECT_EQ(big[0].x1, 1417);
        EXPECT_EQ(big[0].y1, 1417);
        EXPECT_EQ(big[1].text, "Hard");
        EXPECT_EQ(big[1].x2, 10489);
        EXPECT_EQ(big[1].y1, 1417);
        EXPECT_EQ(big[2].text, "Page " + std::to_string(page));
        EXPECT_EQ(big[2].x2, 10489);
        EXPECT_EQ(big[2].y2, 15421); // its bottom on the page's bottom edge
        for (const DrawnOp& t : big) EXPECT_FALSE(t.bold);
    }
}

// Three pages of four from 5: puzzles 5..16 left to right, top to bottom,
// pages 1..3; each page ends once, the empty page after the last is never
// drawn on, and the document ends once.
TEST(PrintLayout, RunNumbersThePuzzlesInOrderOverThePages) {
    RecordingSurface surface;
    PrintOptions o;
    o.Pages = 3;
    o.PerPage = 4;
    o.First = 5;
    o.Level = 2;
    print::PrintNumbers numbers{};
    ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o, &numbers));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(numbers[i], 5 + i);
    EXPECT_EQ(numbers[12], 0);

    std::vector<std::pair<int, std::string>> labels;
    for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text))
        if (t.text.starts_with("# ")) labels.emplace_back(t.page, t.text);
    ASSERT_EQ(labels.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(labels[i].first, 1 + i / 4);
        EXPECT_EQ(labels[i].second, "# " + std::to_string(5 + i));
    }
    // Puzzle 6 (k = 2 on page 1) shows the givens of level 2's record 6.
    const StockRecord& r = MasterStock()(2, 6);
    const print::PageGeometry g = print::MakePageGeometry(11906, 16838);
    const GridBox b = print::PuzzleBox(g, 4, 2);
    std::string shown(81, '0');
    const float cell = b.width / 9.0f;
    for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text, 1))
        if (Inside(t, b) && t.bold)
            shown[9 * Floor(((t.y1 + t.y2) / 2 - b.top) / cell) +
                  Floor(((t.x1 + t.x2) / 2 - b.left) / cell)] = t.text[0];
    for (int c = 0; c < 81; ++c) EXPECT_EQ(shown[c], static_cast<char>('0' + r.Givens[c])) << c;

    ASSERT_FALSE(surface.ops.empty());
    EXPECT_EQ(surface.ops.back().kind, DrawnOp::EndDoc);
    EXPECT_EQ(surface.ops[surface.ops.size() - 2].kind, DrawnOp::NewPage);
    EXPECT_EQ(Of(surface.ops, DrawnOp::NewPage).size(), 3u);
    EXPECT_EQ(Of(surface.ops, DrawnOp::EndDoc).size(), 1u);
}

TEST(PrintLayout, WithoutSolutionsOrMarksNeitherIsDrawn) {
    RecordingSurface surface;
    PrintOptions o;
    o.PerPage = 2;
    o.Solutions = false;
    o.PencilMarks = false;
    ASSERT_TRUE(print::RunPrint(surface, MasterStock(), o));
    EXPECT_EQ(Of(surface.ops, DrawnOp::Rectangle).size(), 2u);
    for (const DrawnOp& t : Of(surface.ops, DrawnOp::Text)) {
        EXPECT_NE(t.colour, print::kGrey) << t.text;
        if (t.font == "Times New Roman") {
            EXPECT_TRUE(t.bold);
            EXPECT_EQ(t.size, 28);
        }
    }
}

// Options that would read outside the stock draw nothing at all.
TEST(PrintLayout, UnprintableOptionsAreRefusedBeforeDrawing) {
    auto problem = [](int pages, int perPage, int first, int level) {
        PrintOptions o;
        o.Pages = pages;
        o.PerPage = perPage;
        o.First = first;
        o.Level = level;
        RecordingSurface surface;
        const bool ran = print::RunPrint(surface, MasterStock(), o);
        EXPECT_EQ(ran, surface.ops.size() > 0);
        EXPECT_EQ(ran, print::OptionsProblem(o).empty());
        return print::OptionsProblem(o);
    };
    EXPECT_EQ(problem(10, 4, 61, 5), "");
    EXPECT_EQ(problem(1, 1, 100, 1), "");
    EXPECT_NE(problem(0, 1, 1, 1), "");
    EXPECT_NE(problem(11, 1, 1, 1), "");
    EXPECT_NE(problem(1, 3, 1, 1), "");
    EXPECT_NE(problem(1, 1, 0, 1), "");
    EXPECT_NE(problem(1, 1, 1, 6), "");
    EXPECT_NE(problem(1, 1, 1, 0), "");
    const std::string past = problem(10, 4, 62, 1);
    EXPECT_NE(past.find("past 100"), std::string::npos) << past;
    EXPECT_NE(past.find("61"), std::string::npos) << past;
}

} // namespace
} // namespace dravik::test
