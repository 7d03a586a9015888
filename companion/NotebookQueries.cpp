#include "companion/NotebookQueries.h"

#include "companion/NotebookReader.h"
#include "data/CStatementBuilder.h"

namespace {

constexpr const char16_t* kAllPrices =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where PayYN = 'Y'";
constexpr const char16_t* kPricesOf =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where ProdName='%s' and PayYN = 'Y'";
// The basket needs only the latest paid price of each product and unit at
// each shop, and only for the products on the plan: ranked inside the
// database, so that a ten-year history is not carried row by row into the
// program. (Both engines know window functions.)
constexpr const char16_t* kLatestPrices =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from (select ProdName,UnitName,StoreName,ShpDate,SeqNo,"
    u"Price,row_number() over (partition by ProdName,UnitName,StoreName order by ShpDate desc,SeqNo desc) as Place "
    u"from ShoppingList_tbl where PayYN = 'Y' and ProdName in (select ProdName from ShoppingList_tbl where "
    u"PayYN <> 'Y')) as Latest where Place = 1";
constexpr const char16_t* kPlan = u"select ProdName,UnitName,ShpQty from ShoppingList_tbl where PayYN <> 'Y' order by ProdName";

} // namespace

bool NotebookQueries::Prices(const CString* product, std::vector<PriceRecord>& records) {
    return Read(product ? CStatementBuilder::Format(kPricesOf, {*product}) : CString(kAllPrices), records);
}

bool NotebookQueries::LatestPrices(std::vector<PriceRecord>& records) {
    return Read(kLatestPrices, records);
}

bool NotebookQueries::Read(const CString& statement, std::vector<PriceRecord>& records) {
    records.clear();
    NotebookReader reader;
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
