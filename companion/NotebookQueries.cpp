#include "companion/NotebookQueries.h"

#include "companion/NotebookReader.h"
#include "data/CStatementBuilder.h"
#include "platform/recordset/DatabaseChoice.h"
#include "tools/install/PaidIndexes.h"

namespace {

constexpr const char16_t* kAllPrices =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where PayYN = 'Y'";
constexpr const char16_t* kPricesOf =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from ShoppingList_tbl where ProdName='%s' and PayYN = 'Y'";
// A notebook without the prices' index: every paid row of the plan's
// products ranked inside the database, so that the history is not carried
// row by row into the program; one pass, where the walk below would scan the
// table at each of its steps. (Both engines know window functions.) It
// gives what the walk gives.
constexpr const char16_t* kLatestPricesRanked =
    u"select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from (select ProdName,UnitName,StoreName,ShpDate,SeqNo,"
    u"Price,row_number() over (partition by ProdName,UnitName,StoreName order by ShpDate desc,SeqNo desc) as Place "
    u"from ShoppingList_tbl where PayYN = 'Y' and StoreName is not null and ShpDate is not null and ProdName in "
    u"(select ProdName from ShoppingList_tbl where PayYN <> 'Y')) as Latest where Place = 1";
// The basket needs only the latest paid price of each product and unit at
// each shop, and only for the pairs on the plan. Ranking every paid row of
// those products costs their whole history; instead the walk below visits
// the shops of each pair from the last name down, one row per shop: each
// step is the paid row just below the previous shop in (product, unit, shop,
// date, SeqNo) order, that is the next shop's latest, so that the work
// follows the size of the answer and an index in that order (the paid
// prices') makes each step one seek. A paid row without a shop or a date is
// no price at a shop. (Both engines know recursive common table
// expressions; the inner ORDER BYs see no NULL.)
#define CARTAVEL_LATEST_BELOW(pair, shopCondition)                                                          \
    u"join ShoppingList_tbl as Paid on Paid.SeqNo = (select SeqNo from ShoppingList_tbl where PayYN = 'Y' " \
    u"and StoreName is not null and ShpDate is not null and ProdName = " pair u".ProdName and UnitName = "    \
    pair u".UnitName" shopCondition u" order by StoreName desc, ShpDate desc, SeqNo desc limit 1)"
constexpr const char16_t* kLatestPricesWalked =
    u"with recursive Latest(ProdName,UnitName,StoreName,ShpDate,SeqNo,Price) as ("
    u"select Paid.ProdName,Paid.UnitName,Paid.StoreName,Paid.ShpDate,Paid.SeqNo,Paid.Price from "
    u"(select distinct ProdName,UnitName from ShoppingList_tbl where PayYN <> 'Y') as PlanPair "
    CARTAVEL_LATEST_BELOW(u"PlanPair", u"")
    u" union all "
    u"select Paid.ProdName,Paid.UnitName,Paid.StoreName,Paid.ShpDate,Paid.SeqNo,Paid.Price from Latest "
    CARTAVEL_LATEST_BELOW(u"Latest", u" and StoreName < Latest.StoreName")
    u") select ProdName,UnitName,StoreName,ShpDate,SeqNo,Price from Latest";
#undef CARTAVEL_LATEST_BELOW
constexpr const char16_t* kPlan = u"select ProdName,UnitName,ShpQty from ShoppingList_tbl where PayYN <> 'Y' order by ProdName";

} // namespace

bool NotebookQueries::Prices(const CString* product, std::vector<PriceRecord>& records) {
    return Read(product ? CStatementBuilder::Format(kPricesOf, {*product}) : CString(kAllPrices), records);
}

bool NotebookQueries::LatestPrices(std::vector<PriceRecord>& records) {
    NotebookReader index;
    if (!index.Read(PaidIndexes::HasPricesSql(DatabaseChoice::IsPostgres()), 1)) return false;
    return Read(index.Rows() > 0 ? kLatestPricesWalked : kLatestPricesRanked, records);
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
