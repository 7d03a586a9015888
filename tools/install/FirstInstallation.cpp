#include "tools/install/FirstInstallation.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

// Whole numbers of 32 bits only: a value that would not read back the same
// (a fraction, a text, a larger number) makes its statement fail instead.
#define WHOLE32(column) \
    "CHECK (typeof(" column ") = 'integer' AND " column " BETWEEN -2147483648 AND 2147483647)"

// MgrNo: the plan's insert writes '' (no trip yet). Stored as NULL it matches
// no trip number and comes after every trip number in "order by MgrNo DESC",
// where a text '' would come first and hand every payment trip number 1.
const char* const kSchema =
    "CREATE TABLE Category_tbl (CategoryName TEXT);\n"
    "CREATE TABLE ProdName_tbl (CategoryName TEXT, ProdName TEXT);\n"
    "CREATE TABLE Unit_tbl (UnitName TEXT);\n"
    "CREATE TABLE ShpStore_tbl (StoreName TEXT);\n"
    "CREATE TABLE ShoppingList_tbl (\n"
    "  SeqNo INTEGER PRIMARY KEY " WHOLE32("SeqNo") ",\n"
    "  CategoryName TEXT,\n"
    "  ProdName TEXT,\n"
    "  ShpQty INTEGER " WHOLE32("ShpQty") ",\n"
    "  UnitName TEXT,\n"
    "  Price INTEGER " WHOLE32("Price") ",\n"
    "  CuponYN TEXT,\n"
    "  CuponDcAmt INTEGER " WHOLE32("CuponDcAmt") ",\n"
    "  TotDcAmt INTEGER " WHOLE32("TotDcAmt") ",\n"
    "  ShpAmount INTEGER " WHOLE32("ShpAmount") ",\n"
    "  ShpDate TEXT,\n"
    "  StoreName TEXT,\n"
    "  MgrNo INTEGER CHECK (MgrNo IS NULL OR MgrNo = '' OR (typeof(MgrNo) = 'integer' AND\n"
    "                       MgrNo BETWEEN -2147483648 AND 2147483647)),\n"
    "  PayYN TEXT);\n"
    "CREATE TRIGGER ShoppingList_NoTripOnInsert AFTER INSERT ON ShoppingList_tbl\n"
    "  WHEN NEW.MgrNo = '' BEGIN\n"
    "  UPDATE ShoppingList_tbl SET MgrNo = NULL WHERE SeqNo = NEW.SeqNo; END;\n"
    "CREATE TRIGGER ShoppingList_NoTripOnUpdate AFTER UPDATE OF MgrNo ON ShoppingList_tbl\n"
    "  WHEN NEW.MgrNo = '' BEGIN\n"
    "  UPDATE ShoppingList_tbl SET MgrNo = NULL WHERE SeqNo = NEW.SeqNo; END;\n"
    // The search and the statistics read a date range; the payment asks for the
    // largest trip number.
    "CREATE INDEX ShoppingList_ShpDate ON ShoppingList_tbl (ShpDate);\n"
    "CREATE INDEX ShoppingList_MgrNo ON ShoppingList_tbl (MgrNo);\n";

#undef WHOLE32

FirstInstallation::Result Failed(const std::string& why) {
    return {FirstInstallation::Outcome::Failed, why};
}

} // namespace

const char* FirstInstallation::SchemaSql() {
    return kSchema;
}

std::filesystem::path FirstInstallation::DatabasePath(const std::filesystem::path& deviceRoot) {
    return deviceRoot / "Program Files" / "Cartavel" / "Orvanemart.cdb";
}

FirstInstallation::Result FirstInstallation::Install(const std::filesystem::path& deviceRoot) {
    std::filesystem::path file = DatabasePath(deviceRoot);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        return {Outcome::AlreadyInstalled, "the database " + file.string() + " is already there; it was left as it is"};
    }
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) return Failed("cannot make the folder " + file.parent_path().string() + ": " + error.message());

    // Exclusive creation: a file that appears meanwhile is never overwritten.
    // SQLite takes an empty file as an empty database.
    std::FILE* created = std::fopen(file.c_str(), "wx");
    if (!created) return Failed("cannot create the database " + file.string() + ": " + std::strerror(errno));
    std::fclose(created);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        std::string why = db ? sqlite3_errmsg(db) : "cannot open";
        sqlite3_close(db);
        return Failed("cannot create the database " + file.string() + ": " + why);
    }
    char* message = nullptr;
    std::string script = std::string("BEGIN;\n") + kSchema + "COMMIT;\n";
    rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message);
    std::string why = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        std::filesystem::remove(file, error);
        return Failed("cannot create the tables in " + file.string() + ": " + why);
    }
    return {Outcome::Created, "created the database " + file.string()};
}
