#include "common/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace marrowick {
namespace {

void write_to_standard_error(const FatalFailure& failure) {
    if (failure.kind == FatalFailure::Kind::OutOfMemory) {
        std::fprintf(stderr, "out of memory: %zu bytes could not be allocated\n",
                     failure.bytes_requested);
    } else {
        std::fprintf(stderr, "could not create %.*s\n", static_cast<int>(failure.what.size()),
                     failure.what.data());
    }
}

FatalHandler installed_handler = write_to_standard_error;

}  // namespace

FatalHandler set_fatal_handler(FatalHandler handler) noexcept {
    FatalHandler previous = installed_handler;
    installed_handler = handler != nullptr ? handler : write_to_standard_error;
    return previous;
}

void fail_fatally(const FatalFailure& failure) {
    installed_handler(failure);
    std::_Exit(255);
}

}  // namespace marrowick
