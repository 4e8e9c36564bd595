// The rules of the players dialog (FormNamen) without its widgets: which
// controls are enabled, the list selection, the entry's text, the keys of the
// entry and the buttons. The window draws this state and forwards its events;
// a rejected name comes back as a message that the window shows with a beep
// and the information icon.
//
// The dialog edits a copy of the player list. Every accepted name writes the
// whole list to the settings store at once, and OK writes the chosen player;
// Cancel and Free Play write nothing. When the dialog has hidden itself,
// Players() is what the game takes over (CurrentPlayer is the dialog's result).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/base/translate.h"
#include "game/players/settings.h"
#include "game/ports/settings_store.h"

namespace dravik {

// The dialog's texts in English; the dialog shows Tr() of them.
inline constexpr std::string_view kPlayersCaption =
    QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku Players");
inline constexpr std::string_view kPlayersLabel1 =
    QT_TRANSLATE_NOOP("dravik", "Add or edit Player -and/or- Select Player and press OK -or- "
                                "Press Cancel for Free Play (No Player Selected)");
inline constexpr std::string_view kCaptionNewPlayer = QT_TRANSLATE_NOOP("dravik", "&New Player");
inline constexpr std::string_view kCaptionEditPlayer = QT_TRANSLATE_NOOP("dravik", "&Edit Player");
inline constexpr std::string_view kCaptionCancel = QT_TRANSLATE_NOOP("dravik", "&Cancel");
inline constexpr std::string_view kCaptionOk = QT_TRANSLATE_NOOP("dravik", "&OK");
inline constexpr std::string_view kCaptionFreePlay = QT_TRANSLATE_NOOP("dravik", "Free Play");
// What a screen reader calls the entry, which has no caption of its own.
inline constexpr std::string_view kEntryAccessibleName = QT_TRANSLATE_NOOP("dravik", "Player name");

// Player n is kept under the key Player + the last two digits of 100 + n, so
// a 101st player would overwrite player 1's name: the list stops at 100.
constexpr int kMaxKeptPlayers = 100;

// A rejection, shown with a beep, the information icon and an OK button.
struct PlayersMessage {
    std::string Text;
    std::string Title;
};

// "Oh no, not another <name> !!!" and its text, for a name already in use.
PlayersMessage NameInUseMessage(std::string_view name);

struct PlayersControls {
    bool List = true;
    bool Entry = false;
    bool NewPlayer = true;
    bool EditPlayer = false;
    bool Cancel = true;
    bool Ok = false;
    bool FreePlay = true;
};

enum class PlayersFocus { List, Entry };

class PlayersDialog {
  public:
    explicit PlayersDialog(SettingsStore& store) : store_(store) {}

    // Showing the dialog over the game's list: browsing, no line selected, the
    // focus on the list. An edit left unfinished when the dialog last hid
    // (Free Play or the close box while typing) is dropped.
    void Activate(const PlayerList& players);

    // The list's selection became `line` (-1 = none): OK and Edit Player
    // follow it. Ignored while the list is disabled.
    void ListClick(int line);
    // A double click on `line`: the same as a click, then OK.
    void ListDoubleClick(int line);

    // Starts typing a new player; refused with a message when the list is full.
    std::optional<PlayersMessage> NewPlayer();
    // Starts changing the selected player's name.
    void EditPlayer();
    // The entry's text as the user left it (every key but Enter and Esc).
    void TypeText(std::string_view text);
    // Enter in the entry: the name is checked, kept and the list stored, or a
    // message says why not and editing goes on.
    std::optional<PlayersMessage> EnterKey();
    // Esc in the entry: the edit is dropped.
    void EscapeKey();

    // The chosen player becomes the current one, is stored, and the dialog hides.
    void Ok();
    // The dialog hides; the current player stays.
    void Cancel();
    // No player: the dialog hides and the stored last player stays as it is,
    // so the next start selects it again.
    void FreePlay();
    // The window's close box: handled as Cancel, in either mode.
    void CloseBox();

    bool Visible() const { return visible_; }
    bool Editing() const { return controls_.Entry; }
    const PlayersControls& Controls() const { return controls_; }
    int Selection() const { return selection_; }
    const std::string& EntryText() const { return entry_; }
    PlayersFocus Focus() const { return focus_; }
    // The list as edited; CurrentPlayer is the dialog's result once it hid.
    const PlayerList& Players() const { return players_; }

  private:
    // The two modes: browsing the list, or typing a name in the entry.
    void Browse();
    void Edit();
    void Hide() { visible_ = false; }

    SettingsStore& store_;
    PlayerList players_;
    PlayersControls controls_;
    int selection_ = -1;
    std::string entry_;
    PlayersFocus focus_ = PlayersFocus::List;
    bool visible_ = false;
};

// Where a dialog of `innerSize` goes to sit centred on a window at `outer`
// (left or top) of `outerSize`, along one axis.
constexpr int CentredOn(int outer, int outerSize, int innerSize) {
    return outer + (outerSize - innerSize) / 2;
}

} // namespace dravik
