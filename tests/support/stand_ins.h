// Stand-ins for the game's prompt and sound outlets that record what the game
// asked for and answer from a script, shared by the game and window tests.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "game/play/adapters.h"

namespace dravik::test {

struct ShownMessage {
    std::string text, title;
    MessageIcon icon;
    MessageButtons buttons;
};

class ScriptedPrompt final : public Prompt {
  public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({std::string(text), std::string(title), icon, buttons});
        if (!answers.empty()) {
            MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    std::string AskText(std::string_view, std::string_view, std::string_view) override {
        ++questions;
        if (texts.empty()) return {};
        std::string t = texts.front();
        texts.pop_front();
        return t;
    }

    std::deque<MessageAnswer> answers; // scripted; OK / Yes when empty
    std::deque<std::string> texts;     // scripted input-box answers; "" (Cancel) when empty
    std::vector<ShownMessage> messages;
    int questions = 0; // input boxes shown
};

class RecordingSound final : public SoundSink {
  public:
    void Speel(int effect) override { played.push_back(effect); }
    std::vector<int> played;
};

} // namespace dravik::test
