// `dravik print` in the program without Qt: the print program beside it does it.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_main.h"
#include "game/platform/folders.h"

namespace dravik::cli {

int RunPrintProgram(const Args& args, std::ostream& out, std::ostream& err) {
    const std::string folder = ExecutableFolder();
    const std::string program = folder + kPrintProgramName;
    std::vector<std::string> words{program};
    for (std::string_view a : args) words.emplace_back(a);
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    // Nothing is written yet, but the new program inherits the descriptors.
    out.flush();
    err.flush();
    if (!folder.empty()) execv(program.c_str(), argv.data());
    const int error = folder.empty() ? ENOENT : errno;
    // The print program is part of the installation: without it the
    // installation is broken, as with a broken master stock.
    err << "dravik: cannot run the print program '" << program << "': " << std::strerror(error)
        << '\n';
    return 1;
}

} // namespace dravik::cli
