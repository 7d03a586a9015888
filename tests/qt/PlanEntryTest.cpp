// A whole plan entry on the real screen, as a person makes it: open the plan
// from the main menu, pick category, product and unit from the open lists,
// type quantity and discount, tick the coupon box, save; then pick the row,
// change it, and delete it. What the person sees and what the file holds
// must agree at every step.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <deque>
#include <filesystem>
#include <string>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class PlanEntry : public ScreenTest {
protected:
    PlanEntry() {
        QObject::connect(&m_boxAnswerer, &QTimer::timeout, [this] { AnswerShownBox(); });
        m_boxAnswerer.setInterval(10);
    }

    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-plan-entry"));
        Sql("insert into Category_tbl values ('과일'); insert into Category_tbl values ('채소');"
            "insert into ProdName_tbl values ('과일','사과'); insert into ProdName_tbl values ('과일','배');"
            "insert into ProdName_tbl values ('채소','무');"
            "insert into Unit_tbl values ('개'); insert into Unit_tbl values ('kg')");
    }
    void TearDown() override { device.Remove(); }

    void Sql(const std::string& sql) { device.Sql(sql); }

    // The rows of a query, fields joined by '|', each row ended by '\n'.
    std::string Rows(const std::string& sql) { return device.Rows(sql); }

    // One save or delete may raise a question and then a notice: answer them
    // in order, and keep the text each showed.
    void AnswerBoxes(std::initializer_list<QMessageBox::StandardButton> answers) {
        m_answers.assign(answers);
        m_boxAnswerer.start();
    }
    void AnswerShownBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || m_answers.empty()) return;
        m_boxTexts.push_back(box->text());
        QAbstractButton* button = box->button(m_answers.front());
        m_answers.pop_front();
        if (m_answers.empty()) m_boxAnswerer.stop();
        if (button) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            ADD_FAILURE() << "the box \"" << box->text().toStdString() << "\" lacks the button to press";
            box->reject();
        }
    }
    QStringList TakeBoxTexts() {
        EXPECT_TRUE(m_answers.empty()) << "a box that was to come did not";
        QStringList texts = m_boxTexts;
        m_boxTexts.clear();
        return texts;
    }

    void Retype(CDialog& shown, int nID, const QString& text) {
        auto* edit = WidgetAs<QLineEdit>(shown, nID);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, text);
    }

    // List rows show at the next turn of the event loop.
    QTreeView* PlanList(CDialog& shown) {
        auto* view = WidgetAs<QTreeView>(shown, IDC_PL_LIST);
        QTest::qWait(0);
        return view;
    }
    static QString Cell(QTreeView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    static void TapRow(QTreeView* view, int row) {
        QRect cell = view->visualRect(view->model()->index(row, 2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString FieldText(CDialog& shown, int nID) {
        QWidget* widget = Widget(shown, nID);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit()->text();
        return qobject_cast<QLineEdit*>(widget)->text();
    }

    CMainMenuDlg menu;
    TestDevice device;
    QTimer m_boxAnswerer;
    std::deque<QMessageBox::StandardButton> m_answers;
    QStringList m_boxTexts;
};

TEST_F(PlanEntry, APersonPlansChangesAndDeletesAnItemThroughTheWidgets) {
    bool bPlanShown = false;
    WhenShown(IDD_PLAN, [&](CDialog& shown) {
        bPlanShown = true;
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("쇼핑계획"));
        auto* product = WidgetAs<QComboBox>(shown, IDC_PL_COMBO_PRODUCT);
        EXPECT_EQ(product->count(), 0);

        // A category offers its own products only.
        Choose(shown, IDC_PL_COMBO_CATEGORY, QStringLiteral("과일"));
        ASSERT_EQ(product->count(), 2);
        EXPECT_EQ(product->itemText(0), QStringLiteral("배"));
        Choose(shown, IDC_PL_COMBO_PRODUCT, QStringLiteral("사과"));
        Retype(shown, IDC_PL_EDIT_QTY, QStringLiteral("3"));
        Choose(shown, IDC_PL_COMBO_UNIT, QStringLiteral("개"));
        Retype(shown, IDC_PL_EDIT_DCAMT, QStringLiteral("500"));
        QTest::mouseClick(WidgetAs<QCheckBox>(shown, IDC_PL_CHECK_COUPON), Qt::LeftButton);
        AnswerBoxes({QMessageBox::Ok});
        QTest::mouseClick(Widget(shown, IDC_PL_BTN_SAVE), Qt::LeftButton);
        EXPECT_EQ(TakeBoxTexts(), QStringList{QStringLiteral("저장완료")});

        // The row shows; the inputs are empty for the next item.
        QTreeView* list = PlanList(shown);
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(Cell(list, 0, 2), QStringLiteral("사과"));
        EXPECT_EQ(Cell(list, 0, 3), QStringLiteral("3"));
        EXPECT_EQ(Cell(list, 0, 4), QStringLiteral("개"));
        EXPECT_EQ(Cell(list, 0, 6), QStringLiteral("Y"));
        EXPECT_EQ(FieldText(shown, IDC_PL_COMBO_CATEGORY), QString());
        EXPECT_EQ(FieldText(shown, IDC_PL_EDIT_QTY), QString());
        EXPECT_FALSE(WidgetAs<QCheckBox>(shown, IDC_PL_CHECK_COUPON)->isChecked());
        EXPECT_EQ(Rows("select SeqNo,CategoryName,ProdName,ShpQty,UnitName,CuponYN,CuponDcAmt,Price,ShpAmount,PayYN "
                       "from ShoppingList_tbl"),
                  "1|과일|사과|3|개|Y|500|0|0|\n");

        // Picking the row brings it back into the fields.
        TapRow(list, 0);
        EXPECT_EQ(FieldText(shown, IDC_PL_COMBO_CATEGORY), QStringLiteral("과일"));
        EXPECT_EQ(FieldText(shown, IDC_PL_COMBO_PRODUCT), QStringLiteral("사과"));
        EXPECT_EQ(FieldText(shown, IDC_PL_EDIT_QTY), QStringLiteral("3"));
        EXPECT_EQ(FieldText(shown, IDC_PL_COMBO_UNIT), QStringLiteral("개"));
        EXPECT_EQ(FieldText(shown, IDC_PL_EDIT_DCAMT), QStringLiteral("500"));
        EXPECT_TRUE(WidgetAs<QCheckBox>(shown, IDC_PL_CHECK_COUPON)->isChecked());

        // Another product for the picked row asks first; Yes changes the row.
        Retype(shown, IDC_PL_EDIT_QTY, QStringLiteral("2"));
        Choose(shown, IDC_PL_COMBO_PRODUCT, QStringLiteral("배"));
        QTest::mouseClick(WidgetAs<QCheckBox>(shown, IDC_PL_CHECK_COUPON), Qt::LeftButton);
        Retype(shown, IDC_PL_EDIT_DCAMT, QString());
        AnswerBoxes({QMessageBox::Yes, QMessageBox::Ok});
        QTest::mouseClick(Widget(shown, IDC_PL_BTN_SAVE), Qt::LeftButton);
        EXPECT_EQ(TakeBoxTexts(), (QStringList{QStringLiteral("변경하시겠읍까 ?"), QStringLiteral("변경완료")}));
        list = PlanList(shown);
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(Cell(list, 0, 2), QStringLiteral("배"));
        EXPECT_EQ(Cell(list, 0, 6), QString());
        EXPECT_EQ(Rows("select SeqNo,ProdName,ShpQty,CuponYN,CuponDcAmt from ShoppingList_tbl"), "1|배|2||0\n");

        // Delete the picked row: the question, then the notice.
        TapRow(list, 0);
        EXPECT_EQ(FieldText(shown, IDC_PL_EDIT_DCAMT), QString());
        AnswerBoxes({QMessageBox::Yes, QMessageBox::Ok});
        QTest::mouseClick(Widget(shown, IDC_PL_BTN_DELETE), Qt::LeftButton);
        EXPECT_EQ(TakeBoxTexts(), (QStringList{QStringLiteral("정말 삭제하시겠습니까?"), QStringLiteral("삭제 완료됨")}));
        EXPECT_EQ(PlanList(shown)->model()->rowCount(), 0);
        EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "0\n");

        QTest::keyClick(Widget(shown, IDC_PL_BTN_SAVE), Qt::Key_Escape);
    });
    Run(menu, [this](CDialog& shown) {
        QTest::mouseClick(Widget(shown, IDC_BTN_PLAN), Qt::LeftButton);
        EXPECT_EQ(NavigationBar().Title(), QStringLiteral("Cartavel"));
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_TRUE(bPlanShown) << "the plan button opened no plan";
    EXPECT_TRUE(menu.HasEnded());
}

} // namespace
