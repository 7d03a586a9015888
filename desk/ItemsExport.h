#pragma once
// The paid items of a period as CSV for spreadsheets: one line per item in
// the order of date, trip number and row, under a Korean header; lines end
// with CR LF. UTF-8 with a byte-order mark (without one, a spreadsheet on a
// Korean system reads UTF-8 as CP949), or CP949.

#include <string>

class Database;

class ItemsExport {
public:
    enum class Encoding { Utf8, Cp949 };

    static constexpr const char* kHeader = "결제번호,쇼핑일자,쇼핑점,분류,품명,수량,단위,단가,쿠폰할인,할인금액,금액";

    // Dates 'YYYY-MM-DD', both days included. The bytes to write; throws
    // DeskFailure naming `target` and the line when CP949 lacks a character.
    static std::string Csv(Database& db, const std::string& from, const std::string& to, Encoding encoding,
                           const std::string& target);
    // The same text in UTF-8 without the mark, for counting and testing.
    static std::string Lines(Database& db, const std::string& from, const std::string& to);
    // CSV lines (UTF-8, CR LF) as the file holds them: with the mark, or in
    // CP949; throws as Csv does. Every CSV the desk writes goes through it.
    static std::string Encode(const std::string& csv, Encoding encoding, const std::string& target);
};
