// Progress of a long run on stderr: a bar redrawn in place when stderr is a
// terminal, otherwise a plain line at every tenth of the way.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace dravik::cli {

// True when stderr is a terminal.
bool StderrIsTerminal();

class Progress {
  public:
    Progress(std::ostream& err, bool live, std::string label, std::uint64_t total);

    // `done` of `total` finished; `note` is shown after the figures.
    void Update(std::uint64_t done, const std::string& note = {});
    // Ends the bar (a final line in either mode).
    void Finish(const std::string& note = {});

  private:
    void Draw(std::uint64_t done, const std::string& note, bool final);

    std::ostream& err_;
    const bool live_;
    const std::string label_;
    const std::uint64_t total_;
    int lastTenth_ = 0;
    std::uint64_t lastDone_ = 0;
    std::chrono::steady_clock::time_point start_, lastDraw_;
};

} // namespace dravik::cli
