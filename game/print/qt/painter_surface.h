// The page surface over a QPainter: the printer, PDF files and the print
// dialog's example picture all draw through it. Twips count from the paper's
// top-left corner; text is measured in twips by the font itself, so every
// device gets the same layout whatever its resolution. "Times New Roman" is
// drawn with Liberation Serif and "Arial" with Liberation Sans, the fonts of
// the same measures that every Linux desktop has.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <functional>
#include <optional>

#include "game/ports/page_surface.h"

class QPainter;

namespace dravik::print {

// The font that stands in for one the layout names.
QString FontFamilyFor(std::string_view name);

class PainterSurface final : public PageSurface {
  public:
    // `painter` is active on its device, whose pixels are `devicePixelsPerTwip`
    // twips wide; the paper is pageWidth x pageHeight twips. `newPage` starts
    // the next page of a paged device (false when it failed); null for a
    // device of one page. `paper` does the A4 request.
    PainterSurface(QPainter& painter, double devicePixelsPerTwip, int pageWidth, int pageHeight,
                   std::function<bool()> newPage = {}, std::function<bool()> paper = {});

    bool UseA4Portrait() override;
    int PageWidth() const override { return pageWidth_; }
    int PageHeight() const override { return pageHeight_; }
    void SetFontName(std::string_view name) override;
    void SetFontSize(int points) override;
    void SetFontBold(bool bold) override;
    void SetForeColour(Colour colour) override;
    void SetPenWidth(int units) override { penUnits_ = units; }
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void SetCurrentPosition(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    int CurrentX() const override { return x_; }
    int CurrentY() const override { return y_; }
    void PrintText(std::string_view text) override;
    void NewPage() override { pageEnded_ = true; }
    void EndDoc() override;

    // True when starting a page failed or the painter went inactive: what was
    // drawn did not all reach the device.
    bool Failed() const { return failed_; }

  private:
    // Starts the page a NewPage left pending; false when there is none to draw on.
    bool Ready();
    void ApplyPen();
    const QFontMetricsF& Metrics();

    QPainter& painter_;
    double scale_;
    int pageWidth_, pageHeight_;
    std::function<bool()> newPage_, paper_;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    QColor colour_ = Qt::black;
    int penUnits_ = 1;
    int x_ = 0, y_ = 0;
    bool pageEnded_ = false;
    bool failed_ = false;
    bool ended_ = false;
};

} // namespace dravik::print
