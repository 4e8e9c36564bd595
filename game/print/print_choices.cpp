#include "game/print/print_choices.h"

#include "game/base/numbers.h"
#include "game/base/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace dravik::print {

int NumberInText(std::string_view text) {
    const std::optional<double> value = LeadingNumber(text);
    if (!value) return 0;
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<int>(std::clamp(*value, lo, hi));
}

RangeUpdate UpdateRange(std::string_view fromText, int perPage, int pages) {
    std::string_view s = fromText;
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    int n = s.empty() ? 0 : NumberInText(s);
    if (n < 1) n = 1;
    n = std::min(n, LastFirstNumber(perPage, pages));
    RangeUpdate r;
    r.fromText = std::to_string(n);
    r.first = n;
    r.toLabel = ToLabel(n, perPage, pages);
    return r;
}

std::string ToLabel(int first, int perPage, int pages) {
    return TrWith(QT_TRANSLATE_NOOP("dravik", "to %1"),
                  std::to_string(LastPrinted(first, perPage, pages)));
}

FromKey FromBoxKey(char32_t code) {
    if (code == 13) return FromKey::SwallowAndUpdate;
    if (code >= '0' && code <= '9') return FromKey::Pass;
    // Control characters (Backspace, Delete, ...) edit the box.
    const bool control = code < 32 || (code >= 127 && code < 160);
    return control ? FromKey::Pass : FromKey::Swallow;
}

int PerPageOfOption(int index) {
    return index <= 0 ? 1 : index == 1 ? 2 : 4;
}

int OptionOfPerPage(int perPage) {
    return perPage == 4 ? 2 : perPage == 2 ? 1 : 0;
}

void PrintChoices::Activate(bool printerInstalled) {
    values_ = kept_;
    fromText_ = std::to_string(values_.First);
    printerInstalled_ = printerInstalled;
}

void PrintChoices::ChoosePerPage(int optionIndex) {
    values_.PerPage = PerPageOfOption(optionIndex);
    ConfirmFrom();
}

void PrintChoices::ChoosePages(int pages) {
    values_.Pages = std::clamp(pages, 1, kMaxPages);
    ConfirmFrom();
}

void PrintChoices::ChooseSolutions(bool on) {
    values_.Solutions = on;
}

void PrintChoices::ChoosePencilMarks(bool on) {
    values_.PencilMarks = on;
}

void PrintChoices::ChooseLevel(int level) {
    if (IsLevel(level)) values_.Level = level;
}

void PrintChoices::TypeFrom(std::string_view text) {
    fromText_ = text;
}

void PrintChoices::ConfirmFrom() {
    const RangeUpdate r = print::UpdateRange(fromText_, values_.PerPage, values_.Pages);
    fromText_ = r.fromText;
    values_.First = r.first;
}

PrintDialogView PrintChoices::View() const {
    PrintDialogView v;
    v.values = values_;
    v.fromText = fromText_;
    v.toLabel = ToLabel(values_.First, values_.PerPage, values_.Pages);
    v.printEnabled = printerInstalled_;
    v.printTip = printerInstalled_ ? std::string() : Tr(kNoPrinterTip);
    return v;
}

} // namespace dravik::print
