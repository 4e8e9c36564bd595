// The names of the files and folders the game keeps its data in.
#pragma once

#include <string_view>

namespace dravik {

// The stock of puzzles: the master copy in the program's data folder (whose
// presence also tells an installed data folder), the working copy in the
// player's data folder.
inline constexpr std::string_view kStockFileName = "sudstock.kds";
// The player's data folder, under the local application-data folder.
inline constexpr const char* kDataFolderName = "DravikSudoku";

} // namespace dravik
