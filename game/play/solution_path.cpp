#include "game/play/solution_path.h"

#include "game/base/translate.h"
#include "game/hint/hint_search.h"
#include "game/hint/step_words.h"

namespace dravik {

namespace {

std::array<CellView, kCells> CellsOf(const Solver& solver, const Board& board) {
    std::array<CellView, kCells> cells{};
    const Grid& grid = solver.SolverGrid();
    for (int c = 0; c < kCells; ++c) {
        CellView& cell = cells[c];
        cell.Digit = static_cast<std::uint8_t>(grid[c]);
        cell.MarksShown = cell.Digit != 0 ? 0 : solver.CandidateMask()[c];
        cell.Colour =
            board.Givens[c] > 0 && cell.Digit != 0 ? DigitColour::Given : DigitColour::Normal;
    }
    return cells;
}

} // namespace

SolutionPath FindSolutionPath(const Round& round) {
    SolutionPath path;
    if (!round.Playing()) return path;
    const Board& b = round.Arrays();
    path.fromStep = b.StepCount;
    // The hint's own checks decide whether the position is sound.
    if (FirstMistake(HintBoard{b.Played, b.PencilMarks, b.Solution, b.Givens, b.PuzzleLevel})) {
        path.outcome = SolutionPath::Outcome::Mistake;
        return path;
    }

    Grid givens{}, played{};
    for (int c = 0; c < kCells; ++c) {
        givens[c] = static_cast<std::int16_t>(b.Givens[c]);
        played[c] = static_cast<std::int16_t>(b.Played[c]);
    }
    Solver solver;
    solver.LoadPosition(givens, played, CleanedMarks(b.Played, b.PencilMarks));
    if (solver.Solved()) {
        path.outcome = SolutionPath::Outcome::Complete;
        path.end = CellsOf(solver, b);
        return path;
    }
    StepPattern pattern;
    solver.RecordPattern(&pattern);
    // The callback comes after each step: the board before it is the one
    // kept from the step before.
    std::array<CellView, kCells> before = CellsOf(solver, b);
    std::array<std::uint16_t, kCells> marksBefore = solver.CandidateMask();
    path.steps.reserve(128);
    const int result = solver.SolveFromHere([&](const SolveStep& s) {
        PathStep step;
        step.technique = s.technique;
        step.words = StepInWords(s.changes);
        step.cells = before;
        HintStep hint;
        hint.technique = s.technique;
        // Ordered as the hint orders its step, so the explanation reads the same.
        hint.changes.assign(s.changes.begin(), s.changes.end());
        OrderChanges(hint.changes);
        hint.pattern = pattern;
        hint.marks = marksBefore;
        step.highlight = HighlightOf(hint);
        path.steps.push_back(std::move(step));
        before = CellsOf(solver, b);
        marksBefore = solver.CandidateMask();
        return true;
    });
    path.outcome =
        result == kResultStuck ? SolutionPath::Outcome::Stuck : SolutionPath::Outcome::Solved;
    path.end = before;
    return path;
}

std::string SolutionPath::Summary() const {
    switch (outcome) {
    case Outcome::NoPuzzle:
        return Tr(QT_TRANSLATE_NOOP("dravik", "No puzzle is being played."));
    case Outcome::Mistake:
        return Tr(QT_TRANSLATE_NOOP(
            "dravik", "This position cannot be solved from here. Ask for a Hint to find out why."));
    case Outcome::Complete:
        return Tr(
            QT_TRANSLATE_NOOP("dravik", "The board is full: there is nothing left to solve."));
    case Outcome::Solved:
        return TrWith(steps.size() == 1
                          ? QT_TRANSLATE_NOOP("dravik", "%1 step solves the puzzle from here.")
                          : QT_TRANSLATE_NOOP("dravik", "%1 steps solve the puzzle from here."),
                      std::to_string(steps.size()));
    case Outcome::Stuck:
        return TrWith(
            steps.size() == 1
                ? QT_TRANSLATE_NOOP("dravik",
                                    "After %1 step the techniques of this game get no further.")
                : QT_TRANSLATE_NOOP("dravik",
                                    "After %1 steps the techniques of this game get no further."),
            std::to_string(steps.size()));
    }
    return {};
}

std::string PathLine(int number, const PathStep& step) {
    return StepLine(number, step.technique, step.words);
}

} // namespace dravik
