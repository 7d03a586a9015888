#include "companion/BudgetBook.h"

#include <memory>

#include "companion/NotebookReader.h"
#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "platform/recordset/DatabaseChoice.h"

namespace {

// Which tables a notebook holds is each engine's own catalogue: SQLite's
// sqlite_master, PostgreSQL's information schema (where an unquoted name is
// kept in lower case).
constexpr const char16_t* kHasTable = u"select name from sqlite_master where type='table' and name='Budget_tbl'";
constexpr const char16_t* kHasSharedTable =
    u"select table_name from information_schema.tables where table_schema = current_schema() and table_name = 'budget_tbl'";
constexpr const char16_t* kCreate = u"create table if not exists Budget_tbl (CategoryName text, BudgetAmt integer)";
constexpr const char16_t* kBudgets = u"select CategoryName,BudgetAmt from Budget_tbl";
constexpr const char16_t* kForget = u"delete from Budget_tbl WHERE CategoryName='%s'";
constexpr const char16_t* kKeep = u"insert into Budget_tbl (CategoryName, BudgetAmt) values ('%s',%s)";
constexpr const char16_t* kMonth =
    u"select CategoryName,ShpAmount,PayYN from ShoppingList_tbl where ShpDate >= '%s-01' and ShpDate <= '%s-31' "
    u"and ShpAmount > 0";

} // namespace

bool BudgetBook::Read(std::map<CString, long long>& budgets) {
    budgets.clear();
    NotebookReader reader;
    if (!reader.Read(DatabaseChoice::IsPostgres() ? kHasSharedTable : kHasTable, 1)) return false;
    if (reader.Rows() == 0) return true;  // an older notebook: no budget set yet
    if (!reader.Read(kBudgets, 2)) return false;
    for (int i = 0; i < reader.Rows(); ++i) budgets[reader.Cell(i, 0)] = reader.Number(i, 1);
    return true;
}

bool BudgetBook::Set(const CString& category, const CString& amountText, CString& problem) {
    CString amount = amountText;
    if (!CNumberRules::NormaliseWholeNumber(amount) || amount.IsEmpty() || CNumberRules::LeadingValue(amount) < 0) {
        problem = u"예산은 0부터 2147483647까지의 정수로 적어 주세요.";
        return false;
    }
    auto loader = std::make_unique<CDataLoader>(nullptr, 0);
    bool stored = loader->Open() && loader->BeginTrans() && loader->Execute(kCreate) &&
                  loader->Execute(CStatementBuilder::Format(kForget, {category})) &&
                  loader->Execute(CStatementBuilder::Format(kKeep, {category, amount})) && loader->CommitTrans();
    // A loader deleted with its transaction open keeps nothing of it.
    if (!stored) problem = u"예산을 저장하지 못했습니다.";
    return stored;
}

bool BudgetBook::Spending(const CString& month, std::vector<MonthBudget::Spent>& spent) {
    spent.clear();
    NotebookReader reader;
    if (!reader.Read(CStatementBuilder::Format(kMonth, {month, month}), 3)) return false;
    for (int i = 0; i < reader.Rows(); ++i) {
        spent.push_back({reader.Cell(i, 0), reader.Number(i, 1), reader.Cell(i, 2) == CString(u"Y")});
    }
    return true;
}
