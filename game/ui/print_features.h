// The game window's printing: "Print..." opens the print dialog at the game's
// level with the clock paused, and the choices are kept here from one opening
// to the next while the program runs.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "game/print/print_layout.h"
#include "game/print/qt/system_printer.h"
#include "game/ui/print_dialog.h"

namespace dravik::ui {

class GameController;
class MainWindow;

class PrintFeatures final : public QObject {
    Q_OBJECT
  public:
    // `printer` and `choosePdf` stand in for the system's printer and the
    // save-file dialog when given (tests).
    PrintFeatures(MainWindow& window, GameController& controller, Prompt& prompt,
                  print::PrinterPort* printer = nullptr, PdfFileChooser choosePdf = {});
    ~PrintFeatures() override;

    // Opens the dialog (modal; returns at once).
    void Open();
    // The dialog once it has been opened, else null.
    FormPrint* Dialog() const { return dialog_; }
    const print::PrintOptions& Kept() const { return options_; }

  private:
    void Closed();

    MainWindow& window_;
    GameController& controller_;
    Prompt& prompt_;
    std::unique_ptr<print::SystemPrinter> systemPrinter_;
    print::PrinterPort& printer_;
    PdfFileChooser choosePdf_;
    print::PrintOptions options_; // the choices while the program runs
    QPointer<FormPrint> dialog_;  // a child of the game window
};

} // namespace dravik::ui
