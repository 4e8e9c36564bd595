// Every message box the program shows, with its title, text, icon and
// buttons: one place that owns what the player reads. A "%1" in a title or a
// text stands for the detail the message is shown with (a file, a cell, a
// name). Shown through a Prompt (game/ports/prompt.h).
#pragma once

#include <string>
#include <string_view>

#include "game/base/translate.h"

namespace dravik {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageText {
    std::string_view title;
    std::string_view text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
};

// `text` with every "%1" replaced by `detail`.
inline std::string WithDetail(std::string_view text, std::string_view detail) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t mark = text.find("%1", at);
        out += text.substr(at, mark - at);
        if (mark == std::string_view::npos) return out;
        out += detail;
        at = mark + 2;
    }
}

namespace messages {

using I = MessageIcon;
using B = MessageButtons;

// The stock file.
inline constexpr MessageText kStockUnreadable = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP("dravik", "Error reading sudokus from file!")};
inline constexpr MessageText kStockUnwritable = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP("dravik", "Error writing sudokus to file!")};
inline constexpr MessageText kStockMissing = {
    QT_TRANSLATE_NOOP("dravik", "Critical Error!"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "The program failed to open the file with sudoku puzzles, and therefore cannot proceed. "
        "Make sure that the file 'SudStock.kds' is in the program folder before rerunning the "
        "program. If it keeps on failing, you can try to reinstall the program. Program will be "
        "aborted."),
    I::Critical};
inline constexpr MessageText kStockRecovered = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP(
        "dravik", "The file with sudoku puzzles was damaged and has been replaced by a fresh "
                  "copy. Best times recorded in it are lost; the damaged file was kept as '%1'.")};

// One game at a time.
inline constexpr MessageText kAlreadyRunning = {
    QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "Dravik Sudoku is already running. Only one game can be open at a time; please continue in "
        "the window that is already open."),
    I::Information};
inline constexpr MessageText kLockUnavailable = {
    QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "Dravik Sudoku cannot start: %1. The game keeps this lock while it runs, so that two games "
        "never overwrite each other's best times. Please make sure that this is a plain file the "
        "game may write (or that nothing is there, so that the game can make it), then start the "
        "game again.")};

// The settings file.
inline constexpr MessageText kSettingsSetAside = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "The file with your settings was damaged and has been set aside; the game starts with its "
        "default settings (sound on, level Easy, no players). The damaged file was kept as '%1'.")};
inline constexpr MessageText kSettingsNotSaved = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "The settings file '%1' is not a plain file (it is a link, a pipe, a device or a folder), "
        "so the game does not write to it. Your settings and players work while the game runs, "
        "but they are not saved.")};

// Playing.
inline constexpr MessageText kQuit = {QT_TRANSLATE_NOOP("dravik", "Quit Dravik Sudoku"),
                                      QT_TRANSLATE_NOOP("dravik", "Do you really want to quit ?"),
                                      I::None, B::YesNo};
inline constexpr MessageText kRenew = {
    QT_TRANSLATE_NOOP("dravik", "Renew Selected Set of Sudokus"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "Are you sure to renew this set of Sudokus? Renewing also resets the Best Times for this "
        "set."),
    I::Question, B::OkCancel};
inline constexpr MessageText kNewBestTime = {
    QT_TRANSLATE_NOOP("dravik", "New Best Time!"),
    QT_TRANSLATE_NOOP("dravik", "New Best Time for this Sudoku. Congratulations!!!"),
    I::Information};
inline constexpr MessageText kWrongDigit = {
    QT_TRANSLATE_NOOP("dravik", "Bad solved cell"),
    QT_TRANSLATE_NOOP("dravik", "The solution of cell %1 is incorrect!"), I::Critical};
inline constexpr MessageText kStruckMark = {
    QT_TRANSLATE_NOOP("dravik", "Bad solved cell"),
    QT_TRANSLATE_NOOP("dravik",
                      "The pencilmark of cell %1 to solve this cell is incorrectly erased!"),
    I::Critical};
// A puzzle brought from outside the stock: %1 is why it is refused.
inline constexpr MessageText kPuzzleNotPlayed = {QT_TRANSLATE_NOOP("dravik", "Puzzle not played"),
                                                 "%1"};
inline constexpr MessageText kGiveUpForBrought = {
    QT_TRANSLATE_NOOP("dravik", "Play a puzzle"),
    QT_TRANSLATE_NOOP("dravik", "Play the puzzle you brought? The game in progress will be lost."),
    I::Question, B::YesNo};
// Practice a technique: %1 is the technique's caption.
inline constexpr MessageText kGiveUpForPractice = {
    QT_TRANSLATE_NOOP("dravik", "Practise a technique"),
    QT_TRANSLATE_NOOP("dravik", "Look for a puzzle that needs %1? You can play on while the game "
                                "looks; once it is found, the game in progress is given up."),
    I::Question, B::YesNo};

// The statistics file: %1 is where the damaged file was kept.
inline constexpr MessageText kStatisticsSetAside = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP("dravik", "The file with your statistics was damaged and has been set "
                                "aside; the game counts afresh from now on. The damaged file was "
                                "kept as '%1'.")};
inline constexpr MessageText kStatisticsUnwritable = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP("dravik", "Your statistics could not be saved: %1. The game counts on "
                                "while it runs and tries again with every change.")};

// Printing.
inline constexpr MessageText kPrinterError = {
    QT_TRANSLATE_NOOP("dravik", "Printer error"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "An error occured while attempting to communicate with the standard printer, please check "
        "the availability and status of your printer.")};
inline constexpr MessageText kPdfUnwritable = {
    QT_TRANSLATE_NOOP("dravik", "File Error"),
    QT_TRANSLATE_NOOP("dravik", "The PDF file could not be written: %1")};

// The web link.
inline constexpr MessageText kBrowserNotFound = {
    QT_TRANSLATE_NOOP("dravik", "Browser Not Found"),
    QT_TRANSLATE_NOOP("dravik", "Could not find associated Browser")};
inline constexpr MessageText kUrlFailed = {QT_TRANSLATE_NOOP("dravik", "URL Failed"),
                                           QT_TRANSLATE_NOOP("dravik", "Web Page not Opened")};

// The players dialog's refusals (with a beep).
inline constexpr MessageText kEmptyName = {
    QT_TRANSLATE_NOOP("dravik", "Loss of memory ?"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "Did you suffer from memory loss ?\nCome on, think very deeply, try to remember your own "
        "name."),
    I::Information};
inline constexpr MessageText kBlankName = {
    QT_TRANSLATE_NOOP("dravik", "My name is Nobody"),
    QT_TRANSLATE_NOOP("dravik", "If you want to stay unknown,\nuse a nick name."), I::Information};
inline constexpr MessageText kListFull = {
    QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku Players"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "The list can keep at most 100 players, and it is full.\nTo play under a new name, select "
        "a player and use Edit Player."),
    I::Information};
inline constexpr MessageText kNameInUse = {
    QT_TRANSLATE_NOOP("dravik", "Oh no, not another %1 !!!"),
    QT_TRANSLATE_NOOP(
        "dravik",
        "Yeah yeah, I know there are more people having that name,\nbut %1 is allready in use.\nA "
        "unique name is required,\nso, use your imagination."),
    I::Information};

// The input box of Open....
struct InputText {
    std::string_view title;
    std::string_view prompt;
    std::string_view answer; // what the box holds at first
};
inline constexpr InputText kSudokuNumber = {
    QT_TRANSLATE_NOOP("dravik", "Sudoku number"),
    QT_TRANSLATE_NOOP("dravik", "Enter a value between 1 and 100"), "1"};

} // namespace messages

} // namespace dravik
