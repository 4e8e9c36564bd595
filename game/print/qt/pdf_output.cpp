#include "game/print/qt/pdf_output.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <span>

#include "game/base/translate.h"
#include "game/platform/safe_files.h"
#include "game/print/qt/painter_surface.h"

namespace dravik::print {

QByteArray PdfDocument(const Stock& stock, const PrintOptions& options) {
    if (!OptionsProblem(options).empty()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Dravik Sudoku"));
        writer.setCreator(QStringLiteral("Dravik Sudoku"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        PainterSurface surface(painter, writer.resolution() / 1440.0, kA4WidthTwips, kA4HeightTwips,
                               [&writer] { return writer.newPage(); });
        RunPrint(surface, stock, options);
        if (surface.Failed()) return {};
    }
    return bytes;
}

PrintOutcome WritePdfFile(const QString& path, const Stock& stock, const PrintOptions& options) {
    if (const std::string problem = OptionsProblem(options); !problem.empty())
        return {false, problem};
    const QByteArray pdf = PdfDocument(stock, options);
    if (pdf.isEmpty())
        return {false, Tr(QT_TRANSLATE_NOOP("dravik", "the pages could not be drawn"))};
    const FileWriteResult written =
        WriteOutputFile(QFile::encodeName(path).toStdString(),
                        std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                  static_cast<std::size_t>(pdf.size())));
    if (!written.ok) return {false, written.detail, true};
    return {true, {}};
}

void PaintExample(QImage& image, const Stock& stock, const PrintOptions& options) {
    const double scale = std::min((image.width() - 2) / static_cast<double>(kA4WidthTwips),
                                  (image.height() - 2) / static_cast<double>(kA4HeightTwips));
    if (scale <= 0) return;
    const double width = kA4WidthTwips * scale, height = kA4HeightTwips * scale;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate((image.width() - width) / 2.0, (image.height() - height) / 2.0);
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    painter.drawRect(QRectF(0, 0, width, height));
    PainterSurface surface(painter, scale, kA4WidthTwips, kA4HeightTwips);
    DrawFirstPage(surface, stock, options);
}

} // namespace dravik::print
