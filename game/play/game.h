// The game without its window: the round being played, the hint session, the
// background renewal, the clock, the stock, the options and the players. The
// window forwards the player's intents to the commands below and draws View(),
// which is made from the game's state alone. Each command acts only while its
// predicate allows it, and the view's buttons show the same predicates.
//
// Start-up, in this order: LoadSettings, OpenStock (stock_file.h) and
// TakeStock, FinishStartup; show the window; then run a pass. After every
// command the window runs RunPass while NeedsPass() is true, and it runs one
// pass whenever the puzzle source reports a finished puzzle. The clock needs
// ticks (Tick, every 250 ms) only while View().ClockRunning.
#pragma once

#include <string>
#include <string_view>

#include "game/play/game_clock.h"
#include "game/play/hint_session.h"
#include "game/ports/prompt.h"
#include "game/ports/sound_sink.h"
#include "game/ports/stock_writer.h"
#include "game/ports/clock.h"
#include "game/ports/puzzle_source.h"
#include "game/play/renewal_driver.h"
#include "game/play/round.h"
#include "game/play/view.h"
#include "game/players/settings.h"
#include "game/players/zoom.h"
#include "game/stock/stock_file.h"
#include "game/stock/stock_record.h"

namespace dravik {

enum class WindowState { Normal, Minimized, Maximized };

struct GameServices {
    SettingsStore& Settings;
    Prompt& Dialogs;
    SoundSink& Sound;
    ClockSource& Clock;
    StockWriter& Writer;
    PuzzleSource& Generator;
};

class Game {
  public:
    explicit Game(const GameServices& services);

    // --- Start-up, in the window's order ---------------------------------
    // Options, the sound box (disabled without a device), the player list.
    void LoadSettings(bool soundAvailable);
    // Takes the stock as start-up opened it (OpenStock). A recovered stock is
    // reported; when none could be read the messages are shown and the result
    // is false: the program must end.
    bool TakeStock(const StockOpenResult& opened, const Stock& stock);
    // Last puzzle numbers, a cleared board, the start-up panel.
    void FinishStartup();

    // --- What the window shows and what the dialogs start from ----------------
    GameView View() const;
    const Stock& Puzzles() const { return stock_; }
    const PlayerList& Players() const { return players_; }
    // The loaded puzzle's givens as one 81-character line ('0' empty); "" when
    // no puzzle is loaded.
    std::string GivensText() const;
    // The help page of the technique the hint marker stands for, "" without one.
    std::string_view HintMarkerPage() const;

    // --- The board ------------------------------------------------------------
    bool CanPlaceDigit(int cell, int digit) const { return round_.CanPlace(cell, digit); }
    bool CanStrikeMark(int cell, int digit) const { return round_.CanStrike(cell, digit); }
    void PlaceDigit(int cell, int digit);
    void StrikeMark(int cell, int digit);
    // A row (column) label: chosen, or no longer chosen when it was.
    void ToggleRow(int row);
    void ToggleColumn(int column);

    // The keyboard cursor moves with wrap-around; a press on a cell takes it there.
    void MoveCursor(int rows, int columns) { round_.MoveCursor(rows, columns); }
    void SetCursor(int cell) { round_.SetCursor(cell); }
    void PlaceDigitAtCursor(int digit) { PlaceDigit(round_.Cursor(), digit); }
    void StrikeMarkAtCursor(int digit) { StrikeMark(round_.Cursor(), digit); }
    // The cursor's row and column chosen, then Reset Cell.
    void ResetCursorCell();

    // --- Commands --------------------------------------------------------------
    bool CanUndo() const { return round_.CanUndo(); }
    bool CanRedo() const { return round_.CanRedo(); }
    bool CanRestart() const { return round_.CanRestart(); }
    bool CanResetCell() const { return round_.Playing(); }
    bool CanShowSolution() const { return round_.Playing(); }
    bool CanHint() const { return round_.Playing(); }
    bool CanOpenPuzzle() const;
    bool CanPrint() const { return !renewal_.Starting(); }
    bool CanSelectLevel(int level) const;
    bool CanRenew(int level) const { return IsLevel(level) && renewal_.CanRenew(); }

    void Undo();
    void Redo();
    void ResetCell();
    void Restart();
    void ShowSolution();
    void Next();
    void Open();
    void SelectLevel(int level);
    void Renew(int level);
    void SetSound(bool on);
    // True when the player answers Yes to the quit question.
    bool QueryQuit();
    // The window's zoom, one step at a time, or back to 100 %; stored at once.
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    void ZoomIn() { SetZoom(LargerZoom(zoom_)); }
    void ZoomOut() { SetZoom(SmallerZoom(zoom_)); }
    void ZoomReset() { SetZoom(kDefaultZoom); }
    // After the players dialog: the list and the chosen player. The dialog has
    // already stored what changed (players_dialog.h); nothing is written here.
    void PlayersChanged(const PlayerList& players);
    // Plays a puzzle brought as text (brought_puzzle.h) outside the stock: no
    // best time, no stock write; Next returns to the stock. A refused text is
    // explained in a message and changes nothing; a game in progress is given
    // up only when the player agrees. True when the puzzle is on the board.
    // A text read from `file` is refused as a file that holds no puzzle.
    bool PlayText(std::string_view text, std::string_view file = {});

    // --- Hints -------------------------------------------------------------------
    // A wrong digit or a struck solution mark is named in a message; otherwise
    // the marker shows by the technique the next step needs. Nothing on the
    // board changes, and a hint costs no playing time.
    HintResult Hint();
    // The marker's menu: "Show where" shows the step on the board until the
    // board changes; "Apply this step" makes it as ordinary moves, one
    // recorded step per mark, so Undo takes it back.
    bool CanUseHintStep() const { return hints_.Step(round_) != nullptr; }
    void ShowHintWhere() { hints_.ShowWhere(round_); }
    void ApplyHintStep();

    // --- The clock ---------------------------------------------------------------
    void Tick() { clock_.Tick(); }
    void Resize(WindowState state);
    void PrintDialogOpening();
    void PrintDialogClosed();

    // --- Background passes -------------------------------------------------------
    // True when a pass has work to do now. Besides this, the window runs a
    // pass whenever the puzzle source reports a finished puzzle.
    bool NeedsPass() const { return loadRequested_ || renewal_.NeedsPass(); }
    void RunPass();

  private:
    void Play(int effect);
    void Notify(std::string text);
    void OpenPuzzle(int number);
    void ShowSudoku(int level);
    void BeginPlay(const PuzzleFacts& facts, const Grid& givens, const Grid& solution,
                   int rulesLevel);
    void ZetOpgelost();
    void WriteStockFile();
    void SetZoom(int zoom);

    GameServices services_;
    Round round_;
    HintSession hints_;
    RenewalDriver renewal_;
    GameClock clock_;
    Stock stock_;
    Options options_;
    bool sameDigitTint_ = true;
    int zoom_ = kDefaultZoom;
    bool soundAvailable_ = true;
    LastPuzzles last_{};
    PlayerList players_;
    bool loadRequested_ = false;
    // The notice holds while the board stays as it was when it was given.
    std::string notice_;
    int noticeRevision_ = -1;
};

} // namespace dravik
