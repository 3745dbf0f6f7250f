#include "launch/command_splitter.h"

#include <gtest/gtest.h>

namespace marrowick {
namespace {

struct SplitCase {
    std::string line;
    std::vector<std::string> arguments;
};

class SplitCommandLine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLine, GivesTheExpectedArguments) {
    EXPECT_EQ(split_command_line(GetParam().line), GetParam().arguments) << GetParam().line;
}

using Args = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Table, SplitCommandLine,
    ::testing::Values(SplitCase{R"(Trovilane -n 10 -p "D:\save" -O "addr")",
                                Args{"Trovilane", "-n", "10", "-p", R"(D:\save)", "-O", "addr"}},
                      SplitCase{R"(Trovilane -n -1 -p "" -O "")",
                                Args{"Trovilane", "-n", "-1", "-p", "", "-O", ""}},
                      SplitCase{R"(Trovilane -n  -p "a b" -o "x")",
                                Args{"Trovilane", "-n", "-p", "a b", "-o", "x"}},
                      SplitCase{R"(Trovilane -p "D:\save\" -O "a")",
                                Args{"Trovilane", "-p", R"(D:\save\)", "-O", "a"}},
                      SplitCase{R"(Trovilane -p "my "dir" -O "x")",
                                Args{"Trovilane", "-p", "my dir -O x"}},
                      SplitCase{R"(a"b c"d)", Args{"ab cd"}},
                      SplitCase{"\"unclosed  quote", Args{"unclosed  quote"}},
                      SplitCase{"a\t\tb  ", Args{"a", "b"}}, SplitCase{"\"\"", Args{""}},
                      SplitCase{"", Args{}}, SplitCase{" \t ", Args{}},
                      SplitCase{"保存 \"文章 目录\"", Args{"保存", "文章 目录"}}));

}  // namespace
}  // namespace marrowick
