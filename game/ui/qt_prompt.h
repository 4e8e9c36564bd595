// The game's dialogs as Qt message boxes and input boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "game/ports/prompt.h"

namespace dravik::ui {

class QtPrompt final : public Prompt {
  public:
    // Dialogs are centred on `parent` once it is set (null: on the screen).
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override;
    std::string AskText(std::string_view prompt, std::string_view title,
                        std::string_view defaultText) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace dravik::ui
