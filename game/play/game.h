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
#include <type_traits>

#include "game/play/checkpoint.h"
#include "game/play/game_clock.h"
#include "game/play/hint_session.h"
#include "game/play/renewal_driver.h"
#include "game/play/round.h"
#include "game/play/solution_path.h"
#include "game/play/view.h"
#include "game/players/settings.h"
#include "game/players/statistics_file.h"
#include "game/players/zoom.h"
#include "game/ports/clock.h"
#include "game/ports/practice_source.h"
#include "game/ports/prompt.h"
#include "game/ports/puzzle_source.h"
#include "game/ports/sound_sink.h"
#include "game/ports/stock_writer.h"
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
    bool CanPlaceDigit(int cell, int digit) const {
        return !paused_ && round_.CanPlace(cell, digit);
    }
    bool CanStrikeMark(int cell, int digit) const {
        return !paused_ && round_.CanStrike(cell, digit);
    }
    void PlaceDigit(int cell, int digit);
    void StrikeMark(int cell, int digit);
    // A row (column) label: chosen, or no longer chosen when it was.
    void ToggleRow(int row);
    void ToggleColumn(int column);

    // The keyboard cursor moves with wrap-around; a press on a cell takes it there.
    void MoveCursor(int rows, int columns) {
        if (!paused_) round_.MoveCursor(rows, columns);
    }
    void SetCursor(int cell) {
        if (!paused_) round_.SetCursor(cell);
    }
    void PlaceDigitAtCursor(int digit) { PlaceDigit(round_.Cursor(), digit); }
    void StrikeMarkAtCursor(int digit) { StrikeMark(round_.Cursor(), digit); }
    // The cursor's row and column chosen, then Reset Cell.
    void ResetCursorCell();

    // --- Commands --------------------------------------------------------------
    bool CanUndo() const { return !paused_ && round_.CanUndo(); }
    bool CanRedo() const { return !paused_ && round_.CanRedo(); }
    bool CanRestart() const { return !paused_ && round_.CanRestart(); }
    bool CanResetCell() const { return Moving(); }
    bool CanShowSolution() const { return Moving(); }
    bool CanHint() const { return Moving(); }
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

    // --- Practice a technique ---------------------------------------------------
    // The source of practice puzzles (null: practice is not offered). Set once
    // before the first command.
    void SetPracticeSource(PracticeSource* source) { practice_ = source; }
    bool CanPractise(int technique) const;
    // Looks in the background for a puzzle whose grading needs `technique`
    // and, once found, plays it as a brought puzzle (no best time, no stock
    // write). A game in progress goes on meanwhile; it is given up when the
    // puzzle comes, so the player is asked first. Asking again starts afresh.
    void Practise(int technique);
    bool Practising() const { return practising_.has_value(); }
    void CancelPractice();

    // --- Statistics --------------------------------------------------------------
    // The statistics as start-up read them and where they are saved (null:
    // kept for the session only). A damaged file that was set aside is reported.
    void TakeStatistics(StatisticsLoad load, StatisticsStore* store);
    const Statistics& Stats() const { return statistics_; }

    // --- Hints -------------------------------------------------------------------
    // A wrong digit or a struck solution mark is named in a message; otherwise
    // the marker shows by the technique the next step needs. Nothing on the
    // board changes, and a hint costs no playing time.
    HintResult Hint();
    // The marker's menu: "Show where" shows the step on the board until the
    // board changes; "Apply this step" makes it as ordinary moves, one
    // recorded step per mark, so Undo takes it back.
    bool CanUseHintStep() const { return !paused_ && hints_.Step(round_) != nullptr; }
    void ShowHintWhere() { hints_.ShowWhere(round_); }
    void ApplyHintStep();

    // --- Learning and going back (learn_commands.cpp) ----------------------------
    // The whole logical path from the board as it stands; the game is not
    // changed (no time, no steps).
    bool CanShowSolutionPath() const { return Moving(); }
    SolutionPath SolutionPathFromHere() const;
    // A checkpoint remembers the step number; going back to it undoes step by
    // step, so Redo still brings the moves back. It holds while the history
    // still runs through it.
    bool CanSetCheckpoint() const { return Moving(); }
    bool CanBackToCheckpoint() const;
    void SetCheckpoint();
    void BackToCheckpoint();
    // Undoes until every placed digit agrees with the solution; with no wrong
    // digit it does nothing and says nothing, so it tells no more than Undo.
    bool CanUndoToBeforeMistake() const { return CanUndo(); }
    void UndoToBeforeMistake();
    // Pause: the board is hidden, the clock stops and every move is refused
    // until the game resumes. Pauses of the clock for other reasons nest.
    bool CanPause() const { return Moving(); }
    bool Paused() const { return paused_; }
    void Pause();
    void Resume();

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
    // A puzzle is being played and not paused: moves may be made.
    bool Moving() const { return !paused_ && round_.Playing(); }
    void Play(int effect);
    void Notify(std::string text);
    void OpenPuzzle(int number);
    void ShowSudoku(int level);
    void BeginPlay(const PuzzleFacts& facts, const Grid& givens, const Grid& solution,
                   int rulesLevel);
    void ZetOpgelost();
    // The menu commands' part of the view (learn_commands.cpp).
    void LearnView(GameView& v) const;
    void WriteStockFile();
    // Counts an event of the round on the board for the current player and
    // saves the statistics: `count` is the Statistics member for the event.
    template <typename... More>
    void CountStatistic(void (Statistics::*count)(int, std::string_view, int, More...),
                        std::type_identity_t<More>... more);
    void PlayFound(const GeneratedPuzzle& found);
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
    bool paused_ = false;
    Checkpoint checkpoint_;
    // The notice holds while the board stays as it was when it was given.
    std::string notice_;
    int noticeRevision_ = -1;
    PracticeSource* practice_ = nullptr;
    std::optional<int> practising_;   // the technique searched for
    std::uint64_t practiceTried_ = 0; // as of the last pass
    Statistics statistics_;
    StatisticsStore* statisticsStore_ = nullptr;
    bool statisticsUnsaved_ = false; // told once per session
};

} // namespace dravik
