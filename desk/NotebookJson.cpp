#include "desk/NotebookJson.h"

#include <sqlite3.h>

#include <nlohmann/json.hpp>

#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/NotebookLayout.h"

namespace {

using Json = nlohmann::ordered_json;

Json Value(sqlite3_stmt* row, int column, const std::string& where) {
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_NULL: return nullptr;
    case SQLITE_INTEGER: return sqlite3_column_int64(row, column);
    case SQLITE_TEXT: return Database::ColumnText(row, column);
    case SQLITE_FLOAT: return sqlite3_column_double(row, column);
    default: throw DeskFailure(where + ": 텍스트도 숫자도 아닌 값이 있어 내보낼 수 없습니다");
    }
}

std::string Line(const Json& value, const std::string& where) {
    try {
        return value.dump(-1, ' ', false, Json::error_handler_t::strict);
    } catch (const Json::exception&) {
        throw DeskFailure(where + ": UTF-8이 아닌 텍스트가 있어 내보낼 수 없습니다");
    }
}

std::string Rows(Database& db, const NotebookLayout::Table& table) {
    std::string where = db.File().string() + " " + table.name;
    std::string lines;
    db.Query("SELECT * FROM " + table.name + " ORDER BY rowid", [&](sqlite3_stmt* row) {
        Json object = Json::object();
        for (size_t i = 0; i < table.columns.size(); ++i) {
            object[table.columns[i].name] = Value(row, static_cast<int>(i), where);
        }
        lines += (lines.empty() ? "\n" : ",\n") + Line(object, where);
    });
    return lines.empty() ? "[]" : "[" + lines + "\n]";
}

class Importer {
public:
    Importer(Database& db, const std::string& file) : m_db(db), m_file(file) {}

    long long Run(std::string_view text) {
        Json document = Parse(text);
        const Json& tables = document["tables"];
        if (!tables.is_object()) Fail("\"tables\"가 없습니다");
        for (const auto& [name, rows] : tables.items()) {
            if (!Layout(name)) Fail("알 수 없는 테이블 " + name);
            if (!rows.is_array()) Fail(name + "이(가) 행의 배열이 아닙니다");
        }
        m_db.Execute("BEGIN IMMEDIATE");
        try {
            RefuseUnlessEmpty();
            for (const NotebookLayout::Table& table : NotebookLayout::Tables()) {
                if (!tables.contains(table.name)) Fail("테이블 " + table.name + "이(가) 없습니다");
                for (const Json& row : tables[table.name]) Insert(table, row);
            }
            m_db.Execute("COMMIT");
        } catch (...) {
            m_db.Undo();
            throw;
        }
        return m_rows;
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
            if (m_db.Number("SELECT count(*) FROM " + table.name) > 0) {
                throw DeskFailure(m_db.File().string() + ": 노트가 비어 있지 않아 " + m_file + "을(를) 가져오지 않았습니다");
            }
        }
    }

    void Insert(const NotebookLayout::Table& table, const Json& row) {
        ++m_rows;
        std::string where = table.name + "의 " + std::to_string(m_rows) + "번째 행";
        if (!row.is_object() || row.size() != table.columns.size()) Fail(where + ": 열이 " + Names(table) + "이 아닙니다");
        std::string sql = "INSERT INTO " + table.name + " VALUES (";
        for (size_t i = 0; i < table.columns.size(); ++i) sql += i ? ",?" : "?";
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db.Handle(), (sql + ")").c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            throw m_db.Failure("쓸 수 없습니다");
        }
        for (size_t i = 0; i < table.columns.size(); ++i) {
            const NotebookLayout::Column& column = table.columns[i];
            if (!row.contains(column.name)) Finalize(statement), Fail(where + ": 열 " + column.name + "이(가) 없습니다");
            if (!Bind(statement, static_cast<int>(i) + 1, column, row[column.name])) {
                Finalize(statement);
                Fail(where + ": " + column.name + "의 값이 " + (column.whole ? "정수" : "텍스트") + "나 null이 아닙니다");
            }
        }
        int rc = sqlite3_step(statement);
        Finalize(statement);
        if (rc != SQLITE_DONE) Fail(where + ": 저장할 수 없습니다 (" + sqlite3_errmsg(m_db.Handle()) + ")");
    }

    static bool Bind(sqlite3_stmt* statement, int index, const NotebookLayout::Column& column, const Json& value) {
        if (value.is_null()) return sqlite3_bind_null(statement, index) == SQLITE_OK;
        if (column.whole && value.is_number_integer() && !(value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX)) {
            return sqlite3_bind_int64(statement, index, value.get<std::int64_t>()) == SQLITE_OK;
        }
        if (column.whole || !value.is_string()) return false;
        const std::string& text = value.get_ref<const std::string&>();
        return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }

    static void Finalize(sqlite3_stmt* statement) { sqlite3_finalize(statement); }

    static std::string Names(const NotebookLayout::Table& table) {
        std::string names;
        for (const auto& column : table.columns) names += (names.empty() ? "" : ",") + column.name;
        return names;
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw DeskFailure(m_file + ": " + why + "; 아무것도 가져오지 않았습니다");
    }

    Database& m_db;
    const std::string& m_file;
    long long m_rows = 0;
};

} // namespace

std::string NotebookJson::Export(Database& db) {
    std::string text = std::string("{\"format\": \"") + kFormat + "\", \"version\": " + std::to_string(kVersion) +
                       ", \"tables\": {";
    const auto& tables = NotebookLayout::Tables();
    // One read transaction: the tables as they were at one moment.
    db.Execute("BEGIN");
    for (size_t i = 0; i < tables.size(); ++i) {
        text += (i ? ",\n" : "\n") + Line(Json(tables[i].name), db.File().string()) + ": " + Rows(db, tables[i]);
    }
    db.Execute("COMMIT");
    return text + "\n}}\n";
}

long long NotebookJson::Import(Database& db, std::string_view json, const std::string& file) {
    return Importer(db, file).Run(json);
}
