#include "desk/ChartTable.h"

#include "desk/CsvField.h"

std::string ChartTable::Lines() const {
    std::string csv;
    for (size_t c = 0; c < columns.size(); ++c) csv += (c ? "," : "") + CsvField::Text(columns[c].title);
    csv += CsvField::kLineEnd;
    for (const std::vector<std::string>& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            bool number = c < columns.size() && columns[c].number;
            csv += (c ? "," : "") + (number ? CsvField::Number(row[c]) : CsvField::Text(row[c]));
        }
        csv += CsvField::kLineEnd;
    }
    return csv;
}

std::string ChartTable::Csv(ItemsExport::Encoding encoding, const std::string& target) const {
    return ItemsExport::Encode(Lines(), encoding, target);
}
