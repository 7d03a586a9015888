// Every amount whole on the real screen: each list of each dialog that shows
// numbers, filled with a household's amounts of six and seven digits and
// long names, at zooms 1 to 4. A number cell fits the part of its cell that
// the list shows without scrolling sideways; the names give way instead.

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTreeView>
#include <string>

#include "ScreenTest.h"
#include "dialogs/CPaymentDlg.h"
#include "dialogs/CPlanDlg.h"
#include "dialogs/CSearchDlg.h"
#include "dialogs/CShopItemsDlg.h"
#include "dialogs/CStatsDlg.h"
#include "platform/qt/screen/ScreenOptions.h"
#include "platform/qt/screen/ScreenZoom.h"
#include "platform/shell/DeviceClock.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"

namespace {

class AmountsWhole : public ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(device.Create("cartavel-amounts-whole"));
        ASSERT_TRUE(DeviceClock::SetToday(2024, 3, 15));
        // Paid trips of March, priced items of today and planned ones.
        Item(1, "생활가전", "전자레인지 대형 스테인리스", 1, 1289000, "2024-03-02", "한빛종합쇼핑센터 본점", "7", "Y");
        Item(2, "식품", "한우 등심 선물세트", 2, 389900, "2024-03-02", "한빛종합쇼핑센터 본점", "7", "Y");
        Item(3, "가구", "원목 식탁 의자 세트", 1, 2450000, "2024-03-09", "누리가구 할인매장", "8", "Y");
        Item(4, "식품", "쌀 20kg", 3, 64900, "2024-02-20", "다온상회", "6", "Y");
        Item(5, "생활가전", "로봇청소기 최신형", 1, 899000, "2024-03-15", "한빛마트", "NULL", "''");
        Item(6, "식품", "수입 과일 바구니", 12, 45500, "2024-03-15", "한빛마트", "NULL", "''");
        Item(7, "식품", "유기농 채소 꾸러미", 10, 0, "", "", "NULL", "''");
    }
    void TearDown() override {
        ScreenZoom::Set(ScreenOptions::kDefaultZoom);
        DeviceClock::UseRealTime();
        device.Remove();
    }

    void Item(int seq, const std::string& category, const std::string& product, int qty, int price,
              const std::string& date, const std::string& shop, const std::string& trip, const std::string& paid) {
        std::string amount = std::to_string(static_cast<long long>(qty) * price);
        device.Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'" + category + "','" + product +
                   "'," + std::to_string(qty) + ",'개'," + std::to_string(price) + ",'',0,0," + amount + ",'" + date +
                   "','" + shop + "'," + trip + "," + (paid == "Y" ? "'Y'" : paid) + ")");
    }

    // Each number cell's text, with the margins the view keeps, fits the
    // part of its cell inside the list; `numbers` counts the cells looked at.
    void ExpectNumbersWhole(CDialog& shown, int nID, const std::string& where, int& numbers) {
        auto* view = WidgetAs<QTreeView>(shown, nID);
        QTest::qWait(0);
        static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
        int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        int right = view->viewport()->width();
        QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                if (view->header()->isSectionHidden(column)) continue;
                QString text = model->index(row, column).data().toString();
                if (!number.match(text).hasMatch()) continue;
                ++numbers;
                QRect cell = view->visualRect(model->index(row, column));
                int shown = std::min(cell.right() + 1, right) - std::max(cell.left(), 0);
                int needed = view->fontMetrics().horizontalAdvance(text) + 2 * margin;
                EXPECT_LE(needed, shown) << where << " at zoom " << ScreenZoom::Current() << ": row " << row
                                         << " column " << column << " \"" << text.toStdString() << "\"";
            }
        }
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible()) << where << " scrolls sideways";
    }

    TestDevice device;
};

TEST_F(AmountsWhole, EveryNumberOfEveryListShowsWholeAtEveryZoom) {
    for (int zoom = 1; zoom <= 4; ++zoom) {
        ScreenZoom::Set(zoom);
        ASSERT_EQ(ScreenZoom::Current(), zoom);
        int numbers = 0;

        CPlanDlg plan;
        Run(plan, [&](CDialog& shown) {
            ExpectNumbersWhole(shown, IDC_PL_LIST, "plan", numbers);
            QTest::keyClick(Widget(shown, IDC_PL_LIST), Qt::Key_Escape);
        });
        CShopItemsDlg items;
        items.m_strShpDate = u"2024-03-15";
        items.m_strStoreName = u"한빛마트";
        Run(items, [&](CDialog& shown) {
            ExpectNumbersWhole(shown, IDC_SI_LIST, "shopping items", numbers);
            QTest::keyClick(Widget(shown, IDC_SI_LIST), Qt::Key_Escape);
        });
        for (const char16_t* mode : {u"NEW", u"MODIFY"}) {
            CPaymentDlg payment;
            payment.m_strMode = mode;
            payment.m_strMgrNo = mode == std::u16string_view(u"NEW") ? u"" : u"7";
            payment.m_strShpDate = u"2024-03-15";
            payment.m_strStoreName = u"한빛마트";
            Run(payment, [&](CDialog& shown) {
                ExpectNumbersWhole(shown, IDC_PM_LIST, "payment", numbers);
                QTest::keyClick(Widget(shown, IDC_PM_LIST), Qt::Key_Escape);
            });
        }
        CSearchDlg search;
        Run(search, [&](CDialog& shown) {
            ExpectNumbersWhole(shown, IDC_SR_LIST_TRIPS, "search", numbers);
            QTest::keyClick(Widget(shown, IDC_SR_LIST_TRIPS), Qt::Key_Escape);
        });
        CStatsDlg stats;
        Run(stats, [&](CDialog& shown) {
            auto* kinds = WidgetAs<QComboBox>(shown, IDC_ST_COMBO_KIND);
            auto* report = WidgetAs<QTreeView>(shown, IDC_ST_LIST_REPORT);
            for (int kind = 0; kind < kinds->count(); ++kind) {
                QString name = kinds->itemText(kind);
                Choose(shown, IDC_ST_COMBO_KIND, name);
                // The kind shows from its first syllable, and a report of
                // other columns from its left edge.
                EXPECT_EQ(kinds->lineEdit()->cursorPosition(), 0) << name.toStdString();
                EXPECT_EQ(report->horizontalScrollBar()->value(), 0) << name.toStdString();
                ExpectNumbersWhole(shown, IDC_ST_LIST_REPORT, "statistics " + name.toStdString(), numbers);
            }
            QTest::keyClick(Widget(shown, IDC_ST_LIST_REPORT), Qt::Key_Escape);
        });
        // Every list held numbers to look at: quantities, days, counts, amounts.
        EXPECT_GE(numbers, 30) << "zoom " << zoom;
    }
}

} // namespace
