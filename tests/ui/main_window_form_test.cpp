#include "ui/main_window_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "record_window.h"

namespace marrowick {
namespace {

using enum ControlId;

// A surface whose toolkit either reports every change of a text, the program's own included, or
// only the user's: form access must raise exactly once per write with both.
class ScriptedSurface final : public ControlSurface {
  public:
    explicit ScriptedSurface(bool reports_program_changes)
        : reports_program_changes_(reports_program_changes) {}
    MainWindowForm* form = nullptr;
    std::map<ControlId, std::string> texts;

    Text displayed_text(ControlId id) override {
        return texts[id].empty() ? Text() : Text::copy_of(texts[id]);
    }
    void set_displayed_text(ControlId id, std::string_view text) override {
        const bool changed = texts[id] != text;
        texts[id] = text;
        if (changed && reports_program_changes_) {
            form->text_changed(id);
        }
    }
    bool is_checked(ControlId) override { return false; }
    std::size_t selection_end(ControlId) override { return 0; }
    void place_caret(ControlId, std::size_t) override {}

  private:
    bool reports_program_changes_;
};

class FormAccessWrite : public ::testing::TestWithParam<bool> {
  protected:
    FormAccessWrite() {
        surface.form = &form;
        router.bind(Routine::ComposeCommandLine, [this] { ++raised; });
        router.deliver_events();
        surface.texts[INPUT_ADDR] = "same";
    }
    ScriptedSurface surface{GetParam()};
    EventRouter router{main_window_form().bindings};
    MainWindowForm form{surface, router};
    int raised = 0;
};

TEST_P(FormAccessWrite, RaisesContentChangedExactlyOnce) {
    struct Write {
        const char* what;
        Text content;
        std::string shown_afterwards;
    };
    Write writes[] = {
        {"a changed text", Text::copy_of("new"), "new"},
        {"the text the box already shows", Text::copy_of("new"), "new"},
        {"an absent text", Text(), ""},
        {"an absent text into an empty box", Text(), ""},
    };
    for (Write& write : writes) {
        raised = 0;
        form.write_content(INPUT_ADDR, write.content);
        EXPECT_EQ(raised, 1) << write.what;
        EXPECT_EQ(surface.texts[INPUT_ADDR], write.shown_afterwards) << write.what;
        EXPECT_FALSE(write.content.is_absent() && !write.shown_afterwards.empty());
    }
}

TEST_P(FormAccessWrite, UserChangesStillRaiseAfterAWrite) {
    form.write_content(INPUT_ADDR, "x");
    raised = 0;
    form.text_changed(INPUT_ADDR);
    EXPECT_EQ(raised, 1);
}

INSTANTIATE_TEST_SUITE_P(ToolkitReportsProgramChanges, FormAccessWrite, ::testing::Bool());

TEST(FormAccessRead, AnEmptyBoxReadsAsAbsentAndTheCheckBoxAsZeroOrOne) {
    testing::RecordWindow window;
    EXPECT_TRUE(window.form.read_content(INPUT_PATH).is_absent());
    EXPECT_EQ(window.form.read_content(INPUT_NUM).view(), "-1");
    EXPECT_EQ(window.form.read_checked(INPUT_ORIG), 0);
    window.controls.click(INPUT_ORIG);
    EXPECT_EQ(window.form.read_checked(INPUT_ORIG), 1);
}

TEST(FormAccessRead, TheCountIsReadAsShownWhileTheUserIsTyping) {
    testing::RecordWindow window;
    window.controls.type(INPUT_NUM, "-");
    EXPECT_EQ(window.form.read_content(INPUT_NUM).view(), "-");
    EXPECT_EQ(window.command(), R"(Trovilane -n - -p "" -O "")");
}

TEST(IntegerBoxFocusLoss, RewritesOnceAndRecomposes) {
    testing::RecordWindow window;
    window.controls.type(INPUT_NUM, "007");
    ASSERT_EQ(window.compositions, 1);
    window.controls.leave(INPUT_NUM);
    EXPECT_EQ(window.controls.text(INPUT_NUM), "7");
    EXPECT_EQ(window.compositions, 2);
    EXPECT_EQ(window.command(), R"(Trovilane -n 7 -p "" -O "")");
}

TEST(IntegerBoxFocusLoss, LeavesACanonicalTextAloneAndRaisesNothing) {
    testing::RecordWindow window;
    window.controls.leave(INPUT_NUM);
    EXPECT_EQ(window.controls.text(INPUT_NUM), "-1");
    EXPECT_EQ(window.compositions, 0);
    EXPECT_TRUE(window.command().empty());
}

TEST(IntegerBoxFocusLoss, PutsTheCaretAtTheOldSelectionEndWithinTheNewText) {
    testing::RecordWindow window;
    window.controls.type(INPUT_NUM, "0042");
    window.controls.place_caret(INPUT_NUM, 3);
    window.form.NormaliseIntegerText(INPUT_NUM);
    EXPECT_EQ(window.controls.selection_end(INPUT_NUM), 2U);  // limited to "42"
    window.controls.type(INPUT_NUM, "+5");
    window.controls.place_caret(INPUT_NUM, 1);
    window.form.NormaliseIntegerText(INPUT_NUM);
    EXPECT_EQ(window.controls.selection_end(INPUT_NUM), 1U);
}

TEST(IntegerBoxFocusLoss, OtherBoxesAreNotRewritten) {
    testing::RecordWindow window;
    window.controls.type(INPUT_PATH, "007");
    window.controls.leave(INPUT_PATH);
    window.controls.leave(INPUT_ORIG);
    EXPECT_EQ(window.controls.text(INPUT_PATH), "007");
    EXPECT_EQ(window.compositions, 1);
}

TEST(IntegerBoxFocusLoss, PastedLettersRecomposeTwice) {
    testing::RecordWindow window;
    window.controls.type(INPUT_NUM, "abc");  // a paste is not filtered
    EXPECT_EQ(window.command(), R"(Trovilane -n abc -p "" -O "")");
    window.controls.leave(INPUT_NUM);
    EXPECT_EQ(window.controls.text(INPUT_NUM), "");
    EXPECT_EQ(window.compositions, 2);
    EXPECT_EQ(window.command(), R"(Trovilane -n  -p "" -O "")");
}

}  // namespace
}  // namespace marrowick
