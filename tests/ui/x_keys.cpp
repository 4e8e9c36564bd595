#include "x_keys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace dravik::test {

XKeys::XKeys() : display_(XOpenDisplay(nullptr)) {}

XKeys::~XKeys() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

void XKeys::Press(int code, int modifier) {
    auto* d = static_cast<Display*>(display_);
    if (modifier) XTestFakeKeyEvent(d, static_cast<unsigned>(modifier), True, 0);
    XTestFakeKeyEvent(d, static_cast<unsigned>(code), True, 0);
    XTestFakeKeyEvent(d, static_cast<unsigned>(code), False, 0);
    if (modifier) XTestFakeKeyEvent(d, static_cast<unsigned>(modifier), False, 0);
    XSync(d, False);
}

} // namespace dravik::test
