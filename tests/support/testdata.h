// Access to the shared external test data beside the checkout.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/model/solver.h"

namespace dravik::test {

// Full path of a file under the shared test data folder, or nullopt (with the
// reason in `why`) when the folder is not there.
std::optional<std::string> TestDataPath(const std::string& relative);

// Tab-separated rows of a file, '#' comment lines and blank lines left out.
std::vector<std::vector<std::string>> ReadTsv(const std::string& path);

std::vector<std::string> Split(const std::string& text, char sep);

// 81 characters ('0' or '.' empty) to a grid.
Grid GridFromText(const std::string& text);

} // namespace dravik::test

// Skips the current test when the shared data is missing.
#define DRAVIK_REQUIRE_TESTDATA(var, relative)                                                     \
    const auto var##_opt = ::dravik::test::TestDataPath(relative);                                 \
    if (!var##_opt) GTEST_SKIP() << "shared test data not found: " << (relative);                  \
    const std::string var = *var##_opt
