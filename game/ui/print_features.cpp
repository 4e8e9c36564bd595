#include "game/ui/print_features.h"

#include "game/ui/controller.h"
#include "game/ui/dialog_zoom.h"
#include "game/ui/main_window.h"

namespace dravik::ui {

namespace {

print::PrinterPort& PrinterOf(print::PrinterPort* given,
                              std::unique_ptr<print::SystemPrinter>& system) {
    if (given) return *given;
    system = std::make_unique<print::SystemPrinter>();
    return *system;
}

} // namespace

PrintFeatures::PrintFeatures(MainWindow& window, GameController& controller, Prompt& prompt,
                             print::PrinterPort* printer, PdfFileChooser choosePdf)
    : window_(window), controller_(controller), prompt_(prompt),
      printer_(PrinterOf(printer, systemPrinter_)),
      choosePdf_(choosePdf ? std::move(choosePdf) : PdfFileChooser(ChoosePdfFileWithDialog)) {
    connect(&window_, &MainWindow::PrintRequested, this, &PrintFeatures::Open);
}

PrintFeatures::~PrintFeatures() {
    delete dialog_; // it uses the printer this object owns
}

void PrintFeatures::Open() {
    if (dialog_ && dialog_->isVisible()) return;
    controller_.Do([](Game& g) { g.PrintDialogOpening(); });
    options_.Level = controller_.View().SelectedLevel;
    if (!dialog_) {
        dialog_ = new FormPrint(controller_.game().Puzzles(), options_, printer_, prompt_,
                                choosePdf_, &window_);
        connect(dialog_, &QDialog::finished, this, &PrintFeatures::Closed);
    }
    ZoomDialog(*dialog_, window_.Zoom());
    dialog_->show(); // modal for the whole program, returning at once
}

void PrintFeatures::Closed() {
    controller_.Do([](Game& g) { g.PrintDialogClosed(); });
}

} // namespace dravik::ui
