#include "held_key.h"

#include <QGuiApplication>
#include <QKeyEvent>

#if KELVANE_X11_KEY_STATE
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace {

#if KELVANE_X11_KEY_STATE
// The X server makes a repeat's release and press in one step, so by the time it answers this
// question after sending the release, the key is down again unless the user has let it go.
bool downOnXServer(quint32 keycode) {
    constexpr quint32 kKeycodes = 256;
    constexpr quint32 kBitsPerByte = 8;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || keycode == 0 || keycode >= kKeycodes)
        return false;
    xcb_connection_t* connection = x11->connection();
    xcb_query_keymap_reply_t* keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap)
        return false;
    const bool down = keymap->keys[keycode / kBitsPerByte] & (1u << (keycode % kBitsPerByte));
    std::free(keymap);
    return down;
}
#endif

} // namespace

bool isRepeatOfHeldKey(const QKeyEvent& event) {
    if (event.isAutoRepeat())
        return true;
#if KELVANE_X11_KEY_STATE
    if (event.type() == QEvent::KeyRelease)
        return downOnXServer(event.nativeScanCode());
#endif
    return false;
}
