#include "ui/main_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QStatusBar>

namespace {

int argc = 1;
char arg0[] = "ui_tests";
char* argv[] = {arg0, nullptr};

QApplication& App() {
    static QApplication app(argc, argv);
    return app;
}

TEST(MainFrame, OpensWithTitleEmptyMdiAreaAndStatusBar) {
    App();
    CMainFrame frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("クイルマーク"));
    ASSERT_NE(frame.mdiArea(), nullptr);
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
    EXPECT_NE(frame.findChild<QStatusBar*>(), nullptr);
    frame.close();
}

}  // namespace
