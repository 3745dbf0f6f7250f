// Composing any inputs over the record form gives exactly the concatenation the composer
// defines, whatever bytes the inputs hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "command/compose_command_line.h"
#include "ui/events.h"
#include "ui/form_record.h"
#include "ui/main_window_form.h"

using namespace marrowick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // First byte: the check box and where the input splits into count, path and address.
    const bool checked = (data[0] & 1) != 0;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t first = rest.empty() ? 0 : (data[0] >> 1) % (rest.size() + 1);
    const std::string count(rest.substr(0, first));
    rest.remove_prefix(first);
    const std::size_t second = rest.size() / 2;
    const std::string path(rest.substr(0, second));
    const std::string address(rest.substr(second));

    FormRecord controls;
    EventRouter router(main_window_form().bindings);
    MainWindowForm form(controls, router);
    controls.set_displayed_text(ControlId::INPUT_NUM, count);
    controls.set_displayed_text(ControlId::INPUT_PATH, path);
    controls.set_displayed_text(ControlId::INPUT_ADDR, address);
    if (checked) {
        controls.click(ControlId::INPUT_ORIG);
    }
    ComposeCommandLine(form);

    const std::string expected = "Trovilane -n " + count + " -p \"" + path + "\"" +
                                 (checked ? " -o " : " -O ") + "\"" + address + "\"";
    if (controls.text(ControlId::INPUT_CMD) != expected) {
        std::abort();
    }
    return 0;
}
