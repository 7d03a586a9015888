#include "data/CDataLoader.h"

#include <charconv>
#include <climits>
#include <string>

#include "data/CUpdateStatement.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/RecordsetInterfaces.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/WindowSystem.h"
#include "platform/shell/AsciiCase.h"

namespace {

// The recordset's Open arguments: keyset cursor, pessimistic lock, text command.
constexpr long kCursorType = 2;
constexpr long kLockType = 2;
constexpr long kOptions = 1;

// The variant kind a value text is written as, by the field's data type code.
VARTYPE KindOfType(long typeCode) {
    switch (typeCode) {
    case adSmallInt: return VT_I2;
    case adInteger: return VT_I4;
    case adSingle: return VT_R4;
    case adDouble: return VT_R8;
    case adCurrency: return VT_CY;
    case adDate: return VT_DATE;
    case adBoolean: return VT_BOOL;
    case adDecimal: return VT_DECIMAL;
    case adUnsignedTinyInt: return VT_UI1;
    default: return VT_BSTR;  // texts, and any other code, stay texts
    }
}

// The texts of "%d", "%hd" and "%.2f" as the C locale writes them, whatever
// locale the host (or the toolkit) has set: a list cell never shows "3,50".
CString Decimal(long value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    std::u16string text(buffer, end);
    return CString(std::move(text));
}

CString TwoDecimals(double value) {
    char buffer[400];  // "%.2f" of the largest double has 309 digits before the point
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (ec != std::errc()) return CString::Formatted(u"%.2f", value);
    std::u16string text(buffer, end);
    return CString(std::move(text));
}

// A field into the bound list view: field 0 starts a new last row, the later
// fields fill that row's columns.
void PutCell(CListCtrl& list, int nColumn, CString strText) {
    int n = list.GetItemCount();
    if (nColumn == 0) list.InsertItem(n, std::move(strText));
    else list.SetItemText(n - 1, nColumn, std::move(strText));
}

CString NotAValueOf(const CString& text, const CString& field) {
    CString reason = u"the text '";
    reason += text;
    reason += u"' is no value of field ";
    reason += field;
    return reason;
}

CString TakeBstr(BSTR text) {
    CString out(std::u16string_view(text ? text : u"", SysStringLen(text)));
    SysFreeString(text);
    return out;
}

} // namespace

CDataLoader::CDataLoader(CWnd* pOwner, int nCtrlId) : m_pOwner(pOwner), m_nCtrlId(nCtrlId) {}

// The recordset goes before the connection; the connection's last reference
// goes with it, and an open transaction is rolled back.
CDataLoader::~CDataLoader() {
    m_pField.Reset();
    m_pFields.Reset();
    m_pRecordset.Reset();
}

std::unique_ptr<CDataLoader> CDataLoader::Opened(CWnd* pOwner, int nCtrlId) {
    std::unique_ptr<CDataLoader> pLoader(new CDataLoader(pOwner, nCtrlId));
    pLoader->Open();
    return pLoader;
}

BOOL CDataLoader::Open() {
    if (FAILED(CoInitializeEx(nullptr, 0))) return FALSE;
    if (FAILED(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset, m_pRecordset.AsOut()))) {
        m_pRecordset.Reset();
        return FALSE;
    }
    m_strDbPath = u"\\Program Files\\Cartavel\\Orvanemart.cdb";
    // Every statement of this loader runs on one connection, so that a
    // transaction spans them. Opening it does not touch the file yet.
    if (FAILED(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_INPROC_SERVER, IID_IConnection,
                                m_pConnection.AsOut()))) {
        m_pConnection.Reset();
        return FALSE;
    }
    VARIANT path = MakeTextVariant(m_strDbPath.str());
    HRESULT hr = m_pConnection->Open(path);
    VariantClear(&path);
    return SUCCEEDED(hr) ? TRUE : FALSE;
}

BOOL CDataLoader::BeginTrans() {
    long nLevel = 0;
    return Outcome(m_pConnection && SUCCEEDED(m_pConnection->BeginTrans(&nLevel)) ? true : ConnectionFailed());
}

BOOL CDataLoader::CommitTrans() {
    if (m_pConnection && SUCCEEDED(m_pConnection->CommitTrans())) return Outcome(true);
    ConnectionFailed();
    if (m_pConnection) m_pConnection->RollbackTrans();
    return Outcome(false);
}

BOOL CDataLoader::RollbackTrans() {
    return Outcome(m_pConnection && SUCCEEDED(m_pConnection->RollbackTrans()) ? true : ConnectionFailed());
}

bool CDataLoader::InsertsSeparator(const CString& strStatement) {
    CString strWord = strStatement;
    strWord.TrimLeft();
    if (!AsciiCase::StartsWith(strWord.str(), u"insert")) return false;
    return strStatement.Find(CUpdateStatement::kTokenEnd) >= 0 || strStatement.Find(CUpdateStatement::kNameEnd) >= 0;
}

BOOL CDataLoader::Outcome(bool bDone) {
    m_bLastFailed = !bDone;
    return bDone ? TRUE : FALSE;
}

bool CDataLoader::Failed() {
    BSTR text = nullptr;
    if (m_pRecordset && SUCCEEDED(m_pRecordset->get_LastError(&text))) return Failed(TakeBstr(text));
    return Failed(u"the recordset gives no reason");
}

bool CDataLoader::ConnectionFailed() {
    BSTR text = nullptr;
    if (m_pConnection && SUCCEEDED(m_pConnection->get_LastError(&text))) return Failed(TakeBstr(text));
    return Failed(u"the connection component is not available");
}

bool CDataLoader::Failed(const CString& reason) {
    if (WindowSystem* screen = WindowSystem::Current()) screen->StatementFailed(reason);
    return false;
}

bool CDataLoader::RunStatement(const CString& strStatement) {
    if (!m_pRecordset) return Failed(u"the recordset component is not available");
    VARIANT source = MakeTextVariant(strStatement.str());
    VARIANT connection = m_pConnection ? MakeUnknownVariant(m_pConnection.Get()) : MakeTextVariant(m_strDbPath.str());
    HRESULT hr = m_pRecordset->Open(source, connection, kCursorType, kLockType, kOptions);
    VariantClear(&source);
    VariantClear(&connection);
    return SUCCEEDED(hr) ? true : Failed();
}

std::optional<int> CDataLoader::WalkRows(const CString& strStatement, int nMaxRows, const FieldSink& onField) {
    if (!RunStatement(strStatement)) return std::nullopt;
    bool bFailed = false;
    int nRows = 0;
    while (nRows < nMaxRows) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        if (FAILED(m_pRecordset->get_EOF(&eof)) ||
            (eof == VARIANT_FALSE && (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields))) {
            Failed();
            bFailed = true;
            break;
        }
        if (eof != VARIANT_FALSE) break;
        // A field that cannot be read ends its row; the next row is taken.
        if (onField && !ReadRow(onField)) bFailed = true;
        m_pFields.Reset();
        ++nRows;
        // The move after the last row wanted reads nothing that is used.
        if (FAILED(m_pRecordset->MoveNext()) && nRows < nMaxRows) {
            Failed();
            bFailed = true;
            break;
        }
    }
    m_pRecordset->Close();
    if (bFailed) return std::nullopt;
    return nRows;
}

bool CDataLoader::ReadRow(const FieldSink& onField) {
    long nCount = 0;
    m_pFields->get_Count(&nCount);
    for (long i = 0; i < nCount; ++i) {
        VARIANT index = MakeI4Variant(i);
        VARIANT value;
        bool bRead = SUCCEEDED(m_pFields->get_Item(index, &m_pField)) && SUCCEEDED(m_pField->get_Value(&value));
        m_pField.Reset();
        if (!bRead) return Failed();
        onField(i, FieldText(value));
        VariantClear(&value);
    }
    return true;
}

BOOL CDataLoader::FillControl(const CString& strStatement, const CString& strMode) {
    const bool toCombo = strMode == CString(u"COMBO");
    // The bound control is looked up once, not once for every field: a long
    // list has a million cells, and a dialog finds a control by walking its
    // children.
    CWnd* control = m_pOwner ? m_pOwner->GetDlgItem(m_nCtrlId) : nullptr;
    auto* list = toCombo ? nullptr : dynamic_cast<CListCtrl*>(control);
    auto* combo = toCombo ? dynamic_cast<CComboBox*>(control) : nullptr;
    std::optional<int> nRows = WalkRows(strStatement, INT_MAX, [&](long nField, CString strText) {
        if (combo) combo->AddString(strText);
        else if (list) PutCell(*list, static_cast<int>(nField), std::move(strText));
    });
    if (control) control->UpdateWindow();
    return Outcome(nRows.has_value());
}

int CDataLoader::CountRows(const CString& strStatement) {
    std::optional<int> nRows = WalkRows(strStatement, INT_MAX, {});
    Outcome(nRows.has_value());
    return nRows.value_or(0);
}

BOOL CDataLoader::Execute(const CString& strStatement) {
    if (InsertsSeparator(strStatement)) {
        return Outcome(Failed(u"a value to insert holds U+001D or U+001F, which no name may hold"));
    }
    if (!RunStatement(strStatement)) return Outcome(false);
    m_pRecordset->Close();
    return Outcome(true);
}

CString CDataLoader::FetchFirstRow(const CString& strStatement) {
    CString result;
    std::optional<int> nRows = WalkRows(strStatement, 1, [&](long, CString strText) {
        result += strText;
        result += kFieldEnd;
    });
    Outcome(nRows.has_value());
    return result;
}

BOOL CDataLoader::ExecuteUpdate(const CString& strStatement) {
    CUpdateStatement update;
    if (!update.Parse(strStatement)) return Outcome(Failed(u"the UPDATE is not of the form the loader writes"));
    if (!RunStatement(update.SelectText())) return Outcome(false);
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        if (FAILED(m_pRecordset->get_EOF(&eof))) {
            Failed();
            break;
        }
        if (eof != VARIANT_FALSE) {
            // The last row is written as the recordset closes.
            return Outcome(SUCCEEDED(m_pRecordset->Close()) ? true : Failed());
        }
        if (!WriteRow(update)) {
            // A value that cannot be stored ends the whole update: this row
            // is left as it was, and no later row is touched.
            m_pRecordset->CancelUpdate();
            break;
        }
        // A row whose fields the database refuses (a check that fails) is a
        // failed update, not a quiet one.
        if (FAILED(m_pRecordset->MoveNext())) {
            Failed();
            break;
        }
    }
    m_pRecordset->Close();
    return Outcome(false);
}

bool CDataLoader::WriteRow(const CUpdateStatement& update) {
    for (size_t i = 0; i < update.Names().size(); ++i) {
        if (!WriteField(update.Names()[i], update.Values()[i])) return false;
    }
    return true;
}

bool CDataLoader::WriteField(const CString& strName, const CString& strValue) {
    if (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields) return Failed();
    VARIANT name = MakeTextVariant(strName.str());
    HRESULT hr = m_pFields->get_Item(name, &m_pField);
    VariantClear(&name);
    m_pFields.Reset();
    if (FAILED(hr)) return Failed();
    long type = 0;
    m_pField->get_Type(&type);
    VARIANT value = MakeTextVariant(strValue.str());
    bool converted = SUCCEEDED(VariantChangeType(&value, &value, 0, KindOfType(type)));
    hr = converted ? m_pField->put_Value(value) : E_FAIL;
    VariantClear(&value);
    m_pField.Reset();
    if (!converted) return Failed(NotAValueOf(strValue, strName));
    return SUCCEEDED(hr) ? true : Failed();
}

CString CDataLoader::FieldText(const VARIANT& value) {
    // The kinds every list is made of carry no flag bits, so their text is
    // final at once, without first building the default text for each cell.
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: return CString(u"NULL");
    case VT_I2: return Decimal(value.iVal);
    case VT_I4: return Decimal(value.lVal);
    case VT_R4: return TwoDecimals(static_cast<double>(value.fltVal));
    case VT_R8: return TwoDecimals(value.dblVal);
    case VT_BSTR: return CString(std::u16string_view(value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal)));
    default: break;
    }
    CString text = u"<Unknown>";
    BSTR formatted = nullptr;
    switch (value.vt) {
    case VT_CY:
        if (SUCCEEDED(VarFormatCurrency(&value, &formatted))) text = TakeBstr(formatted);
        break;
    case VT_DATE:
        if (SUCCEEDED(VarFormatDateTime(&value, &formatted))) text = TakeBstr(formatted);
        break;
    case VT_BOOL: return value.boolVal ? CString(u"TRUE") : CString(u"FALSE");
    case VT_DECIMAL: {
        VARIANT currency;
        currency.vt = VT_CY;
        if (SUCCEEDED(VarCyFromDec(&value.decVal, &currency.cyVal)) && SUCCEEDED(VarFormatCurrency(&currency, &formatted))) {
            text = TakeBstr(formatted);
        }
        break;
    }
    case VT_UI1: {
        const char16_t* hex = u"0123456789ABCDEF";
        text = std::u16string{u'0', u'x', hex[value.bVal >> 4], hex[value.bVal & 15]};
        break;
    }
    default: break;
    }
    if (value.vt & VT_ARRAY) text = u"Array of ";
    if (value.vt & VT_BYREF) text += u"Pointer to ";
    return text;
}

void CDataLoader::SetCell(int nColumn, CString strText) {
    auto* list = dynamic_cast<CListCtrl*>(m_pOwner ? m_pOwner->GetDlgItem(m_nCtrlId) : nullptr);
    if (list) PutCell(*list, nColumn, std::move(strText));
}

void CDataLoader::AddComboItem(const CString& strText) {
    auto* combo = dynamic_cast<CComboBox*>(m_pOwner ? m_pOwner->GetDlgItem(m_nCtrlId) : nullptr);
    if (combo) combo->AddString(strText);
}
