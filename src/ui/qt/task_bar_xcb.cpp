// X11: the window asks the window manager to leave it out of the task bar and the pager through
// _NET_WM_STATE, set on the native window before it is mapped. Neither an owner window nor a
// tool-window type does this on X11.
#include <qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

#include <array>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "ui/qt/task_bar.h"

namespace marrowick {
namespace {

xcb_atom_t intern(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

void keep_off_task_bar(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto native = static_cast<xcb_window_t>(window.winId());  // creates the native window
    const std::array<xcb_atom_t, 2> states{intern(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           intern(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, native,
                        intern(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

}  // namespace marrowick
