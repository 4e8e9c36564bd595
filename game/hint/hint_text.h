// What a hint result shows: the messages of the two checks, the help page and
// the marker's place for a technique, and, for the step behind it, a one-line
// explanation and the machine-readable form scripts get.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/hint/hint_search.h"

namespace dravik {

// A cell as the board's labels name it, "A1" .. "J9".
std::string CellText(int cell);

// The message box of a wrong digit or a struck solution mark; none for other
// results. Both use the critical icon and an OK button.
struct HintMessage {
    std::string text;
    std::string_view title;
};
std::optional<HintMessage> HintMessageFor(const HintResult& result);

// The help page that explains `technique`, "" for no technique.
std::string_view TechniqueHelpPage(int technique);

// One line that tells a player where the step is and what it does, e.g.
// "X-Wing on 4: rows B and F, columns 2 and 7 — 4 goes from C2 and H7".
std::string ExplainStep(const HintStep& step);

// The step for scripts: "place D@CELL" or "remove D@CELL D@CELL ..." (by cell,
// then digit), then "pattern CELL ..." (by cell). Empty for no step.
std::string WhereText(const HintStep& step);

} // namespace dravik
