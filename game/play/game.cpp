#include "game/play/game.h"

#include "game/hint/hint_text.h"
#include "game/play/brought_puzzle.h"
#include "game/play/status_texts.h"
#include "game/play/times.h"

namespace dravik {

namespace {

// A pencil mark label is 255 twips square; a release counts only well inside it.
bool InsideMark(int x, int y) {
    return x > 0 && x < 240 && y > 0 && y < 240;
}
// Row and column labels are 510 twips square.
bool InsideLabel(int x, int y) {
    return x > 0 && x < 510 && y > 0 && y < 510;
}

// A stored digit that is not 0..9 shows as an empty cell.
int SafeDigit(int value) {
    return value >= 0 && value <= 9 ? value : 0;
}

} // namespace

Game::Game(const GameServices& services) : services_(services), clock_(services.Clock) {
    board_.PencilMarks.fill(kAllCandidates);
}

GameView Game::View() const {
    GameView view;
    static_cast<Controls&>(view) = controls_;
    for (int i = 0; i < kCells; ++i) {
        CellView& cell = view.Cells[i];
        cell.Digit = board_.Played[i];
        cell.MarksShown = cell.Digit != 0 ? 0 : board_.PencilMarks[i];
        // A given shows in its colour from the moment it is put on the board
        // until the board is cleared.
        cell.Colour =
            board_.Givens[i] > 0 && cell.Digit != 0 ? DigitColour::Given : DigitColour::Normal;
    }
    view.LabelStap = std::to_string(board_.StepCount);
    view.LabelTijd = clock_.Text();
    view.TimerEnabled = clock_.Running();
    view.Title = WindowTitle(players_.DisplayName(players_.CurrentPlayer));
    return view;
}

// ---------------------------------------------------------------------------
// Start-up

void Game::LoadSettings(bool soundAvailable) {
    loadingSettings_ = true;
    options_ = LoadOptions(services_.Settings);
    controls_.SameDigitHighlight = LoadHighlightOption(services_.Settings);
    controls_.SoundChecked = options_.SoundOn;
    if (!soundAvailable) {
        // The box shows unticked and disabled; the stored choice stays as it is.
        controls_.SoundChecked = false;
        controls_.SoundEnabled = false;
    }
    loadingSettings_ = false;
    // Selecting the level's option button runs its handler, which saves the options.
    SelectLevel(options_.CurrentLevel);
    players_ = Setup_Players(services_.Settings);
}

bool Game::TakeStock(const StockOpenResult& opened, const Stock& stock) {
    renewal_.StockStatus = kStatusUnread;
    if (!opened.ok()) {
        services_.Dialogs.ShowMessage(kReadErrorMessage, kFileErrorTitle, MessageIcon::Exclamation,
                                      MessageButtons::Ok);
        services_.Dialogs.ShowMessage(kCriticalErrorMessage, kCriticalErrorTitle,
                                      MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    if (opened.status == StockOpenStatus::kRecovered && !opened.setAside.empty())
        services_.Dialogs.ShowMessage(RecoveredMessage(opened.setAside), kFileErrorTitle,
                                      MessageIcon::Exclamation, MessageButtons::Ok);
    stock_ = stock;
    renewal_.StockRead();
    return true;
}

void Game::FinishStartup() {
    last_ = LoadLastPuzzles(services_.Settings);
    board_.SelectedRow = kNoSelection;
    board_.SelectedColumn = kNoSelection;
    gameOver_ = true;
    ClearGrid();
    DisableGrid();
    ClearSudokuData();
    renewal_.RenewingLevel = 0;
    loadRequested_ = false;
    renewal_.GeneratedCount.fill(0);
    controls_.ProgressBar1.fill(0);
    controls_.Buttons.Next = false;
    controls_.Buttons.Open = false;
    controls_.Buttons.Print = false;
    controls_.StartupPanelVisible = true;
    startupPending_ = true;
}

// ---------------------------------------------------------------------------
// Pencil marks and steps

// Puts the givens on a board whose marks are all shown: digits in the given
// colour, their marks hidden and, from level 3 on, their digit struck from the
// peers. Nothing is recorded.
void Game::PlaceGivens() {
    board_.PencilMarks.fill(kAllCandidates);
    board_.Played.fill(0);
    for (int i = 0; i < kCells; ++i) {
        int d = board_.Givens[i];
        if (d == 0) continue;
        board_.Apply(board_.PlacementStep(i, d, MarksAreCandidates(board_.PuzzleLevel)),
                     Board::Direction::Forward);
    }
}

void Game::Play(int effect) {
    if (options_.SoundOn) services_.Sound.Speel(effect);
}

void Game::MakeStep(const Step& step) {
    board_.RecordStep(step);
    board_.Apply(step, Board::Direction::Forward);
    controls_.Buttons.Restart = true;
    controls_.Buttons.Undo = true;
    controls_.Buttons.Redo = false;
}

// ---------------------------------------------------------------------------
// Cell entry and selection

void Game::MarkMouseUp(int digit, int cell, int button, int x, int y) {
    if (digit < 1 || digit > 9 || cell < 0 || cell >= kCells) return;
    // A hidden or disabled label receives no mouse events.
    if (!controls_.BoardEnabled || !MarkShown(cell, digit)) return;

    bool acts =
        InsideMark(x, y) && (button == kLeftButton ||
                             (button == kRightButton && MarksAreCandidates(board_.PuzzleLevel)));
    if (acts && !CanRecordStep()) acts = false;

    if (acts && button == kLeftButton) {
        HideHint();
        Play(kSoundAssign);
        MakeStep(board_.PlacementStep(cell, digit, MarksAreCandidates(board_.PuzzleLevel)));
    } else if (acts) {
        HideHint();
        Play(kSoundDiscard);
        MakeStep(board_.StrikeStep(cell, digit));
    }
    CompletionTest();
}

void Game::CompletionTest() {
    if (gameOver_) return;
    for (int i = 0; i < kCells; ++i)
        if (board_.Played[i] == 0 || board_.Played[i] != board_.Solution[i]) return;
    ZetOpgelost();
}

void Game::LabelRowMouseUp(int row, int x, int y) {
    if (row < 0 || row > 8 || !InsideLabel(x, y)) return;
    if (controls_.RowLabels[row] == LabelColour::Red) {
        controls_.RowLabels[row] = LabelColour::Black;
        board_.SelectedRow = kNoSelection;
        return;
    }
    Play(kSoundLabel);
    SelectRow(row);
}

void Game::SelectRow(int row) {
    controls_.RowLabels.fill(LabelColour::Black);
    controls_.RowLabels[row] = LabelColour::Red;
    board_.SelectedRow = row;
}

void Game::LabelColumnMouseUp(int column, int x, int y) {
    if (column < 0 || column > 8 || !InsideLabel(x, y)) return;
    if (controls_.ColumnLabels[column] == LabelColour::Red) {
        controls_.ColumnLabels[column] = LabelColour::Black;
        board_.SelectedColumn = kNoSelection;
        return;
    }
    Play(kSoundLabel);
    SelectColumn(column);
}

void Game::SelectColumn(int column) {
    controls_.ColumnLabels.fill(LabelColour::Black);
    controls_.ColumnLabels[column] = LabelColour::Red;
    board_.SelectedColumn = column;
}

// ---------------------------------------------------------------------------
// History commands

void Game::Undo() {
    if (!controls_.Buttons.Undo || board_.StepCount < 1) return;
    HideHint();
    Play(kSoundUndoRedo);
    controls_.Buttons.Redo = true;
    board_.Apply(board_.StepAt(board_.StepCount), Board::Direction::Backward);
    board_.StepCount -= 1;
    if (board_.StepCount == 0) {
        controls_.Buttons.Restart = false;
        controls_.Buttons.Undo = false;
    }
}

void Game::Redo() {
    if (!controls_.Buttons.Redo || board_.StepCount >= board_.StepLimit) return;
    HideHint();
    Play(kSoundUndoRedo);
    controls_.Buttons.Restart = true;
    controls_.Buttons.Undo = true;
    board_.StepCount += 1;
    board_.Apply(board_.StepAt(board_.StepCount), Board::Direction::Forward);
    if (board_.StepCount == board_.StepLimit) controls_.Buttons.Redo = false;
}

void Game::ResetCell() {
    if (!controls_.Buttons.ResetCell) return;
    if (board_.SelectedColumn == kNoSelection || board_.SelectedRow == kNoSelection) return;
    int s = 9 * board_.SelectedRow + board_.SelectedColumn;
    if (board_.Givens[s] > 0 || !CanRecordStep()) return;
    HideHint();
    Play(kSoundResetCell);
    MakeStep(board_.ResetStep(s));
}

void Game::Restart() {
    if (!controls_.Buttons.Restart) return;
    clock_.Stop();
    Play(kSoundDiscard);
    board_.StepLimit = 0;
    board_.StepCount = 0;
    ClearGrid();
    EnableGrid();
    HideHint();
    PlaceGivens();
    gameOver_ = false;
    clock_.Start();
    ButtonStates& b = controls_.Buttons;
    b.Restart = b.Undo = b.Redo = false;
    b.ResetCell = b.Solution = b.Hint = true;
}

void Game::Solution() {
    if (!controls_.Buttons.Solution) return;
    clock_.Stop();
    Play(kSoundSolution);
    HideHint();
    board_.PencilMarks.fill(0);
    board_.Played = board_.Solution;
    gameOver_ = true;
    GameEndedButtons();
}

void Game::GameEndedButtons() {
    ButtonStates& b = controls_.Buttons;
    b.Restart = b.Undo = b.Redo = b.ResetCell = b.Solution = b.Hint = false;
    b.Next = b.Open = true;
    for (int level = 1; level <= kLevels; ++level) b.OptionType[level] = true;
    // A level whose set is being renewed stays unselectable until it is complete.
    if (renewal_.RenewingLevel != 0) b.OptionType[renewal_.RenewingLevel] = false;
}

// ---------------------------------------------------------------------------
// Hints

namespace {

BoardHighlight HighlightOf(const HintStep& step) {
    BoardHighlight h;
    for (int c : step.pattern.Cells()) h.Pattern[c] = true;
    for (const GridChange& ch : step.changes) {
        if (ch.placed) {
            h.PlacedCell = ch.cell;
            h.PlacedDigit = ch.digit;
        } else {
            h.Struck[ch.cell] |= DigitBit(ch.digit);
        }
    }
    h.Explanation = ExplainStep(step);
    return h;
}

} // namespace

void Game::HideHint() {
    controls_.HintVisible = false;
    controls_.HintTag = 0;
    controls_.Highlight = BoardHighlight{};
}

int Game::Hint() {
    if (!controls_.Buttons.Hint) return kHintNothing;
    HideHint();
    const int r = hintSearch_.Search(HintBoard{board_.Played, board_.PencilMarks, board_.Solution,
                                               board_.Givens, board_.PuzzleLevel});
    if (IsTechniqueHint(r)) {
        Play(kSoundHint);
        hintStep_ = hintSearch_.Step();
        hintWhere_ = HighlightOf(hintStep_);
        controls_.HintTop = HintMarkerTop(r);
        controls_.HintTag = r;
        controls_.HintVisible = true;
    } else if (auto message = HintMessageFor(r)) {
        Play(kSoundError);
        services_.Dialogs.ShowMessage(message->text, message->title, MessageIcon::Critical,
                                      MessageButtons::Ok);
    }
    return r;
}

std::string_view Game::HintMarkerPage() const {
    return controls_.HintVisible ? HintHelpPage(controls_.HintTag) : std::string_view{};
}

void Game::ShowHintWhere() {
    if (!controls_.HintVisible || !IsTechniqueHint(controls_.HintTag)) return;
    controls_.Highlight = hintWhere_;
}

void Game::ApplyHintStep() {
    if (!controls_.HintVisible || !IsTechniqueHint(controls_.HintTag)) return;
    // The first move hides the marker; the step stays as it was found.
    const std::vector<GridChange> changes = hintStep_.changes;
    for (const GridChange& ch : changes)
        MarkMouseUp(ch.digit, ch.cell, ch.placed ? kLeftButton : kRightButton, 120, 120);
}

// ---------------------------------------------------------------------------
// Board display operations

void Game::ClearGrid() {
    HideHint();
    clock_.Clear();
    gameOver_ = true;
    // Every mark shown, no digit, no given colour: the board as designed.
    board_.PencilMarks.fill(kAllCandidates);
    board_.Played.fill(0);
}

// ---------------------------------------------------------------------------
// Loading

void Game::ShowSudoku(int level) {
    loadRequested_ = false;
    if (!IsLevel(level)) return;
    int n = last_[level];
    if (n < 1 || n > kPuzzlesPerLevel) return;
    const StockRecord& r = stock_(level, n);
    loadedLevel_ = level;
    for (int i = 0; i < kCells; ++i) {
        board_.Givens[i] = static_cast<std::uint8_t>(SafeDigit(r.Givens[i]));
        board_.Solution[i] = static_cast<std::uint8_t>(SafeDigit(r.Solution[i]));
    }
    board_.PuzzleLevel = r.Level;
    board_.PuzzleNumber = n;
    board_.BestPlayer = r.BestPlayer;
    board_.BestMinutes = r.BestMinutes;
    board_.BestSeconds = r.BestSeconds;
    FillStatusBar();
    for (int k = 0; k < kTechniqueCount; ++k)
        controls_.TechniqueCounts[k] = std::to_string(r.TechniqueCounts[k]);
    BeginPlay();
}

// The end of every load: givens on the board, the clock from zero, the board
// enabled with the keyboard cursor on A1, and the game's buttons.
void Game::BeginPlay() {
    PlaceGivens();
    clock_.Start();
    EnableGrid();
    controls_.CursorCell = 0;
    ButtonStates& b = controls_.Buttons;
    b.Next = b.Open = false;
    b.ResetCell = b.Solution = b.Hint = true;
    for (int l = 1; l <= kLevels; ++l) b.OptionType[l] = false;
    gameOver_ = false;
}

// ---------------------------------------------------------------------------
// A puzzle from outside the stock

std::string Game::GivensText() const {
    if (board_.PuzzleLevel == 0) return {};
    std::string text;
    for (std::uint8_t d : board_.Givens) text += static_cast<char>('0' + (d <= 9 ? d : 0));
    return text;
}

bool Game::PlayText(std::string_view text) {
    if (controls_.StartupPanelVisible) return false;
    BroughtResult read = ReadBroughtPuzzle(text);
    if (!read.puzzle) {
        services_.Dialogs.ShowMessage(read.error, kBroughtPuzzleTitle, MessageIcon::Exclamation,
                                      MessageButtons::Ok);
        return false;
    }
    if (!gameOver_ &&
        services_.Dialogs.ShowMessage("Play the puzzle you brought? The game in progress will be "
                                      "lost.",
                                      "Play a puzzle", MessageIcon::Question,
                                      MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    const BroughtPuzzle& p = *read.puzzle;
    ClearGrid();
    DisableGrid();
    ClearSudokuData();
    HideHint();
    board_.StepLimit = 0;
    for (int i = 0; i < kCells; ++i) {
        board_.Givens[i] = static_cast<std::uint8_t>(p.givens[i]);
        board_.Solution[i] = static_cast<std::uint8_t>(p.solution[i]);
    }
    // Played by its level's rules, outside the stock: no number, no best time.
    board_.PuzzleLevel = p.level;
    controls_.StatusPanels[0] =
        p.beyondLadder ? std::string("Level: Beyond Very Hard") : LevelPanelText(p.level);
    controls_.StatusPanels[1] = "Number: --";
    controls_.StatusPanels[2] = "Best Time: -- (not a puzzle of the stock)";
    const LevelTimes times = LevelStatistics(stock_, p.level);
    controls_.StatusPanels[3] = LevelBestPanelText(times);
    controls_.StatusPanels[4] = LevelAveragePanelText(times);
    for (int k = 0; k < kTechniqueCount; ++k)
        controls_.TechniqueCounts[k] = std::to_string(p.grading.counts[k]);
    loadRequested_ = false;
    BeginPlay();
    return true;
}

// ---------------------------------------------------------------------------
// The keyboard

void Game::MoveCursor(int rows, int columns) {
    if (controls_.CursorCell < 0) return;
    const int r = ((controls_.CursorCell / 9 + rows) % 9 + 9) % 9;
    const int c = ((controls_.CursorCell % 9 + columns) % 9 + 9) % 9;
    controls_.CursorCell = 9 * r + c;
}

void Game::SetCursor(int cell) {
    if (controls_.CursorCell < 0 || cell < 0 || cell >= kCells) return;
    controls_.CursorCell = cell;
}

void Game::KeyDigit(int digit, bool strike) {
    if (controls_.CursorCell < 0) return;
    // Exactly a release in the middle of that mark of the cursor's cell.
    MarkMouseUp(digit, controls_.CursorCell, strike ? kRightButton : kLeftButton, 120, 120);
}

void Game::KeyResetCell() {
    const int cell = controls_.CursorCell;
    if (cell < 0 || !controls_.Buttons.ResetCell) return;
    // The cursor's row and column become the selection, as if their labels
    // had been clicked, and Reset Cell acts on it.
    SelectRow(cell / 9);
    SelectColumn(cell % 9);
    ResetCell();
}

void Game::FillStatusBar() {
    controls_.StatusPanels[0] = LevelPanelText(options_.CurrentLevel);
    controls_.StatusPanels[1] = NumberPanelText(board_.PuzzleNumber);
    controls_.StatusPanels[2] = BestTimeText();
    FillLevelStatistics();
}

std::string Game::BestTimeText() const {
    return BestTimePanelText(board_.BestMinutes * 60 + board_.BestSeconds,
                             players_.DisplayName(board_.BestPlayer));
}

void Game::FillLevelStatistics() {
    LevelTimes times = LevelStatistics(stock_, options_.CurrentLevel);
    controls_.StatusPanels[3] = LevelBestPanelText(times);
    controls_.StatusPanels[4] = LevelAveragePanelText(times);
}

// ---------------------------------------------------------------------------
// Clock, completion and best times

void Game::Tick() {
    clock_.Tick();
}

void Game::Resize(WindowState state) {
    if (state == WindowState::Minimized)
        clock_.Minimized();
    else if (state == WindowState::Normal)
        clock_.Restored();
}

void Game::PrintDialogOpening() {
    if (!gameOver_) clock_.Pause();
}

void Game::PrintDialogClosed() {
    if (!gameOver_) clock_.Resume();
}

void Game::ZetOpgelost() {
    clock_.Stop();
    const int elapsed = clock_.ElapsedSeconds();
    Play(kSoundApplause);
    gameOver_ = true;
    int best = board_.BestMinutes * 60 + board_.BestSeconds;
    // A time of 0 seconds cannot be stored (it reads as "no best time"), so it
    // never replaces a record; nor can minutes beyond the 16-bit field. A
    // stored time that is not positive is no record to beat.
    bool newBest = players_.CurrentPlayer != 0 && loadedLevel_ != 0 && elapsed > 0 &&
                   elapsed / 60 <= INT16_MAX && (best <= 0 || elapsed < best);
    if (newBest) {
        // The record of the puzzle on the board (the level buttons stay
        // disabled during a game, so this is also the selected level's).
        StockRecord& r = stock_(loadedLevel_, board_.PuzzleNumber);
        board_.BestMinutes = elapsed / 60;
        board_.BestSeconds = elapsed % 60;
        board_.BestPlayer = players_.CurrentPlayer;
        r.BestMinutes = static_cast<std::int16_t>(board_.BestMinutes);
        r.BestSeconds = static_cast<std::int16_t>(board_.BestSeconds);
        r.BestPlayer = static_cast<std::int16_t>(board_.BestPlayer);
        WriteStockFile();
        services_.Dialogs.ShowMessage("New Best Time for this Sudoku. Congratulations!!!",
                                      "New Best Time!", MessageIcon::Information,
                                      MessageButtons::Ok);
        controls_.StatusPanels[2] = BestTimeText();
        FillLevelStatistics();
    }
    GameEndedButtons();
}

void Game::WriteStockFile() {
    if (!services_.Writer.WriteStock(stock_))
        services_.Dialogs.ShowMessage(kWriteErrorMessage, kFileErrorTitle, MessageIcon::Exclamation,
                                      MessageButtons::Ok);
}

// ---------------------------------------------------------------------------
// Levels, Next and Open

void Game::SelectLevel(int level) {
    if (!IsLevel(level) || !controls_.Buttons.OptionType[level]) return;
    options_.CurrentLevel = level;
    controls_.SelectedLevelButton = level;
    SaveOptionsNow();
}

void Game::SoundClicked(bool checked) {
    controls_.SoundChecked = checked;
    if (loadingSettings_) return;
    options_.SoundOn = checked;
    SaveOptionsNow();
}

void Game::OpenPuzzle(int number) {
    ClearGrid();
    DisableGrid();
    ClearSudokuData();
    ButtonStates& b = controls_.Buttons;
    for (int l = 1; l <= kLevels; ++l) b.OptionType[l] = false;
    b.Restart = b.Undo = b.Redo = b.ResetCell = b.Solution = b.Hint = b.Next = b.Open = false;
    last_[options_.CurrentLevel] = number;
    SaveLastPuzzles(services_.Settings, last_);
    loadRequested_ = true;
}

void Game::Next() {
    if (!controls_.Buttons.Next) return;
    int number = last_[options_.CurrentLevel] + 1;
    if (number > kPuzzlesPerLevel || number < 1) number = 1;
    OpenPuzzle(number);
}

void Game::Open() {
    if (!controls_.Buttons.Open) return;
    for (;;) {
        std::string answer =
            services_.Dialogs.AskText("Enter a value between 1 and 100", "Sudoku number", "1");
        if (answer.empty()) return;
        int value = LeadingNumber(answer);
        if (value >= 1 && value <= kPuzzlesPerLevel) {
            OpenPuzzle(value);
            return;
        }
    }
}

// ---------------------------------------------------------------------------
// Window

bool Game::QueryQuit() {
    return services_.Dialogs.ShowMessage("Do you really want to quit ?", "Quit Dravik Sudoku",
                                         MessageIcon::None,
                                         MessageButtons::YesNo) == MessageAnswer::Yes;
}

void Game::PlayersChanged(const PlayerList& players) {
    players_ = players;
    if (players_.CurrentPlayer < 0 || players_.CurrentPlayer > players_.PlayerCount())
        players_.CurrentPlayer = 0;
    // A renamed holder of the puzzle's best time shows under the new name at once.
    if (loadedLevel_ != 0) controls_.StatusPanels[2] = BestTimeText();
}

// ---------------------------------------------------------------------------
// Renewal and the background passes

void Game::Renew(int level) {
    if (!IsLevel(level) || !controls_.Buttons.RenewLevel[level]) return;
    if (level == options_.CurrentLevel) return;
    if (services_.Dialogs.ShowMessage("Are you sure to renew this set of Sudokus? Renewing also "
                                      "resets the Best Times for this set.",
                                      "Renew Selected Set of Sudokus", MessageIcon::Question,
                                      MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    if (!renewal_.BeginRenewal(stock_, level, options_.CurrentLevel)) return;
    controls_.Buttons.OptionType[level] = false;
    for (int l = 1; l <= kLevels; ++l) controls_.Buttons.RenewLevel[l] = false;
    controls_.ProgressBar2 = 0;
    controls_.ProgressBar2Visible = true;
    UpdateGenerator();
}

bool Game::NeedsPass() const {
    return loadRequested_ || renewal_.StockStatus == kStatusComplete;
}

void Game::RunPass() {
    std::optional<GeneratedPuzzle> result;
    int renewing = renewal_.RenewingLevel;
    switch (renewal_.EnterIdle()) {
    case RenewalState::IdleEntry::kStartupFinished:
        if (startupPending_) {
            startupPending_ = false;
            controls_.StartupPanelVisible = false;
            controls_.Buttons.Next = controls_.Buttons.Open = controls_.Buttons.Print = true;
        }
        break;
    case RenewalState::IdleEntry::kRenewalFinished:
        controls_.ProgressBar2Visible = false;
        // While a game runs every level button stays disabled; the end of the
        // game enables them all.
        if (gameOver_) controls_.Buttons.OptionType[renewing] = true;
        for (int l = 1; l <= kLevels; ++l) controls_.Buttons.RenewLevel[l] = true;
        break;
    case RenewalState::IdleEntry::kNone:
        if (renewal_.Generating() && generatorRunning_) result = services_.Generator.TryTake();
        break;
    }
    UpdateGenerator();
    if (loadRequested_) ShowSudoku(options_.CurrentLevel);
    if (result) FileResult(*result);
}

void Game::FileResult(const GeneratedPuzzle& puzzle) {
    int before = renewal_.GeneratedCount[renewal_.RenewingLevel];
    RenewalState::Outcome outcome = renewal_.Accept(stock_, puzzle);
    if (outcome.level == 0) return;
    controls_.ProgressBar2 = before;
    controls_.ProgressBar1[outcome.level] = outcome.count;
    if (outcome.completed) {
        UpdateGenerator();
        WriteStockFile();
    }
}

// Keeps the puzzle source running exactly while a set is being filled.
void Game::UpdateGenerator() {
    bool wanted = renewal_.RenewingLevel != 0 && renewal_.Generating();
    if (wanted == generatorRunning_) return;
    generatorRunning_ = wanted;
    if (wanted)
        services_.Generator.Start();
    else
        services_.Generator.Stop();
}

} // namespace dravik
