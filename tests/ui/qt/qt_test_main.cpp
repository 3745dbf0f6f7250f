// Runs the widget tests inside one QApplication on Qt's offscreen platform, unless another
// platform was chosen, with the locale pinned so that what the window shows does not vary.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto runtime = std::filesystem::temp_directory_path() / "marrowick-xdg-runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
    QLocale::setDefault(QLocale::c());
    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    return RUN_ALL_TESTS();
}
