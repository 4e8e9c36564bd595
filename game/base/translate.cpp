#include "game/base/translate.h"

#include <atomic>

#include "game/base/messages.h"

namespace dravik {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
} // namespace

void SetTranslator(TranslateFunction translate) {
    installed.store(translate, std::memory_order_release);
}

std::string Tr(std::string_view source) {
    const TranslateFunction translate = installed.load(std::memory_order_acquire);
    if (!translate || source.empty()) return std::string(source);
    const std::string key(source); // the lookup needs the text ended by a zero
    std::string translated = translate(kTextContext, key.c_str());
    return translated.empty() ? key : translated;
}

std::string TrWith(std::string_view source, std::string_view detail) {
    return WithDetail(Tr(source), detail);
}

std::string TrFormat(std::string_view source, std::initializer_list<std::string_view> args) {
    const std::string text = Tr(source);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace dravik
