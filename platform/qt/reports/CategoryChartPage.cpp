#include "platform/qt/reports/CategoryChartPage.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>

#include "desk/CategorySpending.h"
#include "desk/LargestShares.h"
#include "platform/qt/reports/ChartPalette.h"

CategoryChartPage::CategoryChartPage(std::filesystem::path notebook, QWidget* parent)
    : ReportPage(std::move(notebook), Periods::MonthOrYear, parent) {
    setObjectName(QStringLiteral("chart-category"));
}

namespace {
// Slices narrower than this carry no label of their own: their labels would
// lie over each other. The legend still names them.
constexpr qreal kLabelledShare = 0.05;
} // namespace

ChartTable CategoryChartPage::Draw(Database& db, QChart& chart, bool dark) {
    CategorySpending spending = CategorySpending::Read(db, Period());
    std::vector<LargestShares::Part> parts;
    for (const CategorySpending::Group& g : spending.groups) parts.push_back({g.name, g.amount, false});
    auto* series = new QPieSeries;
    series->setObjectName(QStringLiteral("categories"));
    series->setHoleSize(0.29);
    series->setPieSize(0.45);
    int i = 0;
    QStringList legend;
    for (const LargestShares::Part& part : LargestShares::Of(parts, ChartPalette::kColours)) {
        QString name = QString::fromStdString(part.name);
        QPieSlice* slice = series->append(name, static_cast<qreal>(part.amount));
        slice->setObjectName(name);
        slice->setBrush(ChartPalette::Colour(i++, dark));
        slice->setBorderColor(palette().color(QPalette::Base));
        const QString share = QString::fromStdString(LargestShares::Percent(part.amount, spending.total));
        // The legend names every slice with its amount, the slice itself its
        // name and share where it is wide enough for them: both in one line
        // would be cut short at a zoomed screen's width.
        slice->setLabel(name + QStringLiteral(" ") + share + QStringLiteral("%"));
        legend.push_back(name + QStringLiteral(" ") + Won(part.amount));
        slice->setLabelColor(palette().color(QPalette::Text));
        slice->setLabelArmLengthFactor(0.12);
        connect(slice, &QPieSlice::hovered, slice, [slice](bool on) { slice->setExploded(on); });
    }
    chart.addSeries(series);
    // Shares are known once every slice is in the series.
    for (QPieSlice* slice : series->slices()) slice->setLabelVisible(slice->percentage() >= kLabelledShare);
    chart.legend()->setVisible(true);
    chart.legend()->setAlignment(Qt::AlignRight);
    const QList<QLegendMarker*> markers = chart.legend()->markers(series);
    for (qsizetype m = 0; m < markers.size() && m < legend.size(); ++m) markers[m]->setLabel(legend[m]);
    if (spending.total != 0) {
        Label(QStringLiteral("총계\n") + Won(spending.total), [&chart] { return chart.plotArea().center(); }, true);
    }
    return spending.Table();
}

void CategoryChartPage::Focused(int row) {
    // The table's row names its slice, when the category has one of its own.
    if (Chart().series().isEmpty()) return;
    auto* series = static_cast<QPieSeries*>(Chart().series().first());
    QString name = row >= 0 && static_cast<size_t>(row) < Table().rows.size()
                       ? QString::fromStdString(Table().rows[static_cast<size_t>(row)][0])
                       : QString();
    for (QPieSlice* slice : series->slices()) slice->setExploded(!name.isEmpty() && slice->objectName() == name);
}
