#include "companion/NotebookQueries.h"

#include "companion/NotebookReader.h"
#include "data/CStatementBuilder.h"

namespace {

constexpr const char16_t* kAllPrices =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where PayYN = 'Y'";
constexpr const char16_t* kPricesOf =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where ProdName='%s' and PayYN = 'Y'";
constexpr const char16_t* kPlan = u"select ProdName,UnitName,ShpQty from ShoppingList_tbl where PayYN <> 'Y' order by ProdName";

} // namespace

bool NotebookQueries::Prices(const CString* product, std::vector<PriceRecord>& records) {
    records.clear();
    NotebookReader reader;
    CString statement = product ? CStatementBuilder::Format(kPricesOf, {*product}) : CString(kAllPrices);
    if (!reader.Read(statement, 6)) return false;
    records.reserve(static_cast<size_t>(reader.Rows()));
    for (int i = 0; i < reader.Rows(); ++i) {
        records.push_back({reader.Cell(i, 0), reader.Cell(i, 1), reader.Cell(i, 2), reader.Cell(i, 3), reader.Number(i, 4),
                           reader.Number(i, 5)});
    }
    return true;
}

bool NotebookQueries::Plan(std::vector<PlanRow>& plan) {
    plan.clear();
    NotebookReader reader;
    if (!reader.Read(kPlan, 3)) return false;
    for (int i = 0; i < reader.Rows(); ++i) plan.push_back({reader.Cell(i, 0), reader.Cell(i, 1), reader.Number(i, 2)});
    return true;
}
