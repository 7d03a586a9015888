#include "desk/ItemsExport.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>

#include "desk/Cp949.h"
#include "desk/CsvField.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"

namespace {

const char* const kItems =
    "SELECT MgrNo, ShpDate, StoreName, CategoryName, ProdName, ShpQty, UnitName, Price, CuponDcAmt, TotDcAmt, "
    "ShpAmount FROM ShoppingList_tbl WHERE PayYN = 'Y' AND ShpDate >= ? AND ShpDate <= ? "
    "ORDER BY ShpDate, MgrNo, SeqNo";
const bool kNumberColumn[] = {true, false, false, false, false, true, false, true, true, true, true};

std::string Field(sqlite3_stmt* row, int column) {
    if (sqlite3_column_type(row, column) == SQLITE_NULL) return "";
    std::string value = Database::ColumnText(row, column);
    return kNumberColumn[column] ? CsvField::Number(value) : CsvField::Text(value);
}

std::string Hex(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

} // namespace

std::string ItemsExport::Lines(Database& db, const std::string& from, const std::string& to) {
    std::string csv = std::string(kHeader) + CsvField::kLineEnd;
    db.Query(kItems, {&from, &to}, [&](sqlite3_stmt* row) {
        for (int column = 0; column < 11; ++column) csv += (column ? "," : "") + Field(row, column);
        csv += CsvField::kLineEnd;
    });
    return csv;
}

std::string ItemsExport::Csv(Database& db, const std::string& from, const std::string& to, Encoding encoding,
                             const std::string& target) {
    return Encode(Lines(db, from, to), encoding, target);
}

std::string ItemsExport::Encode(const std::string& csv, Encoding encoding, const std::string& target) {
    if (encoding == Encoding::Utf8) return "\xEF\xBB\xBF" + csv;
    std::optional<Cp949::Unwritable> lacking;
    std::string bytes = Cp949::Encode(csv, lacking);
    if (!lacking) return bytes;
    // Lines as a spreadsheet counts them: a field's own line breaks count.
    long line = 1 + std::count(csv.begin(), csv.begin() + static_cast<long>(lacking->offset), '\n');
    throw DeskFailure(target + ": " + std::to_string(line) + "번째 줄의 문자 " + Hex(lacking->codePoint) +
                      "는 CP949에 없어 내보내지 않았습니다");
}
