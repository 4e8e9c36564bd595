#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace dravik::cli {

using Args = std::vector<std::string_view>;

// Each returns the process exit status.

// grade works through its input in batches of this many puzzles: each batch is
// read while the ones before it are graded and written in input order once
// graded, so memory stays the same however long the input is.
inline constexpr std::size_t kGradeBatchSize = 1024;
int RunGrade(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunGradeInBatches(const Args& args, std::istream& in, std::ostream& out, std::ostream& err,
                      std::size_t batchSize);
int RunSolve(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunHint(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// `live`: draw the progress bar in place (stderr is a terminal).
int RunGenerate(const Args& args, std::ostream& out, std::ostream& err, bool live);
int RunStock(const Args& args, std::ostream& out, std::ostream& err, bool live);
// The print run into a PDF file (print_command.cpp, which needs Qt Gui: only
// the dravik-print program has it).
int RunPrint(const Args& args, std::ostream& out, std::ostream& err);

// A --seed value: 0 .. 2^63 - 1.
std::uint64_t ParseSeed(std::string_view text);

} // namespace dravik::cli
