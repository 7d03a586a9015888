#include "desk/ProductsImport.h"

#include <set>

#include "desk/Cp949.h"
#include "desk/CsvReader.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "platform/shell/TextEncoding.h"

namespace {

const std::vector<std::string> kHeader = {"분류", "품명"};

bool Exists(Database& db, const char* sql, const std::string& name) {
    bool found = false;
    db.Query(sql, {&name}, [&](sqlite3_stmt*) { found = true; });
    return found;
}

void Add(Database& db, const char* sql, const std::vector<const std::string*>& values) {
    db.Query(sql, values, [](sqlite3_stmt*) {});
}

std::vector<CsvReader::Record> Rows(std::string_view bytes, const std::string& file) {
    std::vector<CsvReader::Record> records = CsvReader::Read(ProductsImport::Text(bytes, file), file);
    if (records.empty() || records.front().fields != kHeader) {
        throw DeskFailure(file + ": 첫 줄이 머리글 분류,품명이 아닙니다");
    }
    records.erase(records.begin());
    std::erase_if(records, [](const CsvReader::Record& r) { return r.fields.size() == 1 && r.fields[0].empty(); });
    for (const CsvReader::Record& record : records) {
        std::string where = file + ": " + std::to_string(record.line) + "번째 줄: ";
        if (record.fields.size() != 2) throw DeskFailure(where + "칸이 두 개(분류,품명)가 아닙니다");
        if (record.fields[0].empty() || record.fields[1].empty()) throw DeskFailure(where + "분류나 품명이 비어 있습니다");
    }
    return records;
}

} // namespace

std::string ProductsImport::Text(std::string_view bytes, const std::string& file) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    bool marked = bytes.substr(0, kMark.size()) == kMark;
    if (marked) bytes.remove_prefix(kMark.size());
    if (TextEncoding::IsUtf8(bytes)) return std::string(bytes);
    if (!marked) {
        if (std::optional<std::string> text = Cp949::Decode(bytes)) return *text;
    }
    throw DeskFailure(file + ": UTF-8도 CP949도 아닌 파일입니다");
}

ProductsImport::Counts ProductsImport::Import(Database& db, std::string_view bytes, const std::string& file,
                                              bool dryRun) {
    std::vector<CsvReader::Record> rows = Rows(bytes, file);
    Counts counts;
    std::set<std::string> categoriesSeen;
    db.Execute("BEGIN IMMEDIATE");
    try {
        for (const CsvReader::Record& row : rows) {
            const std::string& category = row.fields[0];
            const std::string& product = row.fields[1];
            if (categoriesSeen.insert(category).second) {
                bool there = Exists(db, "SELECT 1 FROM Category_tbl WHERE CategoryName = ?", category);
                if (!there) Add(db, "INSERT INTO Category_tbl (CategoryName) VALUES (?)", {&category});
                ++(there ? counts.categoriesSkipped : counts.categoriesAdded);
            }
            bool there = Exists(db, "SELECT 1 FROM ProdName_tbl WHERE ProdName = ?", product);
            if (!there) Add(db, "INSERT INTO ProdName_tbl (CategoryName, ProdName) VALUES (?, ?)", {&category, &product});
            ++(there ? counts.productsSkipped : counts.productsAdded);
        }
        // A trial run goes through the same steps and takes them back.
        db.Execute(dryRun ? "ROLLBACK" : "COMMIT");
    } catch (...) {
        db.Undo();
        throw;
    }
    return counts;
}
