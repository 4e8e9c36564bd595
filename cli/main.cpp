// dravik: the game's solver and generator for scripts. `dravik print` runs
// the print program beside it, so that no other command loads Qt.
#include "cli/command_main.h"

int main(int argc, char** argv) {
    return dravik::cli::CommandMain(argc, argv, dravik::cli::RunPrintProgram);
}
