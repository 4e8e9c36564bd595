// The print dialog's rules without its widgets: the range of puzzle numbers,
// what the "From" box accepts, and the dialog's own copy of the options with
// the guard that keeps the activation from raising changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/print/print_layout.h"

namespace dravik::print {

// The range after the "From" box was confirmed: the box's new text, the first
// number and the "to" label.
struct RangeUpdate {
    std::string fromText;
    int first = 1;
    std::string toLabel;
    friend bool operator==(const RangeUpdate&, const RangeUpdate&) = default;
};

// The "to" label: "to " and the last puzzle the range prints.
std::string ToLabel(int first, int perPage, int pages);

// The number the box's text holds: leading blanks skipped, then an optional
// sign and digits with an optional fraction, rounded half to even; 0 when
// there is none. Values beyond 16 bits are held at the 16-bit limits.
int NumberInText(std::string_view text);

// The range rule: an empty box, 0 or anything below 1 (pasted text) becomes 1,
// a number running past puzzle 100 is lowered to the last first number, and
// the box then shows the number it stands for.
RangeUpdate UpdateRange(std::string_view fromText, int perPage, int pages);

// What a key typed into the "From" box does, by its character code: Enter
// confirms the box, digits and control characters pass, every other
// printable character is refused.
enum class FromKey { Pass, Swallow, SwallowAndUpdate };
FromKey FromBoxKey(char32_t code);

// The option buttons "1", "2", "4" by index 0..2.
int PerPageOfOption(int index);
int OptionOfPerPage(int perPage);

// The dialog's values: the kept options become them at each activation and go
// back with Keep(). While activating, every choice below changes nothing and
// asks for nothing.
class PrintChoices {
  public:
    explicit PrintChoices(PrintOptions& kept) : kept_(kept) {}

    void BeginActivation() {
        activating_ = true;
        values_ = kept_;
    }
    void EndActivation() { activating_ = false; }
    bool Activating() const { return activating_; }
    const PrintOptions& Values() const { return values_; }

    // Each true when the range must be updated.
    bool ChoosePerPage(int optionIndex);
    bool ChoosePages(int pages);
    void ChooseSolutions(bool on);
    void ChoosePencilMarks(bool on);
    void ChooseLevel(int level); // 1..5
    // The range rule on the box's text; the first number is taken. Nothing
    // while activating.
    std::optional<RangeUpdate> UpdateRange(std::string_view fromText);

    // The dialog's values become the kept options (Close and Print).
    void Keep() { kept_ = values_; }

  private:
    PrintOptions& kept_;
    PrintOptions values_;
    bool activating_ = false;
};

} // namespace dravik::print
