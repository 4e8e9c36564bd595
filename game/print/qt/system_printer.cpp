#include "game/print/qt/system_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

#include "game/base/translate.h"
#include "game/print/qt/painter_surface.h"

namespace dravik::print {

namespace {

QPrinterInfo ChosenPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return info;
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.isEmpty() ? QPrinterInfo() : all.front();
}

int Twips(double millimetres) {
    return static_cast<int>(std::lround(millimetres * 1440.0 / 25.4));
}

} // namespace

bool SetUpPrinter(QPrinter& printer) {
    if (!printer.isValid()) return false;
    bool ok = true;
    if (printer.pageLayout().pageSize().id() != QPageSize::A4)
        ok = printer.setPageSize(QPageSize(QPageSize::A4)) && ok;
    if (printer.pageLayout().orientation() != QPageLayout::Portrait)
        ok = printer.setPageOrientation(QPageLayout::Portrait) && ok;
    // Qt has no print quality to ask for; the printer keeps its resolution.
    printer.setFullPage(true);
    return ok && printer.pageLayout().pageSize().id() == QPageSize::A4;
}

PrintOutcome PrintOnPrinter(QPrinter& printer, const Stock& stock, const PrintOptions& options) {
    if (const std::string problem = OptionsProblem(options); !problem.empty())
        return {false, problem};
    printer.setDocName(QStringLiteral("Dravik Sudoku"));
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, Tr(QT_TRANSLATE_NOOP("dravik", "the printer did not take the job"))};
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    PainterSurface surface(painter, printer.resolution() / 1440.0, Twips(paper.width()),
                           Twips(paper.height()), [&printer] { return printer.newPage(); });
    RunPrint(surface, stock, options);
    if (surface.Failed())
        return {false, Tr(QT_TRANSLATE_NOOP("dravik", "the printer stopped taking pages"))};
    return {true, {}};
}

SystemPrinter::SystemPrinter() = default;
SystemPrinter::~SystemPrinter() = default;

std::string SystemPrinter::PrinterName() {
    return ChosenPrinter().printerName().toStdString();
}

bool SystemPrinter::SetUp() {
    const QPrinterInfo info = ChosenPrinter();
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return SetUpPrinter(*printer_);
}

PrintOutcome SystemPrinter::Print(const Stock& stock, const PrintOptions& options) {
    if (!printer_ && !SetUp())
        return {false, Tr(QT_TRANSLATE_NOOP("dravik", "no printer could be set up"))};
    return PrintOnPrinter(*printer_, stock, options);
}

} // namespace dravik::print
