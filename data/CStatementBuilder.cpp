#include "data/CStatementBuilder.h"

CString CStatementBuilder::QuotedText(const CString& value) {
    CString out;
    for (int i = 0; i < value.GetLength(); ++i) {
        out += value[i];
        if (value[i] == u'\'') out += u'\'';
    }
    return out;
}

bool CStatementBuilder::IsPlainNumber(const CString& value) {
    int i = 0;
    const int n = value.GetLength();
    if (i < n && value[i] == u'-') ++i;
    const int firstDigit = i;
    while (i < n && value[i] >= u'0' && value[i] <= u'9') ++i;
    return i > firstDigit && i == n;
}

CString CStatementBuilder::Format(LPCTSTR templateText, std::initializer_list<CString> values) {
    CString out;
    auto next = values.begin();
    for (const char16_t* p = templateText; *p; ++p) {
        if (p[0] != u'%' || p[1] != u's') {
            out += *p;
            continue;
        }
        ++p;
        CString value = next != values.end() ? *next++ : CString();
        bool quoted = p - templateText >= 2 && p[-2] == u'\'';
        if (quoted) {
            out += QuotedText(value);
            continue;
        }
        CString number = value;
        number.Trim();
        // SQLite would read a quoted '1e3' or ' 12' as a number again, so a
        // bare value that is not a whole number has no safe form at all:
        // the statement is not made, and the loader refuses the empty text.
        if (!IsPlainNumber(number)) return CString();
        out += number;
    }
    return out;
}
