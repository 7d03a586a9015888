#pragma once
// Reads CSV text (UTF-8) into records of fields: fields in double quotes may
// hold commas, doubled quotes and line breaks; lines end with CR LF or LF.

#include <string>
#include <string_view>
#include <vector>

class CsvReader {
public:
    struct Record {
        int line = 0;  // where it starts, from 1
        std::vector<std::string> fields;
    };

    // Throws DeskFailure naming `file` and the line of a quote left open or
    // of text after a closing quote.
    static std::vector<Record> Read(std::string_view text, const std::string& file);
};
