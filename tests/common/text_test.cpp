#include "common/text.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_allocator.h"
#include "fatal_failure_catcher.h"

namespace marrowick {
namespace {

TEST(Text, AbsentReadsAsEmptyAndReleasingItDoesNothing) {
    Text absent;
    EXPECT_TRUE(absent.is_absent());
    EXPECT_EQ(absent.view(), "");
    EXPECT_STREQ(absent.c_str(), "");
    absent.release();
    absent.release();
    EXPECT_TRUE(absent.is_absent());
}

TEST(Text, JoinConcatenatesInOrderWithAbsentPiecesAsEmpty) {
    Text absent;
    Text middle = Text::copy_of("mid");
    Text joined = join({"a", absent, middle, "", "z"});
    EXPECT_FALSE(joined.is_absent());
    EXPECT_EQ(joined.view(), "amidz");
    EXPECT_EQ(joined.size(), 5U);
    EXPECT_EQ(joined.c_str()[5], '\0');
}

TEST(Text, JoinOfNothingIsAPresentEmptyText) {
    Text joined = join({Text(), ""});
    EXPECT_FALSE(joined.is_absent());
    EXPECT_EQ(joined.view(), "");
}

TEST(Text, CopiesBytesVerbatimIncludingZerosAndNonAscii) {
    const std::string bytes("\xE4\xB8\xAD\0\\\"", 6);
    Text copy = Text::copy_of(bytes);
    EXPECT_EQ(copy.view(), bytes);
}

TEST(Text, MovingTransfersOwnershipAndLeavesTheSourceAbsent) {
    Text first = Text::copy_of("owned");
    Text second = std::move(first);
    // The moved-from state is the point here.
    EXPECT_TRUE(
        first.is_absent());  // NOLINT(bugprone-use-after-move,clang-analyzer-cplusplus.Move)
    EXPECT_EQ(second.view(), "owned");
    second = Text::copy_of("replaced");
    EXPECT_EQ(second.view(), "replaced");
}

TEST(Text, AllocationFailureIsFatalAndNamesTheBytesAskedFor) {
    testing::FatalFailureCatcher catcher;
    ScopedTextAllocationFailure fail_next;
    try {
        Text joined = join({"Trovilane", " -n ", "5"});
        FAIL() << "the allocation was expected to fail";
    } catch (const testing::FatalFailureSeen& seen) {
        EXPECT_EQ(seen.failure.kind, FatalFailure::Kind::OutOfMemory);
        EXPECT_EQ(seen.failure.bytes_requested, 9U + 4U + 1U + 1U);
    }
}

TEST(Text, PlannedFailureStrikesOnlyAfterTheAllowedSuccesses) {
    testing::FatalFailureCatcher catcher;
    ScopedTextAllocationFailure fail_third(2);
    Text first = Text::copy_of("1");
    Text second = Text::copy_of("22");
    EXPECT_THROW({ Text third = Text::copy_of("333"); }, testing::FatalFailureSeen);
}

}  // namespace
}  // namespace marrowick
