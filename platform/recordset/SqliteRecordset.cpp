#include "platform/recordset/SqliteRecordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/shell/AsciiCase.h"
#include "platform/shell/DeviceFileSystem.h"

namespace {

GUID ParsedGuid(const char* text) {
    GUID g;
    GUID::Parse(text, g);
    return g;
}

long TypeCodeOfDeclared(const char* declared) {
    if (!declared) return adVarWChar;
    std::string d = declared;
    std::transform(d.begin(), d.end(), d.begin(), [](unsigned char c) { return std::toupper(c); });
    if (d.find("INT") != std::string::npos) return adInteger;
    if (d.find("REAL") != std::string::npos || d.find("FLOA") != std::string::npos ||
        d.find("DOUB") != std::string::npos) {
        return adDouble;
    }
    return adVarWChar;
}

// Another connection holds the file: what has been waited for already.
bool IsLockedOut(int code) { return (code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool OnlyBlankOrSemicolons(std::u16string_view tail) {
    for (char16_t c : tail) {
        if (!IsBlank(c) && c != u';') return false;
    }
    return true;
}

bool IsWordChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c > 0x7F;
}

// The words and signs of a statement outside quotes and brackets, in lower
// case: enough to see what a list refers to, not a parser.
std::vector<std::u16string> Words(std::u16string_view sql) {
    std::vector<std::u16string> words;
    for (size_t i = 0; i < sql.size();) {
        char16_t c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            char16_t close = c == u'[' ? u']' : c;
            size_t end = sql.find(close, i + 1);
            words.push_back(u"?");  // a quoted text or name
            i = end == std::u16string_view::npos ? sql.size() : end + 1;
        } else if (IsWordChar(c)) {
            std::u16string word;
            for (; i < sql.size() && IsWordChar(sql[i]); ++i) word += AsciiCase::Lower(sql[i]);
            words.push_back(word);
        } else {
            if (!IsBlank(c)) words.push_back(std::u16string(1, c));
            ++i;
        }
    }
    return words;
}

// Whether an ORDER BY or GROUP BY term is a column number ("order by 2"),
// which a rowid put at the head of the select list would shift.
bool RefersByPosition(std::u16string_view sql) {
    std::vector<std::u16string> w = Words(sql);
    bool inList = false;
    for (size_t i = 0; i < w.size(); ++i) {
        if ((w[i] == u"order" || w[i] == u"group") && i + 1 < w.size() && w[i + 1] == u"by") {
            inList = true;
            ++i;
            if (i + 1 < w.size() && w[i + 1][0] >= u'0' && w[i + 1][0] <= u'9') return true;
        } else if (inList && w[i] == u"," && i + 1 < w.size() && w[i + 1][0] >= u'0' && w[i + 1][0] <= u'9') {
            return true;
        }
    }
    return false;
}

std::string QuotedName(const std::string& name) {
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

const CLSID CLSID_Recordset = ParsedGuid("{113033F8-F682-11D2-BB62-00C04F680ACC}");
const IID IID_IRecordset = ParsedGuid("{113033F6-F682-11D2-BB62-00C04F680ACC}");
const IID IID_IFields = ParsedGuid("{7D1E2A01-3C55-4B8E-9A60-5E3C1F0B2A11}");
const IID IID_IField = ParsedGuid("{7D1E2A02-3C55-4B8E-9A60-5E3C1F0B2A11}");

SqliteRecordset::SqliteRecordset() : m_fields(*this) {}

SqliteRecordset::~SqliteRecordset() {
    Finish();
    if (m_db) sqlite3_close(m_db);
}

HRESULT SqliteRecordset::Create(REFIID riid, void** ppv) {
    auto* object = new SqliteRecordset();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

void SqliteRecordset::Register() {
    ClassRegistry::Register(CLSID_Recordset, &SqliteRecordset::Create);
}

namespace {
// The component is in-process: it is known from the program's start on.
const bool g_registered = (SqliteRecordset::Register(), true);
} // namespace

HRESULT SqliteRecordset::Fail(const std::string& why) {
    m_lastError = why;
    return E_FAIL;
}

HRESULT SqliteRecordset::OpenDatabase(const std::u16string& devicePath) {
    if (m_db && devicePath == m_dbPath) return S_OK;
    if (m_db) sqlite3_close(m_db);
    m_db = nullptr;
    std::string host = DeviceFileSystem::HostPath(devicePath).string();
    // Read-write, never create: a missing file is a failure, not a new database.
    // The object lives on the one thread that made it (the apartment rule of
    // COM), so its connection needs no lock of its own on every call.
    if (sqlite3_open_v2(host.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::string why = m_db ? sqlite3_errmsg(m_db) : "cannot open";
        sqlite3_close(m_db);
        m_db = nullptr;
        return Fail("database " + host + ": " + why);
    }
    sqlite3_busy_timeout(m_db, 2000);
    m_dbPath = devicePath;
    return S_OK;
}

HRESULT SqliteRecordset::Prepare(std::u16string_view sql) {
    const void* tail = nullptr;
    int bytes = static_cast<int>(sql.size() * sizeof(char16_t));
    if (sqlite3_prepare16_v2(m_db, sql.data(), bytes, &m_stmt, &tail) != SQLITE_OK) {
        m_stmt = nullptr;
        return Fail(sqlite3_errmsg(m_db));
    }
    if (!m_stmt) return Fail("the statement is empty");
    // What follows the statement may hold semicolons, blanks and comments,
    // but no second statement, nor anything SQLite cannot read.
    const char16_t* end = sql.data() + sql.size();
    const char16_t* rest = tail ? static_cast<const char16_t*>(tail) : end;
    while (rest < end && !OnlyBlankOrSemicolons(std::u16string_view(rest, end - rest))) {
        sqlite3_stmt* second = nullptr;
        const void* next = nullptr;
        int rc = sqlite3_prepare16_v2(m_db, rest, static_cast<int>((end - rest) * sizeof(char16_t)), &second, &next);
        if (second) sqlite3_finalize(second);
        if (rc != SQLITE_OK || second || !next || static_cast<const char16_t*>(next) <= rest) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            return Fail("the text holds more than one statement");
        }
        rest = static_cast<const char16_t*>(next);
    }
    return S_OK;
}

HRESULT SqliteRecordset::Open(const VARIANT& source, const VARIANT& connection, long, long, long) {
    Close();
    if (source.vt != VT_BSTR || connection.vt != VT_BSTR || !source.bstrVal || !connection.bstrVal) {
        return Fail("source and connection must be texts");
    }
    HRESULT hr = OpenDatabase(std::u16string(connection.bstrVal, SysStringLen(connection.bstrVal)));
    if (FAILED(hr)) return hr;
    std::u16string_view sql(source.bstrVal, SysStringLen(source.bstrVal));
    size_t first = 0;
    while (first < sql.size() && IsBlank(sql[first])) ++first;
    bool isSelect = sql.size() > first + 6 && IsBlank(sql[first + 6]);
    for (size_t i = 0; isSelect && i < 6; ++i) isSelect = AsciiCase::Lower(sql[first + i]) == u"select"[i];
    m_offset = 0;
    if (isSelect && !RefersByPosition(sql)) {
        // Ask for the rowid too, so the rows can be written; a statement that
        // cannot have one (a join, a view, DISTINCT) stays read-only.
        std::u16string withRowid(sql.substr(0, first + 6));
        withRowid += u" _rowid_,";
        withRowid += sql.substr(first + 6);
        if (SUCCEEDED(Prepare(withRowid)) && sqlite3_column_count(m_stmt) > 1) {
            m_offset = 1;
        } else {
            if (m_stmt) sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            // A locked file has been waited for once already; asking again
            // without the rowid would only wait a second time.
            if (IsLockedOut(sqlite3_errcode(m_db))) return E_FAIL;
        }
    }
    if (!m_stmt) {
        hr = Prepare(sql);
        if (FAILED(hr)) return hr;
    }
    ReadColumns();
    m_isOpen = true;
    hr = Step();
    if (FAILED(hr)) {
        Finish();
        return hr;
    }
    return S_OK;
}

void SqliteRecordset::ReadColumns() {
    m_columns.clear();
    m_fieldObjects.clear();
    int count = sqlite3_column_count(m_stmt);
    for (int i = m_offset; i < count; ++i) {
        Column c;
        const void* name = sqlite3_column_name16(m_stmt, i);
        c.name = name ? std::u16string(static_cast<const char16_t*>(name)) : std::u16string();
        c.type = TypeCodeOfDeclared(sqlite3_column_decltype(m_stmt, i));
        const char* table = sqlite3_column_table_name(m_stmt, i);
        const char* origin = sqlite3_column_origin_name(m_stmt, i);
        c.table = table ? table : "";
        c.origin = origin ? origin : "";
        m_columns.push_back(c);
        m_fieldObjects.push_back(std::make_unique<SqliteField>(*this, i - m_offset));
    }
}

HRESULT SqliteRecordset::Step() {
    if (m_materialised) {
        m_eof = ++m_rowIndex >= m_rows.size();
        return S_OK;
    }
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_eof = false;
        return S_OK;
    }
    m_eof = true;
    if (rc == SQLITE_DONE) return S_OK;
    return Fail(sqlite3_errmsg(m_db));
}

SqliteRecordset::Row SqliteRecordset::CurrentRowFromStatement() const {
    Row row;
    row.rowid = m_offset ? sqlite3_column_int64(m_stmt, 0) : 0;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        int i = static_cast<int>(c) + m_offset;
        StoredValue v;
        switch (sqlite3_column_type(m_stmt, i)) {
        case SQLITE_INTEGER: v.kind = StoredValue::Kind::Integer; v.integer = sqlite3_column_int64(m_stmt, i); break;
        case SQLITE_FLOAT: v.kind = StoredValue::Kind::Real; v.real = sqlite3_column_double(m_stmt, i); break;
        case SQLITE_TEXT: {
            auto* text = static_cast<const char16_t*>(sqlite3_column_text16(m_stmt, i));
            int bytes = sqlite3_column_bytes16(m_stmt, i);
            v.kind = StoredValue::Kind::Text;
            v.text.assign(text ? text : u"", static_cast<size_t>(bytes) / 2);
            break;
        }
        default: break;
        }
        row.values.push_back(std::move(v));
    }
    return row;
}

HRESULT SqliteRecordset::Materialise() {
    if (m_materialised) return S_OK;
    m_rows.clear();
    while (!m_eof) {
        m_rows.push_back(CurrentRowFromStatement());
        HRESULT hr = Step();
        if (FAILED(hr)) return hr;
    }
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_materialised = true;
    m_rowIndex = 0;
    m_eof = m_rows.empty();
    return S_OK;
}

int SqliteRecordset::ColumnByName(std::u16string_view name) const {
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (AsciiCase::Equal(m_columns[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

long SqliteRecordset::ColumnType(int column) const {
    return m_columns.at(column).type;
}

const std::u16string& SqliteRecordset::ColumnName(int column) const {
    return m_columns.at(column).name;
}

HRESULT SqliteRecordset::ReadValue(int column, VARIANT* out) const {
    if (!out) return E_POINTER;
    if (!m_isOpen || m_eof || column < 0 || column >= ColumnCount()) return E_FAIL;
    for (const auto& [pendingColumn, value] : m_pending) {
        if (pendingColumn == column) return value.ToVariant(out);
    }
    if (m_materialised) return m_rows[m_rowIndex].values[column].ToVariant(out);
    int i = column + m_offset;
    VariantInit(out);
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER: {
        std::int64_t value = sqlite3_column_int64(m_stmt, i);
        if (value >= INT32_MIN && value <= INT32_MAX) {
            out->vt = VT_I4;
            out->lVal = static_cast<std::int32_t>(value);
            return S_OK;
        }
        StoredValue wide;  // beyond 32 bits: as a stored value gives it
        wide.kind = StoredValue::Kind::Integer;
        wide.integer = value;
        return wide.ToVariant(out);
    }
    case SQLITE_FLOAT: out->vt = VT_R8; out->dblVal = sqlite3_column_double(m_stmt, i); return S_OK;
    case SQLITE_TEXT: {
        auto* text = static_cast<const char16_t*>(sqlite3_column_text16(m_stmt, i));
        int bytes = sqlite3_column_bytes16(m_stmt, i);
        out->vt = VT_BSTR;
        out->bstrVal = SysAllocStringLen(text, static_cast<unsigned>(bytes / 2));
        return out->bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    default: out->vt = VT_NULL; return S_OK;
    }
}

HRESULT SqliteRecordset::WriteValue(int column, const VARIANT& value) {
    if (!m_isOpen || m_eof || column < 0 || column >= ColumnCount()) return Fail("no row to write");
    if (!m_offset || m_columns[column].table.empty() || m_columns[column].origin.empty()) {
        return Fail("this field cannot be written");
    }
    StoredValue stored;
    HRESULT hr = StoredValue::FromVariant(value, stored);
    if (FAILED(hr)) return hr;
    hr = Materialise();
    if (FAILED(hr)) return hr;
    for (auto& [pendingColumn, pendingValue] : m_pending) {
        if (pendingColumn == column) {
            pendingValue = stored;
            return S_OK;
        }
    }
    m_pending.emplace_back(column, std::move(stored));
    return S_OK;
}

HRESULT SqliteRecordset::WritePendingRow() {
    if (m_pending.empty()) return S_OK;
    auto pending = std::move(m_pending);
    m_pending.clear();
    const std::string& table = m_columns[pending.front().first].table;
    std::string sql = "UPDATE " + QuotedName(table) + " SET ";
    for (size_t i = 0; i < pending.size(); ++i) {
        if (m_columns[pending[i].first].table != table) return Fail("one row's fields lie in two tables");
        sql += (i ? "," : "") + QuotedName(m_columns[pending[i].first].origin) + "=?";
    }
    sql += " WHERE _rowid_=?";
    sqlite3_stmt* update = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &update, nullptr) != SQLITE_OK) return Fail(sqlite3_errmsg(m_db));
    int n = 1;
    for (const auto& [column, value] : pending) {
        switch (value.kind) {
        case StoredValue::Kind::Null: sqlite3_bind_null(update, n); break;
        case StoredValue::Kind::Integer: sqlite3_bind_int64(update, n, value.integer); break;
        case StoredValue::Kind::Real: sqlite3_bind_double(update, n, value.real); break;
        case StoredValue::Kind::Text:
            sqlite3_bind_text16(update, n, value.text.data(), static_cast<int>(value.text.size() * 2), SQLITE_TRANSIENT);
            break;
        }
        ++n;
    }
    Row& row = m_rows[m_rowIndex];
    sqlite3_bind_int64(update, n, row.rowid);
    int rc = sqlite3_step(update);
    sqlite3_finalize(update);
    if (rc != SQLITE_DONE) return Fail(sqlite3_errmsg(m_db));
    for (auto& [column, value] : pending) row.values[column] = std::move(value);
    return S_OK;
}

HRESULT SqliteRecordset::get_EOF(VARIANT_BOOL* pEOF) {
    if (!pEOF) return E_POINTER;
    *pEOF = (!m_isOpen || m_eof) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT SqliteRecordset::get_Fields(IFields** ppFields) {
    if (!ppFields) return E_POINTER;
    *ppFields = nullptr;
    if (!m_isOpen) return Fail("the recordset is not open");
    *ppFields = &m_fields;
    m_fields.AddRef();
    return S_OK;
}

HRESULT SqliteRecordset::MoveNext() {
    if (!m_isOpen || m_eof) return Fail("no row to leave");
    HRESULT written = WritePendingRow();
    HRESULT stepped = Step();
    return FAILED(written) ? written : stepped;
}

HRESULT SqliteRecordset::CancelUpdate() {
    m_pending.clear();
    return S_OK;
}

HRESULT SqliteRecordset::Close() {
    HRESULT written = S_OK;
    if (m_isOpen && !m_eof) written = WritePendingRow();
    Finish();
    return written;
}

void SqliteRecordset::Finish() {
    if (m_stmt) sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_isOpen = false;
    m_eof = true;
    m_materialised = false;
    m_rows.clear();
    m_pending.clear();
    m_rowIndex = 0;
}
