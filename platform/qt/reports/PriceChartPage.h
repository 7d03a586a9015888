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

class QAbstractAxis;
class QComboBox;
class QDateTimeAxis;
class QLineEdit;
class QListView;
class QScatterSeries;
class QSortFilterProxyModel;
class QStringListModel;
class QValueAxis;

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
    void ReadProducts(Database& db);
    // Reads the products when none were read yet, and takes the first
    // when none is chosen.
    void TakeFirstProduct(Database& db);
    // The chosen product's points in the unit and period chosen.
    void ReadHistory(Database& db);
    // The history's points bought at `shop`.
    std::vector<size_t> RowsOf(const std::string& shop) const;
    void PlotShop(QChart& chart, size_t place, const std::string& shop, bool dark, QAbstractAxis* dates,
                  QAbstractAxis* prices);
    void TellOnHover(QScatterSeries* marks, std::vector<size_t> rows);
    void PlotFocusRing(QChart& chart, QAbstractAxis* dates, QAbstractAxis* prices);
    void FitAxes(QDateTimeAxis& dates, QValueAxis& prices) const;

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
