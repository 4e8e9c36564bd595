// The window through Qt's accessibility layer (AT-SPI on Linux, UI Automation
// on Windows): the board as a table of 81 cells, rows A-J without I and
// columns 1-9, each named by what it shows (accessible_names.h); the keyboard
// cursor's cell is the focused cell; and the clickable labels (renew labels,
// the hint marker, the logo) as buttons a screen reader can press.
#pragma once

class QString;

namespace dravik::ui {

class BoardWidget;

// Teaches Qt the board's and the labels' interfaces. Once, before the window
// is made; a second call does nothing.
void InstallAccessibleFactories();

// What the board tells a screen reader that listens: a cell's name and value
// changed, the cursor (the focused cell) moved, or the focused cell's
// description (the board's announcement) changed. Nothing while no assistive
// technology is active.
void AccessibleCellChanged(BoardWidget& board, int cell);
void AccessibleCursorMoved(BoardWidget& board);
void AccessibleAnnouncement(BoardWidget& board);

} // namespace dravik::ui
