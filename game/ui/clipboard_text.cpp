#include "game/ui/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>

#include "game/play/brought_puzzle.h"

namespace dravik::ui {

std::string ClipboardPuzzleText() {
    constexpr auto kLimit = static_cast<qsizetype>(kMaxBroughtTextBytes);
    // Qt hands over the whole text; only its start is converted and kept, and
    // the rest goes with this function.
    const QString text = QGuiApplication::clipboard()->text();
    QByteArray start = QStringView(text).left(kLimit).toUtf8();
    if (start.size() > kLimit) start.truncate(kLimit);
    return start.toStdString();
}

} // namespace dravik::ui
