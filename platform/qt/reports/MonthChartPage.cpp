#include "platform/qt/reports/MonthChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QCursor>
#include <QValueAxis>

#include "desk/MonthlySpending.h"
#include "platform/qt/reports/ChartPalette.h"

MonthChartPage::MonthChartPage(std::filesystem::path notebook, QWidget* parent)
    : ReportPage(std::move(notebook), Periods::YearOnly, parent) {
    setObjectName(QStringLiteral("chart-month"));
}

ChartTable MonthChartPage::Draw(Database& db, QChart& chart, bool dark) {
    MonthlySpending spending = MonthlySpending::Read(db, Period().Year());
    auto* series = new QStackedBarSeries;
    series->setObjectName(QStringLiteral("months"));
    std::vector<LargestShares::Part> stacks = spending.Stacks();
    int i = 0;
    for (const LargestShares::Part& stack : stacks) {
        auto* set = new QBarSet(QString::fromStdString(stack.name));
        std::vector<qreal> values(12, 0);
        for (const MonthlySpending::Month& month : spending.months) {
            if (month.number >= 1 && month.number <= 12) values[static_cast<size_t>(month.number - 1)] += static_cast<qreal>(spending.StackAmount(month, stack));
        }
        for (qreal v : values) set->append(v);
        set->setColor(ChartPalette::Colour(i++, dark));
        set->setBorderColor(palette().color(QPalette::Base));
        series->append(set);
    }
    connect(series, &QStackedBarSeries::hovered, series, [](bool on, int index, QBarSet* set) {
        if (on) QToolTip::showText(QCursor::pos(), QStringLiteral("%1월 %2: %3").arg(index + 1).arg(set->label(), Won(static_cast<long long>(set->at(index)))));
        else QToolTip::hideText();
    });
    chart.addSeries(series);
    // The month's number alone fits under a narrow bar; the axis says "월".
    auto* months = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m) months->append(QString::number(m));
    months->setTitleText(QStringLiteral("월"));
    chart.addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto* amounts = new QValueAxis;
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    long long highest = 0;
    for (const MonthlySpending::Month& month : spending.months) highest = std::max(highest, month.amount);
    amounts->setRange(0, highest > 0 ? static_cast<qreal>(highest) * 1.15 : 1);
    amounts->applyNiceNumbers();
    chart.addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
    // Beside the bars the category names have the room they need.
    chart.legend()->setVisible(!stacks.empty());
    chart.legend()->setAlignment(Qt::AlignRight);
    for (const MonthlySpending::Month& month : spending.months) {
        qreal x = month.number - 1;
        qreal y = static_cast<qreal>(month.amount);
        Label({Won(month.amount), TenThousands(month.amount)},
              [&chart, series, x, y] { return chart.mapToPosition(QPointF(x, y), series) - QPointF(0, 10); },
              [&chart] { return chart.plotArea().width() / 12; });
    }
    return spending.Table();
}
