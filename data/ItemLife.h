#pragma once
// The life of an item: every row of ShoppingList_tbl is in one of three
// states, and only the handlers named on the arrows move it.
//
//                     CPlanDlg::OnSave (a new key, in one transaction)
//                                 |
//                                 v
//   CPlanDlg::OnSave (change) +---------+  CShopItemsDlg::OnCancelItem
//   CPlanDlg::OnDelete ------ | PLANNED | <-----------------------------+
//                             +---------+                               |
//                                 |  CShopItemsDlg::OnSave              |
//                                 v  (only while unpaid)                |
//   CShopItemsDlg::OnSave ---  +--------+ ------------------------------+
//   CPlanDlg::OnSave (change)  | PRICED | <------------------------+
//                              +--------+                          |
//                                 |  CPaymentDlg::SettlePayment    |  CPaymentDlg::UndoPayment
//                                 |  ("처리": the whole trip)      |  ("취소" from the search:
//                                 v                                |   the whole trip)
//                              +------+ --------------------------+
//                              | PAID |
//                              +------+
//
// A refused payment or undo ("처리오류": a row the database refuses, a row
// another program paid, priced again or removed meanwhile, a lost commit)
// is no arrow: its transaction is rolled back and every row of the trip is
// exactly what it was, dates and shops included.
//
// The states, by their columns:
//   PLANNED  ShpAmount 0 (Price and TotDcAmt 0 too), PayYN not 'Y', MgrNo
//            NULL or 0. ShpDate and StoreName are '' for a new item and
//            keep the trip's date and shop after a 취소 in the shop.
//   PRICED   ShpAmount above 0, with the date and shop it was priced at,
//            PayYN not 'Y', MgrNo NULL (never paid) or 0 (a payment undone).
//   PAID     PayYN 'Y' and MgrNo the trip's number, above 0; ShpDate and
//            StoreName those of the payment.
//
// What every state keeps:
//   - SeqNo is unique, and a new one is the largest plus one, taken in the
//     transaction that stores it; so is a new trip number.
//   - The numbers are whole numbers within 32 bits (the file's checks).
//   - The rows of one trip number move together: a trip is never partly
//     paid nor partly undone, and no two payments share a number.
//   - A paid row changes only by the undo of its trip.
//
// The conditions below say the same in SQL, for the tests and for
// scripts/crash-safety.sh, which checks them after every kill.

namespace ItemLife {

inline constexpr const char* kPlanned =
    "(ShpAmount = 0 and Price = 0 and TotDcAmt = 0 and PayYN <> 'Y' and (MgrNo is null or MgrNo = 0))";
inline constexpr const char* kPriced =
    "(ShpAmount > 0 and ShpDate <> '' and StoreName <> '' and PayYN <> 'Y' and (MgrNo is null or MgrNo = 0))";
inline constexpr const char* kPaid = "(ShpAmount > 0 and PayYN = 'Y' and MgrNo > 0)";

} // namespace ItemLife
