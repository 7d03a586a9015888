#pragma once
// One field of a CSV line as spreadsheets read it. A text that a spreadsheet
// would take for a formula (=, +, -, @, a tab or CR first) gets an apostrophe
// in front; then a field with a comma, a double quote, CR or LF, or with a
// blank first or last, is put in double quotes with its quotes doubled.
// Numbers are written as they are: a negative amount is no formula.

#include <string>
#include <string_view>

class CsvField {
public:
    static std::string Text(std::string_view text);
    static std::string Number(std::string_view digits);
    static constexpr const char* kLineEnd = "\r\n";
};
