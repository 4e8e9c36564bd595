#include "game/play/brought_puzzle.h"

#include "game/model/puzzle_text.h"
#include "game/stock/generator.h"

namespace dravik {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

BroughtResult Refused(std::string why) {
    BroughtResult r;
    r.error = std::move(why);
    return r;
}

} // namespace

BroughtResult ReadBroughtPuzzle(std::string_view text) {
    Grid givens{};
    int cells = 0;
    for (char c : text) {
        if (IsBlank(c)) continue;
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.') {
            std::string shown = (c >= 32 && c < 127) ? std::string("'") + c + "'" : "a sign";
            return Refused("This is not a Sudoku puzzle: it holds " + shown +
                           ", where only the digits 1 to 9, and 0 or . for an empty cell, "
                           "may stand.");
        }
        if (cells < kCells) givens[cells] = static_cast<std::int16_t>(digit ? c - '0' : 0);
        ++cells;
    }
    if (cells != kCells)
        return Refused("This is not a Sudoku puzzle: it has " + std::to_string(cells) +
                       " cells, where a puzzle has 81.");
    if (std::string clash = GivensClash(givens); !clash.empty())
        return Refused("This puzzle cannot be played: its givens break the rules (" + clash + ").");
    BroughtPuzzle p;
    p.givens = givens;
    switch (CountSolutionsUpTo2(givens, &p.solution)) {
    case 0:
        return Refused("This puzzle cannot be played: it has no solution.");
    case 1:
        break;
    default:
        return Refused("This puzzle cannot be played: it has more than one solution.");
    }
    Solver solver;
    p.grading = GradePuzzle(solver, givens);
    p.beyondLadder = p.grading.result < 1 || p.grading.result > 5;
    p.level = p.beyondLadder ? 5 : p.grading.result;
    BroughtResult r;
    r.puzzle = p;
    return r;
}

} // namespace dravik
