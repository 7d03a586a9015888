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
        QStringList names;
        for (const std::string& product : PriceHistory::Products(db)) names << QString::fromStdString(product);
        m_names->setStringList(names);
        m_loaded = true;
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

ChartTable PriceChartPage::Draw(Database& db, QChart& chart, bool dark) {
    if (!m_loaded) {
        QStringList names;
        for (const std::string& product : PriceHistory::Products(db)) names << QString::fromStdString(product);
        m_names->setStringList(names);
        m_loaded = true;
    }
    if (m_product.isEmpty() && m_names->rowCount() > 0) {
        // The first product until the person chooses one.
        m_product = m_names->stringList().first();
        m_units->clear();
        for (const std::string& u : PriceHistory::Units(db, m_product.toStdString())) m_units->addItem(QString::fromStdString(u));
        m_units->setEnabled(m_units->count() > 1);
    }
    m_focusSeries = nullptr;
    const std::string from = WholeHistory() ? "0000-00-00" : Period().From();
    const std::string to = WholeHistory() ? "9999-12-31" : Period().To();
    m_history = m_product.isEmpty() ? PriceHistory{} : PriceHistory::Read(db, m_product.toStdString(), Unit().toStdString(), from, to);
    chart.setTitle(m_product.isEmpty() ? QStringLiteral("품목을 고르십시오")
                                       : QStringLiteral("%1 (%2) 단가").arg(m_product, Unit()));
    auto* dates = new QDateTimeAxis;
    dates->setFormat(WholeHistory() ? QStringLiteral("yyyy-MM") : QStringLiteral("MM-dd"));
    auto* prices = new QValueAxis;
    prices->setLabelFormat(QStringLiteral("%.0f"));
    prices->setTitleText(QStringLiteral("단가(원)"));
    chart.addAxis(dates, Qt::AlignBottom);
    chart.addAxis(prices, Qt::AlignLeft);
    std::vector<std::string> shops = m_history.Shops();
    long long highest = 0;
    qreal first = 0, last = 0;
    for (size_t s = 0; s < shops.size(); ++s) {
        auto* line = new QLineSeries;
        auto* marks = new QScatterSeries;
        line->setColor(ChartPalette::Colour(static_cast<int>(s), dark));
        marks->setColor(line->color());
        marks->setBorderColor(palette().color(QPalette::Text));
        marks->setMarkerShape(kShapes[s % std::size(kShapes)]);
        marks->setMarkerSize(11);
        marks->setName(QString::fromStdString(shops[s]));
        std::vector<size_t> rows;
        for (size_t i = 0; i < m_history.points.size(); ++i) {
            const PriceHistory::Point& p = m_history.points[i];
            if (p.shop != shops[s]) continue;
            QPointF at(Time(p.date), static_cast<qreal>(p.price));
            line->append(at);
            marks->append(at);
            rows.push_back(i);
            highest = std::max(highest, p.price);
            if (first == 0 || at.x() < first) first = at.x();
            last = std::max(last, at.x());
        }
        connect(marks, &QScatterSeries::hovered, this, [this, marks, rows](const QPointF& at, bool on) {
            if (!on) return QToolTip::hideText();
            const QList<QPointF> points = marks->points();
            for (qsizetype k = 0; k < points.size(); ++k) {
                if (points[k] == at) QToolTip::showText(QCursor::pos(), Describe(rows[static_cast<size_t>(k)]));
            }
        });
        for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(marks)}) {
            chart.addSeries(series);
            series->attachAxis(dates);
            series->attachAxis(prices);
        }
        for (QLegendMarker* marker : chart.legend()->markers(line)) marker->setVisible(false);
    }
    m_focusSeries = new QScatterSeries;
    m_focusSeries->setObjectName(QStringLiteral("focus"));
    m_focusSeries->setMarkerSize(20);
    m_focusSeries->setColor(Qt::transparent);
    m_focusSeries->setBorderColor(palette().color(QPalette::Highlight));
    QPen ring = m_focusSeries->pen();
    ring.setWidth(3);
    ring.setColor(palette().color(QPalette::Highlight));
    m_focusSeries->setPen(ring);
    chart.addSeries(m_focusSeries);
    m_focusSeries->attachAxis(dates);
    m_focusSeries->attachAxis(prices);
    for (QLegendMarker* marker : chart.legend()->markers(m_focusSeries)) marker->setVisible(false);
    const qreal day = 86400000.0;
    dates->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first ? first - 3 * day : 0)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last ? last + 3 * day : day)));
    prices->setRange(0, highest > 0 ? static_cast<qreal>(highest) * 1.15 : 1);
    prices->applyNiceNumbers();
    chart.legend()->setVisible(!shops.empty());
    // Beside the plot each shop has a line of its own; below it a row of
    // shops is cut short to their markers.
    chart.legend()->setAlignment(Qt::AlignRight);
    return m_history.Table();
}

void PriceChartPage::Focused(int row) {
    if (!m_focusSeries) return;
    m_focusSeries->clear();
    if (row < 0 || static_cast<size_t>(row) >= m_history.points.size()) return;
    const PriceHistory::Point& p = m_history.points[static_cast<size_t>(row)];
    m_focusSeries->append(Time(p.date), static_cast<qreal>(p.price));
    Note(Describe(static_cast<size_t>(row)));
}
