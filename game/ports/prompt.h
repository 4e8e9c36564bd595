// The dialogs the game asks for: message boxes and the input box. The game
// window answers with Qt's; tests answer from a script.
#pragma once

#include <string>
#include <string_view>

#include "game/base/messages.h"

namespace dravik {

class Prompt {
  public:
    virtual ~Prompt() = default;
    // A modal message box; returns the button pressed.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // A modal input box; Cancel answers the empty text.
    virtual std::string AskText(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) = 0;
};

// Shows a message of the catalogue (messages.h) in the player's language,
// `detail` in its "%1".
inline MessageAnswer Show(Prompt& prompt, const MessageText& message,
                          std::string_view detail = {}) {
    return prompt.ShowMessage(TrWith(message.text, detail), TrWith(message.title, detail),
                              message.icon, message.buttons);
}

} // namespace dravik
