#pragma once
// 쇼핑점별: per shop, the amount as a bar and the number of trips as a
// marked line on its own scale, both named in the legend and labelled.

#include "platform/qt/reports/ReportPage.h"

class ShopChartPage : public ReportPage {
public:
    ShopChartPage(std::filesystem::path notebook, QWidget* parent);

protected:
    ChartTable Draw(Database& db, QChart& chart, bool dark) override;
};
