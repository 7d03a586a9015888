#include "data/CUpdateStatement.h"

namespace {

bool EndsWithWhere(const CString& out) {
    static const CString marker = CString(u"\x1DWHERE\x1D");
    return out.GetLength() >= marker.GetLength() && out.Right(marker.GetLength()) == marker;
}

} // namespace

CString CUpdateStatement::Normalise(const CString& statement, bool* pSeparatorInValues) {
    if (pSeparatorInValues) *pSeparatorInValues = false;
    CString text = statement;
    text.Trim();
    text += u' ';
    const int end = text.GetLength() - 1;  // the appended blank is not walked
    CString out;
    char16_t last = 0;
    bool inQuote = false;
    for (int i = 0; i < end; ++i) {
        char16_t c = text[i];
        char16_t n = text[i + 1];
        // Before WHERE only the assignments stand, and the program's own
        // templates hold no separator: one there came from a value.
        if ((c == kTokenEnd || c == kNameEnd) && pSeparatorInValues) *pSeparatorInValues = true;
        if (!inQuote && (c == u' ' || c == u',')) {
            if (n == u' ' || n == u'=' || n == u',' || last == kTokenEnd) continue;
            c = kTokenEnd;
        } else if (!inQuote && c == u'=') {
            if (last == kNameEnd) continue;
            c = kNameEnd;
        }
        if (c == u'\'') {
            if (inQuote && n == u'\'') {
                // A doubled quote inside a value is one quote of the value.
                out += u'\'';
                last = u'\'';
                ++i;
                continue;
            }
            inQuote = !inQuote;
            continue;
        }
        out += c;
        last = c;
        // Only a WHERE that stands as a word outside quotes starts the
        // condition; a value that reads "x WHERE y" stays a value.
        if (!inQuote && EndsWithWhere(out)) return out + text.Mid(i + 1);
    }
    return out + kTokenEnd;
}

CString CUpdateStatement::TakeToken(CString& text) {
    int at = text.Find(kTokenEnd);
    CString token = at < 0 ? text : text.Left(at);
    text = at < 0 ? CString() : text.Mid(at + 1);
    return token;
}

bool CUpdateStatement::Parse(const CString& statement) {
    m_names.clear();
    m_values.clear();
    m_select.Empty();
    bool bSeparatorInValues = false;
    CString text = Normalise(statement, &bSeparatorInValues);
    // A value holding a separator would be split into assignments of its
    // own (a smuggled "PayYN=Y" or "WHERE 1=1"): the statement is refused.
    if (bSeparatorInValues) return false;
    if (TakeToken(text) != CString(u"UPDATE")) return false;
    CString table = TakeToken(text);
    if (TakeToken(text) != CString(u"SET")) return false;
    for (;;) {
        CString token = TakeToken(text);
        if (token.IsEmpty() || token == CString(u"WHERE")) break;
        int at = token.Find(kNameEnd);
        CString name = at < 0 ? token : token.Left(at);
        CString value = at < 0 ? CString() : token.Mid(at + 1);
        m_names.push_back(name);
        m_values.push_back(value);
        m_select += m_select.IsEmpty() ? CString(u"SELECT ") + name : CString(u",") + name;
    }
    m_select += u" FROM  ";
    m_select += table;
    text.Trim();
    if (!text.IsEmpty()) m_select += CString(u" WHERE ") + text;
    return true;
}
