#include "platform/qt/ReportsWindow.h"

#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/qt/CategoryChartPage.h"
#include "platform/qt/MonthChartPage.h"
#include "platform/qt/PriceChartPage.h"
#include "platform/qt/ShopChartPage.h"

ReportsWindow::ReportsWindow(const std::filesystem::path& notebook, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("reports"));
    setWindowTitle(QStringLiteral("보고서 - Cartavel"));
    m_pTabs = new QTabWidget(this);
    m_pCategories = new CategoryChartPage(notebook, m_pTabs);
    m_pMonths = new MonthChartPage(notebook, m_pTabs);
    m_pShops = new ShopChartPage(notebook, m_pTabs);
    m_pPrices = new PriceChartPage(notebook, m_pTabs);
    m_pTabs->addTab(m_pCategories, QStringLiteral("분류별(&1)"));
    m_pTabs->addTab(m_pMonths, QStringLiteral("월별(&2)"));
    m_pTabs->addTab(m_pShops, QStringLiteral("쇼핑점별(&3)"));
    m_pTabs->addTab(m_pPrices, QStringLiteral("가격 변화(&4)"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pTabs);
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this] { Current().Refresh(); });
    resize(1100, 620);
}

ReportPage& ReportsWindow::Current() const {
    return *static_cast<ReportPage*>(m_pTabs->currentWidget());
}

void ReportsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from the device screen, where a trip may have been paid.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (&Current() == m_pPrices) m_pPrices->ReloadProducts();
        Current().Refresh();
    }
}
