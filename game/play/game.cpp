#include "game/play/game.h"

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

Game::Game(const GameServices& services) : services_(services) {
    UpdateTitle();
}

// ---------------------------------------------------------------------------
// Start-up

void Game::LoadSettings(bool soundAvailable) {
    loadingSettings_ = true;
    options_ = LoadOptions(services_.Settings);
    view_.SoundChecked = options_.SoundOn;
    if (!soundAvailable) {
        // The box shows unticked and disabled; the stored choice stays as it is.
        view_.SoundChecked = false;
        view_.SoundEnabled = false;
    }
    loadingSettings_ = false;
    // Selecting the level's option button runs its handler, which saves the options.
    SelectLevel(options_.CurrentLevel);
    players_ = Setup_Players(services_.Settings);
    UpdateTitle();
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
    wasMinimized_ = false;
    board_.SelectedRow = kNoSelection;
    board_.SelectedColumn = kNoSelection;
    gameOver_ = true;
    ClearGrid();
    DisableGrid();
    ClearSudokuData();
    renewal_.RenewingLevel = 0;
    loadRequested_ = false;
    renewal_.GeneratedCount.fill(0);
    view_.ProgressBar1.fill(0);
    view_.Buttons.Next = false;
    view_.Buttons.Open = false;
    view_.Buttons.Print = false;
    view_.StartupPanelVisible = true;
    startupPending_ = true;
}

// ---------------------------------------------------------------------------
// Pencil marks

bool Game::MarkShown(int cell, int digit) const {
    return (view_.Cells[cell].MarksShown & DigitBit(digit)) != 0;
}

void Game::ShowMark(int cell, int digit) {
    view_.Cells[cell].MarksShown |= DigitBit(digit);
    board_.PencilMarks[cell] |= DigitBit(digit);
}

void Game::HideMark(int cell, int digit) {
    view_.Cells[cell].MarksShown &= static_cast<std::uint16_t>(~DigitBit(digit));
    board_.PencilMarks[cell] &= static_cast<std::uint16_t>(~DigitBit(digit));
}

void Game::RemoveFromPeers(int cell, int digit) {
    for (int i = 0; i < 9; ++i) {
        int peers[3] = {ColumnPeer(cell, i), RowPeer(cell, i), BoxPeer(cell, i)};
        for (int peer : peers)
            if (MarkShown(peer, digit)) HideMark(peer, digit);
    }
}

// Puts the givens on a board whose marks are all shown: digits in the given
// colour, their marks hidden and, from level 3 on, their digit struck from the
// peers. Nothing is recorded.
void Game::PlaceGivens() {
    for (int i = 0; i < kCells; ++i) {
        board_.PencilMarks[i] = kAllCandidates;
        if (board_.Givens[i] > 0) view_.Cells[i].Colour = DigitColour::Given;
    }
    for (int i = 0; i < kCells; ++i) {
        int d = board_.Givens[i];
        board_.Played[i] = static_cast<std::uint8_t>(d);
        if (d == 0) continue;
        board_.PencilMarks[i] = 0;
        view_.Cells[i].MarksShown = 0;
        view_.Cells[i].Digit = static_cast<std::uint8_t>(d);
        if (board_.PuzzleLevel >= 3) RemoveFromPeers(i, d);
    }
}

void Game::Play(int effect) {
    if (options_.SoundOn) services_.Sound.Speel(effect);
}

Step& Game::RecordStep(int cell, int type) {
    Step& step = board_.RecordStep(cell, type);
    view_.Buttons.Restart = true;
    view_.Buttons.Undo = true;
    view_.Buttons.Redo = false;
    ShowStepCount();
    return step;
}

void Game::ShowStepCount() {
    view_.LabelStap = std::to_string(board_.StepCount);
}

// ---------------------------------------------------------------------------
// Cell entry and selection

void Game::MarkMouseUp(int digit, int cell, int button, int x, int y) {
    if (digit < 1 || digit > 9 || cell < 0 || cell >= kCells) return;
    // A hidden or disabled label receives no mouse events.
    if (!view_.BoardEnabled || !MarkShown(cell, digit)) return;

    bool acts = InsideMark(x, y) &&
                (button == kLeftButton || (button == kRightButton && board_.PuzzleLevel >= 3));
    if (acts && !CanRecordStep()) acts = false;

    if (acts && button == kLeftButton) {
        view_.HintVisible = false;
        Step& step = RecordStep(cell, digit);
        board_.PencilMarks[cell] = 0;
        for (int k = 1; k <= 9; ++k) {
            if (!MarkShown(cell, k)) continue;
            HideMark(cell, k);
            step.CellMarks |= DigitBit(k);
        }
        Play(kSoundAssign);
        view_.Cells[cell].Digit = static_cast<std::uint8_t>(digit);
        board_.Played[cell] = static_cast<std::uint8_t>(digit);
        if (board_.PuzzleLevel >= 3) {
            for (int i = 0; i < 9; ++i) {
                int peer = ColumnPeer(cell, i);
                if (MarkShown(peer, digit)) {
                    HideMark(peer, digit);
                    step.ColumnMarks |= static_cast<std::uint16_t>(1u << i);
                }
            }
            for (int i = 0; i < 9; ++i) {
                int peer = RowPeer(cell, i);
                if (MarkShown(peer, digit)) {
                    HideMark(peer, digit);
                    step.RowMarks |= static_cast<std::uint16_t>(1u << i);
                }
            }
            for (int bit = 0; bit < 9; ++bit) {
                int peer = BoxPeer(cell, bit);
                if (MarkShown(peer, digit)) {
                    HideMark(peer, digit);
                    step.BoxMarks |= static_cast<std::uint16_t>(1u << bit);
                }
            }
        }
    } else if (acts) {
        Step& step = RecordStep(cell, -digit);
        view_.HintVisible = false;
        Play(kSoundDiscard);
        HideMark(cell, digit);
        step.CellMarks = DigitBit(digit);
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
    if (view_.RowLabels[row] == LabelColour::Red) {
        view_.RowLabels[row] = LabelColour::Black;
        board_.SelectedRow = kNoSelection;
        return;
    }
    Play(kSoundLabel);
    view_.RowLabels.fill(LabelColour::Black);
    view_.RowLabels[row] = LabelColour::Red;
    board_.SelectedRow = row;
}

void Game::LabelColumnMouseUp(int column, int x, int y) {
    if (column < 0 || column > 8 || !InsideLabel(x, y)) return;
    if (view_.ColumnLabels[column] == LabelColour::Red) {
        view_.ColumnLabels[column] = LabelColour::Black;
        board_.SelectedColumn = kNoSelection;
        return;
    }
    Play(kSoundLabel);
    view_.ColumnLabels.fill(LabelColour::Black);
    view_.ColumnLabels[column] = LabelColour::Red;
    board_.SelectedColumn = column;
}

// ---------------------------------------------------------------------------
// History commands

void Game::Undo() {
    if (!view_.Buttons.Undo || board_.StepCount < 1) return;
    int n = board_.StepCount;
    const Step step = board_.StepAt(n);
    int s = step.Cell;
    int t = step.Type;
    view_.HintVisible = false;
    Play(kSoundUndoRedo);
    view_.Buttons.Redo = true;
    if (t >= -9 && t <= -1) {
        ShowMark(s, -t);
    } else if (t >= 1 && t <= 9) {
        view_.Cells[s].Digit = 0;
        board_.Played[s] = 0;
        for (int k = 1; k <= 9; ++k)
            if (step.CellMarks & DigitBit(k)) ShowMark(s, k);
        for (int i = 0; i < 9; ++i)
            if (step.ColumnMarks & (1u << i)) ShowMark(ColumnPeer(s, i), t);
        for (int i = 0; i < 9; ++i)
            if (step.RowMarks & (1u << i)) ShowMark(RowPeer(s, i), t);
        for (int i = 0; i < 9; ++i)
            if (step.BoxMarks & (1u << i)) ShowMark(BoxPeer(s, i), t);
    } else if (t >= 10 && t <= 19) {
        for (int k = 1; k <= 9; ++k)
            if (step.CellMarks & DigitBit(k)) HideMark(s, k);
        int x = t - 10;
        if (x > 0) {
            view_.Cells[s].Digit = static_cast<std::uint8_t>(x);
            board_.Played[s] = static_cast<std::uint8_t>(x);
        }
    }
    board_.StepCount = n - 1;
    ShowStepCount();
    if (board_.StepCount == 0) {
        view_.Buttons.Restart = false;
        view_.Buttons.Undo = false;
    }
}

void Game::Redo() {
    if (!view_.Buttons.Redo || board_.StepCount >= board_.StepLimit) return;
    int n = board_.StepCount + 1;
    view_.HintVisible = false;
    Play(kSoundUndoRedo);
    view_.Buttons.Restart = true;
    view_.Buttons.Undo = true;
    board_.StepCount = n;
    ShowStepCount();
    const Step step = board_.StepAt(n);
    int s = step.Cell;
    int t = step.Type;
    if (t >= -9 && t <= -1) {
        HideMark(s, -t);
    } else if (t >= 1 && t <= 9) {
        view_.Cells[s].Digit = static_cast<std::uint8_t>(t);
        board_.Played[s] = static_cast<std::uint8_t>(t);
        for (int k = 1; k <= 9; ++k)
            if (step.CellMarks & DigitBit(k)) HideMark(s, k);
        for (int i = 0; i < 9; ++i)
            if (step.ColumnMarks & (1u << i)) HideMark(ColumnPeer(s, i), t);
        for (int i = 0; i < 9; ++i)
            if (step.RowMarks & (1u << i)) HideMark(RowPeer(s, i), t);
        for (int i = 0; i < 9; ++i)
            if (step.BoxMarks & (1u << i)) HideMark(BoxPeer(s, i), t);
    } else if (t >= 10 && t <= 19) {
        for (int k = 1; k <= 9; ++k)
            if (step.CellMarks & DigitBit(k)) ShowMark(s, k);
        view_.Cells[s].Digit = 0;
        board_.Played[s] = 0;
    }
    if (board_.StepCount == board_.StepLimit) view_.Buttons.Redo = false;
}

void Game::ResetCell() {
    if (!view_.Buttons.ResetCell) return;
    if (board_.SelectedColumn == kNoSelection || board_.SelectedRow == kNoSelection) return;
    int s = 9 * board_.SelectedRow + board_.SelectedColumn;
    if (board_.Givens[s] > 0 || !CanRecordStep()) return;
    view_.HintVisible = false;
    Play(kSoundResetCell);
    Step& step = RecordStep(s, board_.Played[s] + 10);
    board_.PencilMarks[s] = kAllCandidates;
    for (int k = 1; k <= 9; ++k) {
        if (MarkShown(s, k)) continue;
        ShowMark(s, k);
        step.CellMarks |= DigitBit(k);
    }
    view_.Cells[s].Digit = 0;
    board_.Played[s] = 0;
}

void Game::Restart() {
    if (!view_.Buttons.Restart) return;
    StopClock();
    Play(kSoundDiscard);
    board_.StepLimit = 0;
    board_.StepCount = 0;
    ClearGrid();
    EnableGrid();
    view_.HintVisible = false;
    PlaceGivens();
    gameOver_ = false;
    StartClock();
    view_.Buttons.Restart = false;
    view_.Buttons.Undo = false;
    view_.Buttons.Redo = false;
    view_.Buttons.ResetCell = true;
    view_.Buttons.Solution = true;
    view_.Buttons.Hint = true;
}

void Game::Solution() {
    if (!view_.Buttons.Solution) return;
    StopClock();
    Play(kSoundSolution);
    view_.HintVisible = false;
    for (int i = 0; i < kCells; ++i) {
        board_.PencilMarks[i] = 0;
        view_.Cells[i].MarksShown = 0;
        view_.Cells[i].Digit = board_.Solution[i];
        board_.Played[i] = board_.Solution[i];
    }
    gameOver_ = true;
    GameEndedButtons();
}

void Game::GameEndedButtons() {
    ButtonStates& b = view_.Buttons;
    b.Restart = b.Undo = b.Redo = b.ResetCell = b.Solution = b.Hint = false;
    b.Next = b.Open = true;
    for (int level = 1; level <= 5; ++level) b.OptionType[level] = true;
    // A level whose set is being renewed stays unselectable until it is complete.
    if (renewal_.RenewingLevel != 0) b.OptionType[renewal_.RenewingLevel] = false;
}

// ---------------------------------------------------------------------------
// Board display operations

void Game::ClearGrid() {
    StopClock();
    view_.LabelTijd = "00:00";
    view_.LabelStap = "0";
    gameOver_ = true;
    for (CellView& cell : view_.Cells) cell = CellView{};
}

// ---------------------------------------------------------------------------
// Loading

void Game::ShowSudoku(int level) {
    loadRequested_ = false;
    if (level < 1 || level > 5) return;
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
    board_.PausedMinutes = 0;
    board_.PausedSeconds = 0;
    FillStatusBar();
    for (int k = 0; k < kTechniqueCount; ++k)
        view_.TechniqueCounts[k] = std::to_string(r.TechniqueCounts[k]);
    PlaceGivens();
    StartClock();
    EnableGrid();
    ButtonStates& b = view_.Buttons;
    b.Next = b.Open = false;
    b.ResetCell = b.Solution = b.Hint = true;
    for (int l = 1; l <= 5; ++l) b.OptionType[l] = false;
    gameOver_ = false;
}

void Game::FillStatusBar() {
    view_.StatusPanels[0] = "Level: " + std::string(LevelName(options_.CurrentLevel));
    view_.StatusPanels[1] = "Number: " + std::to_string(board_.PuzzleNumber);
    if (board_.BestMinutes > 0 || board_.BestSeconds > 0) {
        std::string text = "Best Time: " + FormatTime(board_.BestMinutes * 60 + board_.BestSeconds);
        if (auto name = players_.DisplayName(board_.BestPlayer)) text += " by " + *name;
        view_.StatusPanels[2] = text;
    } else {
        view_.StatusPanels[2] = "Best Time: 00:00 (No Best Time Yet)";
    }
    FillLevelStatistics();
}

void Game::FillLevelStatistics() {
    LevelTimes times = LevelStatistics(stock_, options_.CurrentLevel);
    view_.StatusPanels[3] = "Level Best Time: " + FormatTime(times.Best);
    view_.StatusPanels[4] = "Level Average Time: " + FormatTime(times.Average);
}

// ---------------------------------------------------------------------------
// Clock, completion and best times

void Game::StartClock() {
    startMilliseconds_ = services_.Clock.NowMilliseconds();
    elapsedSeconds_ = 0;
    view_.TimerEnabled = true;
    view_.LabelTijd = "00:00";
}

void Game::Tick() {
    if (!view_.TimerEnabled) return;
    std::int64_t elapsed = (services_.Clock.NowMilliseconds() - startMilliseconds_) / 1000;
    if (elapsed < 0) elapsed = 0;
    if (elapsed > INT32_MAX) elapsed = INT32_MAX;
    elapsedSeconds_ = static_cast<int>(elapsed);
    std::string text = FormatTime(elapsedSeconds_);
    if (text != view_.LabelTijd) view_.LabelTijd = std::move(text);
}

void Game::Pause() {
    board_.PausedMinutes = elapsedSeconds_ / 60;
    board_.PausedSeconds = elapsedSeconds_ % 60;
}

void Game::Resume() {
    elapsedSeconds_ = board_.PausedMinutes * 60 + board_.PausedSeconds;
    startMilliseconds_ =
        services_.Clock.NowMilliseconds() - static_cast<std::int64_t>(elapsedSeconds_) * 1000;
}

void Game::Resize(WindowState state) {
    if (state == WindowState::Minimized) {
        Pause();
        wasMinimized_ = true;
    } else if (state == WindowState::Normal && wasMinimized_) {
        Resume();
        wasMinimized_ = false;
    }
}

void Game::PrintDialogOpening() {
    if (!gameOver_) Pause();
}

void Game::PrintDialogClosed() {
    if (!gameOver_) Resume();
}

void Game::ZetOpgelost() {
    StopClock();
    Play(kSoundApplause);
    gameOver_ = true;
    int best = board_.BestMinutes * 60 + board_.BestSeconds;
    // A time of 0 seconds cannot be stored (it reads as "no best time"), so it
    // never replaces a record; nor can minutes beyond the 16-bit field.
    bool newBest = players_.CurrentPlayer != 0 && loadedLevel_ != 0 && elapsedSeconds_ > 0 &&
                   elapsedSeconds_ / 60 <= INT16_MAX && (best == 0 || elapsedSeconds_ < best);
    if (newBest) {
        // The record of the puzzle on the board (the level buttons stay
        // disabled during a game, so this is also the selected level's).
        StockRecord& r = stock_(loadedLevel_, board_.PuzzleNumber);
        board_.BestMinutes = elapsedSeconds_ / 60;
        board_.BestSeconds = elapsedSeconds_ % 60;
        board_.BestPlayer = players_.CurrentPlayer;
        r.BestMinutes = static_cast<std::int16_t>(board_.BestMinutes);
        r.BestSeconds = static_cast<std::int16_t>(board_.BestSeconds);
        r.BestPlayer = static_cast<std::int16_t>(board_.BestPlayer);
        WriteStockFile();
        services_.Dialogs.ShowMessage("New Best Time for this Sudoku. Congratulations!!!",
                                      "New Best Time!", MessageIcon::Information,
                                      MessageButtons::Ok);
        std::string text = "Best Time: " + FormatTime(elapsedSeconds_);
        if (auto name = players_.DisplayName(board_.BestPlayer)) text += " by " + *name;
        view_.StatusPanels[2] = text;
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
    if (level < 1 || level > 5 || !view_.Buttons.OptionType[level]) return;
    options_.CurrentLevel = level;
    view_.SelectedLevelButton = level;
    SaveOptionsNow();
}

void Game::SoundClicked(bool checked) {
    view_.SoundChecked = checked;
    if (loadingSettings_) return;
    options_.SoundOn = checked;
    SaveOptionsNow();
}

void Game::OpenPuzzle(int number) {
    ClearGrid();
    DisableGrid();
    ClearSudokuData();
    ButtonStates& b = view_.Buttons;
    for (int l = 1; l <= 5; ++l) b.OptionType[l] = false;
    b.Restart = b.Undo = b.Redo = b.ResetCell = b.Solution = b.Hint = b.Next = b.Open = false;
    last_[options_.CurrentLevel] = number;
    SaveLastPuzzles(services_.Settings, last_);
    loadRequested_ = true;
}

void Game::Next() {
    if (!view_.Buttons.Next) return;
    int number = last_[options_.CurrentLevel] + 1;
    if (number > kPuzzlesPerLevel || number < 1) number = 1;
    OpenPuzzle(number);
}

void Game::Open() {
    if (!view_.Buttons.Open) return;
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
    UpdateTitle();
}

void Game::UpdateTitle() {
    if (auto name = players_.DisplayName(players_.CurrentPlayer))
        view_.Title = "Dravik Sudoku - " + *name + " is playing";
    else
        view_.Title = "Dravik Sudoku - Free Play (no player selected)";
}

// ---------------------------------------------------------------------------
// Renewal and the background passes

void Game::Renew(int level) {
    if (level < 1 || level > 5 || !view_.Buttons.RenewLevel[level]) return;
    if (level == options_.CurrentLevel) return;
    if (services_.Dialogs.ShowMessage("Are you sure to renew this set of Sudokus? Renewing also "
                                      "resets the Best Times for this set.",
                                      "Renew Selected Set of Sudokus", MessageIcon::Question,
                                      MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    if (!renewal_.BeginRenewal(stock_, level, options_.CurrentLevel)) return;
    view_.Buttons.OptionType[level] = false;
    for (int l = 1; l <= 5; ++l) view_.Buttons.RenewLevel[l] = false;
    view_.ProgressBar2 = 0;
    view_.ProgressBar2Visible = true;
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
            view_.StartupPanelVisible = false;
            view_.Buttons.Next = view_.Buttons.Open = view_.Buttons.Print = true;
        }
        break;
    case RenewalState::IdleEntry::kRenewalFinished:
        view_.ProgressBar2Visible = false;
        // While a game runs every level button stays disabled; the end of the
        // game enables them all.
        if (gameOver_) view_.Buttons.OptionType[renewing] = true;
        for (int l = 1; l <= 5; ++l) view_.Buttons.RenewLevel[l] = true;
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
    view_.ProgressBar2 = before;
    view_.ProgressBar1[outcome.level] = outcome.count;
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
