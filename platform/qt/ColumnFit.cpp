#include "platform/qt/ColumnFit.h"

#include <algorithm>

std::vector<int> ColumnFit::Widths(const std::vector<Column>& columns, int available) {
    std::vector<int> widths;
    int numbers = 0;
    int texts = 0;
    for (const Column& column : columns) {
        int width = column.asked <= 0 ? 0 : column.number ? std::max(column.asked, column.needed) : column.asked;
        widths.push_back(width);
        (column.number ? numbers : texts) += width;
    }
    if (numbers + texts <= available || texts == 0) return widths;

    // The text columns share what the numbers leave, each in proportion to
    // what the program asked for, none below the minimum.
    int room = std::max(0, available - numbers);
    int given = 0;
    int lastText = -1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (widths[i] == 0 || columns[i].number) continue;
        int asked = widths[i];
        widths[i] = std::max(std::min(kTextMinimum, asked), static_cast<int>(static_cast<long long>(room) * asked / texts));
        given += widths[i];
        lastText = static_cast<int>(i);
    }
    // Rounding down leaves a few pixels: the last text column takes them.
    if (given < room && lastText >= 0) widths[lastText] += room - given;
    return widths;
}
