#include "game/print/print_choices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace dravik::print {

int NumberInText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    double value = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Past 16 bits the exact value no longer matters.
        if (value < 1e6) value = value * 10 + (text[i] - '0');
        any = true;
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
            value += (text[i] - '0') * scale;
            any = true;
        }
    }
    if (!any) return 0;
    if (negative) value = -value;
    value = std::nearbyint(value); // half to even
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<int>(value < lo ? lo : value > hi ? hi : value);
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
    return "to " + std::to_string(LastPrinted(first, perPage, pages));
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
    v.printTip = printerInstalled_ ? std::string() : std::string(kNoPrinterTip);
    return v;
}

} // namespace dravik::print
