// Test tool: asks an X window to close the way a window manager's close button does, with a
// WM_DELETE_WINDOW client message, as a plain X server without a window manager has none.
// Usage: viewer_close_request WINDOW-ID      (decimal or 0x hex, as xdotool and xwininfo give it)
//        viewer_close_request --title TITLE  (waits, up to 30 s, for a mapped top-level window
//                                             of that title, then asks it; no polling delay)
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// A mapped child of the root window titled so, or 0.
Window findMappedWindow(Display* display, const char* title)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && XFetchName(display, children[i], &name) &&
            name != nullptr && std::strcmp(name, title) == 0)
            found = children[i];
        if (name != nullptr)
            XFree(name);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

Window waitForWindow(Display* display, const char* title)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (const Window window = findMappedWindow(display, title))
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool byTitle = argc == 3 && std::strcmp(argv[1], "--title") == 0;
    if (argc != 2 && !byTitle) {
        std::fprintf(stderr, "usage: %s WINDOW-ID | --title TITLE\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    // A window that vanishes while it is looked at is simply not the one.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window window =
        byTitle ? waitForWindow(display, argv[2]) : std::strtoul(argv[1], nullptr, 0);
    if (window == 0) {
        std::fprintf(stderr, "no window titled '%s'\n", argv[2]);
        XCloseDisplay(display);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    // An empty event mask delivers the message to the client that created the window.
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0 ? 0 : 1;
}
