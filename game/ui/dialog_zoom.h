// The dialogs follow the window's zoom: every font and every size a widget
// was given of its own (a fixed width, a minimum size, a fixed picture) grows
// by the zoom, and the dialog's layouts size everything else from them.
#pragma once

class QWidget;

namespace dravik::ui {

// Scales `dialog` and its widgets to `zoom` percent of the size they were made
// with; calling it again with another zoom scales from that size, not from the
// last zoom.
void ZoomDialog(QWidget& dialog, int zoom);

} // namespace dravik::ui
