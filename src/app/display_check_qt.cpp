#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/display_check.h"
#include "common/fatal.h"

namespace marrowick {
namespace {

bool toolkit_started = false;
QtMessageHandler toolkit_handler = nullptr;

bool is_set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

void handle_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (toolkit_handler != nullptr) {
            toolkit_handler(type, context, message);
        } else {
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        }
        return;
    }
    if (!toolkit_started) {
        std::fprintf(stderr, "marrowick_gui: cannot open the display: %s\n",
                     message.toLocal8Bit().constData());
        std::_Exit(255);
    }
    fail_fatally(
        {.kind = FatalFailure::Kind::WindowCreation, .bytes_requested = 0, .what = "MainWindow"});
}

}  // namespace

std::string missing_display_reason() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view chosen = platform != nullptr ? platform : "";
    const bool needs_a_server =
        chosen.empty() || chosen.starts_with("xcb") || chosen.starts_with("wayland");
    if (needs_a_server && !is_set("DISPLAY") && !is_set("WAYLAND_DISPLAY")) {
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    }
    return {};
}

void end_quietly_if_the_display_fails() {
    toolkit_started = false;
    toolkit_handler = qInstallMessageHandler(handle_message);
}

void display_opened() {
    toolkit_started = true;
}

}  // namespace marrowick
