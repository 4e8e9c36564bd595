// dravik-print: `dravik print`, which needs Qt Gui, in a program of its own.
// `dravik print ARGS` runs `dravik-print ARGS`; both behave alike in every
// message and exit status.
#include <vector>

#include "cli/command_main.h"

int main(int argc, char** argv) {
    static char dravik[] = "dravik", print[] = "print";
    std::vector<char*> words{dravik, print};
    for (int i = 1; i < argc; ++i) words.push_back(argv[i]);
    words.push_back(nullptr);
    return dravik::cli::CommandMain(static_cast<int>(words.size()) - 1, words.data(),
                                    dravik::cli::RunPrint);
}
