#include "game/ui/qt_prompt.h"
#include "game/qt/text.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dravik::ui {

namespace {

QMessageBox::Icon ToQIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtPrompt::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                                    MessageButtons buttons) {
    QMessageBox box(ToQIcon(icon), ToQString(title), ToQString(text), QMessageBox::NoButton,
                    parent_);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        break;
    }
    // Closed with Esc or the close box: the safe answer.
    return buttons == MessageButtons::YesNo      ? MessageAnswer::No
           : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                 : MessageAnswer::Ok;
}

std::string QtPrompt::AskText(std::string_view prompt, std::string_view title,
                              std::string_view defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, ToQString(title), ToQString(prompt),
                                         QLineEdit::Normal, ToQString(defaultText), &ok);
    if (!ok) return {};
    return text.toStdString();
}

} // namespace dravik::ui
