// Shell commands and PDF pages as pixels (rendered by pdftoppm) for the
// printing tests.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace dravik::test {

// Runs a shell command; its exit status, and what it printed in `output`.
inline int Shell(const std::string& command, std::string* output = nullptr) {
    std::string text;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline bool HavePoppler() {
    return Shell("command -v pdftoppm && command -v pdfinfo") == 0;
}

inline int PageCount(const std::string& pdf) {
    std::string info;
    if (Shell("pdfinfo '" + pdf + "'", &info) != 0) return -1;
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// A page rendered in grey at 144 dpi: one pixel is 10 twips.
struct GreyPage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline GreyPage Render(const std::string& pdf, const TempFolder& folder, int page = 1) {
    const std::string out = (folder / "page").string();
    GreyPage g;
    if (Shell("pdftoppm -r 144 -gray -singlefile -f " + std::to_string(page) + " -l " +
              std::to_string(page) + " '" + pdf + "' '" + out + "'") != 0)
        return g;
    std::ifstream in(out + ".pgm", std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> g.width >> g.height >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255) return {};
    g.pixels.resize(static_cast<std::size_t>(g.width) * g.height);
    in.read(reinterpret_cast<char*>(g.pixels.data()),
            static_cast<std::streamsize>(g.pixels.size()));
    return g;
}

struct Ink {
    int dark = 0;    // pixels below 100
    int greyish = 0; // pixels 100..220
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

// The ink in a rectangle of pixels.
inline Ink InkIn(const GreyPage& g, int x1, int y1, int x2, int y2) {
    Ink ink;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            const int v = g.at(x, y);
            if (v < 100) {
                ++ink.dark;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            } else if (v <= 220) {
                ++ink.greyish;
            }
        }
    return ink;
}

} // namespace dravik::test
