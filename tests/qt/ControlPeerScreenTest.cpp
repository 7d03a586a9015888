// Each control's widget follows the object that stands for the control: the
// dialog's own one first, then a member the program binds to it while the
// dialog already shows (as its OnInitDialog and DDX do): what the control
// showed stays, and every later change made through the member shows.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "ScreenTest.h"
#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/DeviceMetrics.h"

namespace {

constexpr int kTemplate = 9201;
constexpr int IDC_PLAIN_IMAGE = IDOK;
constexpr int IDC_IMAGE = 40;
constexpr int IDC_ROWS = 41;
constexpr int IDC_ENTRIES = 42;

class ControlPeerScreen : public ScreenTest {
protected:
    void SetUp() override {
        DialogTemplate t;
        std::string error;
        ASSERT_TRUE(DialogTemplate::Parse(R"(
DIALOG 9201
CAPTION "Peers"
SIZE 150 120
FONT 9 "굴림체"
STYLE POPUP CAPTION SYSMENU
CONTROL 1 BUTTON 10 2 50 14 "종료" OWNERDRAW TABSTOP
CONTROL 40 BUTTON 70 2 50 14 "종료" OWNERDRAW TABSTOP
CONTROL 41 LISTVIEW 1 20 130 46 "List1" REPORT BORDER TABSTOP
CONTROL 42 COMBOBOX 1 70 60 40 "" DROPDOWN VSCROLL TABSTOP
)",
                                          t, error))
            << error;
        DialogTemplate::Register(t);
    }

    // Whether the widget shows anything but the page's white.
    static bool ShowsSomething(QWidget* widget) {
        QImage image = widget->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != image.pixel(0, 0)) return true;
            }
        }
        return false;
    }

    CDialog dlg{kTemplate};
};

TEST_F(ControlPeerScreen, AnImageButtonTheProgramNeverAttachesStaysBlankAtItsPlaceAndStillPresses) {
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        QWidget* button = Widget(shown, IDC_PLAIN_IMAGE);
        EXPECT_EQ(button->geometry(), QRect(DeviceMetrics::Pixels(10), DeviceMetrics::Pixels(2),
                                            DeviceMetrics::Pixels(50), DeviceMetrics::Pixels(14)));
        EXPECT_FALSE(ShowsSomething(button));
        shown.GetDlgItem(IDC_PLAIN_IMAGE)->Invalidate();
        EXPECT_FALSE(ShowsSomething(button));
        QTest::mouseClick(button, Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(ControlPeerScreen, AnImageButtonAttachedWhileShownTakesItsImageAndItsSize) {
    CBitmapButton image;
    Run(dlg, [&](CDialog& shown) {
        QWidget* button = Widget(shown, IDC_IMAGE);
        ASSERT_TRUE(image.SubclassDlgItem(IDC_IMAGE, &shown));
        EXPECT_FALSE(ShowsSomething(button)) << "no bitmap is loaded yet";
        ASSERT_TRUE(image.LoadBitmaps(u"종료U"));
        image.SizeToContent();
        EXPECT_EQ(button->size(), QSize(83, 20));
        EXPECT_TRUE(ShowsSomething(button));
        EXPECT_EQ(Widget(shown, IDC_IMAGE), button) << "the same widget goes on showing the control";
        m_screen.Screen().close();
    });
}

TEST_F(ControlPeerScreen, AListBoundWhileShownKeepsItsRowsAndShowsTheMembersChanges) {
    CListCtrl rows;
    Run(dlg, [&](CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_ROWS);
        auto* own = static_cast<CListCtrl*>(shown.GetDlgItem(IDC_ROWS));
        own->InsertColumn(0, u"순번", LVCFMT_LEFT, 30);
        own->InsertColumn(1, u"품명", LVCFMT_RIGHT, 60);
        own->SetItemText(own->InsertItem(0, u"1"), 1, u"사과");
        ASSERT_TRUE(rows.SubclassDlgItem(IDC_ROWS, &shown));
        QCoreApplication::processEvents();
        EXPECT_EQ(view->model()->rowCount(), 1);
        EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("품명"));
        EXPECT_EQ(view->model()->index(0, 1).data().toString(), QStringLiteral("사과"));

        // What is shown now is read from the member, not the control it replaced.
        rows.SetItemText(rows.InsertItem(1, u"2"), 1, u"배");
        rows.SetSelectionMark(1);
        QCoreApplication::processEvents();
        EXPECT_EQ(view->model()->rowCount(), 2);
        EXPECT_EQ(view->model()->index(1, 1).data().toString(), QStringLiteral("배"));
        EXPECT_EQ(view->selectionModel()->currentIndex().row(), 1);
        rows.SetItemText(0, 1, u"감");
        EXPECT_EQ(view->model()->index(0, 1).data().toString(), QStringLiteral("감"));
        m_screen.Screen().close();
    });
}

TEST_F(ControlPeerScreen, AComboBoxBoundWhileShownKeepsItsEntriesAndShowsTheMembersChanges) {
    CComboBox entries;
    Run(dlg, [&](CDialog& shown) {
        auto* combo = WidgetAs<QComboBox>(shown, IDC_ENTRIES);
        static_cast<CComboBox*>(shown.GetDlgItem(IDC_ENTRIES))->AddString(u"채소");
        EXPECT_TRUE(entries.SubclassDlgItem(IDC_ENTRIES, &shown));
        EXPECT_EQ(combo->count(), 1);
        entries.AddString(u"과일");
        entries.SetCurSel(1);
        EXPECT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("과일"));
        m_screen.Screen().close();
    });
}

} // namespace
