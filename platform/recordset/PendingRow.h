#pragma once
// The changed fields of the row a recordset stands on. They wait until the
// cursor leaves the row or the recordset is closed, and are then written in
// one statement, "UPDATE table SET a=?,b=? WHERE _rowid_=?": the whole row
// or, when the database refuses one value (a CHECK), nothing of it.
//
// It neither decides whether a field may be written nor reads rows: the
// recordset asks the cursor for both.

#include <utility>
#include <vector>

#include "platform/recordset/FailureReason.h"
#include "platform/recordset/RecordsetCursor.h"
#include "platform/recordset/StoredValue.h"

class SqliteConnection;

class PendingRow {
public:
    // A second value for the same field replaces the first.
    void Set(int column, StoredValue value);
    // The value waiting for the field, or null.
    const StoredValue* Find(int column) const;
    void Clear() { m_changes.clear(); }

    // Writes the changes to the file and into the row in memory. They are
    // gone afterwards, written or refused.
    HRESULT WriteBack(SqliteConnection& connection, const std::vector<RecordsetCursor::Column>& columns,
                      RecordsetCursor::Row& row,
                      FailureReason& failure);

private:
    std::vector<std::pair<int, StoredValue>> m_changes;
};
