// dravik: the game's solver and generator for scripts.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/progress.h"

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
           "  stock build --out FILE [--seed S] [--threads T]\n"
           "                         fill all five sets of a new stock file\n"
           "  stock show FILE [--level L] [--number N]\n"
           "                         print the records of a stock file\n"
           "  stock verify FILE      check every record of a stock file\n"
           "A puzzle is 81 characters: 1-9 a given, 0 or . an empty cell.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    using namespace dravik::cli;
    if (argc < 2) {
        std::cerr << Usage();
        return 2;
    }
    const std::string_view command = argv[1];
    Args args(argv + 2, argv + argc);
    try {
        if (command == "grade") return RunGrade(args, std::cin, std::cout, std::cerr);
        if (command == "solve") return RunSolve(args, std::cin, std::cout, std::cerr);
        if (command == "generate")
            return RunGenerate(args, std::cout, std::cerr, StderrIsTerminal());
        if (command == "stock") return RunStock(args, std::cout, std::cerr, StderrIsTerminal());
        if (command == "--help" || command == "-h" || command == "help") {
            std::cout << Usage();
            return 0;
        }
        throw UsageError{"unknown command '" + std::string(command) + "'"};
    } catch (const UsageError& e) {
        std::cerr << "dravik: " << e.message << '\n' << Usage();
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "dravik: " << e.what() << '\n';
        return 1;
    }
}
