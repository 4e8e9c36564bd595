// The print dialog's rules without its widgets: the range of puzzle numbers,
// what the "From" box accepts, and the dialog's own copy of the options, from
// which its whole view is made.
#pragma once

#include <string>
#include <string_view>

#include "game/base/translate.h"
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

// The number the box's text holds (LeadingNumber, numbers.h), held at the
// 16-bit limits; 0 when there is none.
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

// The Print button's tooltip when no printer is installed.
inline constexpr std::string_view kNoPrinterTip = QT_TRANSLATE_NOOP(
    "dravik", "No printer is installed. Save as PDF... keeps the pages in a PDF file instead.");

// What the dialog shows. The example picture is the first page for `values`.
struct PrintDialogView {
    PrintOptions values;
    std::string fromText;     // the "From" box
    std::string toLabel;      // "to " and the last puzzle printed
    bool rangeEnabled = true; // "From", its box and the "to" label
    bool printEnabled = false;
    std::string printTip; // the Print button's tooltip
    friend bool operator==(const PrintDialogView&, const PrintDialogView&) = default;
};

// The dialog's rules: the kept options become its values at each activation
// and go back with Keep(); everything it shows is View().
class PrintChoices {
  public:
    explicit PrintChoices(PrintOptions& kept) : kept_(kept) {}

    // Each opening: the kept options, and the Print button as far as a printer
    // is installed.
    void Activate(bool printerInstalled);

    // The puzzles per page and the pages change the range too.
    void ChoosePerPage(int optionIndex);
    void ChoosePages(int pages);
    void ChooseSolutions(bool on);
    void ChoosePencilMarks(bool on);
    void ChooseLevel(int level); // 1..5; others are ignored
    // The "From" box's text as the user left it; it counts once confirmed.
    void TypeFrom(std::string_view text);
    // Enter in the box, the box losing the focus, Print and Save as PDF...:
    // the range rule on the box's text, whose number becomes the first.
    void ConfirmFrom();

    // The dialog's values become the kept options (Close and Print).
    void Keep() { kept_ = values_; }

    const PrintOptions& Values() const { return values_; }
    PrintDialogView View() const;

  private:
    PrintOptions& kept_;
    PrintOptions values_;
    std::string fromText_ = "1";
    bool printerInstalled_ = false;
};

} // namespace dravik::print
