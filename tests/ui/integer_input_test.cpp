#include "ui/integer_input.h"

#include <gtest/gtest.h>

#include <string>

namespace marrowick {
namespace {

struct Rewrite {
    std::string shown;
    std::string canonical;
};

class CanonicalIntegerText : public ::testing::TestWithParam<Rewrite> {};

TEST_P(CanonicalIntegerText, MatchesTheRewriteTable) {
    EXPECT_EQ(canonical_integer_text(GetParam().shown), GetParam().canonical)
        << "shown: " << GetParam().shown;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CanonicalIntegerText,
    ::testing::Values(Rewrite{"-1", "-1"}, Rewrite{"", ""}, Rewrite{"0", ""}, Rewrite{"-0", ""},
                      Rewrite{"+0", ""}, Rewrite{"00", ""}, Rewrite{"-", ""}, Rewrite{"+", ""},
                      Rewrite{"007", "7"}, Rewrite{"+5", "5"}, Rewrite{"1-2", "1"},
                      Rewrite{"12abc", "12"}, Rewrite{"abc", ""}, Rewrite{" 42", "42"},
                      Rewrite{"\t\n\v\f\r 9", "9"}, Rewrite{"--5", ""}, Rewrite{"+-5", ""},
                      Rewrite{"- 5", ""}, Rewrite{"4 2", "4"}, Rewrite{"2147483647", "2147483647"},
                      Rewrite{"2147483648", "2147483647"}, Rewrite{"-2147483648", "-2147483648"},
                      Rewrite{"-2147483649", "-2147483648"},
                      Rewrite{"9223372036854775807", "2147483647"},
                      Rewrite{"-9223372036854775808", "-2147483648"},
                      Rewrite{"99999999999999999999", "2147483647"},
                      Rewrite{std::string(4096, '9'), "2147483647"},
                      Rewrite{"-" + std::string(4096, '7'), "-2147483648"},
                      Rewrite{std::string(1000, '0') + "12", "12"},
                      Rewrite{"\xEF\xBC\x95", ""}));  // a full-width digit is no digit

TEST(IntegerInputFilter, TakesDigitsMinusAndControlCharactersOnly) {
    for (char32_t c = 0; c < 32; ++c) {
        EXPECT_TRUE(integer_input_accepts(c)) << static_cast<unsigned>(c);
    }
    for (char32_t c : U"0123456789-") {
        if (c != 0) {
            EXPECT_TRUE(integer_input_accepts(c)) << static_cast<unsigned>(c);
        }
    }
    for (char32_t c : {U' ', U'+', U'.', U'a', U'Z', U'e', U'\x7f', U'\xa0', U'５', U'中', U'－'}) {
        EXPECT_FALSE(integer_input_accepts(c)) << static_cast<unsigned>(c);
    }
}

}  // namespace
}  // namespace marrowick
