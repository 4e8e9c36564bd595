// Builds the help folder: every file of SOURCE/pages goes to OUTPUT, the HTML
// pages with their worked examples drawn from the steps the game's own hint
// search takes on the positions of SOURCE/examples.tsv. A missing or broken
// example, or one no page uses, fails the build.
//
// Usage: make_help_pages SOURCE OUTPUT
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "game/help/help_examples.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT\n", argv[0]);
        return 2;
    }
    const fs::path source = argv[1], output = argv[2];
    std::vector<std::string> errors;
    std::ifstream list(source / "examples.tsv");
    if (!list) {
        std::fprintf(stderr, "cannot read %s\n", (source / "examples.tsv").string().c_str());
        return 1;
    }
    const auto examples = dravik::ReadHelpExamples(list, errors);
    std::error_code ec;
    fs::create_directories(output, ec);

    std::set<std::string> used;
    for (const auto& entry : fs::directory_iterator(source / "pages")) {
        if (!entry.is_regular_file()) continue;
        const fs::path name = entry.path().filename();
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string page = text.str();
        if (name.extension() == ".html") {
            for (const auto& [id, example] : examples)
                if (page.find("<!-- example " + id + " -->") != std::string::npos) used.insert(id);
            std::vector<std::string> pageErrors;
            page = dravik::FillHelpPage(page, examples, pageErrors);
            for (const auto& e : pageErrors) errors.push_back(name.string() + ": " + e);
        }
        std::ofstream out(output / name, std::ios::binary | std::ios::trunc);
        out << page;
        if (!out.flush()) errors.push_back("cannot write " + (output / name).string());
    }
    for (const auto& [id, example] : examples)
        if (!used.count(id)) errors.push_back("no page shows example '" + id + "'");
    for (const auto& e : errors) std::fprintf(stderr, "help pages: %s\n", e.c_str());
    return errors.empty() ? 0 : 1;
}
