#include "game/play/game.h"

#include <vector>

#include "game/base/numbers.h"
#include "game/hint/hint_text.h"
#include "game/play/brought_puzzle.h"
#include "game/play/round_view.h"
#include "game/play/status_texts.h"
#include "game/play/times.h"

namespace dravik {

namespace {

template <typename Digits> Grid ToGrid(const Digits& digits) {
    Grid g{};
    for (int c = 0; c < kCells; ++c) g[c] = static_cast<std::int16_t>(digits[c]);
    return g;
}

} // namespace

Game::Game(const GameServices& services)
    : services_(services), renewal_(services.Generator), clock_(services.Clock) {}

// ---------------------------------------------------------------------------
// Start-up

void Game::LoadSettings(bool soundAvailable) {
    options_ = LoadOptions(services_.Settings);
    sameDigitTint_ = LoadHighlightOption(services_.Settings);
    zoom_ = LoadZoom(services_.Settings);
    soundAvailable_ = soundAvailable;
    // Choosing the stored level stores the options, as its option button does.
    SelectLevel(options_.CurrentLevel);
    players_ = Setup_Players(services_.Settings);
}

bool Game::TakeStock(const StockOpenResult& opened, const Stock& stock) {
    if (!opened.ok()) {
        Show(services_.Dialogs, messages::kStockUnreadable);
        Show(services_.Dialogs, messages::kStockMissing);
        return false;
    }
    if (opened.status == StockOpenStatus::kRecovered && !opened.setAside.empty())
        Show(services_.Dialogs, messages::kStockRecovered, opened.setAside.string());
    stock_ = stock;
    renewal_.StockRead();
    return true;
}

void Game::FinishStartup() {
    last_ = LoadLastPuzzles(services_.Settings);
    round_.Clear();
    clock_.Clear();
    renewal_.Reset();
    loadRequested_ = false;
}

// ---------------------------------------------------------------------------
// The board

void Game::Play(int effect) {
    if (options_.SoundOn) services_.Sound.Speel(effect);
}

void Game::Notify(std::string text) {
    notice_ = std::move(text);
    noticeRevision_ = round_.Revision();
}

void Game::PlaceDigit(int cell, int digit) {
    if (!CanPlaceDigit(cell, digit)) return;
    Play(kSoundAssign);
    round_.Place(cell, digit);
    if (round_.Solved()) ZetOpgelost();
}

void Game::StrikeMark(int cell, int digit) {
    if (!CanStrikeMark(cell, digit)) return;
    Play(kSoundDiscard);
    round_.Strike(cell, digit);
}

void Game::ToggleRow(int row) {
    if (row < 0 || row > 8 || paused_) return;
    // Choosing plays the label's sound; letting go is silent.
    if (round_.ToggleRow(row)) Play(kSoundLabel);
}

void Game::ToggleColumn(int column) {
    if (column < 0 || column > 8 || paused_) return;
    if (round_.ToggleColumn(column)) Play(kSoundLabel);
}

void Game::ResetCursorCell() {
    if (round_.Cursor() < 0 || !CanResetCell()) return;
    round_.ChooseCell(round_.Cursor());
    ResetCell();
}

// ---------------------------------------------------------------------------
// History commands

void Game::Undo() {
    if (!CanUndo()) return;
    Play(kSoundUndoRedo);
    round_.Undo();
}

void Game::Redo() {
    if (!CanRedo()) return;
    Play(kSoundUndoRedo);
    round_.Redo();
}

void Game::ResetCell() {
    if (!CanResetCell()) return;
    // Without a chosen row and column, or on a given, nothing happens.
    const int cell = round_.ResetTarget();
    if (cell < 0) return;
    Play(kSoundResetCell);
    round_.Reset(cell);
}

void Game::Restart() {
    if (!CanRestart()) return;
    clock_.Stop();
    Play(kSoundDiscard);
    round_.Restart();
    // The time of the abandoned attempt is lost.
    clock_.Start();
}

void Game::ShowSolution() {
    if (!CanShowSolution()) return;
    CountStatistic(&Statistics::SolutionShown);
    clock_.Stop();
    Play(kSoundSolution);
    round_.ShowSolution();
}

// ---------------------------------------------------------------------------
// Hints

HintResult Game::Hint() {
    if (!CanHint()) return {};
    CountStatistic(&Statistics::HintAsked);
    const HintResult result = hints_.Ask(round_);
    if (result.IsTechnique()) {
        Play(kSoundHint);
    } else if (const MessageText* message = HintMessageFor(result)) {
        Play(kSoundError);
        Show(services_.Dialogs, *message, CellText(result.cell));
    } else if (result.kind == HintKind::LowLevel) {
        // Nothing to name at this level: at least the board is sound.
        Notify(Tr(QT_TRANSLATE_NOOP("dravik", "No mistakes so far")));
    } else {
        Notify(Tr(
            QT_TRANSLATE_NOOP("dravik", "No logical step of this game's techniques applies here")));
    }
    return result;
}

std::string_view Game::HintMarkerPage() const {
    const std::optional<int> marker = hints_.Marker(round_);
    return marker ? TechniqueHelpPage(*marker) : std::string_view{};
}

void Game::ApplyHintStep() {
    if (!CanUseHintStep()) return;
    const HintStep* step = hints_.Step(round_);
    // The first move hides the marker; the step stays as it was found.
    const std::vector<GridChange> changes = step->changes;
    for (const GridChange& ch : changes) {
        if (ch.placed)
            PlaceDigit(ch.cell, ch.digit);
        else
            StrikeMark(ch.cell, ch.digit);
    }
}

// ---------------------------------------------------------------------------
// Loading

bool Game::CanOpenPuzzle() const {
    return !renewal_.Starting() && !round_.Playing() && !loadRequested_;
}

void Game::OpenPuzzle(int number) {
    round_.Clear();
    clock_.Clear();
    last_[options_.CurrentLevel] = number;
    SaveLastPuzzles(services_.Settings, last_);
    // The next pass loads it.
    loadRequested_ = true;
}

void Game::Next() {
    if (!CanOpenPuzzle()) return;
    int number = last_[options_.CurrentLevel] + 1;
    if (number > kPuzzlesPerLevel || number < 1) number = 1;
    OpenPuzzle(number);
}

void Game::Open() {
    if (!CanOpenPuzzle()) return;
    for (;;) {
        const messages::InputText& box = messages::kSudokuNumber;
        std::string answer = services_.Dialogs.AskText(Tr(box.prompt), Tr(box.title), box.answer);
        if (answer.empty()) return;
        const std::optional<double> value = LeadingNumber(answer);
        if (value && *value >= 1 && *value <= kPuzzlesPerLevel) {
            OpenPuzzle(static_cast<int>(*value));
            return;
        }
    }
}

void Game::ShowSudoku(int level) {
    loadRequested_ = false;
    if (!IsLevel(level)) return;
    const int n = last_[level];
    if (n < 1 || n > kPuzzlesPerLevel) return;
    const StockRecord& r = stock_(level, n);
    PuzzleFacts facts;
    facts.origin = PuzzleFacts::Origin::Stock;
    facts.level = level;
    facts.number = n;
    facts.bestSeconds = r.BestMinutes * 60 + r.BestSeconds;
    facts.bestPlayer = r.BestPlayer;
    for (int k = 0; k < kTechniqueCount; ++k) facts.techniqueCounts[k] = r.TechniqueCounts[k];
    BeginPlay(facts, ToGrid(r.Givens), ToGrid(r.Solution), r.Level);
}

// The end of every load: givens on the board and the clock from zero.
void Game::BeginPlay(const PuzzleFacts& facts, const Grid& givens, const Grid& solution,
                     int rulesLevel) {
    // The game in progress is given up.
    if (round_.Playing()) CountStatistic(&Statistics::Abandoned);
    round_.Load(facts, givens, solution, rulesLevel);
    clock_.Start();
}

std::string Game::GivensText() const {
    if (!round_.Loaded()) return {};
    std::string text;
    for (std::uint8_t d : round_.Arrays().Givens) text += static_cast<char>('0' + d);
    return text;
}

bool Game::PlayText(std::string_view text, std::string_view file) {
    if (renewal_.Starting() || paused_) return false;
    BroughtResult read = ReadBroughtPuzzle(text);
    if (!read.puzzle) {
        Show(services_.Dialogs, messages::kPuzzleNotPlayed,
             file.empty() ? read.error : NotAPuzzleFileMessage(file, text, read.error));
        return false;
    }
    if (round_.Playing() &&
        Show(services_.Dialogs, messages::kGiveUpForBrought) != MessageAnswer::Yes)
        return false;
    const BroughtPuzzle& p = *read.puzzle;
    PuzzleFacts facts;
    facts.origin = PuzzleFacts::Origin::Brought;
    facts.level = p.level;
    facts.beyondLadder = p.beyondLadder;
    for (int k = 0; k < kTechniqueCount; ++k) facts.techniqueCounts[k] = p.grading.counts[k];
    loadRequested_ = false;
    BeginPlay(facts, p.givens, p.solution, p.level);
    return true;
}

// ---------------------------------------------------------------------------
// Clock, completion and best times

void Game::Resize(WindowState state) {
    if (state == WindowState::Minimized)
        clock_.Minimized();
    else if (state == WindowState::Normal)
        clock_.Restored();
}

void Game::PrintDialogOpening() {
    clock_.Pause();
}

void Game::PrintDialogClosed() {
    clock_.Resume();
}

void Game::ZetOpgelost() {
    clock_.Stop();
    const int elapsed = clock_.ElapsedSeconds();
    CountStatistic(&Statistics::Finished, elapsed);
    Play(kSoundApplause);
    round_.End();
    // Seen also with the sound off and without a best time to tell.
    Notify(TrWith(QT_TRANSLATE_NOOP("dravik", "Solved in %1"), FormatTime(elapsed)));
    const PuzzleFacts& puzzle = round_.Facts();
    // A time of 0 seconds cannot be stored (it reads as "no best time"), so it
    // never replaces a record; nor can minutes beyond the 16-bit field. A
    // stored time that is not positive is no record to beat.
    const bool newBest =
        players_.CurrentPlayer != 0 && puzzle.origin == PuzzleFacts::Origin::Stock && elapsed > 0 &&
        elapsed / 60 <= INT16_MAX && (puzzle.bestSeconds <= 0 || elapsed < puzzle.bestSeconds);
    if (!newBest) return;
    StockRecord& r = stock_(puzzle.level, puzzle.number);
    r.BestMinutes = static_cast<std::int16_t>(elapsed / 60);
    r.BestSeconds = static_cast<std::int16_t>(elapsed % 60);
    r.BestPlayer = static_cast<std::int16_t>(players_.CurrentPlayer);
    round_.SetBestTime(elapsed, players_.CurrentPlayer);
    WriteStockFile();
    Show(services_.Dialogs, messages::kNewBestTime);
}

void Game::WriteStockFile() {
    if (!services_.Writer.WriteStock(stock_)) Show(services_.Dialogs, messages::kStockUnwritable);
}

// ---------------------------------------------------------------------------
// Levels, sound, players and quitting

bool Game::CanSelectLevel(int level) const {
    // Not while a game runs or a puzzle is being opened; never the level
    // whose set is being renewed.
    return IsLevel(level) && !round_.Playing() && !loadRequested_ &&
           level != renewal_.RenewingLevel();
}

void Game::SelectLevel(int level) {
    if (!CanSelectLevel(level)) return;
    options_.CurrentLevel = level;
    SaveOptions(services_.Settings, options_);
}

void Game::SetSound(bool on) {
    if (!soundAvailable_) return;
    options_.SoundOn = on;
    SaveOptions(services_.Settings, options_);
}

bool Game::CanZoomIn() const {
    return LargerZoom(zoom_) != zoom_;
}

bool Game::CanZoomOut() const {
    return SmallerZoom(zoom_) != zoom_;
}

void Game::SetZoom(int zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    SaveZoom(services_.Settings, zoom_);
}

bool Game::QueryQuit() {
    if (Show(services_.Dialogs, messages::kQuit) != MessageAnswer::Yes) return false;
    if (round_.Playing()) CountStatistic(&Statistics::Abandoned);
    return true;
}

void Game::PlayersChanged(const PlayerList& players) {
    players_ = players;
    if (players_.CurrentPlayer < 0 || players_.CurrentPlayer > players_.PlayerCount())
        players_.CurrentPlayer = 0;
}

// ---------------------------------------------------------------------------
// Renewal and the background passes

void Game::Renew(int level) {
    if (!CanRenew(level) || level == options_.CurrentLevel) return;
    if (Show(services_.Dialogs, messages::kRenew) != MessageAnswer::Ok) return;
    renewal_.Begin(stock_, level, options_.CurrentLevel);
}

void Game::RunPass() {
    if (practising_ && practice_) {
        practiceTried_ = practice_->Tried();
        if (std::optional<GeneratedPuzzle> found = practice_->TryTake()) {
            CancelPractice();
            PlayFound(*found);
        }
    }
    const bool stockWhole = renewal_.Pass(stock_);
    if (loadRequested_) ShowSudoku(options_.CurrentLevel);
    if (stockWhole) WriteStockFile();
}

// ---------------------------------------------------------------------------
// Practice a technique

bool Game::CanPractise(int technique) const {
    return practice_ != nullptr && technique >= 0 && technique < kTechniqueCount &&
           !renewal_.Starting();
}

void Game::Practise(int technique) {
    if (!CanPractise(technique)) return;
    const std::string_view caption = kTechniqueTable[static_cast<std::size_t>(technique)].caption;
    if (round_.Playing() &&
        Show(services_.Dialogs, messages::kGiveUpForPractice, caption) != MessageAnswer::Yes)
        return;
    practising_ = technique;
    practiceTried_ = 0;
    practice_->Start(technique);
}

void Game::CancelPractice() {
    if (!practising_) return;
    practising_.reset();
    if (practice_) practice_->Stop();
}

// The found puzzle is played as a pasted one: outside the stock.
void Game::PlayFound(const GeneratedPuzzle& found) {
    PuzzleFacts facts;
    facts.origin = PuzzleFacts::Origin::Brought;
    facts.level = found.grading.result;
    for (int k = 0; k < kTechniqueCount; ++k) facts.techniqueCounts[k] = found.grading.counts[k];
    loadRequested_ = false;
    BeginPlay(facts, found.givens, found.solution, found.grading.result);
}

// ---------------------------------------------------------------------------
// Statistics

void Game::TakeStatistics(StatisticsLoad load, StatisticsStore* store) {
    statistics_ = std::move(load.statistics);
    statisticsStore_ = store;
    if (!load.setAside.empty())
        Show(services_.Dialogs, messages::kStatisticsSetAside, load.setAside);
}

template <typename... More>
void Game::CountStatistic(void (Statistics::*count)(int, std::string_view, int, More...),
                          std::type_identity_t<More>... more) {
    const int player = players_.CurrentPlayer;
    const std::string name = players_.DisplayName(player).value_or("");
    (statistics_.*count)(player, name, round_.Facts().level, more...);
    if (!statisticsStore_) return;
    const std::string failed = statisticsStore_->Save(statistics_);
    if (failed.empty()) {
        statisticsUnsaved_ = false;
    } else if (!statisticsUnsaved_) {
        statisticsUnsaved_ = true;
        Show(services_.Dialogs, messages::kStatisticsUnwritable, failed);
    }
}

// ---------------------------------------------------------------------------
// The view

GameView Game::View() const {
    GameView v = BoardView(round_);
    v.Highlight = hints_.Highlight(round_);
    v.SameDigitTint = sameDigitTint_;
    if (noticeRevision_ == round_.Revision()) v.Notice = notice_;
    v.Title = WindowTitle(players_.DisplayName(players_.CurrentPlayer));
    v.Time = clock_.Text();
    v.ClockRunning = clock_.Running();

    ButtonStates& b = v.Buttons;
    b.Restart = CanRestart();
    b.Undo = CanUndo();
    b.Redo = CanRedo();
    b.ResetCell = CanResetCell();
    b.Solution = CanShowSolution();
    b.Hint = CanHint();
    b.Next = b.Open = CanOpenPuzzle();
    b.Print = CanPrint();
    for (int level = 1; level <= kLevels; ++level) {
        b.Level[level] = CanSelectLevel(level);
        b.Renew[level] = CanRenew(level);
    }
    v.SelectedLevel = options_.CurrentLevel;

    const PuzzleFacts& puzzle = round_.Facts();
    v.StatusPanels = StatusPanels(puzzle, stock_, players_);
    if (round_.Loaded())
        for (int k = 0; k < kTechniqueCount; ++k)
            v.TechniqueCounts[k] = std::to_string(puzzle.techniqueCounts[k]);
    v.HintMarker = hints_.Marker(round_);
    LearnView(v);

    v.SoundChecked = soundAvailable_ && options_.SoundOn;
    v.SoundEnabled = soundAvailable_;
    v.Zoom = zoom_;
    v.Starting = renewal_.Starting();
    for (int level = 1; level <= kLevels; ++level) v.StartupProgress[level] = renewal_.Filed(level);
    if (const int renewing = renewal_.RenewingLevel(); renewing != 0)
        v.RenewalProgress = std::max(0, renewal_.Filed(renewing) - 1);
    if (practising_)
        v.Practice = GameView::PracticeSearchView{*practising_,
                                                  PracticeSearchText(*practising_, practiceTried_)};
    return v;
}

} // namespace dravik
