#include "desk/CsvField.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Quoted(std::string_view text) {
    bool quote = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
    quote = quote || text.find_first_of(",\"\r\n") != std::string_view::npos;
    if (!quote) return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

} // namespace

std::string CsvField::Text(std::string_view text) {
    bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return Quoted(formula ? "'" + std::string(text) : std::string(text));
}

std::string CsvField::Number(std::string_view digits) {
    return Quoted(digits);
}
