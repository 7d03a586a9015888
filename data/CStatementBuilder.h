#pragma once
// Fills the values into a statement template. A text value (a '%s' between
// single quotes) has every single quote inside it doubled, so that a name
// such as Kim's is stored and found exactly as typed and can never end its
// quotes early. A number value (a bare %s) goes in bare when it is a plain
// decimal number and otherwise as a quoted text, which no number column
// accepts and no number matches; an empty one stays empty, and the statement
// then fails.

#include <initializer_list>

#include "platform/framework/CString.h"

class CStatementBuilder {
public:
    static CString Format(LPCTSTR templateText, std::initializer_list<CString> values);

    static CString QuotedText(const CString& value);
    static bool IsPlainNumber(const CString& value);
};
