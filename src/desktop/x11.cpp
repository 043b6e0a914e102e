#include "desktop/x11.h"

#include <QAbstractNativeEventFilter>

#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

namespace ui::x11 {

namespace {

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

struct Atoms {
    xcb_connection_t *connection = nullptr;
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
};

// The names this file uses, interned once for the connection and all in one round trip.
const Atoms &atoms(xcb_connection_t *c)
{
    static Atoms known;
    if (known.connection == c)
        return known;
    const char *names[] = {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"};
    xcb_atom_t *slots[] = {&known.supported, &known.request, &known.extents};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i) {
        cookies[i] = xcb_intern_atom(c, false, static_cast<std::uint16_t>(std::strlen(names[i])),
                                     names[i]);
    }
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
        *slots[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    known.connection = c;
    return known;
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window,
                                         xcb_atom_t name, std::uint32_t length)
{
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(
        c, xcb_get_property(c, false, window, name, XCB_ATOM_ANY, 0, length), nullptr));
}

bool supported(xcb_connection_t *c, xcb_window_t root, xcb_atom_t wanted)
{
    const auto reply = property(c, root, atoms(c).supported, 4096);
    if (!reply || reply->format != 32)
        return false;
    const auto *listed = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(listed, listed + count, wanted) != listed + count;
}

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

class MisaddressedKeyFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const bool sent = event->response_type & 0x80;
        const int kind = event->response_type & ~0x80;
        if (!sent || (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE))
            return false;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        const QWindow *focus = QGuiApplication::focusWindow();
        return !focus || focus->winId() != key->event;
    }
};

} // namespace

bool askFrameExtents(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (!supported(c, root, atoms(c).request))
        return false;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atoms(c).request;
    xcb_send_event(c, false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
    return true;
}

std::optional<QMargins> frameExtentsAnswer(QWidget *window,
                                           std::chrono::steady_clock::time_point deadline)
{
    xcb_connection_t *c = connection();
    if (!c)
        return std::nullopt;
    // The manager answers by setting a property on the window, usually within a
    // millisecond or two: look often at first, then less often.
    auto pause = std::chrono::microseconds(250);
    for (;;) {
        const auto reply = property(c, static_cast<xcb_window_t>(window->winId()), atoms(c).extents, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
            // Left, right, top, bottom, in the screen's pixels.
            const qreal ratio = window->devicePixelRatioF();
            return QMargins(qRound(v[0] / ratio), qRound(v[2] / ratio), qRound(v[1] / ratio),
                            qRound(v[3] / ratio));
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        QThread::usleep(static_cast<unsigned long>(pause.count()));
        pause = std::min(pause * 2, std::chrono::microseconds(2000));
    }
}

std::optional<std::bitset<256>> keysDown()
{
    xcb_connection_t *c = connection();
    const Reply<xcb_query_keymap_reply_t> reply(
        c ? xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr) : nullptr);
    if (!reply)
        return std::nullopt;
    std::bitset<256> down;
    for (int code = 0; code < 256; ++code)
        down[code] = reply->keys[code / 8] & (1 << (code % 8));
    return down;
}

void dropMisaddressedKeys()
{
    static MisaddressedKeyFilter filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}

} // namespace ui::x11
