#pragma once
// Every statement the program runs, each once. A '%s' between quotes takes a
// text value, a bare %s a number; CStatementBuilder fills them in.

namespace Sql {

// Categories.
inline constexpr const char16_t* kCategoryList = u"select CategoryName from Category_tbl order by CategoryName";
inline constexpr const char16_t* kCategoryExists = u"select * from Category_tbl WHERE CategoryName='%s'";
inline constexpr const char16_t* kCategoryInsert = u"insert into Category_tbl (CategoryName) values ('%s')";
inline constexpr const char16_t* kCategoryRename =
    u"UPDATE Category_tbl SET CategoryName='%s' WHERE CategoryName='%s'";
inline constexpr const char16_t* kCategoryDelete = u"delete from Category_tbl WHERE CategoryName='%s'";

// Products, each filed under a category.
inline constexpr const char16_t* kProductList = u"select ProdName, CategoryName from ProdName_tbl order by ProdName";
inline constexpr const char16_t* kProductsOfCategory =
    u"select ProdName from ProdName_tbl where CategoryName='%s' order by ProdName";
inline constexpr const char16_t* kProductExists = u"select * from ProdName_tbl WHERE ProdName='%s'";
inline constexpr const char16_t* kProductInsert =
    u"insert into ProdName_tbl (CategoryName, ProdName) values ('%s','%s')";
inline constexpr const char16_t* kProductRename =
    u"UPDATE ProdName_tbl SET CategoryName='%s',ProdName='%s' WHERE ProdName='%s'";
inline constexpr const char16_t* kProductDelete = u"delete from ProdName_tbl WHERE ProdName='%s'";

// Units.
inline constexpr const char16_t* kUnitList = u"select UnitName from Unit_tbl order by UnitName";
inline constexpr const char16_t* kUnitExists = u"select * from Unit_tbl WHERE UnitName='%s'";
inline constexpr const char16_t* kUnitInsert = u"insert into Unit_tbl (UnitName) values ('%s')";
inline constexpr const char16_t* kUnitRename = u"UPDATE Unit_tbl SET UnitName='%s' WHERE UnitName='%s'";
inline constexpr const char16_t* kUnitDelete = u"delete from Unit_tbl WHERE UnitName='%s'";

// Shops.
inline constexpr const char16_t* kStoreList = u"select StoreName from ShpStore_tbl order by StoreName";
inline constexpr const char16_t* kStoreExists = u"select * from ShpStore_tbl WHERE StoreName='%s'";
inline constexpr const char16_t* kStoreInsert = u"insert into ShpStore_tbl (StoreName) values ('%s')";
inline constexpr const char16_t* kStoreRename = u"UPDATE ShpStore_tbl SET StoreName='%s' WHERE StoreName='%s'";
inline constexpr const char16_t* kStoreDelete = u"delete from ShpStore_tbl WHERE StoreName='%s'";

// The shopping plan.
inline constexpr const char16_t* kPlanList =
    u"select SeqNo,CategoryName,ProdName,ShpQty,UnitName,CuponDcAmt,CuponYN from ShoppingList_tbl "
    u"where PayYN <> 'Y' order by ProdName";
inline constexpr const char16_t* kLastSeqNo = u"select SeqNo from ShoppingList_tbl order by SeqNo DESC";
inline constexpr const char16_t* kPlanInsert =
    u"insert into ShoppingList_tbl (SeqNo,CategoryName,ProdName,ShpQty,UnitName,Price,CuponYN,CuponDcAmt,"
    u"TotDcAmt,ShpAmount,ShpDate,StoreName,MgrNo,PayYN) values (%s,'%s','%s', %s,'%s',0,'%s',%s,0,0,'','','','')";
inline constexpr const char16_t* kPlanChange =
    u"UPDATE ShoppingList_tbl SET CategoryName='%s',ProdName='%s',ShpQty=%s,UnitName='%s',CuponYN='%s',"
    u"CuponDcAmt=%s WHERE SeqNo=%s";
inline constexpr const char16_t* kItemExists = u"select * from ShoppingList_tbl WHERE SeqNo=%s";
inline constexpr const char16_t* kItemDelete = u"delete from ShoppingList_tbl WHERE SeqNo=%s";

// Shopping: pricing the unpaid items.
inline constexpr const char16_t* kShoppingList =
    u"select SeqNo,CategoryName,ProdName,ShpQty,UnitName,Price,CuponYN,CuponDcAmt,TotDcAmt,ShpAmount,ShpDate,"
    u"StoreName from ShoppingList_tbl where PayYN <> 'Y' order by ProdName";
// A row may be priced only while it is unpaid: another program may have paid
// it since the list was read.
inline constexpr const char16_t* kShoppingUnpaidItem = u"select SeqNo from ShoppingList_tbl where SeqNo=%s and PayYN <> 'Y'";
inline constexpr const char16_t* kShoppingSave =
    u"UPDATE ShoppingList_tbl SET ShpQty=%s,UnitName='%s',Price=%s,TotDcAmt=%s,ShpAmount=%s,ShpDate='%s',"
    u"StoreName='%s' WHERE SeqNo=%s";

// Payment.
inline constexpr const char16_t* kPaymentNewList =
    u"select SeqNo,ProdName,ShpQty,UnitName,ShpAmount from ShoppingList_tbl where ShpAmount > 0 and PayYN <> 'Y' "
    u"order by ProdName";
inline constexpr const char16_t* kPaymentTripList =
    u"select SeqNo,ProdName,ShpQty,UnitName,ShpAmount from ShoppingList_tbl where MgrNo=%s and ShpDate='%s' and "
    u"PayYN='Y' order by ShpDate, MgrNo";
inline constexpr const char16_t* kLastMgrNo = u"select MgrNo from ShoppingList_tbl order by MgrNo DESC";
inline constexpr const char16_t* kPaymentSettle =
    u"UPDATE ShoppingList_tbl SET MgrNo=%s,PayYN='Y',ShpDate='%s',StoreName='%s' WHERE SeqNo=%s";
inline constexpr const char16_t* kPaymentUndo = u"UPDATE ShoppingList_tbl SET MgrNo=0,PayYN='' WHERE MgrNo=%s";
// Inside the payment's transaction: a listed row as it stands now, while it
// is still priced and unpaid; and a listed row of a paid trip, while it is
// still part of that trip, with the count of the trip's rows on its date.
// Each gives the list's own fields, so a row is compared cell by cell.
inline constexpr const char16_t* kPaymentUnpaidRow =
    u"select SeqNo,ProdName,ShpQty,UnitName,ShpAmount from ShoppingList_tbl where SeqNo=%s and ShpAmount > 0 and "
    u"PayYN <> 'Y'";
inline constexpr const char16_t* kPaymentTripRow =
    u"select SeqNo,ProdName,ShpQty,UnitName,ShpAmount from ShoppingList_tbl where SeqNo=%s and MgrNo=%s and "
    u"ShpDate='%s' and PayYN='Y'";
inline constexpr const char16_t* kPaymentTripRows =
    u"select SeqNo from ShoppingList_tbl where MgrNo=%s and ShpDate='%s' and PayYN='Y'";

// Search: the paid trips of a month.
inline constexpr const char16_t* kSearchMonth =
    u"select MgrNo,ShpDate,StoreName,ShpAmount from ShoppingList_tbl where ShpDate >= '%s' and ShpDate <= '%s' "
    u"and ShpAmount > 0 and PayYN = 'Y' order by ShpDate, MgrNo";

// Statistics: the paid items of a period, in the order each report groups by.
#define CARTAVEL_STATS_SELECT                                                                                  \
    u"select ShpDate,MgrNo,StoreName,CategoryName,ProdName,ShpAmount from ShoppingList_tbl where ShpDate >= " \
    u"'%s' and ShpDate <= '%s' and ShpAmount > 0 and PayYN = 'Y' "
inline constexpr const char16_t* kStatsByDate = CARTAVEL_STATS_SELECT u"order by ShpDate, MgrNo";
inline constexpr const char16_t* kStatsByProduct = CARTAVEL_STATS_SELECT u"order by ProdName, ShpDate, MgrNo";
inline constexpr const char16_t* kStatsByStore = CARTAVEL_STATS_SELECT u"order by StoreName, ShpDate, MgrNo";
inline constexpr const char16_t* kStatsByCategory = CARTAVEL_STATS_SELECT u"order by CategoryName, ShpDate, MgrNo";
#undef CARTAVEL_STATS_SELECT

} // namespace Sql
