#include "tools/install/FirstInstallation.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "tools/install/PaidIndexes.h"

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
    "CREATE INDEX ShoppingList_MgrNo ON ShoppingList_tbl (MgrNo);\n"
    // The plan, the shopping list and the payment list read only the unpaid
    // rows, in product order: this index holds just those, so their refresh
    // walks a few hundred entries however many trips have been paid, and
    // needs no sort. A paid row leaves it, an undone payment brings it back.
    "CREATE INDEX ShoppingList_Unpaid ON ShoppingList_tbl (ProdName) WHERE PayYN <> 'Y';\n";
// The indexes of paid rows follow (PaidIndexes).

// Outside the schema's transaction, since SQLite refuses to change the
// journal inside one. A write-ahead log commits a change by appending it to
// the log and syncing that once, where the rollback journal syncs the journal
// and then the database: a hundred-item payment takes half the time. It is
// recorded in the file, so every later connection uses it; every commit is
// still synced (synchronous FULL), so an acknowledged write survives a crash.
const char* const kJournal = "PRAGMA journal_mode=WAL;";

#undef WHOLE32

FirstInstallation::Result Failed(const std::string& why) {
    return {FirstInstallation::Outcome::Failed, why};
}

} // namespace

const char* FirstInstallation::SchemaSql() {
    static const std::string schema = std::string(kSchema) + PaidIndexes::Sql();
    return schema.c_str();
}

std::filesystem::path FirstInstallation::DatabasePath(const std::filesystem::path& deviceRoot) {
    return deviceRoot / "Program Files" / "Cartavel" / "Orvanemart.cdb";
}

namespace {

// Makes the tables in a new, empty file; the error text when that fails.
std::string MakeTables(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        std::string why = db ? sqlite3_errmsg(db) : "cannot open";
        sqlite3_close(db);
        return why;
    }
    char* message = nullptr;
    std::string script = std::string("BEGIN;\n") + FirstInstallation::SchemaSql() + "COMMIT;\n";
    rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message);
    std::string why = rc == SQLITE_OK ? "" : message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    message = nullptr;
    if (why.empty() && sqlite3_exec(db, kJournal, nullptr, nullptr, &message) != SQLITE_OK) {
        why = message ? message : sqlite3_errmsg(db);
    }
    sqlite3_free(message);
    if (sqlite3_close(db) != SQLITE_OK && why.empty()) why = "cannot close the database";
    return why;
}

// Gives `from` the name `to` unless `to` exists; errno EEXIST when it does.
bool NameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that kind of renaming: a hard link does the same.
    return ::link(from.c_str(), to.c_str()) == 0;
}

} // namespace

FirstInstallation::Result FirstInstallation::Install(const std::filesystem::path& deviceRoot) {
    std::filesystem::path file = DatabasePath(deviceRoot);
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(std::filesystem::status(file, error))) {
            return Failed(file.string() + " is there but is not a file; it was left as it is");
        }
        return {Outcome::AlreadyInstalled, "the database " + file.string() + " is already there; it was left as it is"};
    }
    // A file where a folder should be is the folder's problem, told below.
    if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
        return Failed("cannot look for the database " + file.string() + ": " + error.message());
    }
    error.clear();
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) return Failed("cannot make the folder " + file.parent_path().string() + ": " + error.message());

    // The tables are made in a file of another name, which then takes the
    // database's name in one step that fails when the name is taken: the
    // program never sees a half-made database, an interrupted installation
    // leaves none under the real name, and a file that appears meanwhile is
    // never overwritten. SQLite takes an empty file as an empty database.
    std::filesystem::path part = file;
    part += ".installing-" + std::to_string(::getpid());
    std::filesystem::remove(part, error);
    int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return Failed("cannot create the database " + part.string() + ": " + std::strerror(errno));
    ::close(fd);
    std::string why = MakeTables(part);
    if (!why.empty()) {
        std::filesystem::remove(part, error);
        return Failed("cannot create the tables of " + file.string() + " (in " + part.string() + "): " + why);
    }
    if (!NameWithoutReplacing(part, file)) {
        int linkError = errno;
        std::filesystem::remove(part, error);
        if (linkError == EEXIST) {
            return {Outcome::AlreadyInstalled,
                    "the database " + file.string() + " appeared meanwhile; it was left as it is"};
        }
        return Failed("cannot give the database its name " + file.string() + ": " + std::strerror(linkError));
    }
    std::filesystem::remove(part, error);
    return {Outcome::Created, "created the database " + file.string()};
}
