// The logical solver: climbs the ladder of 22 human techniques, one application
// at a time, restarting at Hidden Single after every success.
//
// Each instance owns its working arrays; the grading solver and the hint search
// are separate instances and share nothing but the constant tables.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "game/model/cell_set.h"
#include "game/model/grid.h"
#include "game/model/techniques.h"

namespace dravik {

using Grid = std::array<std::int16_t, kCells>;

// Results of Solve: 1..5 the level reached, 6 stuck.
constexpr int kResultStuck = 6;
// Returned when a step callback asked the solve to stop.
constexpr int kResultCancelled = 0;

// One change made by a technique.
struct GridChange {
    bool placed; // true: digit placed in cell; false: candidate removed
    std::int8_t digit;
    std::int8_t cell;
};

// Where a technique step stands, for showing it to a player: the cells that
// make the pattern, the units it lives in and the digits it is about. The
// order is each technique's own:
//   Hidden Single      cells: the unit's nine cells; units: the unit
//   Naked Single       cells: the cell
//   Pointing Pair      cells: the box's cells with the digit; units: box, line
//   Box Line           cells: the line's cells with the digit; units: line, box
//   subsets            cells: the subset's cells; units: the unit; digits: the subset's
//   X-Wing, Swordfish, Jellyfish
//                      cells: the base lines' cells with the digit; units: the
//                      base lines, then the cover lines
//   Finned X-Wing      cells: the four corners (base line first), then the fins;
//                      units: the two base lines, then the two cover lines
//   Multi X-Wing       cells: the rectangle {A,C} {A,D} {B,C} {B,D}; units: the
//                      two lines that confine A and B; digits: A and B
//   XY-Wing, XYZ-Wing  cells: pivot, first wing, second wing
//   Skyscraper         cells: the two cells of each line; units: the two lines
//   2 String Kite      cells: the row's two cells, the column's two; units: row, column
//   Empty Rectangle    cells: the box's cells with the digit, then the conjugate
//                      pair (the cell on the hinge's line first); units: box,
//                      hinge row, hinge column, the pair's line
//   Unique Rectangle   cells: floor, floor, roof, roof (and the naked pair's
//                      third cell); digits: the rectangle's two
//   Avoidable Rect.    cells: the two placed corners that share a digit or a
//                      line, then the other two; digits: the two placed digits
// `extra` counts the cells at the end of the list that play a second part:
// the fins, the Empty Rectangle's pair, the Unique Rectangle's third cell.
struct StepPattern {
    static constexpr int kMaxCells = 24;
    static constexpr int kMaxUnits = 8;
    std::array<std::int8_t, kMaxCells> cells{};
    int cellCount = 0;
    int extra = 0;
    std::array<std::int8_t, kMaxUnits> units{};
    int unitCount = 0;
    std::uint16_t digits = 0;

    void Clear() { cellCount = extra = unitCount = digits = 0; }
    void AddCell(int cell) {
        if (cellCount < kMaxCells) cells[cellCount++] = static_cast<std::int8_t>(cell);
    }
    void AddUnit(int unit) {
        if (unitCount < kMaxUnits) units[unitCount++] = static_cast<std::int8_t>(unit);
    }
    std::span<const std::int8_t> Cells() const { return {cells.data(), std::size_t(cellCount)}; }
    std::span<const std::int8_t> Units() const { return {units.data(), std::size_t(unitCount)}; }
};

struct SolveStep {
    int technique; // index in the technique table
    int level;     // level reached so far
    std::span<const GridChange> changes;
    const StepPattern* pattern = nullptr; // while a pattern is recorded
};

// Called after every successful ladder step; return false to stop the solve.
using StepCallback = std::function<bool(const SolveStep&)>;

class Solver {
  public:
    Solver();

    // The puzzle to solve: 0 = empty, 1..9 = given. Only read by the solver.
    Grid Puzzle{};

    // Runs the whole ladder on Puzzle. Returns 1..5 (level) or 6 (stuck);
    // kResultCancelled when `onStep` returned false.
    int Solve(const StepCallback& onStep = {});
    // The same ladder from the position as it stands (after Start or
    // LoadPosition), the level counted from 1.
    int SolveFromHere(const StepCallback& onStep = {});

    // Sets up the working state from Puzzle with no technique applied (givens placed).
    void Start();

    // Loads an arbitrary position: the givens, the digits standing on the board
    // (givens and placed digits) and every empty cell's candidate mask.
    // Filled cells get mask 0 whatever `masks` says.
    void LoadPosition(const Grid& givens, const Grid& board,
                      const std::array<std::uint16_t, kCells>& masks);

    // Runs one technique once; true when it reported progress.
    bool ApplyTechnique(int technique);

    // Restricts the ladder to the techniques whose bit (1 << index) is set;
    // the level still rises by index as the ladder climbs.
    void EnableTechniques(std::uint32_t mask) { enabled_ = mask; }

    // Records every change made by Place and RemoveCandidate into `log`
    // (nullptr stops recording).
    void RecordChanges(std::vector<GridChange>* log) { record_ = log; }
    // Describes every successful technique step in `pattern` (nullptr stops).
    // Only a step that reported progress leaves a meaningful pattern.
    void RecordPattern(StepPattern* pattern) { pattern_ = pattern; }

    // The two primitives, the only writers of the working arrays.
    void Place(int digit, int cell);
    bool RemoveCandidate(int digit, int cell);

    // Working state.
    const Grid& SolverGrid() const { return grid_; }
    const std::array<std::uint16_t, kCells>& CandidateMask() const { return mask_; }
    bool Possible(int digit, int cell) const { return (mask_[cell] >> (digit - 1)) & 1u; }
    const std::array<std::int16_t, kTechniqueCount>& TechniqueCount() const { return counts_; }
    bool Solved() const;

    // The techniques. Each returns true when it changed the grid (the few
    // documented exceptions return true on a complete pattern).
    bool HiddenSingle();
    bool NakedSingle();
    bool PointingPair();
    bool BoxLine();
    bool Subset(bool naked, int size);
    bool XWing();
    bool Swordfish();
    bool Jellyfish();
    bool FinnedXWing();
    bool MultiXWing();
    bool XYWing();
    bool XYZWing();
    bool Skyscraper();
    bool TwoStringKite();
    bool EmptyRectangle();
    bool UniqueRectangle();
    bool AvoidableRectangle();
    // Subset(naked, size) as a rung of the ladder.
    template <bool naked, int size> bool SubsetRung();

    // Shared elimination routines.
    // kind: 1 row, 2 column, 3 box of cells[0].
    bool NakedEliminate(const int* digits, int size, const int* cells, int kind) {
        return NakedEliminate(digits, size, cells, size, kind);
    }
    // The same with a separate number of cells that keep their candidates.
    bool NakedEliminate(const int* digits, int digitCount, const int* cells, int cellCount,
                        int kind);
    bool EliminateSeenByBoth(int a, int b, int digit);
    bool XYZEliminate(int pivot, int wing1, int wing2, int digit);

  private:
    bool PointingEliminate(int digit, int start, int k);
    bool BoxLineEliminate(int digit, int line, int segment, bool rows);
    bool BasicFish(int n);
    bool MultiXWingSearch();
    bool UniqueRectangleSearch(bool& partial);
    bool AvoidableRectangleSearch(bool& partial);
    bool NakedSubsetInUnit(const int* cells, int kind, int size);
    bool HiddenSubsetInUnit(const int* cells, int unit, int size);
    bool FindWings(int pivot, std::uint16_t wing1, std::uint16_t wing2, int digit, bool xyz);
    void NoteEmptyRectangle(int digit, int box, int row, int column, int near, int far,
                            int pairLine);
    bool EmptyRectangleHinge(int digit, int box, int row, int column,
                             const std::array<std::array<int, 9>, 10>& rowCount,
                             const std::array<std::array<int, 9>, 10>& colCount);

    Grid grid_{};
    std::array<std::uint16_t, kCells> mask_{};
    std::array<std::int16_t, kTechniqueCount> counts_{};
    // The candidates once more, by digit (index 1..9): the cells where the digit
    // can go, and the same turned on the diagonal (TransposedCell) so that a
    // column reads like a row. Place and Drop keep them in step with mask_.
    std::array<CellSet, 10> where_{};
    std::array<CellSet, 10> whereByColumn_{};
    // Empty cells with exactly one candidate.
    CellSet singles_{};
    // The bivalue cells, while XY-Wing or XYZ-Wing looks for wings.
    CellSet wingCells_{};

    // Removes candidate d (which must be there) from cell c.
    void Drop(int d, int c);
    // Rebuilds every derived array from grid_ and mask_ and marks everything changed.
    void Rebuild();
    // The same from every digit's cells by row and by column (Row bits).
    void Rebuild(const unsigned (&rows)[10][9], const unsigned (&columns)[10][9]);
    unsigned RowOf(int d, int row) const { return where_[d].Row(row); }
    unsigned ColumnOf(int d, int column) const { return whereByColumn_[d].Row(column); }

    // Change tracking. A search whose outcome depends only on one unit (or on
    // one digit's candidates) remembers the version at which it found nothing
    // and skips that unit (digit) until something in it changes. The skipped
    // work could only have failed again, so results are unchanged.
    // Versions are kept per unit id (grid.h).
    void Touch(int cell) {
        ++unitVersion_[RowUnit(CellRow(cell))];
        ++unitVersion_[ColumnUnit(CellColumn(cell))];
        ++unitVersion_[BoxUnit(CellBox(cell))];
    }
    void TouchAll();
    bool DigitUnchanged(const std::uint64_t& seen, int digit) const {
        return seen == digitVersion_[digit];
    }
    bool UnitUnchanged(const std::uint64_t& seen, int unit) const {
        return seen == unitVersion_[unit];
    }

    std::array<std::uint64_t, kUnits> unitVersion_{};
    std::array<std::uint64_t, 10> digitVersion_{};
    // How many cells of every unit can take every digit, by digit (1..9) and
    // unit in Hidden Single's scan order (boxes, rows, columns).
    std::array<std::array<std::int8_t, kUnits>, 10> unitCount_{};
    // Per digit, the units (bit = scan position) where the digit has exactly
    // one cell left: the only places a hidden single can stand.
    std::array<std::uint32_t, 10> hiddenPending_{};
    // Takes candidate d of cell c out of the counts above.
    void Uncount(int d, int c);
    // The searches over several digits and units find new patterns only when a
    // cell comes down to two, three or four candidates, a digit comes down to
    // two cells of a row or column, or a digit is placed; removals alone only
    // take elimination targets away. These count such events (never down, so
    // a sum of them is unchanged exactly when each is).
    std::uint64_t bivalueEvents_ = 0, trivalueEvents_ = 0, quadEvents_ = 0;
    std::uint64_t lineTwoEvents_ = 0, placeEvents_ = 0;
    // Versions at which a search last found nothing.
    std::array<std::array<std::uint64_t, kUnits>, 6> subsetSeen_{};          // by ladder position
    std::array<std::array<std::array<std::uint64_t, 10>, 2>, 3> fishSeen_{}; // size, half, digit
    std::array<std::uint64_t, 10> pointingSeen_{};
    std::array<std::array<std::uint64_t, 10>, 2> boxLineSeen_{}; // rows, columns
    std::array<std::array<std::uint64_t, 10>, 2> finnedSeen_{};  // rows, columns
    std::array<std::uint64_t, 10> skyscraperSeen_{};
    std::array<std::uint64_t, 10> kiteSeen_{};
    std::array<std::uint64_t, 10> emptyRectangleSeen_{};
    // The same for the searches above; ~0 for never.
    std::uint64_t xyWingSeen_ = ~std::uint64_t{0}, xyzWingSeen_ = ~std::uint64_t{0};
    std::uint64_t multiXWingSeen_ = ~std::uint64_t{0};
    std::uint64_t uniqueRectangleSeen_ = ~std::uint64_t{0};
    std::uint64_t avoidableRectangleSeen_ = ~std::uint64_t{0};
    int emptyCells_ = kCells;

    // Pattern recording. The techniques call these on their success paths
    // only, so grading pays one test per step.
    bool Noting() const { return pattern_ != nullptr; }
    StepPattern& Noted() { return *pattern_; }
    void NoteCells(std::initializer_list<int> cells, std::uint16_t digits, int extra = 0);

    std::vector<GridChange>* record_ = nullptr;
    StepPattern* pattern_ = nullptr;
    std::uint32_t enabled_ = (1u << kTechniqueCount) - 1;
};

} // namespace dravik
