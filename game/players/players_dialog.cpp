#include "game/players/players_dialog.h"

#include "game/base/messages.h"

namespace dravik {

namespace {

PlayersMessage Refusal(const MessageText& message, std::string_view detail = {}) {
    return {TrWith(message.text, detail), TrWith(message.title, detail)};
}

} // namespace

PlayersMessage NameInUseMessage(std::string_view name) {
    return Refusal(messages::kNameInUse, name);
}

void PlayersDialog::Activate(const PlayerList& players) {
    players_ = players;
    selection_ = -1;
    entry_.clear();
    Browse();
    visible_ = true;
}

void PlayersDialog::Browse() {
    const bool selected = selection_ >= 0;
    controls_ = PlayersControls{};
    controls_.EditPlayer = selected;
    controls_.Ok = selected;
    focus_ = PlayersFocus::List;
}

void PlayersDialog::Edit() {
    // Only the entry and Free Play stay available while a name is typed.
    controls_ = PlayersControls{};
    controls_.List = controls_.NewPlayer = controls_.Cancel = false;
    controls_.Entry = true;
    focus_ = PlayersFocus::Entry;
}

void PlayersDialog::ListClick(int line) {
    if (!visible_ || !controls_.List) return;
    selection_ = line >= 0 && line < players_.PlayerCount() ? line : -1;
    controls_.EditPlayer = controls_.Ok = selection_ >= 0;
}

void PlayersDialog::ListDoubleClick(int line) {
    if (!visible_ || !controls_.List) return;
    ListClick(line);
    if (selection_ >= 0) Ok();
}

std::optional<PlayersMessage> PlayersDialog::NewPlayer() {
    if (!visible_ || !controls_.NewPlayer) return std::nullopt;
    if (players_.PlayerCount() >= kMaxKeptPlayers) return Refusal(messages::kListFull);
    selection_ = -1;
    Edit();
    return std::nullopt;
}

void PlayersDialog::EditPlayer() {
    if (!visible_ || !controls_.EditPlayer || selection_ < 0) return;
    Edit();
    entry_ = players_.DisplayName(selection_ + 1).value_or("");
}

void PlayersDialog::TypeText(std::string_view text) {
    if (visible_ && controls_.Entry) entry_ = text;
}

std::optional<PlayersMessage> PlayersDialog::EnterKey() {
    if (!visible_ || !controls_.Entry) return std::nullopt;
    if (entry_.empty()) return Refusal(messages::kEmptyName);
    // Checked as it will be kept: its first 16 characters without trailing
    // blanks. A longer name that only differs after those 16 would otherwise
    // be stored as a second copy of an existing one.
    const std::string name = StripTrailingSpaces(PadName(entry_));
    if (name.empty()) return Refusal(messages::kBlankName);
    for (int line = 0; line < players_.PlayerCount(); ++line) {
        if (line == selection_) continue; // a player may keep its own name
        if (players_.DisplayName(line + 1) == name) return NameInUseMessage(name);
    }
    if (selection_ < 0) {
        if (players_.PlayerCount() >= kMaxKeptPlayers) return Refusal(messages::kListFull);
        players_.Names.push_back(PadName(name));
        selection_ = players_.PlayerCount() - 1;
    } else {
        // The number stays, so best times recorded under it show the new name.
        players_.Names[static_cast<std::size_t>(selection_)] = PadName(name);
    }
    SavePlayers(store_, players_);
    entry_.clear();
    Browse();
    return std::nullopt;
}

void PlayersDialog::EscapeKey() {
    if (!visible_ || !controls_.Entry) return;
    entry_.clear();
    Browse();
}

void PlayersDialog::Ok() {
    if (!visible_ || !controls_.Ok || selection_ < 0) return;
    players_.CurrentPlayer = selection_ + 1;
    SaveLastPlayer(store_, players_.CurrentPlayer);
    Hide();
}

void PlayersDialog::Cancel() {
    if (visible_ && controls_.Cancel) Hide();
}

void PlayersDialog::FreePlay() {
    if (!visible_ || !controls_.FreePlay) return;
    players_.CurrentPlayer = 0;
    Hide();
}

void PlayersDialog::CloseBox() {
    Hide();
}

} // namespace dravik
