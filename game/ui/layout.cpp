#include "game/ui/layout.h"

#include <vector>

namespace dravik::ui {

namespace {

constexpr FontSpec kDefault{};
constexpr Rgb kYellow = FromBgr(0x80FFFF);
constexpr Rgb kLightGreen = FromBgr(0xC0FFC0);
constexpr Rgb kLightBlue = FromBgr(0xFFC0C0);
constexpr Rgb kSalmon = FromBgr(0x8080FF);
constexpr Rgb kDarkTeal = FromBgr(0x808000);
constexpr Rgb kHintRed = FromBgr(0x0000FF);
constexpr std::array<Rgb, 5> kRenewColours = {
    FromBgr(0xE0E0E0), FromBgr(0x80FFFF), FromBgr(0x80FF80), FromBgr(0xFFFF80), FromBgr(0xFF8080)};
constexpr std::array<std::string_view, 5> kLevelCaptions = {"Very Easy", "Easy", "Medium", "Hard",
                                                            "Very Hard"};
// The level panel's place in the window; the option buttons are placed in
// window coordinates over it, and kept in the panel's.
constexpr TwipRect kLevelPanel = {9000, 840, 1575, 1815};

ControlSpec Control(std::string_view name, ControlKind kind, TwipRect rect,
                    std::string_view caption = {}, std::optional<Rgb> back = std::nullopt) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.rect = rect;
    c.caption = caption;
    c.back = back;
    return c;
}

std::array<ControlSpec, kMainControlCount> Build() {
    std::vector<ControlSpec> all;
    auto add = [&](ControlSpec c) -> ControlSpec& { return all.emplace_back(c); };
    using K = ControlKind;

    add(Control("CommandHelp", K::Button, {120, 120, 855, 255}, "Help"));
    add(Control("CommandPrint", K::Button, {120, 480, 855, 255}, "Print..."));
    {
        ControlSpec& c =
            add(Control("LabelTijd", K::Label, {9120, 120, 1335, 495}, "00:00", kLightGreen));
        c.tooltip = "Elapsed time";
        c.border = true;
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 18.0, true};
    }
    add(Control("chkSound", K::CheckBox, {9240, 600, 1095, 255}, "Sounds", kWindowColour));

    add(Control("Picture2", K::Panel, kLevelPanel, {}, kDarkTeal));
    {
        ControlSpec& c =
            add(Control("Label1", K::Label, {120, 120, 1335, 255}, "LEVEL", kWindowBackground));
        c.parent = "Picture2";
    }
    for (int level = 1; level <= 5; ++level) {
        ControlSpec& c = add(Control(
            "OptionType", K::OptionButton,
            {9120 - kLevelPanel.left, 1320 + 240 * (level - 1) - kLevelPanel.top, 1095, 255},
            kLevelCaptions[static_cast<std::size_t>(level - 1)], TierColour(level)));
        c.index = level;
        c.parent = "Picture2";
    }
    for (int level = 1; level <= 5; ++level) {
        ControlSpec& c =
            add(Control("RenewLevel", K::Label, {1200, 480 + 240 * (level - 1), 255, 255}, "R",
                        kRenewColours[static_cast<std::size_t>(level - 1)]));
        c.index = level;
        c.parent = "Picture2";
        c.tooltip = "Renew Level";
        c.align = Align::Centre;
    }
    {
        ControlSpec& c = add(Control("ProgressBar2", K::ProgressBar, {120, 1710, 1335, 90}));
        c.parent = "Picture2";
    }

    for (int k = 0; k < kTechniqueCount; ++k) {
        ControlSpec& c =
            add(Control("LabelCount", K::Label, {9000, 2760 + 240 * k, 1335, 255},
                        kTechniqueTable[static_cast<std::size_t>(k)].caption,
                        TierColour(kTechniqueTable[static_cast<std::size_t>(k)].tier)));
        c.index = k;
        c.border = true;
    }
    for (int k = 0; k < kTechniqueCount; ++k) {
        ControlSpec& c =
            add(Control("LabelCount", K::Label, {10320, 2760 + 240 * k, 255, 255}, {},
                        TierColour(kTechniqueTable[static_cast<std::size_t>(k)].tier)));
        c.index = kTechniqueCount + k;
        c.border = true;
        c.align = Align::Right;
    }
    {
        ControlSpec& c = add(Control("LabelHint", K::Label, {10320, 2760, 255, 255}, {}, kHintRed));
        c.border = true;
    }
    add(Control("cmdPlayers", K::Button, {9000, 8160, 1575, 375}, "Players..."));
    {
        ControlSpec& c = add(Control("Picture1", K::Picture, {9120, 8640, 1335, 735}));
        c.tooltip = "Click for KVX-Software website";
    }
    {
        ControlSpec& c =
            add(Control("LabelStap", K::Label, {120, 9000, 615, 375}, "0", kLightGreen));
        c.tooltip = "Step counter";
        c.border = true;
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 13.5, false};
    }
    add(Control("CommandNew", K::Button, {840, 9000, 855, 375}, "Next", kYellow));
    add(Control("CommandOpen", K::Button, {1800, 9000, 855, 375}, "Open...", kYellow));
    add(Control("CommandRestart", K::Button, {2760, 9000, 855, 375}, "Restart", kYellow));
    add(Control("CommandUndo", K::Button, {3840, 9000, 855, 375}, "Undo", kLightGreen));
    add(Control("CommandRedo", K::Button, {4800, 9000, 855, 375}, "Redo", kLightGreen));
    add(Control("CommandResetCell", K::Button, {5760, 9000, 855, 375}, "Reset Cell", kLightGreen));
    add(Control("CommandHint", K::Button, {6840, 9000, 855, 375}, "Hint", kLightBlue));
    add(Control("CommandSolution", K::Button, {7920, 9000, 855, 375}, "Solution", kSalmon));

    // The start-up panel over the middle of the board.
    {
        ControlSpec& c =
            add(Control("Picture3", K::Panel, {840, 3480, 7935, 2655}, {}, kWindowBackground));
        c.border = true;
    }
    {
        ControlSpec& c =
            add(Control("Label3", K::Label, {0, 180, 7935, 420}, "Generating Sudokus"));
        c.parent = "Picture3";
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 13.5, true};
    }
    for (int k = 0; k < 5; ++k) {
        ControlSpec& c = add(Control("Label2", K::Label, {600, 720 + 360 * k, 1800, 300},
                                     kLevelCaptions[static_cast<std::size_t>(k)]));
        c.index = k;
        c.parent = "Picture3";
    }
    for (int level = 1; level <= 5; ++level) {
        ControlSpec& c = add(
            Control("ProgressBar1", K::ProgressBar, {2520, 720 + 360 * (level - 1), 4800, 240}));
        c.index = level;
        c.parent = "Picture3";
    }

    std::array<ControlSpec, kMainControlCount> out{};
    if (all.size() != out.size()) return out; // caught by the layout test
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = all[i];
    return out;
}

std::array<FrameLine, 20> BuildFrame() {
    std::array<FrameLine, 20> lines{};
    std::size_t n = 0;
    // The outer square and the box lines, 4 pixels wide.
    lines[n++] = {kFrameLow, kFrameLow, kFrameHigh, kFrameLow, 4};
    lines[n++] = {kFrameLow, kFrameHigh, kFrameHigh, kFrameHigh, 4};
    lines[n++] = {kFrameLow, kFrameLow, kFrameLow, kFrameHigh, 4};
    lines[n++] = {kFrameHigh, kFrameLow, kFrameHigh, kFrameHigh, 4};
    for (int at : {3480, 6120}) {
        lines[n++] = {at, kFrameLow, at, kFrameHigh, 4};
        lines[n++] = {kFrameLow, at, kFrameHigh, at, 4};
    }
    // The cell lines, 1 pixel wide, across the whole frame.
    for (int x : {1740, 2580, 4380, 5220, 7020, 7860})
        lines[n++] = {x, kFrameLow, x, kFrameHigh, 1};
    for (int y : {1725, 2565, 4365, 5205, 7005, 7845})
        lines[n++] = {kFrameLow, y, kFrameHigh, y, 1};
    return lines;
}

} // namespace

std::string ControlSpec::ObjectName() const {
    std::string out(name);
    if (index >= 0) out += "(" + std::to_string(index) + ")";
    return out;
}

const std::array<ControlSpec, kMainControlCount>& MainControls() {
    static const std::array<ControlSpec, kMainControlCount> controls = Build();
    return controls;
}

const ControlSpec* FindControl(std::string_view name, int index) {
    for (const ControlSpec& c : MainControls())
        if (c.name == name && c.index == index) return &c;
    return nullptr;
}

const std::array<FrameLine, 20>& FrameLines() {
    static const std::array<FrameLine, 20> lines = BuildFrame();
    return lines;
}

BoardHit HitBoard(int x, int y, const std::array<std::uint16_t, kCells>& marksShown) {
    BoardHit hit;
    for (int i = 0; i < 9; ++i) {
        TwipRect r = RowLabelRect(i);
        if (r.contains(x, y)) return {BoardHit::Kind::RowLabel, -1, 0, i, x - r.left, y - r.top};
        TwipRect c = ColumnLabelRect(i);
        if (c.contains(x, y)) return {BoardHit::Kind::ColumnLabel, -1, 0, i, x - c.left, y - c.top};
    }
    // Only a cell's own digit label can lie under the point: find that cell.
    for (int cell = 0; cell < kCells; ++cell) {
        if (!DigitRect(cell).contains(x, y)) continue;
        for (int digit = 9; digit >= 1; --digit) {
            if (!(marksShown[cell] & DigitBit(digit))) continue;
            TwipRect m = MarkRect(cell, digit);
            if (m.contains(x, y))
                return {BoardHit::Kind::Mark, cell, digit, -1, x - m.left, y - m.top};
        }
        return hit;
    }
    return hit;
}

BoardHit Relative(const BoardHit& pressed, int x, int y) {
    BoardHit hit = pressed;
    TwipRect r;
    switch (pressed.kind) {
    case BoardHit::Kind::Mark:
        r = MarkRect(pressed.cell, pressed.digit);
        break;
    case BoardHit::Kind::RowLabel:
        r = RowLabelRect(pressed.line);
        break;
    case BoardHit::Kind::ColumnLabel:
        r = ColumnLabelRect(pressed.line);
        break;
    case BoardHit::Kind::None:
        return hit;
    }
    hit.x = x - r.left;
    hit.y = y - r.top;
    return hit;
}

} // namespace dravik::ui
