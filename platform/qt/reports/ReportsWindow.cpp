#include "platform/qt/reports/ReportsWindow.h"

#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/qt/reports/CategoryChartPage.h"
#include "platform/qt/reports/MonthChartPage.h"
#include "platform/qt/reports/PriceChartPage.h"
#include "platform/qt/reports/ShopChartPage.h"

ReportsWindow::ReportsWindow(const std::filesystem::path& notebook, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("reports"));
    setWindowTitle(QStringLiteral("보고서 - Cartavel"));
    m_tabs = new QTabWidget(this);
    m_categories = new CategoryChartPage(notebook, m_tabs);
    m_months = new MonthChartPage(notebook, m_tabs);
    m_shops = new ShopChartPage(notebook, m_tabs);
    m_prices = new PriceChartPage(notebook, m_tabs);
    m_tabs->addTab(m_categories, QStringLiteral("분류별(&1)"));
    m_tabs->addTab(m_months, QStringLiteral("월별(&2)"));
    m_tabs->addTab(m_shops, QStringLiteral("쇼핑점별(&3)"));
    m_tabs->addTab(m_prices, QStringLiteral("가격 변화(&4)"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { Current().Refresh(); });
    resize(1100, 620);
}

ReportPage& ReportsWindow::Current() const {
    return *static_cast<ReportPage*>(m_tabs->currentWidget());
}

void ReportsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from the device screen, where a trip may have been paid.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (&Current() == m_prices) m_prices->ReloadProducts();
        Current().Refresh();
    }
}
