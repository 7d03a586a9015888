// The zoom: from the screen's pixel density at start, and Ctrl+plus,
// Ctrl+minus and Ctrl+0 while a dialog runs, without moving anything on the
// device's screen.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "app/CMainMenuDlg.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/MenuArt.h"
#include "platform/qt/screen/ScreenOptions.h"
#include "platform/qt/screen/ScreenZoom.h"
#include "res/resource.h"

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

TEST(ScreenZoomFit, TheLargestZoomLeavesTheWholeWindowOnTheScreen) {
    const QSize device(DeviceMetrics::kScreenWidth, DeviceMetrics::kScreenHeight);
    // A 1024-pixel screen: zoom 3 is 960 high, 4 would be 1280.
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(), QSize(1280, 1024), 1), 3);
    // A window manager's title bar of 70 pixels takes zoom 3 off it.
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(0, 70), QSize(1280, 1024), 1), 2);
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(), QSize(1920, 1400), 1), 4);
    // A desktop that doubles every pixel already: 3 x 2 x 320 fits 2160.
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(), QSize(3840, 2160), 2), 3);
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(), QSize(8000, 8000), 1), ScreenZoom::kMax);
    // Too small for anything: the smallest zoom still shows the program.
    EXPECT_EQ(ScreenZoom::LargestFitting(device, QSize(), QSize(200, 200), 1), ScreenZoom::kMin);
}

TEST_F(ScreenZoomKeys, CtrlPlusStopsWhereTheWindowWouldOutgrowTheScreen) {
    // The test screen is 1920 x 1400: zoom 4 fits, 5 would not.
    Run(dlg, [this](CDialog&) {
        for (int i = 0; i < 5; ++i) Press(Qt::Key_Plus);
        EXPECT_EQ(ScreenZoom::Current(), 4);
        DeviceScreen& screen = m_screen.Screen();
        QRect available = screen.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(QRect(available.topLeft(), screen.frameGeometry().size())));
        ScreenZoom::Set(8);
        EXPECT_EQ(ScreenZoom::Current(), 4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
}

TEST_F(ScreenZoomKeys, TheMenuPicturesAreDrawnAtEachZoomNotEnlarged) {
    CMainMenuDlg menu;
    Run(menu, [this](CDialog& shown) {
        for (int zoom : {2, 3, 4}) {
            ScreenZoom::Set(zoom);
            ASSERT_EQ(ScreenZoom::Current(), zoom);
            QTest::qWait(0);
            for (auto [id, name] : {std::pair(IDC_BTN_PLAN, "쇼핑계획U"), std::pair(IDC_BTN_EXIT, "종료U"), std::pair(-1, "136")}) {
                QWidget* widget = id == -1 ? NamedWidget("control--1") : Widget(shown, id);
                if (!widget) continue;
                QImage shownImage = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QImage drawn = MenuArt::Draw(QString::fromUtf8(name), zoom).convertToFormat(QImage::Format_RGB32);
                EXPECT_EQ(shownImage.size(), drawn.size()) << name << " at zoom " << zoom;
                EXPECT_TRUE(shownImage == drawn) << name << " is not the drawing at zoom " << zoom;
            }
        }
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
}

} // namespace
