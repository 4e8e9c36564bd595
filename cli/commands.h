#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace dravik::cli {

using Args = std::vector<std::string_view>;

// Each returns the process exit status.
int RunGrade(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunSolve(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace dravik::cli
