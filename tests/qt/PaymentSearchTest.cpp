// Checkout and looking back on the real screen, through the widgets only: pay
// the priced items from the shop, open the search from the main menu, tap the
// new trip, undo it there, and see it gone from the month. With
// CARTAVEL_SCREENSHOT_DIR set, the screens are also saved as pictures.

#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <string>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class PaymentSearch : public ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-payment"));
        ASSERT_TRUE(DeviceClock::SetToday(2024, 3, 15));
        Sql("insert into ShoppingList_tbl values (1,'과일','사과',3,'개',500,'',0,0,1500,'2024-03-02','새벽시장',1,'Y');"
            "insert into ShoppingList_tbl values (2,'채소','무',1,'개',1800,'',0,0,1800,'2024-03-09','한빛마트',2,'Y');"
            "insert into ShoppingList_tbl values (3,'과일','귤',2,'봉',1500,'',0,0,3000,'2024-03-09','한빛마트',2,'Y');"
            "insert into ShoppingList_tbl values (4,'유제품','우유',1,'팩',1000,'',0,0,1000,'2024-03-15','',NULL,'');"
            "insert into ShoppingList_tbl values (5,'과일','배',1,'개',2500,'',0,0,2500,'2024-03-15','',NULL,'');"
            "insert into ShoppingList_tbl values (6,'빵','식빵',1,'봉',300,'',0,0,300,'2024-03-15','',NULL,'');"
            "insert into ShoppingList_tbl values (7,'채소','양파',2,'봉',0,'',0,0,0,'','',NULL,'')");
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        device.Remove();
    }

    void Sql(const std::string& sql) { device.Sql(sql); }

    std::string Rows(const std::string& sql) { return device.Rows(sql); }

    // List rows show at the next turn of the event loop.
    QTreeView* List(CDialog& shown, int nID) {
        auto* view = WidgetAs<QTreeView>(shown, nID);
        QTest::qWait(0);
        return view;
    }
    static QString Cell(QTreeView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    QString EditText(CDialog& shown, int nID) { return WidgetAs<QLineEdit>(shown, nID)->text(); }
    // Clicks a button and answers the notice it brings with OK.
    void ClickAndAcknowledge(CDialog& shown, int nID) {
        AnswerNextBox(QMessageBox::Ok);
        QTest::mouseClick(Widget(shown, nID), Qt::LeftButton);
    }
    QString LastBoxText() { return m_seenBoxes.empty() ? QString() : m_seenBoxes.back().text; }

    void Picture(const char* name) {
        QByteArray folder = qgetenv("CARTAVEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) return;
        QTest::qWait(0);
        std::filesystem::create_directories(folder.toStdString());
        EXPECT_TRUE(m_screen.Screen().grab().save(QString::fromUtf8(folder) + "/" + name, "PNG")) << name;
    }

    TestDevice device;
};

TEST_F(PaymentSearch, PayThenFindTheTripAndUndoIt) {
    // "계산하기" in the shop opens the checkout for the shop's date and name.
    WhenShown(IDD_PAYMENT, [&](CDialog& shown) {
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("쇼핑금액결제"));
        EXPECT_EQ(EditText(shown, IDC_PM_EDIT_DATE), QStringLiteral("2024-03-15"));
        EXPECT_EQ(EditText(shown, IDC_PM_EDIT_STORE), QStringLiteral("한빛마트"));
        QTreeView* items = List(shown, IDC_PM_LIST);
        ASSERT_EQ(items->model()->rowCount(), 3);
        EXPECT_EQ(Cell(items, 0, 1), QStringLiteral("배"));
        EXPECT_EQ(Cell(items, 0, 4), QStringLiteral("2500"));
        EXPECT_EQ(EditText(shown, IDC_PM_EDIT_TOTAL), QStringLiteral("3800"));
        Picture("payment-new.png");
        ClickAndAcknowledge(shown, IDC_PM_BTN_PROCESS);
        EXPECT_EQ(LastBoxText(), QStringLiteral("금액지불 처리완료"));
    });
    CShopItemsDlg shop;
    shop.m_strShpDate = u"2024-03-15";
    shop.m_strStoreName = u"한빛마트";
    Run(shop, [&](CDialog& shown) {
        EXPECT_EQ(List(shown, IDC_SI_LIST)->model()->rowCount(), 4);
        EXPECT_EQ(EditText(shown, IDC_SI_EDIT_TOTAL), QStringLiteral("3800"));
        QTest::mouseClick(Widget(shown, IDC_SI_BTN_SETTLE), Qt::LeftButton);
        // Back in the shop: only the unpriced item is left, and the title
        // is the shop's again.
        QTreeView* left = List(shown, IDC_SI_LIST);
        ASSERT_EQ(left->model()->rowCount(), 1);
        EXPECT_EQ(Cell(left, 0, 2), QStringLiteral("양파"));
        EXPECT_EQ(EditText(shown, IDC_SI_EDIT_TOTAL), QString());
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("한빛마트"));
        QTest::keyClick(Widget(shown, IDC_SI_EDIT_QTY), Qt::Key_Escape);
    });
    EXPECT_EQ(Rows("select SeqNo, MgrNo, PayYN, StoreName from ShoppingList_tbl where SeqNo >= 4 order by SeqNo"),
              "4|3|Y|한빛마트\n5|3|Y|한빛마트\n6|3|Y|한빛마트\n7|NULL||\n");

    bool bModifyShown = false;
    WhenShown(IDD_PAYMENT, [&](CDialog& shown) {
        bModifyShown = true;
        EXPECT_EQ(EditText(shown, IDC_PM_EDIT_DATE), QStringLiteral("2024-03-15"));
        EXPECT_EQ(List(shown, IDC_PM_LIST)->model()->rowCount(), 3);
        EXPECT_EQ(EditText(shown, IDC_PM_EDIT_TOTAL), QStringLiteral("3800"));
        Picture("payment-modify.png");
        ClickAndAcknowledge(shown, IDC_PM_BTN_PROCESS);
        EXPECT_EQ(LastBoxText(), QStringLiteral("이미 지불완료 되었습니다."));
        // 취소 asks first; No leaves the trip paid and the dialog open.
        AnswerNextBox(QMessageBox::No);
        QTest::mouseClick(Widget(shown, IDC_PM_BTN_CANCEL), Qt::LeftButton);
        ASSERT_FALSE(m_seenBoxes.empty());
        const SeenMessageBox& question = m_seenBoxes.back();
        EXPECT_EQ(question.caption, QStringLiteral("확인"));
        EXPECT_EQ(question.text, QStringLiteral("정말 결제를 취소하시겠습니까?"));
        EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(question.icon, QMessageBox::Question);
        EXPECT_FALSE(shown.HasEnded());
        EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl where PayYN = 'Y'"), "6\n");
        AnswerNextBox(QMessageBox::Yes);
        ClickAndAcknowledge(shown, IDC_PM_BTN_CANCEL);
        EXPECT_EQ(LastBoxText(), QStringLiteral("처리완료"));
    });
    WhenShown(IDD_SEARCH, [&](CDialog& shown) {
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("쇼핑검색"));
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_YEAR), QStringLiteral("2024"));
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_MONTH), QStringLiteral("3"));
        QTreeView* trips = List(shown, IDC_SR_LIST_TRIPS);
        ASSERT_EQ(trips->model()->rowCount(), 3);
        EXPECT_EQ(Cell(trips, 1, 1), QStringLiteral("09"));
        EXPECT_EQ(Cell(trips, 1, 3), QStringLiteral("4800"));
        EXPECT_EQ(Cell(trips, 2, 2), QStringLiteral("한빛마트"));
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_TOTAL), QStringLiteral("10100"));
        EXPECT_FALSE(Widget(shown, IDC_SR_LIST_SCRATCH)->isVisible());
        Picture("search.png");

        QRect cell = trips->visualRect(trips->model()->index(2, 2));
        QTest::mouseClick(trips->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_TRUE(bModifyShown) << "the tap opened no payment";
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("쇼핑검색"));
        trips = List(shown, IDC_SR_LIST_TRIPS);
        EXPECT_EQ(trips->model()->rowCount(), 2);
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_TOTAL), QStringLiteral("6300"));

        // February has nothing; its total is empty.
        QTest::mouseClick(Widget(shown, IDC_SR_BTN_PREV), Qt::LeftButton);
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_MONTH), QStringLiteral("2"));
        EXPECT_EQ(List(shown, IDC_SR_LIST_TRIPS)->model()->rowCount(), 0);
        EXPECT_EQ(EditText(shown, IDC_SR_EDIT_TOTAL), QString());
        QTest::keyClick(Widget(shown, IDC_SR_BTN_NEXT), Qt::Key_Escape);
    });
    CMainMenuDlg menu;
    Run(menu, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_BTN_SEARCH), Qt::LeftButton);
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("Cartavel"));
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_EQ(Rows("select SeqNo, MgrNo, PayYN from ShoppingList_tbl where SeqNo >= 4 order by SeqNo"),
              "4|0|\n5|0|\n6|0|\n7|NULL|\n");
}

} // namespace
