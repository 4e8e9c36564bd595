// The system's default printer for the print dialog, behind a small interface
// so the dialog's tests can stand in a printer that is missing or fails.
#pragma once

#include <memory>
#include <string>

#include "game/print/print_layout.h"
#include "game/print/qt/pdf_output.h"

class QPrinter;

namespace dravik::print {

class PrinterPort {
  public:
    virtual ~PrinterPort() = default;
    // The printer the dialog prints on, "" when none is installed.
    virtual std::string PrinterName() = 0;
    // A4 paper in portrait orientation on that printer; false when the
    // printer failed.
    virtual bool SetUp() = 0;
    // The run on that printer (after a SetUp that worked).
    virtual PrintOutcome Print(const Stock& stock, const PrintOptions& options) = 0;
};

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
