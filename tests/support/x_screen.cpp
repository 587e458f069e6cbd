#include "support/x_screen.h"

#include "graphics/bitmap_file.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace {

int shift(unsigned long mask) {
    int bits = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++bits;
    }
    return bits;
}

} // namespace

Grab grabRoot() {
    Grab screen;
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return screen;
    const Window root = DefaultRootWindow(x);
    XWindowAttributes attributes;
    XGetWindowAttributes(x, root, &attributes);
    XImage* image =
        XGetImage(x, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image != nullptr) {
        screen.width = attributes.width;
        screen.height = attributes.height;
        screen.pixels.resize(static_cast<std::size_t>(screen.width) * screen.height);
        const int r = shift(image->red_mask), g = shift(image->green_mask),
                  b = shift(image->blue_mask);
        for (int py = 0; py < screen.height; ++py) {
            for (int px = 0; px < screen.width; ++px) {
                const unsigned long p = XGetPixel(image, px, py);
                screen.pixels[static_cast<std::size_t>(py) * screen.width + px] =
                    (((p & image->red_mask) >> r) << 16) | (((p & image->green_mask) >> g) << 8) |
                    ((p & image->blue_mask) >> b);
            }
        }
        XDestroyImage(image);
    }
    XCloseDisplay(x);
    return screen;
}

// Xvfb runs no window manager to honour the full-screen request, so the test does the
// manager's part: the game window is moved and sized to cover the screen.
bool coverScreenWithWindow(const char* title) {
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return false;
    const Window root = DefaultRootWindow(x);
    XWindowAttributes screen;
    XGetWindowAttributes(x, root, &screen);
    Window parent = 0, unused = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    bool found = false;
    if (XQueryTree(x, root, &unused, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count; ++i) {
            char* name = nullptr;
            if (XFetchName(x, children[i], &name) != 0 && name != nullptr) {
                if (std::string(name) == title) {
                    XMoveResizeWindow(x, children[i], 0, 0, screen.width, screen.height);
                    found = true;
                }
                XFree(name);
            }
        }
        if (children != nullptr) XFree(children);
    }
    XSync(x, False);
    XCloseDisplay(x);
    return found;
}

std::string windowIconSize(unsigned long window) {
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return {};
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string size;
    // Only the first two values are read: the first icon's width and height.
    if (XGetWindowProperty(x, window, XInternAtom(x, "_NET_WM_ICON", False), 0, 2, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32 && count == 2) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        size = std::to_string(values[0]) + "x" + std::to_string(values[1]);
    }
    if (data != nullptr) XFree(data);
    XCloseDisplay(x);
    return size;
}

void saveGrab(const Grab& grab, const std::string& path) {
    if (!grab.pixels.empty())
        writeBitmapFile(path.c_str(), grab.width, grab.height, grab.pixels.data());
}

void showPlainWindow(const char* title, int seconds) {
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return;
    const Window window = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 320, 240, 0, 0,
                                              WhitePixel(x, DefaultScreen(x)));
    XStoreName(x, window, title);
    XMapWindow(x, window);
    XSync(x, False);
    sleep(static_cast<unsigned>(seconds));
    XDestroyWindow(x, window);
    XCloseDisplay(x);
}
