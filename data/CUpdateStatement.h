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

    static CString Normalise(const CString& statement);
    // False when the statement does not start with UPDATE or its third word
    // is not SET.
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
