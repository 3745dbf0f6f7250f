#include "launch/program_lookup.h"

#include <gtest/gtest.h>

#include <set>

namespace marrowick {
namespace {

ProgramSearch search_where(std::set<std::string> executables, std::string path = "/usr/bin:/bin") {
    return {.program_folder = "/opt/app",
            .search_path = std::move(path),
            .is_executable_file = [files = std::move(executables)](const std::string& candidate) {
                return files.contains(candidate);
            }};
}

TEST(FindProgram, PrefersTheProgramFolderOverTheSearchPath) {
    const auto search = search_where({"/opt/app/Trovilane", "/usr/bin/Trovilane"});
    EXPECT_EQ(find_program("Trovilane", search), "/opt/app/Trovilane");
}

TEST(FindProgram, SearchesThePathInOrder) {
    const auto search = search_where({"/bin/Trovilane", "/usr/bin/Trovilane"});
    EXPECT_EQ(find_program("Trovilane", search), "/usr/bin/Trovilane");
}

TEST(FindProgram, TakesANameWithASlashAsAPath) {
    const auto search = search_where({});
    EXPECT_EQ(find_program("./Trovilane", search), "./Trovilane");
    EXPECT_EQ(find_program("/x/y", search), "/x/y");
}

TEST(FindProgram, AnEmptyPathEntryIsTheCurrentDirectory) {
    const auto search = search_where({"./Trovilane"}, "/usr/bin::/bin");
    EXPECT_EQ(find_program("Trovilane", search), "./Trovilane");
}

TEST(FindProgram, FindsNothingForAMissingOrEmptyName) {
    const auto search = search_where({"/usr/bin/other"});
    EXPECT_EQ(find_program("Trovilane", search), std::nullopt);
    EXPECT_EQ(find_program("", search), std::nullopt);
}

}  // namespace
}  // namespace marrowick
