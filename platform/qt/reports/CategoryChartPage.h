#pragma once
// 분류별: a month's or a year's spending by category as a donut, each slice
// named with its amount and share, the total in the middle; the largest
// categories keep their slices and the rest share one.

#include "platform/qt/reports/ReportPage.h"

class CategoryChartPage : public ReportPage {
public:
    CategoryChartPage(std::filesystem::path notebook, QWidget* parent);

protected:
    ChartTable Draw(Database& db, QChart& chart, bool dark) override;
    void Focused(int row) override;
};
