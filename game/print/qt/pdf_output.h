// Print runs into PDF files and the example picture of the print dialog,
// through the painter surface.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

#include "game/ports/printer.h"
#include "game/print/print_layout.h"

class QImage;

namespace dravik::print {

// A4 in twips: 210 x 297 mm.
inline constexpr int kA4WidthTwips = 11906;
inline constexpr int kA4HeightTwips = 16838;

// The whole run as an A4 portrait PDF, its twips counted from the paper's
// top-left corner. Empty when the options are not printable or drawing failed.
QByteArray PdfDocument(const Stock& stock, const PrintOptions& options);

// The same into `path` (safe_files.h, WriteOutputFile): a new name or a plain
// file is written whole or left as it was; a link, a device or a pipe is
// written into and never removed. Needs a QGuiApplication.
PrintOutcome WritePdfFile(const QString& path, const Stock& stock, const PrintOptions& options);

// The first page of the run for the current choices, scaled to fit `image`
// and centred on it, the paper white on the image's own background.
void PaintExample(QImage& image, const Stock& stock, const PrintOptions& options);

} // namespace dravik::print
