#include "platform/qt/reports/ReportPage.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/WholeFile.h"
#include "platform/qt/reports/ChartPalette.h"
#include "platform/qt/reports/ChartTableModel.h"
#include "platform/shell/DeviceClock.h"

namespace {

ReportPeriod Today(ReportPage::Periods periods) {
    SYSTEMTIME now{};
    DeviceClock::GetLocalTime(&now);
    if (periods == ReportPage::Periods::MonthOrYear) return ReportPeriod::OfMonth(now.wYear, now.wMonth);
    return ReportPeriod::OfYear(now.wYear);
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

ReportPage::ReportPage(std::filesystem::path notebook, Periods periods, QWidget* parent)
    : QWidget(parent), m_notebook(std::move(notebook)), m_period(Today(periods)), m_periods(periods) {
    auto* layout = new QVBoxLayout(this);
    m_bar = new QHBoxLayout;
    layout->addLayout(m_bar);
    if (periods != Periods::YearOnly) {
        m_mode = new QComboBox(this);
        m_mode->setObjectName(QStringLiteral("period-kind"));
        m_mode->setAccessibleName(QStringLiteral("기간"));
        if (periods == Periods::MonthOrYear) m_mode->addItems({QStringLiteral("월별"), QStringLiteral("년간")});
        else m_mode->addItems({QStringLiteral("년간"), QStringLiteral("전체")});
        connect(m_mode, &QComboBox::activated, this, [this](int index) {
            if (m_periods == Periods::MonthOrYear) {
                SYSTEMTIME now{};
                DeviceClock::GetLocalTime(&now);
                m_period = index == 0 ? m_period.AsMonth(m_period.Year() == now.wYear ? now.wMonth : 1) : m_period.AsYear();
            }
            Refresh();
        });
        m_bar->addWidget(m_mode);
    }
    m_prev = Button(QStringLiteral("◀"), QStringLiteral("previous"), this);
    m_prev->setAccessibleName(QStringLiteral("이전 기간"));
    m_periodLabel = new QLabel(this);
    m_periodLabel->setObjectName(QStringLiteral("period"));
    m_periodLabel->setAlignment(Qt::AlignCenter);
    m_periodLabel->setMinimumWidth(m_periodLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000년00월")) + 12);
    m_next = Button(QStringLiteral("▶"), QStringLiteral("next"), this);
    m_next->setAccessibleName(QStringLiteral("다음 기간"));
    connect(m_prev, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { Step(+1); });
    m_bar->addWidget(m_prev);
    m_bar->addWidget(m_periodLabel);
    m_bar->addWidget(m_next);
    m_bar->addStretch(1);
    auto* exports = new QHBoxLayout;
    exports->addStretch(1);
    for (const char* kind : {"CSV", "PNG", "SVG"}) {
        QString text = QString::fromLatin1(kind);
        QPushButton* button = Button(text + QStringLiteral("…"), QStringLiteral("export-") + text.toLower(), this);
        button->setToolTip(text + QStringLiteral("로 내보내기"));
        connect(button, &QPushButton::clicked, this, [this, text] { ChooseExport(text); });
        exports->addWidget(button);
    }

    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chart"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(420, 320);
    m_model = new ChartTableModel(this);
    m_tableView = new QTableView(this);
    m_tableView->setObjectName(QStringLiteral("numbers"));
    m_tableView->setModel(m_model);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setTabKeyNavigation(false);
    m_tableView->verticalHeader()->setVisible(false);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { Focused(current.isValid() ? current.row() : -1); });
    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->addWidget(m_view);
    m_split->addWidget(m_tableView);
    // Two thirds for the chart, now and as the window grows: the table
    // scrolls, the chart's labels and legend cannot.
    m_split->setStretchFactor(0, 2);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({2000, 1000});
    layout->addWidget(m_split, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addLayout(exports);
    layout->addLayout(bottom);
    ShowPeriod();
}

ReportPage::~ReportPage() = default;

const ChartTable& ReportPage::Table() const {
    return m_model->Table();
}

bool ReportPage::WholeHistory() const {
    return m_periods == Periods::YearOrAll && m_mode->currentIndex() == 1;
}

void ReportPage::SetPeriod(const ReportPeriod& period) {
    m_period = m_periods == Periods::MonthOrYear ? period : period.AsYear();
    if (m_mode && m_periods == Periods::MonthOrYear) m_mode->setCurrentIndex(m_period.Monthly() ? 0 : 1);
    Refresh();
}

void ReportPage::SetWholeHistory(bool whole) {
    if (m_periods != Periods::YearOrAll) return;
    m_mode->setCurrentIndex(whole ? 1 : 0);
    Refresh();
}

bool ReportPage::Step(int direction) {
    if (WholeHistory() || !m_period.Step(direction)) return false;
    Refresh();
    return true;
}

void ReportPage::ShowPeriod() {
    const bool whole = WholeHistory();
    m_periodLabel->setText(whole ? QStringLiteral("전체 기간") : QString::fromStdString(m_period.Label()));
    m_prev->setEnabled(!whole && m_period.CanStep(-1));
    m_next->setEnabled(!whole && m_period.CanStep(+1));
}

void ReportPage::Refresh() {
    if (m_refreshing) return;
    m_refreshing = true;
    ShowPeriod();
    for (const Placed& placed : m_labels) delete placed.item;
    m_labels.clear();
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    ChartPalette::Apply(*m_chart, palette());
    m_failure.clear();
    try {
        Database db(m_notebook, Database::Mode::ReadOnly);
        m_model->SetTable(Draw(db, *m_chart, ChartPalette::Dark(palette())));
    } catch (const DeskFailure& failure) {
        m_failure = QString::fromStdString(failure.what());
        m_model->SetTable({});
    }
    m_status->setText(m_failure.isEmpty() && m_model->rowCount() == 0 ? QStringLiteral("이 기간에 결제한 품목이 없습니다.") : m_failure);
    PlaceLabels();
    m_refreshing = false;
}

void ReportPage::Label(const QString& text, std::function<QPointF()> centre, bool bold) {
    auto* item = new QGraphicsSimpleTextItem(text, m_chart);
    item->setBrush(palette().color(QPalette::Text));
    QFont font = item->font();
    font.setBold(bold);
    if (bold) font.setPointSizeF(font.pointSizeF() * 1.3);
    item->setFont(font);
    // Above the series: a total partly hidden by a bar reads as another
    // number.
    item->setZValue(100);
    m_labels.push_back({item, {text}, std::move(centre), {}});
}

void ReportPage::Label(const QStringList& forms, std::function<QPointF()> centre, std::function<qreal()> room) {
    Label(forms.value(0), std::move(centre));
    m_labels.back().forms = forms;
    m_labels.back().room = std::move(room);
}

void ReportPage::PlaceLabels() {
    // Two labels never share a column, not even stacked: a total that only
    // misses its neighbour's by height still stands over the neighbour's
    // bar, where it is read as that bar's.
    constexpr qreal kGap = 6;
    std::vector<QRectF> taken;
    for (const Placed& placed : m_labels) {
        const QPointF at = placed.centre();
        const qreal room = placed.room ? placed.room() : std::numeric_limits<qreal>::max();
        placed.item->setVisible(false);
        for (qsizetype i = 0; i < placed.forms.size(); ++i) {
            placed.item->setText(placed.forms[i]);
            QRectF box = placed.item->boundingRect();
            const bool shortest = i + 1 == placed.forms.size();
            if (!shortest && box.width() > room) continue;
            box.moveCenter(at);
            const QRectF span = box.adjusted(-kGap / 2, 0, kGap / 2, 0);
            const bool free = std::none_of(taken.begin(), taken.end(), [&span](const QRectF& other) {
                return other.left() < span.right() && span.left() < other.right();
            });
            if (!free) continue;
            placed.item->setPos(box.topLeft());
            placed.item->setVisible(true);
            taken.push_back(span);
            break;
        }
    }
}

void ReportPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) Refresh();
}

bool ReportPage::ExportCsv(const QString& file, bool cp949) {
    try {
        auto encoding = cp949 ? ItemsExport::Encoding::Cp949 : ItemsExport::Encoding::Utf8;
        WholeFile::Write(std::filesystem::path(file.toStdString()), Table().Csv(encoding, file.toStdString()));
        return true;
    } catch (const DeskFailure& failure) {
        m_failure = QString::fromStdString(failure.what());
        m_status->setText(m_failure);
        return false;
    }
}

bool ReportPage::ExportPng(const QString& file) {
    if (m_view->grab().save(file, "PNG")) return true;
    m_failure = file + QStringLiteral(": 쓸 수 없습니다");
    m_status->setText(m_failure);
    return false;
}

bool ReportPage::ExportSvg(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(m_view->size());
    svg.setViewBox(QRect(QPoint(0, 0), m_view->size()));
    svg.setTitle(QStringLiteral("Cartavel ") + m_periodLabel->text());
    QPainter painter;
    if (!painter.begin(&svg)) {
        m_failure = file + QStringLiteral(": 쓸 수 없습니다");
        m_status->setText(m_failure);
        return false;
    }
    m_view->render(&painter);
    painter.end();
    return true;
}

void ReportPage::ChooseExport(const QString& kind) {
    QString filter = kind + QStringLiteral(" (*.") + kind.toLower() + QStringLiteral(")");
    QString file = QFileDialog::getSaveFileName(this, kind + QStringLiteral("로 내보내기"), QString(), filter);
    if (file.isEmpty()) return;
    bool done = kind == QStringLiteral("CSV") ? ExportCsv(file, false) : kind == QStringLiteral("PNG") ? ExportPng(file) : ExportSvg(file);
    if (done) m_status->setText(QStringLiteral("내보냈습니다: ") + file);
}

void ReportPage::Note(const QString& text) {
    m_status->setText(text);
}

QString ReportPage::TenThousands(long long amount) {
    // Tenths of 만 (thousands of won), rounded half away from zero, on the
    // magnitude so that no amount overflows.
    const unsigned long long magnitude = amount < 0 ? 0ULL - static_cast<unsigned long long>(amount)
                                                     : static_cast<unsigned long long>(amount);
    const unsigned long long tenths = magnitude / 1000 + (magnitude % 1000 >= 500 ? 1 : 0);
    return QStringLiteral("%1%2.%3만").arg(amount < 0 ? QStringLiteral("-") : QString()).arg(tenths / 10).arg(tenths % 10);
}

QString ReportPage::Won(long long amount) {
    return QLocale(QLocale::Korean, QLocale::SouthKorea).toString(static_cast<qlonglong>(amount)) + QStringLiteral("원");
}
