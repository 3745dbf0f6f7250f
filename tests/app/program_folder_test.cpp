#include "app/program_folder.h"

#include <gtest/gtest.h>

namespace marrowick {
namespace {

TEST(ProgramFolder, IsThePathUpToTheLastSeparator) {
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/marrowick/marrowick_gui", "/opt/marrowick"},
        {"/home/用户/程序/marrowick_gui", "/home/用户/程序"},
        {"/marrowick_gui", "/"},
        {"marrowick_gui", ""},
        {"", ""},
    };
    for (const auto& [executable, folder] : cases) {
        EXPECT_EQ(program_folder_of(executable), folder) << executable;
    }
}

}  // namespace
}  // namespace marrowick
