#include "shell/mainwindow.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace rollwell {
namespace {

TEST(MainWindow, OpensCaptionedWithTheGamesName) {
    int argc = 1;
    char name[] = "test_shell";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rollwell 2.0"));
    EXPECT_EQ(window.objectName(), QStringLiteral("frmRollwell"));
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace rollwell
