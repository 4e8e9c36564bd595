#include "play_fixture.h"

#include <stdexcept>

#include "game/stock/score.h"

namespace dravik::test {

namespace {

// Half-turn symmetric puzzles, two per level, taken from the team's golden
// gradings; each is graded again here.
const char* const kPuzzleTexts[5][2] = {
    {"4.......6..231..7.6.154...8...6..85.....5.....69..1...3...756.4.1..695..7.......9",
     "..9.......15.76......4.5.6.8...1...41..7.2..93...5...7.3.8.1......54.12.......7.."},
    {"5.2..89...984....1...7.....2...8...73.9...1.48...6...2.....9...9....342...52..7.9",
     "....57..274.....83....6.1...3.9..5..6.......9..8..6.2...3.1....26.....518..27...."},
    {"....362...4.8...6....4...89.3...74.5.7.....3.5.23...9.69...3....1...8.2...351....",
     "..5..2....4...5.79......58..8..9......37582......3..1..26......15.8...2....3..7.."},
    {"9.58..........6.9....3..6.779.......651...942.......563.2..7....4.6..........83.9",
     ".743.1...8...54...5.......1..96....4.2.....9.4....72..7.......5...21...8...7.513."},
    {".2...65..5......9...6..5732.9.5.8.....4...8.....9.4.1.1458..9...8......7..93...5.",
     "..5.2..1.4..6.1....185......5.37.....2.1.5.6.....68.3......948....2.4..5.9..1.7.."},
};

Grid Parse(const char* text) {
    Grid g{};
    for (int i = 0; i < kCells; ++i)
        g[i] = text[i] == '.' ? 0 : static_cast<std::int16_t>(text[i] - '0');
    return g;
}

std::vector<std::vector<TestPuzzle>> BuildPuzzles() {
    std::vector<std::vector<TestPuzzle>> all(6);
    for (int level = 1; level <= 5; ++level) {
        for (const char* text : kPuzzleTexts[level - 1]) {
            TestPuzzle p;
            p.givens = Parse(text);
            Solver solver;
            p.grading = GradePuzzle(solver, p.givens);
            if (p.grading.result != level || !solver.Solved())
                throw std::runtime_error("test puzzle does not grade at its level");
            p.solution = solver.SolverGrid();
            all[level].push_back(p);
        }
    }
    return all;
}

StockRecord RecordOf(const TestPuzzle& p, int level, std::int32_t score) {
    StockRecord r;
    r.Level = static_cast<std::int16_t>(level);
    for (int i = 0; i < kCells; ++i) {
        r.Givens[i] = static_cast<std::uint8_t>(p.givens[i]);
        r.Solution[i] = static_cast<std::uint8_t>(p.solution[i]);
    }
    r.TechniqueCounts = p.grading.counts;
    r.Score = score;
    return r;
}

} // namespace

const std::vector<TestPuzzle>& TestPuzzles(int level) {
    static const std::vector<std::vector<TestPuzzle>> all = BuildPuzzles();
    return all.at(static_cast<std::size_t>(level));
}

const Stock& TestStock() {
    static const Stock stock = [] {
        Stock s;
        for (int level = 1; level <= 5; ++level)
            for (int n = 1; n <= kPuzzlesPerLevel; ++n)
                s(level, n) = RecordOf(TestPuzzles(level)[(n - 1) % 2], level, 1000 * level + n);
        return s;
    }();
    return stock;
}

GeneratedPuzzle GeneratedOfLevel(int level, std::int32_t score) {
    GeneratedPuzzle g;
    if (level >= 1 && level <= 5) {
        const TestPuzzle& p = TestPuzzles(level)[0];
        g.givens = p.givens;
        g.solution = p.solution;
        g.grading = p.grading;
    }
    g.grading.result = level;
    g.grading.score = score;
    return g;
}

PlayHarness::PlayHarness()
    : game(std::make_unique<Game>(GameServices{settings, prompt, sound, clock, writer, source})) {}

bool PlayHarness::Start(bool soundAvailable) {
    game->LoadSettings(soundAvailable);
    StockOpenResult opened;
    opened.status = StockOpenStatus::kOk;
    if (!game->TakeStock(opened, TestStock())) return false;
    game->FinishStartup();
    return true;
}

void PlayHarness::StartAndIdle() {
    if (!Start()) throw std::runtime_error("start-up failed");
    Settle();
}

void PlayHarness::Settle() {
    for (int i = 0; i < 10 && game->NeedsPass(); ++i) game->RunPass();
}

void PlayHarness::OpenNext() {
    game->Next();
    Settle();
}

void PlayHarness::OpenPuzzle(int level, int number) {
    game->SelectLevel(level);
    prompt.texts.push_back(std::to_string(number));
    game->Open();
    Settle();
}

void PlayHarness::SelectCell(int cell) {
    const ShownBoard b = board();
    if (b.SelectedRow != cell / 9) game->ToggleRow(cell / 9);
    if (b.SelectedColumn != cell % 9) game->ToggleColumn(cell % 9);
}

void PlayHarness::PlaceSolution() {
    const ShownBoard b = board();
    for (int i = 0; i < kCells && playing(); ++i)
        if (b.Played[i] == 0) Place(i, b.Solution[i]);
}

} // namespace dravik::test
