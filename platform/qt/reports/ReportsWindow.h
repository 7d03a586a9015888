#pragma once
// 보고서: the charts of spending and of prices in a window of their own
// beside the device screen. It is not modal: the device program goes on
// working, and the page shown reads the notebook afresh whenever the
// window becomes active again or another page is chosen.

#include <QWidget>
#include <filesystem>

class CategoryChartPage;
class MonthChartPage;
class PriceChartPage;
class QTabWidget;
class ReportPage;
class ShopChartPage;

class ReportsWindow : public QWidget {
public:
    ReportsWindow(const std::filesystem::path& notebook, QWidget* parent);

    QTabWidget& Tabs() const { return *m_tabs; }
    CategoryChartPage& Categories() const { return *m_categories; }
    MonthChartPage& Months() const { return *m_months; }
    ShopChartPage& Shops() const { return *m_shops; }
    PriceChartPage& Prices() const { return *m_prices; }
    ReportPage& Current() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QTabWidget* m_tabs;
    CategoryChartPage* m_categories;
    MonthChartPage* m_months;
    ShopChartPage* m_shops;
    PriceChartPage* m_prices;
};
