#pragma once
// Reads an UPDATE statement of the program's one shape -
//   UPDATE table SET column=value,column='text' WHERE condition
// - into the assigned column names, their value texts and a SELECT of those
// columns over the rows the condition names. The recordset then writes the
// values field by field; an UPDATE text itself never reaches it.
//
// Normalising turns the text into tokens separated by U+001D; in an
// assignment, U+001F separates the column from its value. Quotes are taken
// off values; inside quotes, blanks, commas and "=" are kept, and a doubled
// quote stands for one quote. The condition after WHERE is kept as it is.

#include <vector>

#include "platform/framework/CString.h"

class CUpdateStatement {
public:
    static constexpr char16_t kTokenEnd = u'\x1D';
    static constexpr char16_t kNameEnd = u'\x1F';

    // pSeparatorInValues, when given, tells whether a U+001D or U+001F stood
    // before the condition, that is inside an assigned value.
    static CString Normalise(const CString& statement, bool* pSeparatorInValues = nullptr);
    // False when the statement does not start with UPDATE, its third word
    // is not SET, or an assigned value holds U+001D or U+001F (a barcode
    // scanner sends U+001D): such a value could never be stored as typed,
    // only split into assignments or a condition of its own. The condition
    // after WHERE is carried verbatim, so an old name holding them is still
    // found.
    bool Parse(const CString& statement);

    const std::vector<CString>& Names() const { return m_names; }
    const std::vector<CString>& Values() const { return m_values; }
    const CString& SelectText() const { return m_select; }

private:
    static CString TakeToken(CString& text);

    std::vector<CString> m_names;
    std::vector<CString> m_values;
    CString m_select;
};
