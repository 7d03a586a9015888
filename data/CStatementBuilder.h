#pragma once
// Fills the values into a statement template. A text value (a '%s' between
// single quotes) has every single quote inside it doubled, so that a name
// such as Kim's is stored and found exactly as typed and can never end its
// quotes early. A number value (a bare %s) must be a whole number in plain
// decimals (blanks around it are dropped); when one is not - empty, "1e3",
// "12abc", "1 or 1=1" - no statement is made: Format returns an empty text,
// which every loader operation refuses. Nothing typed can widen a WHERE.

#include <initializer_list>

#include "platform/framework/CString.h"

class CStatementBuilder {
public:
    static CString Format(LPCTSTR templateText, std::initializer_list<CString> values);

    static CString QuotedText(const CString& value);
    // An optional minus and at least one digit, nothing else.
    static bool IsPlainNumber(const CString& value);
};
