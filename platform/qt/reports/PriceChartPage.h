#pragma once
// 가격 변화: one product's unit price over time, one line per shop, each
// point a paid item. The product is chosen from a list that narrows as its
// name is typed, the unit beside it when the product was bought in several;
// a point tells its date, shop, unit price and quantity on hover, and the
// table's row with the keyboard on it marks its point.

#include <QString>
#include <vector>

#include "desk/PriceHistory.h"
#include "platform/qt/reports/ReportPage.h"

class QComboBox;
class QLineEdit;
class QListView;
class QScatterSeries;
class QSortFilterProxyModel;
class QStringListModel;

class PriceChartPage : public ReportPage {
public:
    PriceChartPage(std::filesystem::path notebook, QWidget* parent);

    // Reads the products that have paid items again.
    void ReloadProducts();
    // Chooses a product (and its most used unit); false when it has no paid items.
    bool ChooseProduct(const QString& product);
    bool ChooseUnit(const QString& unit);
    QString Product() const { return m_product; }
    QString Unit() const;
    QLineEdit& Search() const { return *m_search; }
    QListView& Products() const { return *m_products; }
    QComboBox& Units() const { return *m_units; }
    // What a point tells on hover or focus.
    QString Describe(size_t point) const;

protected:
    ChartTable Draw(Database& db, QChart& chart, bool dark) override;
    void Focused(int row) override;

private:
    QLineEdit* m_search;
    QListView* m_products;
    QStringListModel* m_names;
    QSortFilterProxyModel* m_filter;
    QComboBox* m_units;
    QString m_product;
    PriceHistory m_history;
    QScatterSeries* m_focusSeries = nullptr;
    bool m_loaded = false;
};
