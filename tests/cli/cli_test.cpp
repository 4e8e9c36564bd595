// The dravik command's grade and solve as scripts use them, including input
// that is not a puzzle at all.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/args.h"
#include "cli/commands.h"
#include "support/command_run.h"
#include "support/temp_folder.h"
#include "support/testdata.h"

extern char** environ;

namespace dravik::cli {
namespace {

using test::CommandRun;

CommandRun Call(int (*command)(const Args&, std::istream&, std::ostream&, std::ostream&),
                const Args& args, const std::string& input) {
    return test::RunCommand([&](std::ostream& out, std::ostream& err) {
        std::istringstream in(input);
        return command(args, in, out, err);
    });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

constexpr const char* kSolved =
    "974236158638591742125487936316754289742918563589362417867125394253649871491873625";

TEST(Grade, MatchesTheGoldenFileInInputOrderWithAnyThreadCount) {
    DRAVIK_REQUIRE_TESTDATA(path, "golden_grades.tsv");
    std::string input, expected;
    for (const auto& row : test::ReadTsv(path)) {
        input += row[0] + "\n";
        expected += row[0] + ' ' + row[1] + ' ' + row[2] + ' ' + row[3] + '\n';
    }
    for (const char* threads : {"1", "2", "7"}) {
        const CommandRun r = Call(RunGrade, {"--threads", threads}, "# comment\n\n" + input);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, expected) << "threads " << threads;
    }
}

TEST(Grade, MalformedLinesAreReportedAndSkipped) {
    std::string contradictory(81, '0');
    contradictory[0] = contradictory[1] = '5';
    std::string binary(81, '\0');
    binary[3] = '\xff';
    const std::string input = std::string(kSolved) + "\n" +           // 1: all given
                              "12345\n" +                             // 2: too short
                              std::string(10000, '1') + "\n" +        // 3: far too long
                              std::string(80, '0') + "x\n" +          // 4: a letter
                              binary + "\n" +                         // 5: binary bytes
                              contradictory + "   trailing words\n" + // 6: runs
                              "   \t\n";                              // 7: blank
    const CommandRun r = Call(RunGrade, {},
                              input + std::string(kMaxLineLength + 5, '1') + "\n" + kSolved +
                                  "\n"); // 8: too long, 9: all given
    EXPECT_EQ(r.status, 1);
    const auto errors = Lines(r.err);
    ASSERT_EQ(errors.size(), 6u) << r.err;
    EXPECT_EQ(errors[0].rfind("line 2: ", 0), 0u);
    EXPECT_EQ(errors[1].rfind("line 3: ", 0), 0u);
    EXPECT_EQ(errors[2], "line 4: cell 81: unexpected character 'x'");
    EXPECT_EQ(errors[3].rfind("line 5: cell 1: unexpected character (byte 0)", 0), 0u);
    EXPECT_EQ(errors[4], "line 6: givens clash: two 5s in row A");
    EXPECT_EQ(errors[5], "line 8: line longer than 1048576 characters");

    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    std::string allGiven = std::string(kSolved) + " 1 0";
    for (int i = 0; i < 22; ++i) allGiven += " 0";
    EXPECT_EQ(lines[0], allGiven);
    EXPECT_EQ(lines[1], allGiven);
}

TEST(GradeAndSolve, ClashingGivensInARowAColumnOrABoxAreReportedAndSkipped) {
    auto with = [](std::initializer_list<std::pair<int, char>> givens) {
        std::string p(81, '.');
        for (auto [cell, digit] : givens) p[cell] = digit;
        return p;
    };
    std::string fine = kSolved;
    for (int c = 0; c < 81; c += 10) fine[c] = '0';
    const std::string input = with({{72, '7'}, {76, '7'}}) + "\n" +          // J1, J5
                              with({{2, '4'}, {47, '4'}}) + "\n" +           // A3, F3
                              fine + "\n" +                                  //
                              with({{30, '9'}, {50, '9'}}) + "\n" +          // D4, F6
                              with({{0, '1'}, {1, '1'}}) + "\n" +            // A1, A2: row and box
                              with({{0, '2'}, {40, '3'}, {80, '2'}}) + "\n"; // no clash
    const std::vector<std::string> errors = {
        "line 1: givens clash: two 7s in row J", "line 2: givens clash: two 4s in column 3",
        "line 4: givens clash: two 9s in box 5", "line 5: givens clash: two 1s in row A"};
    for (auto command : {RunGrade, RunSolve}) {
        const CommandRun r = Call(command, {}, input);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(Lines(r.err), errors);
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 2u) << r.out;
        EXPECT_EQ(lines[0].substr(0, 81), command == RunGrade ? fine : std::string(kSolved));
    }
    // The other eight boxes are numbered left to right, top to bottom.
    for (int box = 0; box < 9; ++box) {
        const int corner = 27 * (box / 3) + 3 * (box % 3);
        const CommandRun r = Call(RunGrade, {}, with({{corner, '6'}, {corner + 10, '6'}}));
        EXPECT_EQ(r.err, "line 1: givens clash: two 6s in box " + std::to_string(box + 1) + "\n");
    }
}

TEST(Grade, OutputKeepsTheInputOrderAcrossBatchesForAnyThreadCount) {
    DRAVIK_REQUIRE_TESTDATA(path, "golden_grades.tsv");
    std::string input, expected, expectedErrors;
    int line = 0;
    for (const auto& row : test::ReadTsv(path)) {
        if (line > 150) break;
        if (++line % 23 == 0) {
            input += "bad\n";
            expectedErrors +=
                "line " + std::to_string(line) + ": expected 81 cells, found 3 characters\n";
            ++line;
        }
        input += row[0] + "\n";
        expected += row[0] + ' ' + row[1] + ' ' + row[2] + ' ' + row[3] + '\n';
    }
    for (std::size_t batch : {1, 7, 64})
        for (const char* threads : {"1", "2", "5"}) {
            SCOPED_TRACE("batch " + std::to_string(batch) + ", threads " + threads);
            std::istringstream in(input);
            std::ostringstream out, err;
            EXPECT_EQ(RunGradeInBatches({"--threads", threads}, in, out, err, batch), 1);
            EXPECT_EQ(out.str(), expected);
            EXPECT_EQ(err.str(), expectedErrors);
        }
}

TEST(Grade, EmptyInputAndBadOptions) {
    const CommandRun r = Call(RunGrade, {}, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    for (const Args& bad : {Args{"--threads"}, Args{"--threads", "0"}, Args{"--threads", "x"},
                            Args{"--threads", "99999999999999999999"}, Args{"--fast"}}) {
        EXPECT_THROW(Call(RunGrade, bad, kSolved), UsageError);
    }
}

TEST(Solve, SolvedStuckAndSteps) {
    std::string easy = kSolved;
    easy[0] = easy[40] = '0';
    const CommandRun solved = Call(RunSolve, {}, easy + "\n" + std::string(81, '.') + "\n");
    EXPECT_EQ(solved.status, 0);
    EXPECT_EQ(Lines(solved.out),
              (std::vector<std::string>{kSolved, "stuck " + std::string(81, '0')}));

    const CommandRun steps = Call(RunSolve, {"--steps"}, easy);
    EXPECT_EQ(Lines(steps.out), (std::vector<std::string>{
                                    "# " + easy,
                                    // both are hidden and naked: counted as naked
                                    "1. Naked Single: place 9 at A1",
                                    "2. Naked Single: place 1 at E5",
                                    kSolved,
                                }));
}

TEST(Solve, StepsNameTheRemovedCandidates) {
    DRAVIK_REQUIRE_TESTDATA(path, "golden_grades.tsv");
    for (const auto& row : test::ReadTsv(path)) {
        if (row[1] != "2") continue;
        const CommandRun r = Call(RunSolve, {"--steps"}, row[0]);
        EXPECT_TRUE(r.out.find("Pointing Pair: remove ") != std::string::npos ||
                    r.out.find("Box Line: remove ") != std::string::npos)
            << r.out;
        EXPECT_EQ(Lines(r.out).back().size(), 81u); // solved grid last
        break;
    }
}

// Runs the dravik program with `input` on stdin and stdout going to `stdoutPath`,
// keeping its files in `folder`; the exit status, and what it wrote on stderr
// in `err`.
int RunProgram(const std::vector<std::string>& args, const std::string& input,
               const char* stdoutPath, const test::TempFolder& folder, std::string& err) {
    const std::string inPath = (folder / "stdin").string();
    const std::string errPath = (folder / "stderr").string();
    std::ofstream(inPath, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> words = {DRAVIK_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int status = -1;
    if (::posix_spawn(&pid, DRAVIK_BINARY, &actions, nullptr, argv.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    std::ifstream in(errPath, std::ios::binary);
    err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + status;
}

TEST(Command, EveryCommandWhoseOutputIsLostSaysSoAndFails) {
    std::string easy = kSolved;
    easy[0] = easy[40] = '0';
    const std::string puzzles = easy + "\nnot a puzzle\n" + easy + "\n";
    const std::string master = DRAVIK_MASTER_STOCK;
    // The same board as a hint line: its two empty cells marked with their digits.
    std::string marks;
    for (int c = 0; c < 81; ++c)
        marks += (c ? "," : "") + (easy[c] == '0' ? std::string(1, kSolved[c]) : "-");
    const std::string states =
        easy + " " + marks + " " + kSolved + " " + easy + " 3\nnot a state\n";
    struct Case {
        std::vector<std::string> args;
        int statusWhenWritten;
        std::string input = {}; // "" for the puzzles
    };
    const Case cases[] = {
        {{"grade"}, 1},
        {{"grade", "--threads", "2"}, 1},
        {{"solve"}, 1},
        {{"solve", "--steps"}, 1},
        {{"generate", "--count", "2", "--seed", "5"}, 0},
        {{"stock", "show", master, "--level", "1"}, 0},
        {{"stock", "verify", master}, 0},
        {{"hint", "--where"}, 1, states},
        {{"--help"}, 0},
    };
    const test::TempFolder folder("dravik-command");
    const std::string written = (folder / "stdout").string();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        std::string err;
        const std::string& input = c.input.empty() ? puzzles : c.input;
        EXPECT_EQ(RunProgram(c.args, input, written.c_str(), folder, err), c.statusWhenWritten)
            << err;
        EXPECT_GT(std::filesystem::file_size(written), 0u);
        EXPECT_EQ(err.find("write error"), std::string::npos) << err;

        EXPECT_EQ(RunProgram(c.args, input, "/dev/full", folder, err), 1);
        EXPECT_NE(err.find("dravik: write error: No space left on device\n"), std::string::npos)
            << err;
        // What went to stderr still arrived, in full.
        if (c.args[0] == "grade" || c.args[0] == "solve") {
            EXPECT_EQ(err.rfind("line 2: expected 81 cells, found 3 characters\n", 0), 0u) << err;
        }
        if (c.args[0] == "hint") {
            EXPECT_EQ(err.rfind("line 2: expected 5 fields", 0), 0u) << err;
        }
    }
}

} // namespace
} // namespace dravik::cli

namespace dravik::cli {
namespace {

TEST(GenerateNeeds, EveryTechniqueCanBeAskedForAndGradeCountsItInEveryPuzzle) {
    auto generate = [](const Args& args) {
        return test::RunCommand([&](std::ostream& out, std::ostream& err) {
            return RunGenerate(args, out, err, false);
        });
    };
    // Three X-Wing puzzles for seed 1, the same for two threads; grade agrees.
    const CommandRun xw = generate({"--needs", "XW", "--count", "3", "--seed", "1"});
    ASSERT_EQ(xw.status, 0) << xw.err;
    EXPECT_EQ(xw.out,
              generate({"--needs", "X-Wing", "--count", "3", "--seed", "1", "--threads", "2"}).out);
    const std::vector<std::string> lines = Lines(xw.out);
    ASSERT_EQ(lines.size(), 3u);
    std::string puzzles;
    for (const std::string& line : lines) puzzles += line.substr(0, 81) + "\n";
    const CommandRun graded = Call(RunGrade, {}, puzzles);
    for (const std::string& line : Lines(graded.out)) {
        std::istringstream fields(line);
        std::string puzzle;
        int result = 0, score = 0;
        std::array<int, kTechniqueCount> counts{};
        fields >> puzzle >> result >> score;
        for (int& c : counts) fields >> c;
        EXPECT_GE(counts[kXWing], 1) << line;
        EXPECT_LE(result, 5);
    }
    // Every technique of the table, by its print code.
    for (const TechniqueInfo& info : kTechniqueTable) {
        const CommandRun r = generate({"--needs", info.printCode, "--seed", "3", "--threads", "2"});
        ASSERT_EQ(r.status, 0) << info.printCode;
        const std::vector<std::string> one = Lines(r.out);
        ASSERT_EQ(one.size(), 1u) << info.printCode;
        std::istringstream fields(one[0]);
        std::string puzzle, solution;
        int level = 0, score = 0;
        fields >> puzzle >> solution >> level >> score;
        std::array<int, kTechniqueCount> counts{};
        for (int& c : counts) fields >> c;
        EXPECT_GE(counts[static_cast<std::size_t>(&info - kTechniqueTable.data())], 1)
            << info.printCode;
    }
    // An unknown name (or the wrong case) is refused with the list of names.
    for (const char* bad : {"Bogus", "xw", "x-wing"}) {
        try {
            generate({"--needs", bad});
            ADD_FAILURE() << bad << " accepted";
        } catch (const UsageError& e) {
            EXPECT_NE(e.message.find("XW (X-Wing)"), std::string::npos) << e.message;
            EXPECT_NE(e.message.find("JF (Jellyfish)"), std::string::npos);
        }
    }
    EXPECT_THROW(generate({"--needs", "XW", "--level", "4"}), UsageError);
}

} // namespace
} // namespace dravik::cli
