#pragma once
// 월별: a year's twelve months as bars stacked by category (the largest
// categories of the year, the rest as one), each month's total above its
// bar.

#include "platform/qt/reports/ReportPage.h"

class MonthChartPage : public ReportPage {
public:
    MonthChartPage(std::filesystem::path notebook, QWidget* parent);

protected:
    ChartTable Draw(Database& db, QChart& chart, bool dark) override;
};
