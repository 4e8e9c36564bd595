// The system's default printer for the print dialog (ports/printer.h).
#pragma once

#include <memory>
#include <string>

#include "game/ports/printer.h"
#include "game/print/print_layout.h"
#include "game/print/qt/pdf_output.h"

class QPrinter;

namespace dravik::print {

// The default printer of the system (the first printer when none is the default).
class SystemPrinter final : public PrinterPort {
  public:
    SystemPrinter();
    ~SystemPrinter() override;
    std::string PrinterName() override;
    bool SetUp() override;
    PrintOutcome Print(const Stock& stock, const PrintOptions& options) override;

  private:
    std::unique_ptr<QPrinter> printer_;
};

// A4 portrait on `printer`, its twips counted from the paper's corner; false
// when the printer refused or is not valid.
bool SetUpPrinter(QPrinter& printer);
// The run on a printer set up by SetUpPrinter.
PrintOutcome PrintOnPrinter(QPrinter& printer, const Stock& stock, const PrintOptions& options);

} // namespace dravik::print
