// Starts a program and reports how long it took for its window, found by title, to be
// mapped on the display and then to show its first pixels, and the program's peak
// resident memory once the window is up. Prints "<map ms> <first paint ms> <peak KiB>".
// Works with or without a window manager: every window the program creates is watched
// itself, so a map is seen even when the manager has put the window into a frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool titled(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    const bool match = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return match;
}

// Windows come and go while the program starts (a manager's frames, the toolkit's
// helpers): asking after one that has just gone is no failure.
int ignoreGone(Display *, XErrorEvent *)
{
    return 0;
}

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s window-title program\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError))
        return 1;
    XSetErrorHandler(ignoreGone);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const auto since = [&start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const pid_t pid = fork();
    if (pid == 0) {
        if (FILE *quiet = std::freopen("/dev/null", "w", stderr); !quiet)
            _exit(126);
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }
    // A program that never shows its window ends the measurement, not the machine's patience.
    alarm(20);
    double mapped = -1;
    double painted = -1;
    Window window = None;
    while (painted < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display)) {
            // Watched from birth, long before the program can map or draw in it.
            XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && mapped < 0 && titled(display, event.xmap.window, argv[1])) {
            mapped = since();
            window = event.xmap.window;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<const XDamageNotifyEvent *>(&event);
            if (mapped >= 0 && damage->drawable == window)
                painted = since();
            XDamageSubtract(display, damage->damage, None, None);
        }
    }
    // Let the first paint finish before reading the memory high-water mark.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long kib = peakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.2f %.2f %ld\n", mapped, painted, kib);
    return 0;
}
