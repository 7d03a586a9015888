// The zoom: from the screen's pixel density at start, and Ctrl+plus,
// Ctrl+minus and Ctrl+0 while a dialog runs, without moving anything on the
// device's screen.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "platform/qt/DeviceMetrics.h"
#include "platform/qt/DeviceScreen.h"
#include "platform/qt/ScreenOptions.h"
#include "platform/qt/ScreenZoom.h"

using namespace ScreenTestIds;

namespace {

TEST(ScreenZoomDensity, FollowsThePhysicalDensityAboveWhatThePlatformScalesAlready) {
    EXPECT_EQ(ScreenZoom::ForDensity(96, 1), 2);
    EXPECT_EQ(ScreenZoom::ForDensity(110, 1), 2);
    EXPECT_EQ(ScreenZoom::ForDensity(144, 1), 3);
    EXPECT_EQ(ScreenZoom::ForDensity(192, 1), 4);
    // A desktop that draws two pixels per logical pixel has done half of it.
    EXPECT_EQ(ScreenZoom::ForDensity(192, 2), 2);
    EXPECT_EQ(ScreenZoom::ForDensity(40, 1), 1);
    EXPECT_EQ(ScreenZoom::ForDensity(2000, 1), ScreenZoom::kMax);
    // A screen that does not know its size gets the desktop's zoom.
    EXPECT_EQ(ScreenZoom::ForDensity(0, 1), ScreenZoom::kAtDesktopDensity);
}

class ScreenZoomKeys : public ScreenTest {
protected:
    void SetUp() override { CScreenTestDlg::RegisterTemplates(); }
    void TearDown() override { ScreenZoom::Set(ScreenOptions::kDefaultZoom); }

    static void Press(int key) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), Qt::ControlModifier);
    }

    CScreenTestDlg dlg;
};

TEST_F(ScreenZoomKeys, CtrlPlusMinusAndZeroZoomTheRunningScreen) {
    ASSERT_EQ(ScreenZoom::Current(), ScreenOptions::kDefaultZoom);
    Run(dlg, [this](CDialog& shown) {
        DeviceScreen& screen = m_screen.Screen();
        QWidget* name = Widget(shown, IDC_NAME);
        QRect before = name->geometry();
        Type(name, QStringLiteral("사과"));
        Press(Qt::Key_Plus);
        EXPECT_EQ(ScreenZoom::Current(), 3);
        EXPECT_EQ(screen.windowHandle()->devicePixelRatio(), 3.0);
        EXPECT_EQ(screen.grab().toImage().size(), QSize(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight) * 3);
        // The device's screen is the same, only larger; nothing typed is lost.
        EXPECT_EQ(screen.size(), QSize(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight));
        EXPECT_EQ(name->geometry(), before);
        EXPECT_EQ(WidgetAs<QLineEdit>(shown, IDC_NAME)->text(), QStringLiteral("사과"));

        Press(Qt::Key_Minus);
        Press(Qt::Key_Minus);
        Press(Qt::Key_Minus);  // one is the smallest
        EXPECT_EQ(ScreenZoom::Current(), 1);
        EXPECT_EQ(screen.windowHandle()->devicePixelRatio(), 1.0);
        Press(Qt::Key_0);
        EXPECT_EQ(ScreenZoom::Current(), ScreenZoom::StartZoom());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (std::vector<std::string>{}));
}

} // namespace
