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
    int n = value.GetLength();
    if (i < n && value[i] == u'-') ++i;
    int digits = 0;
    while (i < n && value[i] >= u'0' && value[i] <= u'9') ++i, ++digits;
    if (i < n && value[i] == u'.') {
        ++i;
        int fraction = 0;
        while (i < n && value[i] >= u'0' && value[i] <= u'9') ++i, ++fraction;
        if (fraction == 0) return false;
    }
    return digits > 0 && i == n;
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
        if (number.IsEmpty() || IsPlainNumber(number)) out += number;
        else out += u"'" + QuotedText(value) + u"'";
    }
    return out;
}
