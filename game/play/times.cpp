#include "game/play/times.h"

#include <charconv>
#include <cmath>

#include "game/stock/stock_record.h"

namespace dravik {

namespace {

void AppendTwoDigits(std::string& out, int value) {
    int two = (value % 100 + 100) % 100;
    out += static_cast<char>('0' + two / 10);
    out += static_cast<char>('0' + two % 10);
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

std::string FormatTime(int seconds) {
    if (seconds < 0) seconds = 0;
    std::string text;
    AppendTwoDigits(text, seconds / 60);
    text += ':';
    AppendTwoDigits(text, seconds % 60);
    return text;
}

LevelTimes LevelStatistics(const Stock& stock, int level) {
    LevelTimes times;
    long long sum = 0;
    for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
        const StockRecord& record = stock(level, n);
        if (record.BestMinutes <= 0 && record.BestSeconds <= 0) continue;
        int t = record.BestTimeSeconds();
        if (times.Count == 0 || t < times.Best) times.Best = t;
        sum += t;
        ++times.Count;
    }
    if (times.Count > 0) times.Average = static_cast<int>(sum / times.Count);
    return times;
}

int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::size_t fraction = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        anyDigit = anyDigit || i > fraction;
    }
    if (!anyDigit) return 0;
    // An exponent counts only when digits follow it ("1e2" is 100, "7e" is 7).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > expDigits) i = j;
    }
    std::string number(text.substr(start, i - start));
    if (!number.empty() && number[0] == '+') number.erase(0, 1);
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return 0;
    // Round half to even.
    double floor = std::floor(value);
    double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1;
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return static_cast<int>(rounded);
}

} // namespace dravik
