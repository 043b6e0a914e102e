#pragma once

#include <QMargins>

#include <bitset>
#include <chrono>
#include <optional>

class QWidget;

// What the window layer asks of the X11 display directly, because the toolkit does
// not tell it. Off X11 (offscreen tests, other platforms) each answers "unknown".
namespace ui::x11 {

#ifdef NUMERANDIA_X11

// Asks the window manager which frame it will put round a window that is not mapped
// yet, and returns at once: false where no manager answers such requests. Creates the
// window's native window.
bool askFrameExtents(QWidget *window);

// The manager's answer to askFrameExtents(), waited for until the deadline at most;
// nothing if it has not come by then.
std::optional<QMargins> frameExtentsAnswer(QWidget *window,
                                           std::chrono::steady_clock::time_point deadline);

// The keys held down right now, by key code; nothing when the display cannot tell.
std::optional<std::bitset<256>> keysDown();

// The toolkit hands every key to the window that has the keyboard focus, whichever
// window the event was addressed to. A key event that a tool sends (XSendEvent) to one
// of our windows while another has the focus is dropped instead, so that an Esc meant
// for a small window never acts on the start window. Call once the application exists.
void dropMisaddressedKeys();

#else // built without X11: every answer is "unknown"

inline bool askFrameExtents(QWidget *) { return false; }
inline std::optional<QMargins> frameExtentsAnswer(QWidget *, std::chrono::steady_clock::time_point)
{
    return std::nullopt;
}
inline std::optional<std::bitset<256>> keysDown() { return std::nullopt; }
inline void dropMisaddressedKeys() {}

#endif

} // namespace ui::x11
