#include "platform/qt/reports/ShopChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include "desk/ShopSpending.h"
#include "platform/qt/reports/ChartPalette.h"

ShopChartPage::ShopChartPage(std::filesystem::path notebook, QWidget* parent)
    : ReportPage(std::move(notebook), Periods::MonthOrYear, parent) {
    setObjectName(QStringLiteral("chart-shop"));
}

ChartTable ShopChartPage::Draw(Database& db, QChart& chart, bool dark) {
    ShopSpending spending = ShopSpending::Read(db, Period());
    auto* bars = new QBarSeries;
    bars->setObjectName(QStringLiteral("amounts"));
    auto* amounts = new QBarSet(QStringLiteral("쇼핑금액"));
    amounts->setColor(ChartPalette::Colour(1, dark));
    auto* trips = new QLineSeries;
    trips->setObjectName(QStringLiteral("trips"));
    trips->setName(QStringLiteral("횟수"));
    trips->setColor(ChartPalette::Colour(5, dark));
    trips->setPointsVisible(true);
    trips->setPointLabelsVisible(true);
    trips->setPointLabelsFormat(QStringLiteral("@yPoint회"));
    trips->setPointLabelsColor(palette().color(QPalette::Text));
    QPen pen = trips->pen();
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    trips->setPen(pen);
    auto* shops = new QBarCategoryAxis;
    long long highest = 0, most = 0;
    for (size_t i = 0; i < spending.groups.size(); ++i) {
        const ShopSpending::Group& g = spending.groups[i];
        shops->append(g.name.empty() ? QStringLiteral("(없음)") : QString::fromStdString(g.name));
        amounts->append(static_cast<qreal>(g.amount));
        trips->append(static_cast<qreal>(i), static_cast<qreal>(g.trips));
        highest = std::max(highest, g.amount);
        most = std::max(most, g.trips);
    }
    bars->append(amounts);
    chart.addSeries(bars);
    chart.addSeries(trips);
    chart.addAxis(shops, Qt::AlignBottom);
    bars->attachAxis(shops);
    trips->attachAxis(shops);
    auto* won = new QValueAxis;
    won->setTitleText(QStringLiteral("쇼핑금액(원)"));
    won->setLabelFormat(QStringLiteral("%.0f"));
    won->setRange(0, highest > 0 ? static_cast<qreal>(highest) * 1.1 : 1);
    won->applyNiceNumbers();
    chart.addAxis(won, Qt::AlignLeft);
    bars->attachAxis(won);
    auto* count = new QValueAxis;
    count->setTitleText(QStringLiteral("횟수"));
    count->setLabelFormat(QStringLiteral("%.0f"));
    // Trips are whole: ticks a whole number of trips apart (nice numbers
    // would put 0.5 between 0 and 1, and "%.0f" show both as the same).
    const long long step = std::max(1LL, (most + 4) / 5);
    const long long top = (most / step + 1) * step;
    count->setRange(0, static_cast<qreal>(top));
    count->setTickType(QValueAxis::TicksDynamic);
    count->setTickAnchor(0);
    count->setTickInterval(static_cast<qreal>(step));
    chart.addAxis(count, Qt::AlignRight);
    trips->attachAxis(count);
    chart.legend()->setVisible(!spending.groups.empty());
    return spending.Table();
}
