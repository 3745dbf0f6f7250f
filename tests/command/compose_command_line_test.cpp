#include "command/compose_command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_allocator.h"
#include "fatal_failure_catcher.h"
#include "record_window.h"

namespace marrowick {
namespace {

using testing::RecordWindow;

struct Inputs {
    std::string count;
    std::string path;
    std::string address;
    bool original_only;
};

struct ComposeCase {
    const char* what;
    Inputs inputs;
    std::string expected;
};

class ComposeCommandLineCases : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeCommandLineCases, BuildsTheExactCommand) {
    const ComposeCase& c = GetParam();
    FormRecord controls;
    controls.set_displayed_text(ControlId::INPUT_NUM, c.inputs.count);
    controls.set_displayed_text(ControlId::INPUT_PATH, c.inputs.path);
    controls.set_displayed_text(ControlId::INPUT_ADDR, c.inputs.address);
    if (c.inputs.original_only) {
        controls.click(ControlId::INPUT_ORIG);
    }
    EventRouter router(main_window_form().bindings);
    MainWindowForm form(controls, router);

    ComposeCommandLine(form);

    EXPECT_EQ(controls.text(ControlId::INPUT_CMD), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComposeCommandLineCases,
    ::testing::Values(
        ComposeCase{"the start-up values", {"-1", "", "", false}, R"(Trovilane -n -1 -p "" -O "")"},
        ComposeCase{"unchecked",
                    {"10", R"(D:\save)", "addr", false},
                    R"(Trovilane -n 10 -p "D:\save" -O "addr")"},
        ComposeCase{"checked",
                    {"10", R"(D:\save)", "addr", true},
                    R"(Trovilane -n 10 -p "D:\save" -o "addr")"},
        ComposeCase{"an empty count leaves two blanks",
                    {"", "/tmp", "a", false},
                    R"(Trovilane -n  -p "/tmp" -O "a")"},
        ComposeCase{"a trailing backslash is kept",
                    {"5", R"(D:\save\)", "a", false},
                    R"(Trovilane -n 5 -p "D:\save\" -O "a")"},
        ComposeCase{"stray quotes are kept",
                    {"5", R"(my "dir)", R"(x"y)", true},
                    R"(Trovilane -n 5 -p "my "dir" -o "x"y")"},
        ComposeCase{"blanks are not trimmed",
                    {" 5 ", " p ", " a ", false},
                    R"(Trovilane -n  5  -p " p " -O " a ")"},
        ComposeCase{
            "the count is not checked", {"1-2", "", "", false}, R"(Trovilane -n 1-2 -p "" -O "")"},
        ComposeCase{"Chinese bytes pass unchanged",
                    {"3", "/home/用户/文章", "https://例子.cn/博客", false},
                    R"(Trovilane -n 3 -p "/home/用户/文章" -O "https://例子.cn/博客")"}));

// Passes everything on to the window's form access and notes each write of the command field.
struct WriteRecorder final : FormAccess {
    explicit WriteRecorder(FormAccess& form) : form(form) {}
    FormAccess& form;
    std::vector<std::string> command_writes;

    Text read_content(ControlId id) override { return form.read_content(id); }
    int read_checked(ControlId id) override { return form.read_checked(id); }
    void write_content(ControlId id, std::string_view content) override {
        if (id == ControlId::INPUT_CMD) {
            command_writes.emplace_back(content);
        }
        form.write_content(id, content);
    }
};

TEST(ComposeCommandLine, WritesTheCommandFieldInThreeStages) {
    RecordWindow window;
    window.controls.set_displayed_text(ControlId::INPUT_PATH, "p");
    window.controls.set_displayed_text(ControlId::INPUT_ADDR, "a");
    for (bool original_only : {false, true}) {
        if (original_only) {
            window.controls.click(ControlId::INPUT_ORIG);
        }
        WriteRecorder recorder(window.form);
        ComposeCommandLine(recorder);
        const char* flag = original_only ? " -o " : " -O ";
        EXPECT_EQ(recorder.command_writes,
                  (std::vector<std::string>{
                      R"(Trovilane -n -1 -p "p")", std::string(R"(Trovilane -n -1 -p "p")") + flag,
                      std::string(R"(Trovilane -n -1 -p "p")") + flag + R"("a")"}));
    }
}

TEST(ComposeCommandLine, CheckingAndUncheckingSwapsOnlyTheFlag) {
    RecordWindow window;
    window.controls.type(ControlId::INPUT_ADDR, "addr");
    const std::string unchecked = window.command();
    window.controls.click(ControlId::INPUT_ORIG);
    EXPECT_EQ(window.command(), R"(Trovilane -n -1 -p "" -o "addr")");
    window.controls.click(ControlId::INPUT_ORIG);
    EXPECT_EQ(window.command(), unchecked);
}

TEST(ComposeCommandLine, ReplacesWhateverTheFieldHeldBefore) {
    RecordWindow window;
    window.controls.set_displayed_text(ControlId::INPUT_CMD, "stale text");
    ComposeCommandLine(window.form);
    EXPECT_EQ(window.command(), R"(Trovilane -n -1 -p "" -O "")");
}

TEST(ComposeCommandLine, HandlesInputsOfAMegabyte) {
    RecordWindow window;
    const std::string long_path(1 << 20, 'p');
    window.controls.type(ControlId::INPUT_PATH, long_path);
    EXPECT_EQ(window.command(), "Trovilane -n -1 -p \"" + long_path + "\" -O \"\"");
}

TEST(ComposeCommandLine, RunningOutOfMemoryIsFatalWithTheSizeOfTheJoin) {
    RecordWindow window;
    testing::FatalFailureCatcher catcher;
    // Reading the count and the path succeed; the first join fails.
    ScopedTextAllocationFailure fail_after_reads(2);
    try {
        window.controls.type(ControlId::INPUT_PATH, "/data");
        FAIL() << "the join was expected to fail";
    } catch (const testing::FatalFailureSeen& seen) {
        EXPECT_EQ(seen.failure.bytes_requested,
                  std::string(R"(Trovilane -n -1 -p "/data")").size() + 1);
    }
}

}  // namespace
}  // namespace marrowick
