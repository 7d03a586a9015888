#pragma once
// The indexes of paid rows that the statistics, the charts and the companion
// read, made the same way on both engines (their statements are plain SQL
// that SQLite and PostgreSQL both take), so that neither installation keeps
// a copy of its own. A notebook without them works the same, only slower:
// the readers that would cost a notebook's whole history without an index
// ask first whether it is there (HasPricesSql).
//
// What they cost: every paid row enters both. The first is in date order,
// so a payment's rows land together on a few pages; the second is in
// product order, so a payment of N products writes about N of its pages
// more in the commit. It is the one index keyed by product that the paid
// rows have: the price line, the price memory and the basket share it.

class PaidIndexes {
public:
    // The statements that make both, each ending in ";\n".
    static const char* Sql();
    // A query that gives one row when the prices' index is in the notebook
    // and none when it is not; `postgres` for a shared notebook.
    static const char16_t* HasPricesSql(bool postgres);
};
