#include "game/play/times.h"

#include "game/stock/stock_record.h"

namespace dravik {

namespace {

void AppendTwoDigits(std::string& out, int value) {
    int two = (value % 100 + 100) % 100;
    out += static_cast<char>('0' + two / 10);
    out += static_cast<char>('0' + two % 10);
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

} // namespace dravik
