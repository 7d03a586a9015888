// The reports window on the offscreen screen, opened from the main window's
// menu over a small notebook known by heart: each chart's series hold its
// numbers, the table beside it the same, the keyboard walks the table, the
// exports write their files, and the window follows a dark palette while
// the device screen keeps its own.

#include <QApplication>
#include <QBarSet>
#include <QGraphicsSimpleTextItem>
#include <QLocale>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPushButton>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QMenuBar>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QSettings>
#include <QStackedBarSeries>
#include <QBarSeries>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cstdlib>

#include "ScreenTest.h"
#include "desk/WholeFile.h"
#include "platform/qt/desktop/DeskWindow.h"
#include "platform/qt/reports/CategoryChartPage.h"
#include "platform/qt/reports/MonthChartPage.h"
#include "platform/qt/reports/PriceChartPage.h"
#include "platform/qt/reports/ReportsWindow.h"
#include "platform/qt/reports/ShopChartPage.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "tests/support/ChartNotebook.h"
#include "tests/support/TestDevice.h"

namespace {

template <typename T>
T* SeriesOf(const ReportPage& page, int i = 0) {
    auto* series = qobject_cast<T*>(page.Chart().series().value(i));
    EXPECT_NE(series, nullptr) << "series " << i;
    return series;
}

QString LegendOf(const ReportPage& page, int i) {
    QList<QLegendMarker*> markers = page.Chart().legend()->markers();
    return i < markers.size() ? markers[i]->label() : QString();
}

QList<qreal> Values(const QBarSet* set) {
    QList<qreal> values;
    for (int i = 0; i < set->count(); ++i) values << set->at(i);
    return values;
}

class ReportsScreen : public ScreenTest {
protected:
    void SetUp() override {
        device.Create("reports-window");
        device.Sql(kChartNotebookSql);
        setenv("XDG_CONFIG_HOME", (device.Root() / "config").c_str(), 1);
        QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel")).clear();
        desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
        desk->show();
        desk->findChild<QAction*>(QStringLiteral("reports"))->trigger();
        reports = &desk->OpenReports();  // the window the menu opened
        ASSERT_NE(reports, nullptr);
    }
    void TearDown() override {
        desk.reset();
        device.Remove();
    }
    TestDevice device;
    std::unique_ptr<DeskWindow> desk;
    ReportsWindow* reports = nullptr;
};

TEST_F(ReportsScreen, EachChartsSeriesHoldTheNotebooksNumbers) {
    // Beside the device, not modal: the device screen still takes input.
    EXPECT_TRUE(reports->isVisible());
    EXPECT_FALSE(reports->isModal());
    EXPECT_TRUE(m_screen.Screen().isEnabled());
    QStringList tabs;
    for (int i = 0; i < reports->Tabs().count(); ++i) tabs << reports->Tabs().tabText(i);
    EXPECT_EQ(tabs.join(';'), QStringLiteral("분류별(&1);월별(&2);쇼핑점별(&3);가격 변화(&4)"));

    CategoryChartPage& categories = reports->Categories();
    categories.SetPeriod(ReportPeriod::OfMonth(2024, 3));
    EXPECT_EQ(categories.findChild<QLabel*>(QStringLiteral("period"))->text(), QStringLiteral("2024년03월"));
    QPieSeries* donut = SeriesOf<QPieSeries>(categories);
    ASSERT_EQ(donut->count(), 2);
    // The slice names its share, the legend beside its amount.
    EXPECT_EQ(donut->slices()[0]->label(), QStringLiteral("곡물 13.2%"));
    EXPECT_EQ(LegendOf(categories, 0), QStringLiteral("곡물 500원"));
    EXPECT_EQ(donut->slices()[1]->value(), 3300);
    EXPECT_DOUBLE_EQ(donut->sum(), 3800);
    EXPECT_EQ(categories.Table().rows.back(), (std::vector<std::string>{"<총계>", "3800", "100.0"}));
    // ◀ from January steps into December of the year before, as the statistics do.
    categories.SetPeriod(ReportPeriod::OfMonth(2024, 1));
    QTest::mouseClick(categories.findChild<QPushButton*>(QStringLiteral("previous")), Qt::LeftButton);
    EXPECT_EQ(categories.Period(), ReportPeriod::OfMonth(2023, 12));
    EXPECT_EQ(LegendOf(categories, 0), QStringLiteral("채소 3,000원"));
    EXPECT_EQ(SeriesOf<QPieSeries>(categories)->slices()[0]->label(), QStringLiteral("채소 100.0%"));

    reports->Tabs().setCurrentIndex(1);
    MonthChartPage& months = reports->Months();
    months.SetPeriod(ReportPeriod::OfYear(2024));
    auto* stacks = SeriesOf<QStackedBarSeries>(months);
    ASSERT_EQ(stacks->count(), 2);
    EXPECT_EQ(stacks->barSets()[0]->label(), QStringLiteral("곡물"));
    EXPECT_EQ(Values(stacks->barSets()[0]), (QList<qreal>{700, 0, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Values(stacks->barSets()[1]), (QList<qreal>{4000, 0, 3300, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    reports->Tabs().setCurrentIndex(2);
    ShopChartPage& shops = reports->Shops();
    shops.SetPeriod(ReportPeriod::OfYear(2024));
    EXPECT_EQ(Values(SeriesOf<QBarSeries>(shops)->barSets()[0]), (QList<qreal>{3500, 5000}));
    EXPECT_EQ(SeriesOf<QLineSeries>(shops, 1)->points(), (QList<QPointF>{{0, 2}, {1, 2}}));
    EXPECT_EQ(shops.Table().rows.back(), (std::vector<std::string>{"<총계>", "4", "8500"}));
}

TEST_F(ReportsScreen, MonthTotalsTakeAShorterFormOrStandAsideRatherThanShareAColumn) {
    // A year of months with eight-digit totals, on ever narrower windows.
    for (int m = 1; m <= 12; ++m) {
        device.Sql(QStringLiteral("insert into ShoppingList_tbl values (%1,'과일','사과',1,'개',%2,'',0,0,%2,"
                                  "'2025-%3-10','가게A',%1,'Y')")
                       .arg(100 + m).arg(12345600 + 10 * m).arg(m, 2, 10, QLatin1Char('0')).toStdString());
    }
    reports->Tabs().setCurrentIndex(1);
    MonthChartPage& months = reports->Months();
    qsizetype shownBefore = 12;
    for (int width : {1800, 1100, 700}) {
        reports->resize(width, 700);
        reports->show();
        QCoreApplication::processEvents();
        months.SetPeriod(ReportPeriod::OfYear(2025));
        QCoreApplication::processEvents();
        std::vector<QRectF> shown;
        for (QGraphicsItem* child : months.Chart().childItems()) {
            auto* label = dynamic_cast<QGraphicsSimpleTextItem*>(child);
            if (!label || !label->isVisible()) continue;
            QRectF box = label->sceneBoundingRect();
            // Not even stacked: each total alone over its own column.
            for (const QRectF& other : shown) {
                EXPECT_FALSE(box.left() < other.right() && other.left() < box.right()) << width << " " << label->text().toStdString();
            }
            shown.push_back(box);
            // Which month's it is shows in its place: the long and the short
            // form of that month's total only.
            qreal slot = months.Chart().plotArea().width() / 12;
            int m = static_cast<int>((box.center().x() - months.Chart().plotArea().left()) / slot) + 1;
            int amount = 12345600 + 10 * m;
            QStringList forms = {QLocale(QLocale::Korean).toString(amount) + QStringLiteral("원"),
                                 QStringLiteral("1234.6만")};
            EXPECT_TRUE(forms.contains(label->text())) << width << " " << label->text().toStdString();
        }
        EXPECT_LE(static_cast<qsizetype>(shown.size()), shownBefore) << width;
        EXPECT_GE(shown.size(), 4u) << width;  // at least every third month
        shownBefore = static_cast<qsizetype>(shown.size());
    }
}

TEST_F(ReportsScreen, PriceLinePerShopFromAListThatNarrowsAsTheNameIsTyped) {
    reports->Tabs().setCurrentIndex(3);
    PriceChartPage& prices = reports->Prices();
    prices.SetWholeHistory(true);
    EXPECT_EQ(prices.Products().model()->rowCount(), 3);
    Type(&prices.Search(), QStringLiteral("사"));
    EXPECT_EQ(prices.Products().model()->rowCount(), 1);
    QTest::keyClick(&prices.Search(), Qt::Key_Return);
    EXPECT_EQ(prices.Product(), QStringLiteral("사과"));
    // Bought by the piece and by the kg: the piece, the more used, first.
    EXPECT_EQ(prices.Units().count(), 2);
    EXPECT_EQ(prices.Unit(), QStringLiteral("개"));
    // A line and its marks per shop, then the focus ring.
    ASSERT_EQ(prices.Chart().series().size(), 5);
    auto* a = SeriesOf<QScatterSeries>(prices, 1);
    auto* b = SeriesOf<QScatterSeries>(prices, 3);
    EXPECT_EQ(a->name() + b->name(), QStringLiteral("가게A가게B"));
    ASSERT_EQ(a->count(), 2);
    EXPECT_EQ(a->at(0).y() + a->at(1).y() + b->at(0).y(), 500 + 500 + 300);
    EXPECT_LT(a->at(0).x(), b->at(0).x());  // the 2nd before the 5th
    ASSERT_TRUE(prices.ChooseUnit(QStringLiteral("kg")));
    EXPECT_EQ(prices.Table().rows, (std::vector<std::vector<std::string>>{{"2024-01-20", "가게B", "4000", "1", "5"}}));
    ASSERT_TRUE(prices.ChooseUnit(QStringLiteral("개")));

    // The keyboard walks the table; the point of its row is ringed and told.
    QTableView& table = prices.TableView();
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_Down);
    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_EQ(table.currentIndex().row(), 1);
    ASSERT_EQ(SeriesOf<QScatterSeries>(prices, 4)->count(), 1);
    EXPECT_EQ(SeriesOf<QScatterSeries>(prices, 4)->at(0).y(), 300);
    EXPECT_EQ(prices.findChild<QLabel*>(QStringLiteral("status"))->text(), QStringLiteral("2024-03-05 가게B: 단가 300원, 수량 1개"));
    QTest::keyClick(&table, Qt::Key_PageDown);
    EXPECT_EQ(table.currentIndex().row(), 2);
}

TEST_F(ReportsScreen, ExportsWriteTheTableAndThePictureAndFollowADarkPalette) {
    ShopChartPage& shops = reports->Shops();
    reports->Tabs().setCurrentIndex(2);
    shops.SetPeriod(ReportPeriod::OfMonth(2024, 3));
    std::filesystem::path dir = device.Root();
    QString csv = QString::fromStdString((dir / "shops.csv").string());
    ASSERT_TRUE(shops.ExportCsv(csv, false));
    EXPECT_EQ(WholeFile::Read(dir / "shops.csv"), "\xEF\xBB\xBF쇼핑점,횟수,쇼핑금액\r\n가게A,2,3500\r\n가게B,1,300\r\n<총계>,3,3800\r\n");
    QString png = QString::fromStdString((dir / "shops.png").string());
    ASSERT_TRUE(shops.ExportPng(png));
    EXPECT_EQ(QImage(png).size(), shops.View().size() * shops.View().devicePixelRatioF());
    QString svg = QString::fromStdString((dir / "shops.svg").string());
    ASSERT_TRUE(shops.ExportSvg(svg));
    std::string picture = WholeFile::Read(dir / "shops.svg");
    EXPECT_NE(picture.find("<svg"), std::string::npos);
    EXPECT_FALSE(shops.ExportPng(QString::fromStdString((dir / "missing" / "x.png").string())));
    EXPECT_FALSE(shops.Failure().isEmpty());

    EXPECT_EQ(shops.Chart().theme(), QChart::ChartThemeLight);
    // The desktop turns dark: the application's palette changes, as a
    // desktop theme changes it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x18));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    const QPalette light = QApplication::palette();
    QPalette device = m_screen.Screen().palette();
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(shops.Chart().theme(), QChart::ChartThemeDark);
    EXPECT_EQ(shops.Table().rows.size(), 3u);  // drawn again, the same numbers
    // The device keeps its own look, buttons and lists included.
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Text, QPalette::Button, QPalette::ButtonText}) {
        EXPECT_EQ(m_screen.Screen().palette().color(role), device.color(role)) << role;
    }
    QApplication::setPalette(light);
}

} // namespace
