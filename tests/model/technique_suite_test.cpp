// Runs every position of the external technique suite through the one
// technique it exercises, starting from the position's own candidates.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/testdata.h"

namespace dravik {
namespace {

struct Position {
    std::string id;
    int technique = -1;
    Grid givens{}, board{}, solution{};
    std::array<std::uint16_t, kCells> masks{};
    std::string kind, scope;
    std::set<std::pair<int, int>> steps; // (digit, cell)
};

std::vector<Position> LoadSuite(const std::string& folder) {
    std::vector<Position> all;
    for (int t = 0; t < kTechniqueCount; ++t) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.size() < 3 || name.substr(0, 2) != (t < 10 ? "0" : "") + std::to_string(t) ||
                name[2] != '_')
                continue;
            for (const auto& row : test::ReadTsv(entry.path().string())) {
                if (row.size() < 9) continue;
                Position p;
                p.id = row[0];
                p.technique = t;
                EXPECT_EQ(TechniqueByCaption(row[1]), t) << p.id;
                p.givens = test::GridFromText(row[2]);
                p.board = test::GridFromText(row[3]);
                const auto fields = test::Split(row[4], ',');
                EXPECT_EQ(fields.size(), 81u) << p.id;
                for (std::size_t c = 0; c < fields.size() && c < 81; ++c)
                    for (char ch : fields[c])
                        if (ch >= '1' && ch <= '9') p.masks[c] |= DigitBit(ch - '0');
                p.kind = row[5];
                for (const auto& step : test::Split(row[6], ' ')) {
                    const auto at = step.find('@');
                    if (at == std::string::npos) continue;
                    p.steps.insert({std::stoi(step.substr(0, at)), std::stoi(step.substr(at + 1))});
                }
                p.scope = row[7];
                p.solution = test::GridFromText(row[8]);
                all.push_back(std::move(p));
            }
        }
    }
    return all;
}

// Runs the technique once and returns what it changed.
std::vector<GridChange> RunOnce(Solver& solver, int technique, bool* result) {
    std::vector<GridChange> log;
    solver.RecordChanges(&log);
    *result = solver.ApplyTechnique(technique);
    solver.RecordChanges(nullptr);
    return log;
}

TEST(TechniqueSuite, EveryExternalPositionPasses) {
    DRAVIK_REQUIRE_TESTDATA(folder, "techniques");
    const auto suite = LoadSuite(folder);
    ASSERT_GE(suite.size(), 547u);

    int checked = 0;
    for (const auto& p : suite) {
        SCOPED_TRACE(p.id);
        Solver solver;
        solver.LoadPosition(p.givens, p.board, p.masks);
        bool fired = false;
        auto changes = RunOnce(solver, p.technique, &fired);

        if (p.kind == "none") {
            EXPECT_FALSE(fired);
            EXPECT_TRUE(changes.empty());
        } else if (p.kind == "place") {
            ASSERT_TRUE(fired);
            ASSERT_EQ(changes.size(), 1u);
            EXPECT_TRUE(changes[0].placed);
            EXPECT_EQ(changes[0].digit, p.solution[changes[0].cell]);
            if (p.scope == "exact") {
                EXPECT_TRUE(p.steps.count({changes[0].digit, changes[0].cell}))
                    << "placed " << int(changes[0].digit) << "@" << int(changes[0].cell);
            }
        } else {
            ASSERT_EQ(p.kind, "elim");
            const bool exact = p.scope == "exact" || p.scope == "derived";
            ASSERT_TRUE(fired);
            if (exact) {
                EXPECT_FALSE(changes.empty());
                for (const auto& ch : changes)
                    EXPECT_TRUE(p.steps.count({ch.digit, ch.cell}))
                        << "removed " << int(ch.digit) << "@" << int(ch.cell);
            }
            std::set<std::pair<int, int>> removed;
            for (int call = 0; call < 200; ++call) {
                for (const auto& ch : changes) {
                    EXPECT_FALSE(ch.placed);
                    EXPECT_NE(ch.digit, p.solution[ch.cell])
                        << "removed the solution digit " << int(ch.digit) << "@" << int(ch.cell);
                    removed.insert({ch.digit, ch.cell});
                }
                if (!fired) break;
                changes = RunOnce(solver, p.technique, &fired);
            }
            EXPECT_FALSE(fired) << "still firing after 200 calls";
            if (exact) {
                for (const auto& step : p.steps)
                    EXPECT_TRUE(removed.count(step))
                        << "missed " << step.first << "@" << step.second;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(suite.size()));
}

} // namespace
} // namespace dravik
