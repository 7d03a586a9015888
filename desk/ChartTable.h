#pragma once
// The numbers of a chart as a table: what the window shows beside the
// chart, and what its CSV export writes, the same cells in both. A number
// cell holds "%d" of a whole number (or a share such as "12.5").

#include <string>
#include <vector>

#include "desk/ItemsExport.h"

struct ChartTable {
    struct Column {
        std::string title;
        bool number = false;
    };
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;

    // Header and rows as CSV with the export's rules (quoting, formulas,
    // CR LF, the mark or CP949); throws DeskFailure naming `target`.
    std::string Csv(ItemsExport::Encoding encoding, const std::string& target) const;
    // The same lines in UTF-8 without the mark.
    std::string Lines() const;
};
