// Prints "watching" once it listens, then "bell" each time the X bell rings.
#include <X11/XKBlib.h>

#include <cstdio>

int main()
{
    int xkbEvent = 0;
    Display *display = XkbOpenDisplay(nullptr, &xkbEvent, nullptr, nullptr, nullptr, nullptr);
    if (!display || !XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask))
        return 1;
    XSync(display, False);
    // On standard error, which is not buffered, so that each line shows at once.
    std::fputs("watching\n", stderr);
    for (XEvent event; XNextEvent(display, &event) == 0;)
        if (event.type == xkbEvent)
            std::fputs("bell\n", stderr);
}
