#include "command/compose_command_line.h"

namespace marrowick {
namespace {

void append_to_command(FormAccess& form, std::string_view tail) {
    Text command = form.read_content(ControlId::INPUT_CMD);
    Text appended = join({command, tail});
    command.release();
    form.write_content(ControlId::INPUT_CMD, appended);
}

}  // namespace

void ComposeCommandLine(FormAccess& form) {
    using namespace command_fragment;
    {
        Text count = form.read_content(ControlId::INPUT_NUM);
        Text path = form.read_content(ControlId::INPUT_PATH);
        Text start = join({head, count, path_opener, path, quote});
        count.release();
        path.release();
        form.write_content(ControlId::INPUT_CMD, start);
    }
    // Two separate tests, as the command is built in stages: exactly one of them holds, since
    // nothing can change the check box between them.
    if (form.read_checked(ControlId::INPUT_ORIG) == 0) {
        append_to_command(form, unchecked_flag);
    }
    if (form.read_checked(ControlId::INPUT_ORIG) == 1) {
        append_to_command(form, checked_flag);
    }
    {
        Text command = form.read_content(ControlId::INPUT_CMD);
        Text address = form.read_content(ControlId::INPUT_ADDR);
        Text finished = join({command, quote, address, quote});
        command.release();
        address.release();
        form.write_content(ControlId::INPUT_CMD, finished);
    }
}

}  // namespace marrowick
