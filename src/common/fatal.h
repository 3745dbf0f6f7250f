// Fatal failures: the few conditions after which the program cannot go on.
//
// Every fatal failure goes through fail_fatally(), which hands it to the one handler the
// program installed. The window program's handler shows an error box and ends the process with
// status 255; tests install a handler that throws, so they can observe the failure and live on.
#pragma once

#include <cstddef>
#include <string_view>

namespace marrowick {

struct FatalFailure {
    enum class Kind {
        OutOfMemory,     // memory for a text could not be had; bytes_requested says how much
        WindowCreation,  // the window or one of its controls could not be created; what names it
    };
    Kind kind = Kind::OutOfMemory;
    std::size_t bytes_requested = 0;
    std::string_view what;
};

using FatalHandler = void (*)(const FatalFailure& failure);

// Installs the handler that reports a fatal failure; returns the handler it replaces.
FatalHandler set_fatal_handler(FatalHandler handler) noexcept;

// Reports the failure through the installed handler, then ends the process with status 255 should
// the handler return. A handler may also leave by throwing (tests do).
[[noreturn]] void fail_fatally(const FatalFailure& failure);

}  // namespace marrowick
