// The floor no toolkit can beat: a raw Xlib window that paints once on its first Expose, then
// stays until it is ended.
#include <X11/Xlib.h>

#include <unistd.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 537, 202, 0,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XSetWindowBackgroundPixmap(display, window, None);  // the first paint is ours, as in Qt
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != Expose);
    XFillRectangle(display, window, DefaultGC(display, screen), 10, 10, 100, 20);
    XFlush(display);
    pause();
    return 0;
}
