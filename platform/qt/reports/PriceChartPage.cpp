#include "platform/qt/reports/PriceChartPage.h"

#include <QChart>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStringListModel>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "platform/qt/reports/ChartPalette.h"

namespace {

// Shapes as well as colours tell the shops apart.
const QScatterSeries::MarkerShape kShapes[] = {QScatterSeries::MarkerShapeCircle, QScatterSeries::MarkerShapeRectangle,
                                               QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
                                               QScatterSeries::MarkerShapeStar, QScatterSeries::MarkerShapePentagon};

qreal Time(const std::string& date) {
    QDate day = QDate::fromString(QString::fromStdString(date), Qt::ISODate);
    return static_cast<qreal>(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch());
}

void Plot(QChart& chart, QAbstractSeries* series, QAbstractAxis* dates, QAbstractAxis* prices) {
    chart.addSeries(series);
    series->attachAxis(dates);
    series->attachAxis(prices);
}

// The lines and the focus ring have no place in the legend: a shop's
// marks stand for it there.
void HideFromLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

} // namespace

PriceChartPage::PriceChartPage(std::filesystem::path notebook, QWidget* parent)
    : ReportPage(std::move(notebook), Periods::YearOrAll, parent) {
    setObjectName(QStringLiteral("chart-price"));
    auto* choice = new QWidget(this);
    auto* column = new QVBoxLayout(choice);
    column->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(QStringLiteral("품목(&P)"), choice);
    m_search = new QLineEdit(choice);
    m_search->setObjectName(QStringLiteral("product-search"));
    m_search->setPlaceholderText(QStringLiteral("이름으로 찾기"));
    m_search->setClearButtonEnabled(true);
    name->setBuddy(m_search);
    m_names = new QStringListModel(this);
    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(m_names);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_products = new QListView(choice);
    m_products->setObjectName(QStringLiteral("products"));
    m_products->setModel(m_filter);
    m_products->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A row is as tall as the device's font, and the Hangul glyphs drawn
    // from another font are taller: without room between the rows their
    // tops and bottoms cover the neighbours'.
    m_products->setSpacing(2);
    auto* unit = new QLabel(QStringLiteral("단위(&U)"), choice);
    m_units = new QComboBox(choice);
    m_units->setObjectName(QStringLiteral("units"));
    unit->setBuddy(m_units);
    column->addWidget(name);
    column->addWidget(m_search);
    column->addWidget(m_products, 1);
    column->addWidget(unit);
    column->addWidget(m_units);
    Split().insertWidget(0, choice);
    Split().setStretchFactor(0, 1);
    Split().setStretchFactor(1, 4);
    Split().setStretchFactor(2, 2);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setFilterFixedString(text);
        if (m_filter->rowCount() > 0) m_products->setCurrentIndex(m_filter->index(0, 0));
    });
    // Enter in the search takes the first product the list still shows.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_filter->rowCount() > 0) ChooseProduct(m_filter->index(0, 0).data().toString());
    });
    connect(m_products, &QListView::activated, this, [this](const QModelIndex& index) { ChooseProduct(index.data().toString()); });
    connect(m_products, &QListView::clicked, this, [this](const QModelIndex& index) { ChooseProduct(index.data().toString()); });
    connect(m_units, &QComboBox::activated, this, [this] { Refresh(); });
}

void PriceChartPage::ReloadProducts() {
    try {
        Database db(Notebook(), Database::Mode::ReadOnly);
        ReadProducts(db);
    } catch (const DeskFailure& failure) {
        Note(QString::fromStdString(failure.what()));
    }
}

bool PriceChartPage::ChooseProduct(const QString& product) {
    std::vector<std::string> units;
    try {
        Database db(Notebook(), Database::Mode::ReadOnly);
        units = PriceHistory::Units(db, product.toStdString());
    } catch (const DeskFailure& failure) {
        Note(QString::fromStdString(failure.what()));
        return false;
    }
    if (units.empty()) return false;
    m_product = product;
    m_units->clear();
    for (const std::string& u : units) m_units->addItem(QString::fromStdString(u));
    m_units->setEnabled(units.size() > 1);
    Refresh();
    return true;
}

bool PriceChartPage::ChooseUnit(const QString& unit) {
    int index = m_units->findText(unit);
    if (index < 0) return false;
    m_units->setCurrentIndex(index);
    Refresh();
    return true;
}

QString PriceChartPage::Unit() const {
    return m_units->currentText();
}

QString PriceChartPage::Describe(size_t point) const {
    if (point >= m_history.points.size()) return {};
    const PriceHistory::Point& p = m_history.points[point];
    return QStringLiteral("%1 %2: 단가 %3, 수량 %4%5")
        .arg(QString::fromStdString(p.date), QString::fromStdString(p.shop), Won(p.price))
        .arg(p.quantity)
        .arg(QString::fromStdString(m_history.unit));
}

void PriceChartPage::ReadProducts(Database& db) {
    QStringList names;
    for (const std::string& product : PriceHistory::Products(db)) names << QString::fromStdString(product);
    m_names->setStringList(names);
    m_loaded = true;
}

void PriceChartPage::TakeFirstProduct(Database& db) {
    if (!m_loaded) ReadProducts(db);
    if (!m_product.isEmpty() || m_names->rowCount() == 0) return;
    // The first product until the person chooses one.
    m_product = m_names->stringList().first();
    m_units->clear();
    for (const std::string& u : PriceHistory::Units(db, m_product.toStdString())) m_units->addItem(QString::fromStdString(u));
    m_units->setEnabled(m_units->count() > 1);
}

void PriceChartPage::ReadHistory(Database& db) {
    const std::string from = WholeHistory() ? "0000-00-00" : Period().From();
    const std::string to = WholeHistory() ? "9999-12-31" : Period().To();
    m_history = m_product.isEmpty() ? PriceHistory{} : PriceHistory::Read(db, m_product.toStdString(), Unit().toStdString(), from, to);
}

std::vector<size_t> PriceChartPage::RowsOf(const std::string& shop) const {
    std::vector<size_t> rows;
    for (size_t i = 0; i < m_history.points.size(); ++i) {
        if (m_history.points[i].shop == shop) rows.push_back(i);
    }
    return rows;
}

ChartTable PriceChartPage::Draw(Database& db, QChart& chart, bool dark) {
    TakeFirstProduct(db);
    m_focusSeries = nullptr;
    ReadHistory(db);
    chart.setTitle(m_product.isEmpty() ? QStringLiteral("품목을 고르십시오")
                                       : QStringLiteral("%1 (%2) 단가").arg(m_product, Unit()));
    auto* dates = new QDateTimeAxis;
    dates->setFormat(WholeHistory() ? QStringLiteral("yyyy-MM") : QStringLiteral("MM-dd"));
    auto* prices = new QValueAxis;
    prices->setLabelFormat(QStringLiteral("%.0f"));
    prices->setTitleText(QStringLiteral("단가(원)"));
    chart.addAxis(dates, Qt::AlignBottom);
    chart.addAxis(prices, Qt::AlignLeft);
    const std::vector<std::string> shops = m_history.Shops();
    for (size_t s = 0; s < shops.size(); ++s) PlotShop(chart, s, shops[s], dark, dates, prices);
    PlotFocusRing(chart, dates, prices);
    FitAxes(*dates, *prices);
    chart.legend()->setVisible(!shops.empty());
    // Beside the plot each shop has a line of its own; below it a row of
    // shops is cut short to their markers.
    chart.legend()->setAlignment(Qt::AlignRight);
    return m_history.Table();
}

// The shop's points joined by a line, and marked with the shape and colour
// of the shop's place among them.
void PriceChartPage::PlotShop(QChart& chart, size_t place, const std::string& shop, bool dark, QAbstractAxis* dates,
                              QAbstractAxis* prices) {
    auto* line = new QLineSeries;
    auto* marks = new QScatterSeries;
    line->setColor(ChartPalette::Colour(static_cast<int>(place), dark));
    marks->setColor(line->color());
    marks->setBorderColor(palette().color(QPalette::Text));
    marks->setMarkerShape(kShapes[place % std::size(kShapes)]);
    marks->setMarkerSize(11);
    marks->setName(QString::fromStdString(shop));
    const std::vector<size_t> rows = RowsOf(shop);
    for (size_t i : rows) {
        const PriceHistory::Point& p = m_history.points[i];
        QPointF at(Time(p.date), static_cast<qreal>(p.price));
        line->append(at);
        marks->append(at);
    }
    TellOnHover(marks, rows);
    Plot(chart, line, dates, prices);
    Plot(chart, marks, dates, prices);
    HideFromLegend(chart, line);
}

// `rows` are the history's points that `marks` shows, in its order.
void PriceChartPage::TellOnHover(QScatterSeries* marks, std::vector<size_t> rows) {
    connect(marks, &QScatterSeries::hovered, this, [this, marks, rows](const QPointF& at, bool on) {
        if (!on) return QToolTip::hideText();
        const QList<QPointF> points = marks->points();
        for (qsizetype k = 0; k < points.size(); ++k) {
            if (points[k] == at) QToolTip::showText(QCursor::pos(), Describe(rows[static_cast<size_t>(k)]));
        }
    });
}

// The ring around the point of the table's current row; empty until a row
// takes the focus.
void PriceChartPage::PlotFocusRing(QChart& chart, QAbstractAxis* dates, QAbstractAxis* prices) {
    m_focusSeries = new QScatterSeries;
    m_focusSeries->setObjectName(QStringLiteral("focus"));
    m_focusSeries->setMarkerSize(20);
    m_focusSeries->setColor(Qt::transparent);
    m_focusSeries->setBorderColor(palette().color(QPalette::Highlight));
    QPen ring = m_focusSeries->pen();
    ring.setWidth(3);
    ring.setColor(palette().color(QPalette::Highlight));
    m_focusSeries->setPen(ring);
    Plot(chart, m_focusSeries, dates, prices);
    HideFromLegend(chart, m_focusSeries);
}

// Three days of room either side of the points, and a little above the
// highest price. The points are taken shop by shop, as they are plotted.
void PriceChartPage::FitAxes(QDateTimeAxis& dates, QValueAxis& prices) const {
    long long highest = 0;
    qreal first = 0, last = 0;
    for (const std::string& shop : m_history.Shops()) {
        for (size_t i : RowsOf(shop)) {
            const PriceHistory::Point& p = m_history.points[i];
            const qreal at = Time(p.date);
            highest = std::max(highest, p.price);
            if (first == 0 || at < first) first = at;
            last = std::max(last, at);
        }
    }
    const qreal day = 86400000.0;
    dates.setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first ? first - 3 * day : 0)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last ? last + 3 * day : day)));
    prices.setRange(0, highest > 0 ? static_cast<qreal>(highest) * 1.15 : 1);
    prices.applyNiceNumbers();
}

void PriceChartPage::Focused(int row) {
    if (!m_focusSeries) return;
    m_focusSeries->clear();
    if (row < 0 || static_cast<size_t>(row) >= m_history.points.size()) return;
    const PriceHistory::Point& p = m_history.points[static_cast<size_t>(row)];
    m_focusSeries->append(Time(p.date), static_cast<qreal>(p.price));
    Note(Describe(static_cast<size_t>(row)));
}
