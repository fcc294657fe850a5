#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <xcb/xcb.h>

#include <string>

// A client of a test's own X server: finds the program's windows, clicks and
// types as a user would (through XTEST), reads back the screen and window
// icons.
class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool connected() const { return root_ != 0; }

    // A mapped top-level window of exactly this size, once one shows.
    xcb_window_t waitForWindow(QSize size, int timeoutMs = 30000);
    QPoint origin(xcb_window_t window);

    void click(QPoint onScreen);
    void click(xcb_window_t window, QRect control) { click(origin(window) + control.center()); }
    // Presses and releases the key of an X keysym, wherever the server's
    // keyboard focus is; false where no key carries it.
    bool pressKey(xcb_keysym_t keysym);

    // What the screen shows of a window's area, as 32-bit RGB.
    QImage grab(xcb_window_t window, QRect area);
    // The window's icon of the given size as it hands it to window managers.
    QImage icon(xcb_window_t window, int size);

private:
    xcb_window_t findWindow(QSize size);
    xcb_atom_t atom(const char* name);
    xcb_keycode_t keycodeOf(xcb_keysym_t keysym);
    // Waits until the server has handled every request sent so far.
    void sync();

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
};
