#include "platform/qt/desktop/CompanionPanel.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "companion/BudgetBook.h"
#include "data/CNumberRules.h"
#include "platform/qt/reports/ChartPalette.h"

namespace {

QString Q(const CString& text) {
    return QString::fromStdU16String(text.str());
}

QString Won(long long value) {
    return Q(CNumberRules::Text(value));
}

QTableWidget* Table(QWidget* parent, const QStringList& titles, const char* name) {
    auto* table = new QTableWidget(0, static_cast<int>(titles.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void Put(QTableWidget* table, int row, const QStringList& cells, const QColor& colour = QColor()) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c > 0 && !cells[c].isEmpty() && (cells[c][0].isDigit() || cells[c][0] == u'-' || cells[c][0] == u'+')) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        // The amber, red and tinted rows are light on either palette: their
        // text is the dark one that reads on them.
        if (colour.isValid()) {
            item->setBackground(colour);
            item->setForeground(ChartPalette::TextOn(colour));
        }
        table->setItem(row, c, item);
    }
}

QLabel* Label(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QColor ColourOf(MonthBudget::Level level) {
    switch (level) {
    case MonthBudget::Level::Over: return QColor(0xF4, 0xA0, 0xA0);
    case MonthBudget::Level::Near: return QColor(0xF8, 0xD0, 0x70);
    case MonthBudget::Level::Fine: break;
    }
    return QColor();
}

} // namespace

CompanionPanel::CompanionPanel(QWidget* parent) : QWidget(parent), m_session(std::make_unique<CompanionSession>()) {
    setObjectName(QStringLiteral("companion"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("companion-tabs"));
    m_tabs->addTab(MemoryPage(), QStringLiteral("가격 기억"));
    m_tabs->addTab(BasketPage(), QStringLiteral("장바구니 비교"));
    m_tabs->addTab(BudgetPage(), QStringLiteral("예산"));
    m_tabs->addTab(TripsPage(), QStringLiteral("다시 담기"));
    layout->addWidget(m_tabs);
    m_problem = Label(this, "companion-problem");
    ShowProblemsInRed();
    layout->addWidget(m_problem);
    m_session->OnChanged([this] { Draw(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        WatchShownPage();
        m_session->Refresh();
    });
    WatchShownPage();
    m_session->Refresh();
}

CompanionPanel::~CompanionPanel() = default;

void CompanionPanel::ShowProblemsInRed() {
    // A red that reads on the desktop's window colour, light or dark.
    bool dark = ChartPalette::Dark(palette());
    m_problem->setStyleSheet(dark ? QStringLiteral("color: #FF8A80; font-weight: bold")
                                  : QStringLiteral("color: #B00000; font-weight: bold"));
}

void CompanionPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_problem) ShowProblemsInRed();
}

QWidget* CompanionPanel::MemoryPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_memoryHead = Label(page, "memory-head");
    m_note = Label(page, "memory-note");
    m_note->setStyleSheet(QStringLiteral("background: #F8D070; color: black; padding: 4px"));
    m_memory = Table(page, {QStringLiteral("쇼핑점"), QStringLiteral("지난 단가"), QStringLiteral("날짜"),
                            QStringLiteral("지난번보다")}, "memory");
    layout->addWidget(m_memoryHead);
    layout->addWidget(m_note);
    layout->addWidget(m_memory, 1);
    return page;
}

QWidget* CompanionPanel::BasketPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_basketHead = Label(page, "basket-head");
    m_basket = Table(page, {QStringLiteral("쇼핑점"), QStringLiteral("합계"), QStringLiteral("가격있음"),
                            QStringLiteral("가장오래된가격")}, "basket");
    layout->addWidget(m_basketHead);
    layout->addWidget(m_basket, 1);
    return page;
}

QWidget* CompanionPanel::BudgetPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_budgetHead = Label(page, "budget-head");
    m_budgetHead->setWordWrap(false);
    m_budgetHead->setAlignment(Qt::AlignCenter);
    auto* month = new QHBoxLayout;
    m_budgetBack = new QPushButton(QStringLiteral("◀"), page);
    m_budgetBack->setObjectName(QStringLiteral("budget-previous"));
    m_budgetBack->setAccessibleName(QStringLiteral("이전 달"));
    m_budgetForth = new QPushButton(QStringLiteral("▶"), page);
    m_budgetForth->setObjectName(QStringLiteral("budget-next"));
    m_budgetForth->setAccessibleName(QStringLiteral("다음 달"));
    connect(m_budgetBack, &QPushButton::clicked, this, [this] { m_session->StepMonth(-1); });
    connect(m_budgetForth, &QPushButton::clicked, this, [this] { m_session->StepMonth(+1); });
    month->addWidget(m_budgetBack);
    month->addWidget(m_budgetHead, 1);
    month->addWidget(m_budgetForth);
    m_budget = Table(page, {QStringLiteral("분류"), QStringLiteral("예산"), QStringLiteral("결제"),
                            QStringLiteral("가격만"), QStringLiteral("남음"), QStringLiteral("")}, "budget");
    auto* entry = new QHBoxLayout;
    m_budgetCategory = new QComboBox(page);
    m_budgetCategory->setObjectName(QStringLiteral("budget-category"));
    m_budgetCategory->setEditable(true);
    m_budgetAmount = new QLineEdit(page);
    m_budgetAmount->setObjectName(QStringLiteral("budget-amount"));
    m_budgetAmount->setPlaceholderText(QStringLiteral("한 달 예산 (원)"));
    auto* set = new QPushButton(QStringLiteral("예산 정하기"), page);
    set->setObjectName(QStringLiteral("budget-set"));
    connect(set, &QPushButton::clicked, this, [this] { SetBudget(); });
    entry->addWidget(m_budgetCategory, 1);
    entry->addWidget(m_budgetAmount, 1);
    entry->addWidget(set);
    m_budgetSaid = Label(page, "budget-said");
    // The warnings again in words under the table, where a narrow panel
    // does not scroll them out of sight as it does the table's last column.
    m_budgetWarnings = Label(page, "budget-warnings");
    layout->addLayout(month);
    layout->addWidget(m_budget, 1);
    layout->addWidget(m_budgetWarnings);
    layout->addLayout(entry);
    layout->addWidget(m_budgetSaid);
    return page;
}

QWidget* CompanionPanel::TripsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_trips = Table(page, {QStringLiteral("날짜"), QStringLiteral("쇼핑점"), QStringLiteral("품목"),
                           QStringLiteral("금액")}, "trips");
    auto* again = new QPushButton(QStringLiteral("계획에 다시 담기"), page);
    again->setObjectName(QStringLiteral("trips-again"));
    connect(again, &QPushButton::clicked, this, [this] { PutBack(); });
    m_tripsSaid = Label(page, "trips-said");
    layout->addWidget(m_trips, 1);
    layout->addWidget(again);
    layout->addWidget(m_tripsSaid);
    return page;
}

void CompanionPanel::WatchShownPage() {
    // The basket and the trips read long histories: only while shown.
    int page = m_tabs->currentIndex();
    m_session->Watch(page == 1 ? CompanionSession::kBasket : page == 3 ? CompanionSession::kTrips : 0);
}

void CompanionPanel::Draw() {
    DrawMemory();
    DrawBudget();
    if (m_tabs->currentIndex() == 1) DrawBasket();
    if (m_tabs->currentIndex() == 3) DrawTrips();
    m_problem->setText(Q(m_session->Problem()));
}

void CompanionPanel::DrawMemory() {
    const auto& memory = m_session->Memory();
    m_note->setText(Q(m_session->Note()));
    m_note->setVisible(!m_session->Note().IsEmpty());
    m_memory->setRowCount(0);
    if (!memory) {
        m_memoryHead->setText(QStringLiteral("쇼핑계획이나 쇼핑하기에서 품목을 고르면 지난 가격이 나옵니다."));
        return;
    }
    QString head = QStringLiteral("%1 (%2)").arg(Q(memory->Product()), Q(memory->Unit()));
    if (memory->Lowest()) {
        head += QStringLiteral("\n최근 12개월: 최저 %1원, 최고 %2원")
                    .arg(Won(*memory->Lowest()), Won(*memory->Highest()));
    } else {
        head += QStringLiteral("\n최근 12개월에 산 적이 없습니다.");
    }
    if (!m_session->Shop().IsEmpty()) head += QStringLiteral("\n지금 쇼핑점: ") + Q(m_session->Shop());
    m_memoryHead->setText(head);
    m_memory->setRowCount(static_cast<int>(memory->Shops().size()));
    int row = 0;
    for (const PriceMemory::ShopLine& line : memory->Shops()) {
        QString change = line.change ? (*line.change > 0 ? QStringLiteral("+") : QString()) + Won(*line.change) : QString();
        QColor colour = line.shop == m_session->Shop() ? QColor(0xD8, 0xE8, 0xF8) : QColor();
        Put(m_memory, row++, {Q(line.shop), Won(line.price), Q(line.date), change}, colour);
    }
}

void CompanionPanel::DrawBasket() {
    const BasketComparison& basket = m_session->Basket();
    m_basket->setRowCount(static_cast<int>(basket.Shops().size()) + 1);
    int row = 0;
    auto covered = [](const BasketComparison::Line& line) { return QStringLiteral("%1/%2").arg(line.covered).arg(line.rows); };
    for (const BasketComparison::Line& line : basket.Shops()) {
        Put(m_basket, row++, {Q(line.shop), Won(line.total), covered(line), Q(line.oldest)});
    }
    Put(m_basket, row, {QStringLiteral("나눠사기"), Won(basket.Split().total), covered(basket.Split()),
                        Q(basket.Split().oldest)}, QColor(0xE0, 0xF0, 0xE0));
    const BasketComparison::Line* whole = basket.CheapestWhole();
    m_basketHead->setText(whole ? QStringLiteral("모두 있는 가장 싼 곳: %1 %2원\n나눠 사면 %3원 아낍니다.")
                                      .arg(Q(whole->shop), Won(whole->total), Won(*basket.SplitSaves()))
                                : QStringLiteral("계획의 모든 품목에 가격이 있는 쇼핑점이 없습니다."));
}

void CompanionPanel::DrawBudget() {
    const MonthBudget& budget = m_session->Budget();
    const CString& month = m_session->Month();
    m_budgetHead->setText(QStringLiteral("%1년 %2월 예산").arg(Q(month.Left(4)), Q(month.Mid(5, 2))));
    m_budgetBack->setEnabled(m_session->CanStepMonth(-1));
    m_budgetForth->setEnabled(m_session->CanStepMonth(+1));
    std::vector<MonthBudget::Line> lines = budget.Lines();
    lines.push_back(budget.Whole());
    m_budget->setRowCount(static_cast<int>(lines.size()));
    QStringList warnings;
    for (size_t i = 0; i < lines.size(); ++i) {
        const MonthBudget::Line& line = lines[i];
        bool whole = i + 1 == lines.size();
        bool hasBudget = !whole || budget.WholeHasBudget();
        Put(m_budget, static_cast<int>(i),
            {whole ? QStringLiteral("한 달 전체") : Q(line.category), hasBudget ? Won(line.budget) : QString(), Won(line.paid),
             Won(line.priced), hasBudget ? Won(line.Left()) : QString(), Q(line.Note())},
            ColourOf(line.level));
        if (!line.Note().IsEmpty()) warnings << m_budget->item(static_cast<int>(i), 0)->text() + QStringLiteral(": ") + Q(line.Note());
    }
    m_budgetWarnings->setText(warnings.join(QLatin1Char('\n')));
    if (m_budgetCategory->count() == 0) m_budgetCategory->addItem(QStringLiteral("한 달 전체"));
    for (const MonthBudget::Line& line : budget.Lines()) {
        if (m_budgetCategory->findText(Q(line.category)) < 0) m_budgetCategory->addItem(Q(line.category));
    }
}

void CompanionPanel::DrawTrips() {
    const auto& trips = m_session->Trips();
    m_trips->setRowCount(static_cast<int>(trips.size()));
    int row = 0;
    for (const BuyAgain::Trip& trip : trips) {
        Put(m_trips, row++, {Q(trip.date), Q(trip.shop), QString::number(trip.items), Won(trip.amount)});
    }
}

void CompanionPanel::SetBudget() {
    QString chosen = m_budgetCategory->currentText().trimmed();
    CString category = chosen == QStringLiteral("한 달 전체") ? CString() : CString(chosen.toStdU16String());
    CString problem;
    if (BudgetBook::Set(category, CString(m_budgetAmount->text().toStdU16String()), problem)) {
        m_budgetSaid->setText(QStringLiteral("예산을 정했습니다."));
        m_budgetAmount->clear();
    } else {
        m_budgetSaid->setText(Q(problem));
    }
    m_session->Refresh();
}

void CompanionPanel::PutBack() {
    int row = m_trips->currentRow();
    const auto& trips = m_session->Trips();
    if (row < 0 || row >= static_cast<int>(trips.size())) {
        m_tripsSaid->setText(QStringLiteral("다시 담을 쇼핑을 고르세요."));
        return;
    }
    BuyAgain::Outcome outcome;
    CString problem;
    m_tripsSaid->setText(Q(BuyAgain::PutBack(trips[static_cast<size_t>(row)].mgrNo, outcome, problem) ? BuyAgain::Said(outcome)
                                                                                                        : problem));
    m_session->Refresh();
}
