#include "companion/CompanionSession.h"

#include "companion/BasketReport.h"
#include "companion/BudgetBook.h"
#include "companion/NotebookQueries.h"
#include "data/CNumberRules.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/NavigationBar.h"
#include "platform/shell/CivilDate.h"
#include "platform/shell/DeviceClock.h"

namespace {

// The device program's templates and controls that the companion follows.
constexpr UINT kPlanDialog = 129;
constexpr UINT kItemsDialog = 130;
constexpr int kItemList = 1012;  // in both: product in column 2, unit in 4
constexpr int kProductColumn = 2;
constexpr int kUnitColumn = 4;
constexpr int kItemsProduct = 1015;
constexpr int kItemsUnit = 1009;
constexpr int kItemsPrice = 1017;
constexpr int kRecentTrips = 10;

bool Follows(const CDialog& dialog) {
    return dialog.TemplateId() == kPlanDialog || dialog.TemplateId() == kItemsDialog;
}

CString TextOf(CDialog& dialog, int nID) {
    CString text;
    dialog.GetDlgItemText(nID, text);
    return text;
}

} // namespace

CompanionSession::CompanionSession() {
    DialogWatcher::Add(this);
}

CompanionSession::~CompanionSession() = default;

CString CompanionSession::Today() {
    SYSTEMTIME now;
    DeviceClock::GetLocalTime(&now);
    return CString::Formatted(u"%.4d-%.2d-%.2d", static_cast<int>(now.wYear), static_cast<int>(now.wMonth),
                              static_cast<int>(now.wDay));
}

void CompanionSession::ShowMonth(const CString& month) {
    m_month = month;
    Refresh();
}

ReportPeriod CompanionSession::ShownMonth() const {
    // Before the first refresh no month is chosen yet: today's.
    const CString month = m_month.IsEmpty() ? Today().Left(7) : m_month;
    return ReportPeriod::OfMonth(CNumberRules::LeadingValue(month.Left(4)), CNumberRules::LeadingValue(month.Mid(5, 2)));
}

bool CompanionSession::CanStepMonth(int direction) const {
    return ShownMonth().CanStep(direction);
}

bool CompanionSession::StepMonth(int direction) {
    ReportPeriod month = ShownMonth();
    if (!month.Step(direction)) return false;
    ShowMonth(CString::Formatted(u"%.4d-%.2d", month.Year(), month.Month()));
    return true;
}

void CompanionSession::Fail(const CString& what) {
    if (m_problem.IsEmpty()) m_problem = what;
}

void CompanionSession::Refresh() {
    m_problem.Empty();
    const CString today = Today();
    if (m_month.IsEmpty()) m_month = today.Left(7);
    ReadMemory();
    std::map<CString, long long> budgets;
    std::vector<MonthBudget::Spent> spent;
    if (BudgetBook::Read(budgets) && BudgetBook::Spending(m_month, spent)) m_budget.Compute(budgets, spent);
    else Fail(u"예산을 읽지 못했습니다.");
    CString problem;
    if ((m_parts & kBasket) && !BasketReport::Compare(m_basket, problem)) Fail(problem);
    CivilDate day{CNumberRules::LeadingValue(today.Left(4)), CNumberRules::LeadingValue(today.Mid(5, 2)),
                  CNumberRules::LeadingValue(today.Mid(8, 2))};
    CivilDate from = CivilDate::FromDaysSince1970(day.DaysSince1970() - 90);
    CString fromText = CString::Formatted(u"%.4d-%.2d-%.2d", from.year, from.month, from.day);
    if ((m_parts & kTrips) && !BuyAgain::RecentTrips(fromText, kRecentTrips, m_trips)) Fail(u"지난 쇼핑을 읽지 못했습니다.");
    if (m_changed) m_changed();
}

void CompanionSession::ReadMemory() {
    if (m_product.IsEmpty()) return;
    std::vector<PriceRecord> records;
    if (!NotebookQueries::Prices(&m_product, records)) {
        m_memory.reset();
        Fail(u"가격 기억을 읽지 못했습니다.");
        return;
    }
    m_memory = PriceMemory::Of(records, m_product, m_unit, Today());
}

void CompanionSession::Remember(const CString& product, const CString& unit) {
    m_product = product;
    m_unit = unit;
    m_note.Empty();
}

void CompanionSession::DialogOpened(CDialog& dialog) {
    // The shopping items show the trip's shop as their title.
    if (dialog.TemplateId() == kItemsDialog) m_shop = NavigationBar::Title();
    if (Follows(dialog)) Refresh();
}

void CompanionSession::DialogEnded(CDialog& dialog) {
    if (dialog.TemplateId() != kItemsDialog) return;
    m_shop.Empty();
    m_note.Empty();
}

void CompanionSession::RowChosen(CDialog& dialog, int nListId, int nRow) {
    if (!Follows(dialog) || nListId != kItemList || nRow < 0) return;
    auto* list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(kItemList));
    if (!list) return;
    Remember(list->GetItemText(nRow, kProductColumn), list->GetItemText(nRow, kUnitColumn));
    Refresh();
}

void CompanionSession::FieldLeft(CDialog& dialog, int nEditId) {
    if (dialog.TemplateId() != kItemsDialog || nEditId != kItemsPrice) return;
    CString product = TextOf(dialog, kItemsProduct);
    if (product.IsEmpty()) return;
    CString unit = TextOf(dialog, kItemsUnit);
    if (product != m_product || unit != m_unit) {
        Remember(product, unit);
        ReadMemory();
    }
    m_note = m_memory ? m_memory->NoteOnTyped(m_shop, TextOf(dialog, kItemsPrice)) : CString();
    if (m_changed) m_changed();
}

void CompanionSession::CommandDone(CDialog& dialog, int nID) {
    (void)dialog;
    (void)nID;
    Refresh();
}
