#include "cli/progress.h"

#include <cstdio>
#include <ostream>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace dravik::cli {

bool StderrIsTerminal() {
#if defined(__unix__) || defined(__APPLE__)
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

Progress::Progress(std::ostream& err, bool live, std::string label, std::uint64_t total)
    : err_(err), live_(live), label_(std::move(label)), total_(total == 0 ? 1 : total),
      start_(std::chrono::steady_clock::now()), lastDraw_(start_) {}

void Progress::Update(std::uint64_t done, const std::string& note) {
    lastDone_ = done;
    const auto now = std::chrono::steady_clock::now();
    if (live_) {
        // A terminal does not need more than ten frames a second.
        if (now - lastDraw_ < std::chrono::milliseconds(100)) return;
        lastDraw_ = now;
        Draw(done, note, false);
        return;
    }
    const int tenth = static_cast<int>(10 * std::min(done, total_) / total_);
    // The last tenth is the final line, drawn by Finish.
    if (tenth <= lastTenth_ || tenth >= 10) return;
    lastTenth_ = tenth;
    Draw(done, note, false);
}

void Progress::Finish(const std::string& note) {
    Draw(lastDone_, note, true);
}

void Progress::Draw(std::uint64_t done, const std::string& note, bool final) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char figures[96];
    std::snprintf(figures, sizeof figures, "%llu/%llu  %.1f s",
                  static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_),
                  seconds);
    std::string line = label_ + " ";
    if (live_) {
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(kWidth * std::min(done, total_) / total_);
        line =
            "\r" + line + "[" + std::string(filled, '#') + std::string(kWidth - filled, '.') + "] ";
    }
    line += figures;
    if (!note.empty()) line += "  " + note;
    if (live_) line += "\x1b[K"; // clear what a longer earlier frame left
    if (!live_ || final) line += '\n';
    err_ << line << std::flush;
}

} // namespace dravik::cli
