#include "data/CDataLoader.h"

#include <charconv>
#include <string>

#include "data/CUpdateStatement.h"
#include "platform/com/ClassRegistry.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/WindowSystem.h"
#include "platform/recordset/RecordsetInterfaces.h"
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

BEGIN_MESSAGE_MAP(CDataLoader, CWnd)
END_MESSAGE_MAP()

CDataLoader::CDataLoader(CWnd* pOwner, int nCtrlId) : m_pOwner(pOwner), m_nCtrlId(nCtrlId) {}

CDataLoader::~CDataLoader() {
    ReleaseField();
    ReleaseFields();
    if (m_pRecordset) m_pRecordset->Release();
    // The last reference: an open transaction is rolled back with it.
    if (m_pConnection) m_pConnection->Release();
}

BOOL CDataLoader::Open() {
    if (FAILED(CoInitializeEx(nullptr, 0))) return FALSE;
    if (FAILED(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset,
                                reinterpret_cast<void**>(&m_pRecordset)))) {
        m_pRecordset = nullptr;
        return FALSE;
    }
    m_strDbPath = u"\\Program Files\\Cartavel\\Orvanemart.cdb";
    // Every statement of this loader runs on one connection, so that a
    // transaction spans them. Opening it does not touch the file yet.
    if (FAILED(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_INPROC_SERVER, IID_IConnection,
                                reinterpret_cast<void**>(&m_pConnection)))) {
        m_pConnection = nullptr;
        return FALSE;
    }
    VARIANT path = MakeTextVariant(m_strDbPath.str());
    HRESULT hr = m_pConnection->Open(path);
    VariantClear(&path);
    return SUCCEEDED(hr) ? TRUE : FALSE;
}

BOOL CDataLoader::BeginTrans() {
    long nLevel = 0;
    if (!m_pConnection || FAILED(m_pConnection->BeginTrans(&nLevel))) return ReportConnectionFailure();
    return TRUE;
}

BOOL CDataLoader::CommitTrans() {
    if (!m_pConnection) return ReportConnectionFailure();
    if (FAILED(m_pConnection->CommitTrans())) {
        ReportConnectionFailure();
        m_pConnection->RollbackTrans();
        return FALSE;
    }
    return TRUE;
}

BOOL CDataLoader::RollbackTrans() {
    if (!m_pConnection || FAILED(m_pConnection->RollbackTrans())) return ReportConnectionFailure();
    return TRUE;
}

BOOL CDataLoader::ReportConnectionFailure() {
    BSTR text = nullptr;
    if (m_pConnection && SUCCEEDED(m_pConnection->get_LastError(&text))) return ReportFailure(TakeBstr(text));
    return ReportFailure(u"the connection component is not available");
}

bool CDataLoader::InsertsSeparator(const CString& strStatement) {
    CString strWord = strStatement;
    strWord.TrimLeft();
    if (!AsciiCase::StartsWith(strWord.str(), u"insert")) return false;
    return strStatement.Find(CUpdateStatement::kTokenEnd) >= 0 || strStatement.Find(CUpdateStatement::kNameEnd) >= 0;
}

void CDataLoader::ReleaseField() {
    if (m_pField) m_pField->Release();
    m_pField = nullptr;
}

void CDataLoader::ReleaseFields() {
    if (m_pFields) m_pFields->Release();
    m_pFields = nullptr;
}

BOOL CDataLoader::RunStatement(const CString& strStatement) {
    m_bLastFailed = true;
    if (!m_pRecordset) return ReportFailure(u"the recordset component is not available");
    VARIANT source = MakeTextVariant(strStatement.str());
    VARIANT connection = m_pConnection ? MakeUnknownVariant(m_pConnection) : MakeTextVariant(m_strDbPath.str());
    HRESULT hr = m_pRecordset->Open(source, connection, kCursorType, kLockType, kOptions);
    VariantClear(&source);
    VariantClear(&connection);
    if (FAILED(hr)) return ReportFailure();
    m_bLastFailed = false;
    return TRUE;
}

BOOL CDataLoader::ReportFailure() {
    BSTR text = nullptr;
    if (m_pRecordset && SUCCEEDED(m_pRecordset->get_LastError(&text))) return ReportFailure(TakeBstr(text));
    return ReportFailure(u"the recordset gives no reason");
}

BOOL CDataLoader::ReportFailure(const CString& reason) {
    m_bLastFailed = true;
    if (WindowSystem* screen = WindowSystem::Current()) screen->StatementFailed(reason);
    return FALSE;
}

bool CDataLoader::AtEnd() {
    VARIANT_BOOL eof = VARIANT_TRUE;
    if (FAILED(m_pRecordset->get_EOF(&eof))) {
        ReportFailure();
        return true;
    }
    return eof != VARIANT_FALSE;
}

bool CDataLoader::MoveNext() {
    if (SUCCEEDED(m_pRecordset->MoveNext())) return true;
    ReportFailure();
    return false;
}

bool CDataLoader::ReadField(long nIndex, VARIANT* pValue) {
    VARIANT index = MakeI4Variant(nIndex);
    bool read = SUCCEEDED(m_pFields->get_Item(index, &m_pField)) && SUCCEEDED(m_pField->get_Value(pValue));
    ReleaseField();
    if (!read) ReportFailure();
    return read;
}

BOOL CDataLoader::FillControl(const CString& strStatement, const CString& strMode) {
    if (!RunStatement(strStatement)) return FALSE;
    const bool toCombo = strMode == CString(u"COMBO");
    // The bound control is looked up once, not once for every field: a long
    // list has a million cells, and a dialog finds a control by walking its
    // children.
    CWnd* control = m_pOwner ? m_pOwner->GetDlgItem(m_nCtrlId) : nullptr;
    auto* list = toCombo ? nullptr : dynamic_cast<CListCtrl*>(control);
    auto* combo = toCombo ? dynamic_cast<CComboBox*>(control) : nullptr;
    while (!AtEnd()) {
        if (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields) {
            ReportFailure();
            return FALSE;
        }
        long count = 0;
        m_pFields->get_Count(&count);
        for (long i = 0; i < count; ++i) {
            VARIANT value;
            if (!ReadField(i, &value)) break;  // the rest of this row cannot be read either
            CString text = FieldText(value);
            VariantClear(&value);
            if (combo) combo->AddString(text);
            else if (list) PutCell(*list, static_cast<int>(i), std::move(text));
        }
        ReleaseFields();
        if (!MoveNext()) break;
    }
    m_pRecordset->Close();
    if (control) control->UpdateWindow();
    return m_bLastFailed ? FALSE : TRUE;
}

int CDataLoader::CountRows(const CString& strStatement) {
    if (!RunStatement(strStatement)) return 0;
    int count = 0;
    while (!AtEnd()) {
        if (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields) {
            ReportFailure();
            return 0;
        }
        ReleaseFields();
        if (!MoveNext()) break;
        ++count;
    }
    m_pRecordset->Close();
    return m_bLastFailed ? 0 : count;
}

BOOL CDataLoader::Execute(const CString& strStatement) {
    if (InsertsSeparator(strStatement)) {
        return ReportFailure(u"a value to insert holds U+001D or U+001F, which no name may hold");
    }
    if (!RunStatement(strStatement)) return FALSE;
    m_pRecordset->Close();
    return TRUE;
}

CString CDataLoader::FetchFirstRow(const CString& strStatement) {
    CString result;
    if (!RunStatement(strStatement)) return result;
    if (AtEnd()) {
        m_pRecordset->Close();
        return result;
    }
    if (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields) {
        ReportFailure();
        return result;
    }
    long count = 0;
    m_pFields->get_Count(&count);
    for (long i = 0; i < count; ++i) {
        VARIANT value;
        if (!ReadField(i, &value)) break;
        result += FieldText(value);
        result += kFieldEnd;
        VariantClear(&value);
    }
    ReleaseFields();
    m_pRecordset->MoveNext();
    m_pRecordset->Close();
    return result;
}

BOOL CDataLoader::ExecuteUpdate(const CString& strStatement) {
    m_bLastFailed = true;
    CUpdateStatement update;
    if (!update.Parse(strStatement)) return ReportFailure(u"the UPDATE is not of the form the loader writes");
    if (!RunStatement(update.SelectText())) return FALSE;
    while (!AtEnd()) {
        if (!WriteRow(update)) {
            // A value that cannot be stored ends the whole update: this row
            // is left as it was, and no later row is touched.
            m_pRecordset->CancelUpdate();
            m_pRecordset->Close();
            m_bLastFailed = true;
            return FALSE;
        }
        // A row whose fields the database refuses (a check that fails) is a
        // failed update, not a quiet one.
        if (!MoveNext()) {
            m_pRecordset->Close();
            return FALSE;
        }
    }
    if (m_bLastFailed) return FALSE;
    if (FAILED(m_pRecordset->Close())) return ReportFailure();
    return TRUE;
}

BOOL CDataLoader::WriteRow(const CUpdateStatement& update) {
    for (size_t i = 0; i < update.Names().size(); ++i) {
        if (FAILED(m_pRecordset->get_Fields(&m_pFields)) || !m_pFields) return ReportFailure();
        VARIANT name = MakeTextVariant(update.Names()[i].str());
        HRESULT hr = m_pFields->get_Item(name, &m_pField);
        VariantClear(&name);
        ReleaseFields();
        if (FAILED(hr)) return ReportFailure();
        long type = 0;
        m_pField->get_Type(&type);
        VARIANT value = MakeTextVariant(update.Values()[i].str());
        bool converted = SUCCEEDED(VariantChangeType(&value, &value, 0, KindOfType(type)));
        hr = converted ? m_pField->put_Value(value) : E_FAIL;
        VariantClear(&value);
        ReleaseField();
        if (!converted) return ReportFailure(NotAValueOf(update.Values()[i], update.Names()[i]));
        if (FAILED(hr)) return ReportFailure();
    }
    return TRUE;
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
