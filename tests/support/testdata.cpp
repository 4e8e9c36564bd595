#include "support/testdata.h"

#include <filesystem>
#include <fstream>

namespace dravik::test {

std::optional<std::string> TestDataPath(const std::string& relative) {
    std::string base = DRAVIK_TESTDATA;
    if (const char* env = std::getenv("DRAVIK_TESTDATA")) base = env;
    const std::filesystem::path p = std::filesystem::path(base) / relative;
    if (!std::filesystem::exists(p)) return std::nullopt;
    return p.string();
}

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto pos = text.find(sep, start);
        parts.push_back(text.substr(start, pos - start));
        if (pos == std::string::npos) break;
        start = pos + 1;
    }
    return parts;
}

std::vector<std::vector<std::string>> ReadTsv(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        rows.push_back(Split(line, '\t'));
    }
    return rows;
}

Grid GridFromText(const std::string& text) {
    Grid g{};
    for (int i = 0; i < 81 && i < static_cast<int>(text.size()); ++i)
        g[i] = (text[i] >= '1' && text[i] <= '9') ? static_cast<std::int16_t>(text[i] - '0') : 0;
    return g;
}

} // namespace dravik::test
