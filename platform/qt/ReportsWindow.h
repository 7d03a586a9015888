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

    QTabWidget& Tabs() const { return *m_pTabs; }
    CategoryChartPage& Categories() const { return *m_pCategories; }
    MonthChartPage& Months() const { return *m_pMonths; }
    ShopChartPage& Shops() const { return *m_pShops; }
    PriceChartPage& Prices() const { return *m_pPrices; }
    ReportPage& Current() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QTabWidget* m_pTabs;
    CategoryChartPage* m_pCategories;
    MonthChartPage* m_pMonths;
    ShopChartPage* m_pShops;
    PriceChartPage* m_pPrices;
};
