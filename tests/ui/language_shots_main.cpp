// Pictures of every window in the language of the locale, for looking at
// the translations: the game window in Free Play and for a named player, the
// players dialog, the print dialog, the help window and a message box.
// Usage: LANG=de_DE.UTF-8 ui_language_shots OUTPUT_FOLDER   (runs offscreen)
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>

#include "game/base/messages.h"
#include "game/qt/text.h"
#include "game/ui/form_namen.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/language.h"
#include "game/ui/print_dialog.h"
#include "game/ui/print_features.h"
#include "ui_harness.h"

using namespace dravik;

namespace {

QString out;

void Save(QWidget* w, const QString& name) {
    QApplication::processEvents();
    const QString file = out + '/' + name + ".png";
    if (!w->grab().toImage().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setQuitOnLastWindowClosed(false);
    const QString language = ui::LoadLanguage(QLocale::system(), DRAVIK_OUTPUT_DIR "/");
    out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString tag = language.isEmpty() ? QStringLiteral("en") : language;

    {
        test::UiHarness h;
        h.StartAndIdle();
        h.Click("OptionType(3)");
        h.Next();
        h.ReleaseOnRowLabel(2);
        Save(&h.window(), "main-free-" + tag);
        h.Click("cmdPlayers");
        h.ProcessEvents();
        Save(&h.app->Players(), "players-" + tag);
        h.app->Players().hide();
        h.Click("CommandPrint");
        h.ProcessEvents();
        if (ui::FormPrint* d = h.app->Printing().Dialog()) {
            Save(d, "print-" + tag);
            d->hide();
        }
        h.Click("CommandHelp");
        h.ProcessEvents();
        if (ui::HelpWindow* help = h.app->Help().Help()) {
            QTest::qWait(200);
            Save(help, "help-" + tag);
            help->Browser()->setSource(QUrl::fromLocalFile(
                QString::fromStdString(h.programFolder.string()) + "/help/how_to_play.html"));
            Save(help, "help-play-" + tag);
            help->hide();
        }
    }
    {
        test::UiHarness::Setup setup;
        setup.settingsBytes = "[Players]\nCount=1\nPlayer01=Annegret\nLast_Player=1\n";
        test::UiHarness h(setup);
        h.StartAndIdle();
        h.Next();
        Save(&h.window(), "main-player-" + tag);
        std::printf("%s title: %s\n", qPrintable(tag), qPrintable(h.window().windowTitle()));
    }
    {
        // A message box as the game shows one (game/ui/qt_prompt.cpp).
        const MessageText& m = messages::kQuit;
        QMessageBox box(QMessageBox::NoIcon, TrQString(m.title), TrQString(m.text),
                        QMessageBox::Yes | QMessageBox::No);
        box.show();
        Save(&box, "message-" + tag);
    }
    return 0;
}
