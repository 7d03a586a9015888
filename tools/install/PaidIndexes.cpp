#include "tools/install/PaidIndexes.h"

namespace {

// The statistics, the search and the charts read the paid rows of a period:
// this index holds just those, in date order, with every column they read,
// so a year costs its own rows and never a visit to the table, however long
// the history. SeqNo follows the trip number so that the items of one trip
// come in the order they were planned, as the table gives them.
//
// The prices' index holds the paid rows by product, unit, shop, date and
// SeqNo, with the unit price and the amount: the latest price of a product
// at a shop is the last entry of its shop, found by one seek (the basket
// walks the shops of each product that way), and one product's paid rows
// (the price line, the price memory, the product list) are one range.
const char* const kSql =
    "CREATE INDEX ShoppingList_Paid ON ShoppingList_tbl\n"
    "  (ShpDate, MgrNo, SeqNo, StoreName, CategoryName, ProdName, ShpAmount, PayYN) WHERE PayYN = 'Y';\n"
    "CREATE INDEX ShoppingList_PaidPrice ON ShoppingList_tbl\n"
    "  (ProdName, UnitName, StoreName, ShpDate, SeqNo, Price, ShpAmount) WHERE PayYN = 'Y';\n";

} // namespace

const char* PaidIndexes::Sql() {
    return kSql;
}

const char16_t* PaidIndexes::HasPricesSql(bool postgres) {
    // PostgreSQL keeps unquoted names in lower case.
    return postgres ? u"select indexname from pg_indexes where indexname = 'shoppinglist_paidprice' and "
                      u"schemaname = current_schema()"
                    : u"select name from sqlite_master where type = 'index' and name = 'ShoppingList_PaidPrice'";
}
