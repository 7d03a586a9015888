#include "desk/NotebookJson.h"

#include <sqlite3.h>

#include <nlohmann/json.hpp>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookLayout.h"
#include "desk/NotebookRows.h"

namespace {

using Json = nlohmann::ordered_json;
using Cell = NotebookRows::Cell;

// The device's file under the notebook's rows.
class FileRows : public NotebookRows {
public:
    explicit FileRows(Database& db) : m_db(db) {}

    std::string Where() const override { return m_db.File().string(); }
    void BeginReading() override { m_db.Execute("BEGIN"); }
    void EndReading() override { m_db.Execute("COMMIT"); }

    void EachRow(const DatabaseLayout::Table& table, const std::function<void(const Row&)>& onRow) override {
        Row row(table.columns.size());
        m_db.Query("SELECT * FROM " + table.name + " ORDER BY rowid", [&](sqlite3_stmt* statement) {
            for (size_t i = 0; i < row.size(); ++i) row[i] = Value(statement, static_cast<int>(i), table.name);
            onRow(row);
        });
    }

    void BeginWriting() override { m_db.Execute("BEGIN IMMEDIATE"); }
    long long Count(const DatabaseLayout::Table& table) override { return m_db.Number("SELECT count(*) FROM " + table.name); }
    void Empty(const DatabaseLayout::Table& table) override { m_db.Execute("DELETE FROM " + table.name); }

    bool Insert(const DatabaseLayout::Table& table, const Row& row, std::string& why) override {
        std::string sql = "INSERT INTO " + table.name + " VALUES (";
        for (size_t i = 0; i < row.size(); ++i) sql += i ? ",?" : "?";
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db.Handle(), (sql + ")").c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            throw m_db.Failure("쓸 수 없습니다");
        }
        for (size_t i = 0; i < row.size(); ++i) Bind(statement, static_cast<int>(i) + 1, row[i]);
        bool stored = sqlite3_step(statement) == SQLITE_DONE;
        if (!stored) why = sqlite3_errmsg(m_db.Handle());
        sqlite3_finalize(statement);
        return stored;
    }

    void Commit() override { m_db.Execute("COMMIT"); }
    void Undo() override { m_db.Undo(); }

private:
    Cell Value(sqlite3_stmt* row, int column, const std::string& table) const {
        Cell cell;
        switch (sqlite3_column_type(row, column)) {
        case SQLITE_NULL: break;
        case SQLITE_INTEGER: cell.kind = Cell::Kind::Whole, cell.whole = sqlite3_column_int64(row, column); break;
        case SQLITE_TEXT: cell.kind = Cell::Kind::Text, cell.text = Database::ColumnText(row, column); break;
        case SQLITE_FLOAT: cell.kind = Cell::Kind::Real, cell.real = sqlite3_column_double(row, column); break;
        default: throw DeskFailure(Where() + " " + table + ": 텍스트도 숫자도 아닌 값이 있어 내보낼 수 없습니다");
        }
        return cell;
    }

    static void Bind(sqlite3_stmt* statement, int index, const Cell& cell) {
        switch (cell.kind) {
        case Cell::Kind::Null: sqlite3_bind_null(statement, index); break;
        case Cell::Kind::Whole: sqlite3_bind_int64(statement, index, cell.whole); break;
        case Cell::Kind::Real: sqlite3_bind_double(statement, index, cell.real); break;
        case Cell::Kind::Text:
            sqlite3_bind_text(statement, index, cell.text.data(), static_cast<int>(cell.text.size()), SQLITE_TRANSIENT);
            break;
        }
    }

    Database& m_db;
};

Json ToJson(const Cell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Null: break;
    case Cell::Kind::Whole: return cell.whole;
    case Cell::Kind::Real: return cell.real;
    case Cell::Kind::Text: return cell.text;
    }
    return nullptr;
}

std::string Line(const Json& value, const std::string& where) {
    try {
        return value.dump(-1, ' ', false, Json::error_handler_t::strict);
    } catch (const Json::exception&) {
        throw DeskFailure(where + ": UTF-8이 아닌 텍스트가 있어 내보낼 수 없습니다");
    }
}

std::string Rows(NotebookRows& rows, const NotebookLayout::Table& table) {
    std::string where = rows.Where() + " " + table.name;
    std::string lines;
    rows.EachRow(table, [&](const NotebookRows::Row& row) {
        Json object = Json::object();
        for (size_t i = 0; i < table.columns.size(); ++i) object[table.columns[i].name] = ToJson(row[i]);
        lines += (lines.empty() ? "\n" : ",\n") + Line(object, where);
    });
    return lines.empty() ? "[]" : "[" + lines + "\n]";
}

// The whole document, read within the transaction open on `rows`.
std::string Document(NotebookRows& rows) {
    std::string text = std::string("{\"format\": \"") + NotebookJson::kFormat + "\", \"version\": " +
                       std::to_string(NotebookJson::kVersion) + ", \"tables\": {";
    const auto& tables = NotebookLayout::Tables();
    for (size_t i = 0; i < tables.size(); ++i) {
        text += (i ? ",\n" : "\n") + Line(Json(tables[i].name), rows.Where()) + ": " + Rows(rows, tables[i]);
    }
    return text + "\n}}\n";
}

class Importer {
public:
    Importer(NotebookRows& rows, const std::string& file, bool replace,
             const std::function<void(const std::string&)>& keepCurrent = {})
        : m_rows(rows), m_file(file), m_replace(replace), m_keepCurrent(keepCurrent) {}

    long long Run(std::string_view text) {
        Json document = Parse(text);
        const Json& tables = document["tables"];
        if (!tables.is_object()) Fail("\"tables\"가 없습니다");
        for (const auto& [name, rows] : tables.items()) {
            if (!Layout(name)) Fail("알 수 없는 테이블 " + name);
            if (!rows.is_array()) Fail(name + "이(가) 행의 배열이 아닙니다");
        }
        m_rows.BeginWriting();
        try {
            // What is replaced is kept under the same lock, so nothing another
            // program writes meanwhile is lost from the copy.
            if (m_keepCurrent) m_keepCurrent(Document(m_rows));
            m_replace ? EmptyAll() : RefuseUnlessEmpty();
            for (const NotebookLayout::Table& table : NotebookLayout::Tables()) {
                if (!tables.contains(table.name)) Fail("테이블 " + table.name + "이(가) 없습니다");
                for (const Json& row : tables[table.name]) Insert(table, row);
            }
            m_rows.Commit();
        } catch (...) {
            m_rows.Undo();
            throw;
        }
        return m_rowsRead;
    }

private:
    Json Parse(std::string_view text) {
        Json document;
        try {
            document = Json::parse(text);
        } catch (const Json::exception& e) {
            Fail(std::string("JSON으로 읽을 수 없습니다 (") + e.what() + ")");
        }
        if (!document.is_object() || document.value("format", Json()) != NotebookJson::kFormat) {
            Fail(std::string("\"format\": \"") + NotebookJson::kFormat + "\"인 노트 파일이 아닙니다");
        }
        if (document.value("version", Json()) != NotebookJson::kVersion) Fail("모르는 버전입니다");
        return document;
    }

    static const NotebookLayout::Table* Layout(const std::string& name) {
        for (const NotebookLayout::Table& table : NotebookLayout::Tables()) {
            if (table.name == name) return &table;
        }
        return nullptr;
    }

    void RefuseUnlessEmpty() {
        for (const NotebookLayout::Table& table : NotebookLayout::Tables()) {
            if (m_rows.Count(table) > 0) {
                throw DeskFailure(m_rows.Where() + ": 노트가 비어 있지 않아 " + m_file + "을(를) 가져오지 않았습니다");
            }
        }
    }

    void EmptyAll() {
        for (const NotebookLayout::Table& table : NotebookLayout::Tables()) m_rows.Empty(table);
    }

    void Insert(const NotebookLayout::Table& table, const Json& row) {
        ++m_rowsRead;
        std::string where = table.name + "의 " + std::to_string(m_rowsRead) + "번째 행";
        if (!row.is_object() || row.size() != table.columns.size()) Fail(where + ": 열이 " + Names(table) + "이 아닙니다");
        NotebookRows::Row cells(table.columns.size());
        for (size_t i = 0; i < table.columns.size(); ++i) {
            const NotebookLayout::Column& column = table.columns[i];
            if (!row.contains(column.name)) Fail(where + ": 열 " + column.name + "이(가) 없습니다");
            if (!Read(column, row[column.name], cells[i])) {
                Fail(where + ": " + column.name + "의 값이 " + (column.whole ? "정수" : "텍스트") + "나 null이 아닙니다");
            }
        }
        std::string why;
        if (!m_rows.Insert(table, cells, why)) Fail(where + ": 저장할 수 없습니다 (" + why + ")");
    }

    static bool Read(const NotebookLayout::Column& column, const Json& value, Cell& cell) {
        if (value.is_null()) return true;
        if (column.whole && value.is_number_integer() && !(value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX)) {
            cell.kind = Cell::Kind::Whole;
            cell.whole = value.get<std::int64_t>();
            return true;
        }
        if (column.whole || !value.is_string()) return false;
        cell.kind = Cell::Kind::Text;
        cell.text = value.get_ref<const std::string&>();
        return true;
    }

    static std::string Names(const NotebookLayout::Table& table) {
        std::string names;
        for (const auto& column : table.columns) names += (names.empty() ? "" : ",") + column.name;
        return names;
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw DeskFailure(m_file + ": " + why + "; 아무것도 가져오지 않았습니다");
    }

    NotebookRows& m_rows;
    const std::string& m_file;
    bool m_replace;
    std::function<void(const std::string&)> m_keepCurrent;
    long long m_rowsRead = 0;
};

} // namespace

std::string NotebookJson::Export(Database& db) {
    FileRows rows(db);
    return Export(rows);
}

std::string NotebookJson::Export(NotebookRows& rows) {
    // One read transaction: the tables as they were at one moment.
    rows.BeginReading();
    std::string text;
    try {
        text = Document(rows);
    } catch (...) {
        rows.Undo();
        throw;
    }
    rows.EndReading();
    return text;
}

long long NotebookJson::Import(Database& db, std::string_view json, const std::string& file) {
    FileRows rows(db);
    return Import(rows, json, file);
}

long long NotebookJson::Import(NotebookRows& rows, std::string_view json, const std::string& file) {
    return Importer(rows, file, false).Run(json);
}

long long NotebookJson::Replace(NotebookRows& rows, std::string_view json, const std::string& file,
                                const std::function<void(const std::string&)>& keepCurrent) {
    return Importer(rows, file, true, keepCurrent).Run(json);
}
