// dravik hint against the game's own hint on the same boards, and input that
// is not a board state.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "cli/args.h"
#include "cli/commands.h"
#include "play/play_fixture.h"
#include "support/command_run.h"

namespace dravik::cli {
namespace {

test::CommandRun Hint(const Args& args, const std::string& input) {
    return test::RunCommand([&](std::ostream& out, std::ostream& err) {
        std::istringstream in(input);
        return RunHint(args, in, out, err);
    });
}

std::string Digits(const std::array<std::uint8_t, kCells>& grid) {
    std::string s;
    for (auto d : grid) s += static_cast<char>('0' + d);
    return s;
}

// PLAYED MARKS SOLUTION GIVENS LEVEL, as a script would write the game's board.
std::string StateLine(const test::ShownBoard& b) {
    std::string marks;
    for (int c = 0; c < kCells; ++c) {
        if (c) marks += ',';
        const unsigned m = b.Played[c] ? 0 : b.PencilMarks[c];
        if (!m) marks += '-';
        for (int d = 1; d <= 9; ++d)
            if (m & DigitBit(d)) marks += static_cast<char>('0' + d);
    }
    return Digits(b.Played) + ' ' + marks + ' ' + Digits(b.Solution) + ' ' + Digits(b.Givens) +
           ' ' + std::to_string(b.PuzzleLevel);
}

int CellOf(const std::string& name) {
    return 9 * static_cast<int>(std::string("ABCDEFGHJ").find(name[0])) + (name[1] - '1');
}

// Plays whole games by the hints and asks the command at every position:
// the same code, and with --where the step and the cells "Show where" shows.
TEST(HintCommand, AgreesWithTheGamesHintAlongWholeGames) {
    int compared = 0, wrongDigits = 0, struckMarks = 0;
    std::set<int> codes;
    for (int level = 1; level <= 5; ++level) {
        test::PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(level, 2);
        // A sound step, a wrong digit, a struck solution mark, then sound
        // play by the hints to the end.
        int pick = -1;
        for (int round = 0; round < 200 && !!h.playing(); ++round) {
            if (round == 1 || round == 3) {
                pick = 0;
                while (h.board().Played[pick]) ++pick;
            }
            if (round == 1) {
                int wrong = h.board().Solution[pick] % 9 + 1;
                for (int k = 0; k < 8 && !(h.board().PencilMarks[pick] & DigitBit(wrong)); ++k)
                    wrong = wrong % 9 + 1;
                h.Place(pick, wrong);
            }
            if (round == 2 || (round == 4 && level >= 3)) h.game->Undo();
            if (round == 3 && level >= 3) h.Strike(pick, h.board().Solution[pick]);
            const std::string line = StateLine(h.board());
            const HintResult result = h.game->Hint();
            const int code = HintCode(result);
            codes.insert(code);
            wrongDigits += result.kind == HintKind::WrongDigit;
            struckMarks += result.kind == HintKind::StruckMark;
            const auto plain = Hint({}, line);
            const auto where = Hint({"--where"}, line);
            ASSERT_EQ(plain.status, 0) << plain.err;
            ASSERT_EQ(where.status, 0) << where.err;
            EXPECT_EQ(plain.out, std::to_string(code) + "\n");
            ++compared;
            if (!result.IsTechnique()) {
                EXPECT_EQ(where.out, plain.out);
                if (round > 4) break;
                continue;
            }
            // "CODE place|remove D@CELL ... pattern CELL ..."
            h.game->ShowHintWhere();
            const BoardHighlight shown = h.view().Highlight;
            std::istringstream words(where.out);
            int echoed = 0;
            std::string verb, word;
            words >> echoed >> verb;
            EXPECT_EQ(echoed, code);
            EXPECT_EQ(verb, shown.PlacedCell >= 0 ? "place" : "remove");
            std::array<std::uint16_t, kCells> struck{};
            std::array<bool, kCells> pattern{};
            bool inPattern = false;
            while (words >> word) {
                if (word == "pattern") {
                    inPattern = true;
                } else if (inPattern) {
                    pattern[CellOf(word)] = true;
                } else if (verb == "place") {
                    EXPECT_EQ(word, std::to_string(shown.PlacedDigit) + "@" +
                                        CellName(shown.PlacedCell).data());
                } else {
                    struck[CellOf(word.substr(2))] |= DigitBit(word[0] - '0');
                }
            }
            EXPECT_TRUE(inPattern);
            if (verb == "remove") {
                EXPECT_EQ(struck, shown.Struck);
            }
            EXPECT_EQ(pattern, shown.Pattern);
            if (round == 0 || round > 4) h.game->ApplyHintStep();
        }
    }
    EXPECT_GT(compared, 100);
    EXPECT_TRUE(codes.count(185));
    EXPECT_EQ(wrongDigits, 5);
    EXPECT_EQ(struckMarks, 3);
    EXPECT_GE(codes.size(), 8u);
}

TEST(HintCommand, MalformedLinesAreReportedAndTheRestAnswered) {
    test::PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    const std::string good = StateLine(h.board());
    std::istringstream split(good);
    std::string played, marks, solution, givens, level;
    split >> played >> marks >> solution >> givens >> level;
    auto line = [&](const std::string& p, const std::string& m, const std::string& s,
                    const std::string& g,
                    const std::string& l) { return p + ' ' + m + ' ' + s + ' ' + g + "\t" + l; };
    int given = 0;
    while (givens[given] == '0') ++given;
    std::string clash = solution;
    clash[given] = static_cast<char>('1' + (clash[given] - '0') % 9);
    std::string missing = played;
    missing[given] = '0';
    std::string holed = solution;
    holed[given] = '.';
    // A second given of the same digit in the given's row; and two solution
    // digits of one row swapped between columns (two empty cells).
    std::string twinGivens = givens;
    for (int c = given / 9 * 9; c < given / 9 * 9 + 9; ++c)
        if (givens[c] == '0') {
            twinGivens[c] = givens[given];
            break;
        }
    int swapA = -1, swapB = -1;
    for (int c = 0; c < kCells && swapB < 0; ++c) {
        if (givens[c] != '0') continue;
        if (swapA < 0)
            swapA = c;
        else if (c / 9 == swapA / 9)
            swapB = c;
    }
    std::string swapped = solution;
    std::swap(swapped[swapA], swapped[swapB]);
    std::string binary = good;
    binary[100] = '\x01'; // inside the marks field
    const int binaryCell =
        1 + static_cast<int>(std::count(good.begin() + 82, good.begin() + 100, ','));

    const std::vector<std::string> lines = {
        "# a comment",                                                               // 1
        good + " and words after it",                                                // 2 answered
        played + ' ' + marks,                                                        // 3
        line(played.substr(1), marks, solution, givens, level),                      // 4
        line(played, marks + ",-", solution, givens, level),                         // 5
        line(played, "9" + marks.substr(marks.find(',')), solution, givens, "3"),    // 6 ok
        line(played, "31" + marks.substr(marks.find(',')), solution, givens, level), // 7
        line(played, "," + marks.substr(marks.find(',') + 1), solution, givens, level), // 8
        line(played, marks, solution, givens, "0"),                                     // 9
        line(played, marks, solution, givens, "6"),                                     // 10
        line(played, marks, solution, givens, "33"),                                    // 11
        line(played, marks, clash, givens, level),                                      // 12
        line(missing, marks, solution, givens, level),                                  // 13
        line(played, marks, holed, givens, level),                                      // 14
        line(played, marks, solution, givens + "x", level),                             // 15
        binary,                                                                         // 16
        std::string(20000, '7'),                                                        // 17
        "",                                                                             // 18
        line(played, marks, solution, twinGivens, level),                               // 19
        line(played, marks, swapped, givens, level),                                    // 20
        std::string(kMaxLineLength + 10, ' '),                                          // 21
        good, // 22 answered
    };
    std::string input;
    for (const auto& l : lines) input += l + "\n";
    const auto r = Hint({"--where"}, input);
    EXPECT_EQ(r.status, 1);
    std::vector<std::string> errors;
    std::istringstream err(r.err);
    for (std::string e; std::getline(err, e);) errors.push_back(e);
    const std::vector<std::string> expected = {
        "line 3: expected 5 fields (PLAYED MARKS SOLUTION GIVENS LEVEL), found 2",
        "line 4: played: expected 81 cells, found 80 characters",
        "line 5: marks: expected 81 comma-separated fields, found 82",
        "line 7: marks: cell 1: expected '-' or digits 1-9 in ascending order",
        "line 8: marks: cell 1: expected '-' or digits 1-9 in ascending order",
        "line 9: level: expected 1 to 5",
        "line 10: level: expected 1 to 5",
        "line 11: level: expected 1 to 5",
        "line 12: solution: cell " + std::string(CellName(given).data()) +
            " clashes with the given " + givens.substr(given, 1),
        "line 13: played: cell " + std::string(CellName(given).data()) +
            " does not show the given " + givens.substr(given, 1),
        "line 14: solution: cell " + std::string(CellName(given).data()) + " is empty",
        "line 15: givens: expected 81 cells, found 82 characters",
        "line 16: marks: cell " + std::to_string(binaryCell) +
            ": expected '-' or digits 1-9 in ascending order",
        "line 17: expected 5 fields (PLAYED MARKS SOLUTION GIVENS LEVEL), found 1",
        "line 19: givens clash: two " + givens.substr(given, 1) + "s in row " +
            std::string(1, CellName(given)[0]),
        "line 20: solution: two " + solution.substr(swapB, 1) + "s in column " +
            std::to_string(swapA % 9 + 1),
        "line 21: line longer than " + std::to_string(kMaxLineLength) + " characters",
    };
    EXPECT_EQ(errors, expected) << r.err.substr(0, 2000);
    std::vector<std::string> answers;
    std::istringstream out(r.out);
    for (std::string a; std::getline(out, a);) answers.push_back(a);
    ASSERT_EQ(answers.size(), 3u) << r.out;
    EXPECT_EQ(answers[0], answers[2]);
    const int code = std::stoi(answers[0]);
    EXPECT_TRUE(code >= 1 && code <= kTechniqueCount) << answers[0];
    EXPECT_NE(answers[0].find(" pattern "), std::string::npos);
    EXPECT_NE(answers[1], "");
    EXPECT_THROW(Hint({"--steps"}, good), UsageError);
    EXPECT_EQ(Hint({}, "").status, 0);
}

} // namespace
} // namespace dravik::cli
