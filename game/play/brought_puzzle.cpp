#include "game/play/brought_puzzle.h"

#include "game/base/translate.h"
#include "game/base/utf8.h"
#include "game/model/puzzle_text.h"
#include "game/platform/safe_files.h"
#include "game/stock/generator.h"

#include <filesystem>
#include <vector>

namespace dravik {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Control characters and bytes that start no UTF-8 character, as their codes.
std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = DecodeUtf8(text, i);
        if (c.valid && c.code >= 32 && c.code != 127 && !(c.code >= 0x80 && c.code < 0xA0)) {
            out.append(text.substr(i, c.length));
        } else {
            const auto byte = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
        i += c.length;
    }
    return out;
}

// A character that is no cell, named so that the player can find it.
std::string Named(std::string_view text, std::size_t at) {
    const Utf8Character c = DecodeUtf8(text, at);
    if (c.valid && c.code >= 32 && c.code != 127 && !(c.code >= 0x80 && c.code < 0xA0))
        return "'" + std::string(text.substr(at, c.length)) + "'";
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(text[at]);
    return std::string(c.valid ? "the control character " : "the byte ") + "0x" + kHex[byte >> 4] +
           kHex[byte & 15];
}

BroughtResult Refused(std::string why) {
    BroughtResult r;
    r.error = std::move(why);
    return r;
}

} // namespace

BroughtResult ReadBroughtPuzzle(std::string_view text) {
    Grid givens{};
    int cells = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsBlank(c)) continue;
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.') {
            return Refused(
                TrWith(QT_TRANSLATE_NOOP("dravik", "This is not a Sudoku puzzle: it holds %1, "
                                                   "where only the digits 1 to 9, and 0 or . "
                                                   "for an empty cell, may stand."),
                       Named(text, i)));
        }
        if (cells < kCells) givens[cells] = static_cast<std::int16_t>(digit ? c - '0' : 0);
        ++cells;
    }
    if (cells != kCells)
        return Refused(TrWith(QT_TRANSLATE_NOOP("dravik", "This is not a Sudoku puzzle: it has %1 "
                                                          "cells, where a puzzle has 81."),
                              std::to_string(cells)));
    if (std::string clash = GivensClash(givens); !clash.empty())
        return Refused(
            TrWith(QT_TRANSLATE_NOOP(
                       "dravik", "This puzzle cannot be played: its givens break the rules (%1)."),
                   clash));
    BroughtPuzzle p;
    p.givens = givens;
    switch (CountSolutionsUpTo2(givens, &p.solution)) {
    case 0:
        return Refused(
            Tr(QT_TRANSLATE_NOOP("dravik", "This puzzle cannot be played: it has no solution.")));
    case 1:
        break;
    default:
        return Refused(Tr(QT_TRANSLATE_NOOP(
            "dravik", "This puzzle cannot be played: it has more than one solution.")));
    }
    Solver solver;
    p.grading = GradePuzzle(solver, givens);
    p.beyondLadder = p.grading.result < 1 || p.grading.result > 5;
    p.level = p.beyondLadder ? 5 : p.grading.result;
    BroughtResult r;
    r.puzzle = p;
    return r;
}

BroughtArgument ReadBroughtArgument(std::string_view arg) {
    BroughtArgument brought;
    std::vector<std::uint8_t> bytes;
    const FileReadResult read =
        ReadRegularFile(std::filesystem::path{std::string(arg)}, kMaxBroughtTextBytes, bytes);
    const std::string shown = Printable(arg);
    switch (read.problem) {
    case ReadProblem::kNone:
        brought.text.assign(bytes.begin(), bytes.end());
        brought.file = std::string(arg);
        break;
    case ReadProblem::kMissing: {
        bool cells = true;
        for (char c : arg) cells = cells && (IsBlank(c) || (c >= '0' && c <= '9') || c == '.');
        if (cells)
            brought.text = std::string(arg);
        else
            brought.refusal =
                TrWith(QT_TRANSLATE_NOOP("dravik", "The file '%1' was not found."), shown);
        break;
    }
    case ReadProblem::kNotAFile:
        brought.refusal = TrWith(
            QT_TRANSLATE_NOOP("dravik", "'%1' is not a puzzle file: it is no plain file."), shown);
        break;
    case ReadProblem::kTooLarge:
        brought.refusal = TrFormat(
            QT_TRANSLATE_NOOP("dravik", "'%1' is not a puzzle file: it is larger than %2 KB."),
            {shown, std::to_string(kMaxBroughtTextBytes / 1024)});
        break;
    case ReadProblem::kFailed:
        brought.refusal =
            TrWith(QT_TRANSLATE_NOOP("dravik", "The file '%1' cannot be read."), shown);
        break;
    }
    return brought;
}

std::string NotAPuzzleFileMessage(std::string_view path, std::string_view text,
                                  std::string_view reason) {
    constexpr std::size_t kShown = 40;
    std::string begins = Printable(text.substr(0, kShown));
    if (text.size() > kShown) begins += "...";
    return TrFormat(
        QT_TRANSLATE_NOOP("dravik", "'%1' is not a puzzle file: it begins with \"%2\". %3"),
        {Printable(path), begins, reason});
}

} // namespace dravik
