// The game without its window: board state, moves, history, clock, best times,
// levels, settings and the background renewal passes. The window forwards
// clicks, ticks and resizes to the handlers below and draws View().
//
// Start-up, in this order: LoadSettings, OpenStock (stock_file.h) and
// TakeStock, FinishStartup; show the window; then run a pass. After every
// handler the window runs RunPass while NeedsPass() is true, and it runs one
// pass whenever the puzzle source reports a finished puzzle. The 250 ms timer
// ticks only while View().TimerEnabled. The sound box forwards user clicks
// only (not programmatic changes) to SoundClicked.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/hint/hint_search.h"
#include "game/play/board.h"
#include "game/play/game_clock.h"
#include "game/play/outside.h"
#include "game/play/view.h"
#include "game/players/settings.h"
#include "game/stock/renewal.h"
#include "game/stock/stock_file.h"
#include "game/stock/stock_record.h"

namespace dravik {

// Mouse buttons as the label events report them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

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
    // Options (under the loading mark), sound check box, player list, title.
    void LoadSettings(bool soundAvailable);
    // Takes the stock as start-up opened it (OpenStock). A recovered stock is
    // reported; when none could be read the messages are shown and the result
    // is false: the program must end.
    bool TakeStock(const StockOpenResult& opened, const Stock& stock);
    // Last puzzle numbers, cleared and disabled board, background state.
    void FinishStartup();

    // --- What the window shows --------------------------------------------
    // Built afresh from the game's state on every call.
    GameView View() const;
    const Board& State() const { return board_; }
    const Stock& Puzzles() const { return stock_; }
    const Options& CurrentOptions() const { return options_; }
    int CurrentLevel() const { return options_.CurrentLevel; }
    const LastPuzzles& LastPuzzle() const { return last_; }
    const PlayerList& Players() const { return players_; }
    bool GameOver() const { return gameOver_; }
    int ElapsedSeconds() const { return clock_.ElapsedSeconds(); }
    bool LoadRequested() const { return loadRequested_; }

    // --- The board -----------------------------------------------------------
    // Release of mouse `button` on pencil mark `digit` of `cell` at (x, y) twips.
    void MarkMouseUp(int digit, int cell, int button, int x, int y);
    void LabelRowMouseUp(int row, int x, int y);
    void LabelColumnMouseUp(int column, int x, int y);

    // --- Commands ------------------------------------------------------------
    void Undo();
    void Redo();
    void ResetCell();
    void Restart();
    void Solution();
    void Next();
    void Open();
    void SelectLevel(int level);
    void Renew(int level);
    void SoundClicked(bool checked);
    // True when the player answers Yes to the quit question.
    bool QueryQuit();
    // After the players dialog: the list and the chosen player. The dialog has
    // already stored what changed (players_dialog.h); nothing is written here.
    void PlayersChanged(const PlayerList& players);

    // --- Hints ---------------------------------------------------------------
    // The Hint button: a wrong digit or a struck solution mark is named in a
    // message; otherwise the marker goes over the count box of the technique
    // the next step needs. Nothing on the board changes, and a hint costs no
    // playing time. Returns the search's result (hint_search.h).
    int Hint();
    // A click on the marker: the help page of its technique, "" when the
    // marker stands for none.
    std::string_view HintMarkerPage() const;
    // The marker's menu. "Show where" outlines the step on the board until the
    // next board change or hint; "Apply this step" makes it through the mark
    // handlers, one recorded step per mark, so Undo takes it back.
    void ShowHintWhere();
    void ApplyHintStep();

    // --- The keyboard and puzzles from outside ---------------------------------
    // The cursor (a cell, -1 before the first puzzle) moves with wrap-around.
    void MoveCursor(int rows, int columns);
    // A mouse click on a cell takes the cursor there.
    void SetCursor(int cell);
    // Key d on the cursor's cell: a left release on its mark d, or with
    // `strike` a right release, through the same handler.
    void KeyDigit(int digit, bool strike);
    // Delete: the cursor's row and column selected, then Reset Cell.
    void KeyResetCell();
    // The loaded puzzle's givens as one 81-character line ('0' empty); "" when
    // no puzzle is loaded.
    std::string GivensText() const;
    // Plays a puzzle brought as text (brought_puzzle.h) outside the stock: no
    // best time, no stock write; Next returns to the stock. A refused text is
    // explained in a message and changes nothing; a game in progress is given
    // up only when the player agrees. True when the puzzle is on the board.
    bool PlayText(std::string_view text);

    // --- Clock ---------------------------------------------------------------
    void Tick();
    void Resize(WindowState state);
    void PrintDialogOpening();
    void PrintDialogClosed();

    // --- Public operations of the window ----------------------------------------
    void ClearGrid();
    void EnableGrid() { controls_.BoardEnabled = true; }
    void DisableGrid() { controls_.BoardEnabled = false; }
    void ClearSudokuData() {
        board_.ClearSudokuData();
        loadedLevel_ = 0;
    }
    void ShowSudoku(int level);
    void ZetOpgelost();

    // --- Background passes -----------------------------------------------------
    // Stock status word: bit L set = level L's set complete, bit 0 = idle entered.
    int StockStatus() const { return renewal_.StockStatus; }
    int RenewingLevel() const { return renewal_.RenewingLevel; }
    int GeneratedCount(int level) const { return renewal_.GeneratedCount[level]; }
    // True when a pass has work to do now. Besides this, the window runs a
    // pass whenever the puzzle source reports a finished puzzle; there is no
    // other reason to run one.
    bool NeedsPass() const;
    void RunPass();

  private:
    bool MarkShown(int cell, int digit) const {
        return (board_.PencilMarks[cell] & DigitBit(digit)) != 0;
    }
    void PlaceGivens();
    void BeginPlay();
    // The row's (column's) label turns red and it becomes the selection.
    void SelectRow(int row);
    void SelectColumn(int column);
    // Hides the marker and whatever "Show where" shows: the board changed.
    void HideHint();
    void Play(int effect);
    bool CanRecordStep() const { return board_.StepCount < kMaxSteps; }
    // Records `step`, makes it and sets the history buttons.
    void MakeStep(const Step& step);
    void CompletionTest();
    void GameEndedButtons();
    void FillStatusBar();
    // Panel 3: the best time of the puzzle on the board and who holds it.
    std::string BestTimeText() const;
    void FillLevelStatistics();
    void SaveOptionsNow() { SaveOptions(services_.Settings, options_); }
    void OpenPuzzle(int number);
    void WriteStockFile();
    void FileResult(const GeneratedPuzzle& puzzle);
    void UpdateGenerator();

    GameServices services_;
    Controls controls_;
    Board board_;
    Stock stock_;
    Options options_;
    LastPuzzles last_{};
    PlayerList players_;
    int loadedLevel_ = 0; // the level of the puzzle on the board, 0 = none
    bool loadingSettings_ = false;

    HintSearch hintSearch_;
    HintStep hintStep_;        // the step behind the visible marker
    BoardHighlight hintWhere_; // what "Show where" shows for it

    GameClock clock_;
    bool gameOver_ = true;

    // Background state
    bool loadRequested_ = false;
    bool startupPending_ = true;
    bool generatorRunning_ = false;
    RenewalState renewal_;
};

} // namespace dravik
