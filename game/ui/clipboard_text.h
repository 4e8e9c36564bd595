// The text a pasted puzzle is read from.
#pragma once

#include <string>

namespace dravik::ui {

// The first kMaxBroughtTextBytes of the clipboard's text (brought_puzzle.h),
// as a puzzle named on the command line is read from its file: a clipboard of
// any size gives the game at most that much.
std::string ClipboardPuzzleText();

} // namespace dravik::ui
