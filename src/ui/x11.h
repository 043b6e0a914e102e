#pragma once

#include <QMargins>

#include <bitset>
#include <optional>

class QWidget;

// What the window layer asks of the X11 display directly, because the toolkit does
// not tell it. Off X11 (offscreen tests, other platforms) each answers "unknown".
namespace ui::x11 {

#ifdef NUMERANDIA_X11

// The frame the window manager will put round a window that is not mapped yet, as it
// answers a request for it; nothing where no manager answers such requests. Creates
// the window's native window.
std::optional<QMargins> frameExtentsBeforeMap(QWidget *window);

// The keys held down right now, by key code; nothing when the display cannot tell.
std::optional<std::bitset<256>> keysDown();

// The toolkit hands every key to the window that has the keyboard focus, whichever
// window the event was addressed to. A key event that a tool sends (XSendEvent) to one
// of our windows while another has the focus is dropped instead, so that an Esc meant
// for a small window never acts on the start window. Call once the application exists.
void dropMisaddressedKeys();

#else // built without X11: every answer is "unknown"

inline std::optional<QMargins> frameExtentsBeforeMap(QWidget *) { return std::nullopt; }
inline std::optional<std::bitset<256>> keysDown() { return std::nullopt; }
inline void dropMisaddressedKeys() {}

#endif

} // namespace ui::x11
