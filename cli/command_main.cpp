// The body of `dravik` and `dravik-print`: the command line, its errors and
// the check that the output arrived.
#include "cli/command_main.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/args.h"
#include "cli/output.h"
#include "cli/progress.h"

namespace dravik::cli {

namespace {

std::string Usage() {
    const std::string counts = dravik::cli::CountColumns();
    return "usage: dravik COMMAND [OPTIONS]  (puzzles are read from standard input)\n"
           "  grade [--threads N]    PUZZLE RESULT SCORE " +
           counts +
           " per puzzle, in input order\n"
           "  solve [--steps]        the solved grid, or 'stuck' and the partial grid;\n"
           "                         --steps lists every technique step\n"
           "  generate --count N [--level L] [--threads T] [--seed S]\n"
           "                         PUZZLE SOLUTION LEVEL SCORE " +
           counts +
           " per new puzzle;\n"
           "                         --level keeps only that level's puzzles\n"
           "  generate --needs TECHNIQUE [--count N] [--threads T] [--seed S]\n"
           "                         the same line for N (default 1) puzzles whose grading\n"
           "                         needs the technique (its code or caption, e.g. XW)\n"
           "  hint [--where]         PLAYED MARKS SOLUTION GIVENS LEVEL per line: the game's\n"
           "                         hint code; --where adds the step and its pattern\n"
           "  stock build --out FILE [--seed S] [--threads T]\n"
           "                         fill all five sets of a new stock file\n"
           "  stock show FILE [--level L] [--number N]\n"
           "                         print the records of a stock file\n"
           "  stock verify FILE      check every record of a stock file\n"
           "  print --pdf FILE [--stock FILE] [--level L] [--from N] [--pages P]\n"
           "        [--per-page 1|2|4] [--no-solutions] [--no-marks]\n"
           "                         puzzles of the stock as A4 pages of a PDF file\n"
           "                         (defaults: level 1, from 1, 1 page, 1 per page)\n"
           "A puzzle is 81 characters: 1-9 a given, 0 or . an empty cell.\n";
}

// Runs the command; the exit status.
int Run(int argc, char** argv, PrintCommand print, std::ostream& out, std::ostream& err) {
    if (argc < 2) {
        err << Usage();
        return 2;
    }
    const std::string_view command = argv[1];
    Args args(argv + 2, argv + argc);
    try {
        if (command == "grade") return RunGrade(args, std::cin, out, err);
        if (command == "solve") return RunSolve(args, std::cin, out, err);
        if (command == "hint") return RunHint(args, std::cin, out, err);
        if (command == "generate") return RunGenerate(args, out, err, StderrIsTerminal());
        if (command == "stock") return RunStock(args, out, err, StderrIsTerminal());
        if (command == "print") return print(args, out, err);
        if (command == "--help" || command == "-h" || command == "help") {
            out << Usage();
            return 0;
        }
        throw UsageError{"unknown command '" + std::string(command) + "'"};
    } catch (const UsageError& e) {
        err << "dravik: " << e.message << '\n' << Usage();
        return 2;
    } catch (const std::exception& e) {
        err << "dravik: " << e.what() << '\n';
        return 1;
    }
}

} // namespace

int CommandMain(int argc, char** argv, PrintCommand print) {
    std::ios::sync_with_stdio(false);
    FdOutput outBuffer(1), errBuffer(2);
    std::ostream out(&outBuffer), err(&errBuffer);
    int status = Run(argc, argv, print, out, err);
    // Output that did not arrive is a failure, whatever the command thought.
    out.flush();
    if (outBuffer.Error() != 0 || !out) {
        err << "dravik: write error: "
            << (outBuffer.Error() != 0 ? std::strerror(outBuffer.Error()) : "output failed")
            << '\n';
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace dravik::cli
