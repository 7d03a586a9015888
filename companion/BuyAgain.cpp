#include "companion/BuyAgain.h"

#include <algorithm>
#include <memory>
#include <set>

#include "companion/NotebookReader.h"
#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"

namespace {

constexpr const char16_t* kTrips =
    u"select MgrNo,ShpDate,StoreName,ShpAmount from ShoppingList_tbl where ShpDate >= '%s' and PayYN = 'Y' "
    u"order by ShpDate, MgrNo";
constexpr const char16_t* kTripItems =
    u"select CategoryName,ProdName,ShpQty,UnitName,CuponYN,CuponDcAmt from ShoppingList_tbl where MgrNo=%s and "
    u"PayYN = 'Y' order by SeqNo";
constexpr const char16_t* kPlanProducts = u"select ProdName from ShoppingList_tbl where PayYN <> 'Y'";

// Each row inside the caller's transaction: the key read there is still
// free when the row is stored.
bool AddRow(CDataLoader& loader, const NotebookReader& items, int row) {
    CString strSeqNo;
    CString strLast = loader.FetchFirstRow(Sql::kLastSeqNo);
    if (loader.LastFailed() || !CNumberRules::NextKey(strLast, strSeqNo)) return false;
    return loader.Execute(CStatementBuilder::Format(
        Sql::kPlanInsert, {strSeqNo, items.Cell(row, 0), items.Cell(row, 1), items.Cell(row, 2), items.Cell(row, 3),
                           items.Cell(row, 4), items.Cell(row, 5)}));
}

} // namespace

bool BuyAgain::RecentTrips(const CString& from, int most, std::vector<Trip>& trips) {
    trips.clear();
    NotebookReader reader;
    if (!reader.Read(CStatementBuilder::Format(kTrips, {from}), 4)) return false;
    for (int i = 0; i < reader.Rows(); ++i) {
        if (trips.empty() || trips.back().mgrNo != reader.Cell(i, 0) || trips.back().date != reader.Cell(i, 1)) {
            trips.push_back({reader.Cell(i, 0), reader.Cell(i, 1), reader.Cell(i, 2), 0, 0});
        }
        ++trips.back().items;
        trips.back().amount += reader.Number(i, 3);
    }
    std::reverse(trips.begin(), trips.end());
    if (static_cast<int>(trips.size()) > most) trips.resize(static_cast<size_t>(most));
    return true;
}

bool BuyAgain::PutBack(const CString& mgrNo, Outcome& outcome, CString& problem) {
    outcome = Outcome{};
    NotebookReader items;
    CString statement = CStatementBuilder::Format(kTripItems, {mgrNo});
    if (statement.IsEmpty() || !items.Read(statement, 6) || items.Rows() == 0) {
        problem = u"그 쇼핑의 품목을 읽지 못했습니다.";
        return false;
    }
    auto loader = std::make_unique<CDataLoader>(nullptr, 0);
    NotebookReader plan;
    bool done = loader->Open() && loader->BeginTrans() && plan.Read(kPlanProducts, 1);
    std::set<CString> onPlan;
    for (int i = 0; done && i < plan.Rows(); ++i) onPlan.insert(plan.Cell(i, 0));
    for (int i = 0; done && i < items.Rows(); ++i) {
        if (!onPlan.insert(items.Cell(i, 1)).second) {
            ++outcome.skipped;
            continue;
        }
        done = AddRow(*loader, items, i);
        if (done) ++outcome.added;
    }
    done = done && loader->CommitTrans();
    if (!done) {
        outcome = Outcome{};
        problem = u"계획에 다시 담지 못했습니다. 아무것도 더하지 않았습니다.";
    }
    return done;
}

CString BuyAgain::Said(const Outcome& outcome) {
    return CString::Formatted(u"%d개를 계획에 담았고 이미 있는 %d개는 건너뛰었습니다.", outcome.added, outcome.skipped);
}
