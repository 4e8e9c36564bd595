// Key presses into the X server as hardware key codes (XTest), kept apart from
// Qt's headers: Xlib's macros clash with them.
#pragma once

namespace dravik::test {

class XKeys {
  public:
    XKeys();
    ~XKeys();
    XKeys(const XKeys&) = delete;
    XKeys& operator=(const XKeys&) = delete;
    bool Open() const { return display_ != nullptr; }
    // Presses and releases `code`, with `modifier` (a key code, 0 for none)
    // held around it, and waits until the server has taken them.
    void Press(int code, int modifier);

  private:
    void* display_;
};

} // namespace dravik::test
