// The printer the print dialog prints on, behind a small interface so the
// dialog's tests can stand in a printer that is missing or fails.
#pragma once

#include <string>

namespace dravik {
class Stock;
}

namespace dravik::print {

struct PrintOptions;

// How a print run or a PDF file went.
struct PrintOutcome {
    bool ok = false;
    std::string detail;      // why not, when not ok
    bool unwritable = false; // not ok because the output file could not be written
};

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

} // namespace dravik::print
