#include "tools/install/PostgresInstallation.h"

#include <libpq-fe.h>

#include <map>
#include <vector>

#include "platform/recordset/PgConnection.h"
#include "tools/install/DatabaseLayout.h"
#include "tools/install/PaidIndexes.h"

namespace {

#define TEXT_C "text COLLATE \"C\""

// No triggers: the recordset component stores the plan's '' trip number as
// NULL itself. An ascending index with NULL first serves "order by MgrNo
// DESC" read backwards with NULL last, as the component asks for it.
const char* const kSchema =
    "CREATE TABLE Category_tbl (CategoryName " TEXT_C ");\n"
    "CREATE TABLE ProdName_tbl (CategoryName " TEXT_C ", ProdName " TEXT_C ");\n"
    "CREATE TABLE Unit_tbl (UnitName " TEXT_C ");\n"
    "CREATE TABLE ShpStore_tbl (StoreName " TEXT_C ");\n"
    "CREATE TABLE ShoppingList_tbl (SeqNo integer PRIMARY KEY, CategoryName " TEXT_C ", ProdName " TEXT_C
    ", ShpQty integer, UnitName " TEXT_C ", Price integer, CuponYN " TEXT_C ", CuponDcAmt integer,"
    " TotDcAmt integer, ShpAmount integer, ShpDate " TEXT_C ", StoreName " TEXT_C ", MgrNo integer, PayYN " TEXT_C
    ");\n"
    "CREATE INDEX ShoppingList_ShpDate ON ShoppingList_tbl (ShpDate);\n"
    "CREATE INDEX ShoppingList_MgrNo ON ShoppingList_tbl (MgrNo NULLS FIRST);\n"
    "CREATE INDEX ShoppingList_Unpaid ON ShoppingList_tbl (ProdName NULLS FIRST) WHERE PayYN <> 'Y';\n";

#undef TEXT_C

// Two installations at once: the second waits, then finds the tables.
const char* const kTakeNotebook = PgConnection::kTakeNotebook;

// table (lower case) -> columns (lower case, whether integer), in order.
using Layout = std::map<std::string, std::vector<std::pair<std::string, bool>>>;

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The device file's layout, with its names in lower case as PostgreSQL
// keeps them unquoted: the two engines never disagree.
const Layout& DeviceLayout() {
    static const Layout layout = [] {
        Layout tables;
        for (const DatabaseLayout::Table& table : DatabaseLayout::Installed()) {
            std::vector<std::pair<std::string, bool>>& columns = tables[Lower(table.name)];
            for (const DatabaseLayout::Column& column : table.columns) columns.emplace_back(Lower(column.name), column.whole);
        }
        return tables;
    }();
    return layout;
}

std::string OneLine(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

bool Run(PGconn* link, const char* sql, std::string& why) {
    PGresult* result = PQexec(link, sql);
    bool done = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!done) why = OneLine(PQresultErrorMessage(result));
    PQclear(result);
    return done;
}

FirstInstallation::Result Outcome(FirstInstallation::Outcome outcome, std::string message) {
    return {outcome, std::move(message)};
}

} // namespace

const char* PostgresInstallation::SchemaSql() {
    static const std::string schema = std::string(kSchema) + PaidIndexes::Sql();
    return schema.c_str();
}

const char* PostgresInstallation::TakeNotebookSql() { return kTakeNotebook; }

PostgresInstallation::Found PostgresInstallation::Look(PGconn* link, std::string& why) {
    PGresult* result = PQexec(link,
                              "SELECT c.relname, a.attname, a.atttypid IN (20, 21, 23) FROM pg_class c "
                              "JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped "
                              "WHERE c.relnamespace = current_schema()::regnamespace AND c.relname IN "
                              "('category_tbl', 'prodname_tbl', 'unit_tbl', 'shpstore_tbl', 'shoppinglist_tbl') "
                              "ORDER BY c.relname, a.attnum");
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        why = "읽을 수 없습니다 (" + OneLine(PQresultErrorMessage(result)) + ")";
        PQclear(result);
        return Found::Other;
    }
    Layout present;
    for (int r = 0; r < PQntuples(result); ++r) {
        present[PQgetvalue(result, r, 0)].emplace_back(PQgetvalue(result, r, 1), PQgetvalue(result, r, 2)[0] == 't');
    }
    PQclear(result);
    if (present.empty()) return Found::None;
    for (const auto& [table, columns] : DeviceLayout()) {
        auto found = present.find(table);
        if (found == present.end()) {
            why = "테이블이 없습니다: " + table;
            return Found::Other;
        }
        if (found->second != columns) {
            why = "같은 이름의 테이블이 다른 구조입니다: " + table;
            return Found::Other;
        }
    }
    return Found::Installed;
}

std::string PostgresInstallation::Problem(PGconn* link) {
    std::string why;
    switch (Look(link, why)) {
    case Found::Installed: return "";
    case Found::None: return "테이블이 없습니다 (cartavel-install --database)";
    case Found::Other: break;
    }
    return why;
}

FirstInstallation::Result PostgresInstallation::Install(const std::string& connection) {
    using FirstOutcome = FirstInstallation::Outcome;
    PGconn* link = PQconnectdb(connection.c_str());
    if (PQstatus(link) != CONNECTION_OK) {
        std::string why = OneLine(PQerrorMessage(link));
        PQfinish(link);
        return Outcome(FirstOutcome::Failed, "cannot connect to the shared notebook: " + why);
    }
    std::string where = std::string("the shared notebook ") + PQdb(link);
    std::string why;
    FirstInstallation::Result result;
    if (!Run(link, "BEGIN", why) || !Run(link, kTakeNotebook, why)) {
        result = Outcome(FirstOutcome::Failed, "cannot install " + where + ": " + why);
    } else {
        switch (Look(link, why)) {
        case Found::Installed:
            result = Outcome(FirstOutcome::AlreadyInstalled, where + " is already installed; it was left as it is");
            break;
        case Found::Other:
            result = Outcome(FirstOutcome::Failed, where + " holds other tables of the same names; it was left as it is (" + why + ")");
            break;
        case Found::None:
            if (Run(link, SchemaSql(), why) && Run(link, "COMMIT", why)) {
                result = Outcome(FirstOutcome::Created, "created the tables of " + where);
            } else {
                result = Outcome(FirstOutcome::Failed, "cannot create the tables of " + where + ": " + why);
            }
            break;
        }
    }
    PQfinish(link);  // a transaction still open is rolled back
    return result;
}
