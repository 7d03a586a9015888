// The main menu on the real screen: its picture and image buttons where the
// template puts them, and the three ways it ends.

#include <QImage>
#include <QPushButton>
#include <QTest>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "res/resource.h"

namespace {

class MainMenuScreen : public ScreenTest {
protected:
    CMainMenuDlg menu;
};

TEST_F(MainMenuScreen, ShowsItsBackgroundAndSixImageButtonsAtTheTemplatePlaces) {
    INT_PTR result = Run(menu, [this](CDialog& shown) {
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("Cartavel"));
        EXPECT_TRUE(NamedWidget("caption-ok")->isVisible());
        // The picture takes its bitmap's size (243 x 272) and lies beneath the buttons.
        QWidget* picture = Widget(shown, -1);
        EXPECT_EQ(picture->geometry(), QRect(0, 0, 243, 272));
        const std::pair<int, int> buttons[] = {{IDC_BTN_BASICINFO, 48}, {IDC_BTN_PLAN, 61}, {IDC_BTN_SHOPPING, 74},
                                               {IDC_BTN_SEARCH, 87},    {IDC_BTN_STATS, 100}, {IDC_BTN_EXIT, 113}};
        QWidget* page = picture->parentWidget();
        for (auto [id, y] : buttons) {
            QWidget* button = Widget(shown, id);
            EXPECT_TRUE(button->isVisible()) << id;
            EXPECT_EQ(button->geometry(), QRect(DeviceMetrics::Pixels(81), DeviceMetrics::Pixels(y), 83, 20)) << id;
            EXPECT_GT(page->children().indexOf(button), page->children().indexOf(picture)) << id << " is beneath";
        }
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(m_screen.Screen().isVisible());
}

TEST_F(MainMenuScreen, AnImageButtonLooksTheSamePressedOrNotAndFocusOnlyFramesIt) {
    Run(menu, [this](CDialog& shown) {
        QWidget* exit = Widget(shown, IDC_BTN_EXIT);
        QImage normal = exit->grab().toImage();
        EXPECT_FALSE(normal.isNull());
        QTest::mousePress(exit, Qt::LeftButton);
        EXPECT_TRUE(exit->hasFocus());
        QImage pressed = exit->grab().toImage();
        // Inside the focus frame the image is the one of every state.
        int zoom = static_cast<int>(normal.devicePixelRatio());
        QRect inside(QPoint(3, 3) * zoom, (exit->size() - QSize(6, 6)) * zoom);
        EXPECT_EQ(pressed.copy(inside), normal.copy(inside));
        EXPECT_NE(pressed, normal);
        QTest::mouseRelease(exit, Qt::LeftButton);
    });
    EXPECT_TRUE(menu.HasEnded());
}

TEST_F(MainMenuScreen, CaptionOkEndsItLikeTheExitButton) {
    INT_PTR result = Run(menu, [this](CDialog&) { QTest::mouseClick(NamedWidget("caption-ok"), Qt::LeftButton); });
    EXPECT_EQ(result, IDOK);
}

TEST_F(MainMenuScreen, ClosingTheWindowEndsItAndSoTheProgram) {
    INT_PTR result = Run(menu, [this](CDialog&) { m_screen.Screen().close(); });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
