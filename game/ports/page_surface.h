// What the print layout draws on: one page after another of a document, in
// twips (1/1440 inch) from the paper's top-left corner. The printer, a PDF file
// and the print dialog's example picture are surfaces; so is the recording one
// the tests read.
#pragma once

#include <cstdint>
#include <string_view>

namespace dravik::print {

// A colour as 0xRRGGBB.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
// Colour 8 of the 16-colour palette, the pencil marks' grey.
inline constexpr Colour kGrey = 0x808080;

class PageSurface {
  public:
    virtual ~PageSurface() = default;

    // Asks for A4 paper in portrait orientation at medium print quality, as
    // far as the device has these settings. False when the device failed.
    virtual bool UseA4Portrait() = 0;
    // The paper's size in twips.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    // The font for the measuring and printing that follow. A size is in points.
    virtual void SetFontName(std::string_view name) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    // Colour of lines and text.
    virtual void SetForeColour(Colour colour) = 0;
    // Width of lines and outlines in pen units; a unit is one pixel of a
    // 600 dpi printer, so the same page looks alike on every device.
    virtual void SetPenWidth(int units) = 0;

    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;

    // Size of `text` in the current font, in twips: its advance and its line height.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;

    // Where the next text goes: the top-left corner of its line.
    virtual void SetCurrentPosition(int x, int y) = 0;
    virtual int CurrentX() const = 0;
    virtual int CurrentY() const = 0;
    // Prints `text` at the current position, which then moves to the end of it.
    virtual void PrintText(std::string_view text) = 0;

    // Ends the page. The next page begins with the next drawing, so a page
    // ended last and never drawn on is not part of the document.
    virtual void NewPage() = 0;
    // Ends the document.
    virtual void EndDoc() = 0;
};

// One pen unit in twips (1440 / 600).
inline constexpr double kTwipsPerPenUnit = 2.4;

} // namespace dravik::print
