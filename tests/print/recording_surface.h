// A page surface that keeps every drawing call with the state it was made in,
// and measures text by a fixed rule: each character is 11 twips wide per
// point of the font's size, a line 23 twips high per point.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/ports/page_surface.h"

namespace dravik::test {

struct DrawnOp {
    enum Kind { Line, Rectangle, Text, NewPage, EndDoc } kind;
    int page = 1; // 1 + the pages ended before it
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    std::string font;
    int size = 0;
    bool bold = false;
    print::Colour colour = 0;
    int pen = 0;
};

class RecordingSurface final : public print::PageSurface {
  public:
    // A4 in twips.
    RecordingSurface(int width = 11906, int height = 16838) : width_(width), height_(height) {}

    static int WidthOf(std::string_view text, int points) {
        return static_cast<int>(text.size()) * points * 11;
    }
    static int HeightOf(int points) { return points * 23; }

    bool UseA4Portrait() override {
        ++paperRequests;
        return paperWorks;
    }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    void SetFontName(std::string_view name) override { font_ = name; }
    void SetFontSize(int points) override { size_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetForeColour(print::Colour colour) override { colour_ = colour; }
    void SetPenWidth(int units) override { pen_ = units; }
    void Line(int x1, int y1, int x2, int y2) override { Add(DrawnOp::Line, x1, y1, x2, y2, {}); }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Add(DrawnOp::Rectangle, x1, y1, x2, y2, {});
    }
    int TextWidth(std::string_view text) override { return WidthOf(text, size_); }
    int TextHeight(std::string_view) override { return HeightOf(size_); }
    void SetCurrentPosition(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    int CurrentX() const override { return x_; }
    int CurrentY() const override { return y_; }
    void PrintText(std::string_view text) override {
        Add(DrawnOp::Text, x_, y_, x_ + TextWidth(text), y_ + HeightOf(size_), std::string(text));
        x_ += TextWidth(text);
    }
    void NewPage() override {
        Add(DrawnOp::NewPage, 0, 0, 0, 0, {});
        ++page_;
    }
    void EndDoc() override { Add(DrawnOp::EndDoc, 0, 0, 0, 0, {}); }

    std::vector<DrawnOp> ops;
    int paperRequests = 0;
    bool paperWorks = true;

  private:
    void Add(DrawnOp::Kind kind, int x1, int y1, int x2, int y2, std::string text) {
        ops.push_back(
            {kind, page_, x1, y1, x2, y2, std::move(text), font_, size_, bold_, colour_, pen_});
    }

    int width_, height_;
    std::string font_;
    int size_ = 10;
    bool bold_ = false;
    print::Colour colour_ = print::kBlack;
    int pen_ = 1;
    int x_ = 0, y_ = 0;
    int page_ = 1;
};

} // namespace dravik::test
