#include "platform/qt/widgets/ColumnFit.h"

#include <algorithm>

// What is left once the text columns have all they asked for goes back to
// the number columns, in proportion to what each gave up, so that the list
// looks as the program laid it out as nearly as the room allows.
void ColumnFit::GiveBackToNumbers(const std::vector<Column>& columns, std::vector<int>& widths, int spare) {
    long long gaveUp = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].number && widths[i] > 0) gaveUp += std::max(0, columns[i].asked - widths[i]);
    }
    if (gaveUp == 0 || spare <= 0) return;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].number || widths[i] == 0) continue;
        int share = static_cast<int>(std::min<long long>(gaveUp, spare) * std::max(0, columns[i].asked - widths[i]) / gaveUp);
        widths[i] += share;
    }
}

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

    // Too wide: the number columns first give back what was asked beyond
    // what their widest cell and title need ("11월" keeps its room where a
    // column of trip counts was asked wide), then the text columns share
    // what the numbers leave, each in proportion to what the program asked
    // for, none below the minimum and none above what it asked.
    numbers = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (widths[i] == 0 || !columns[i].number) continue;
        if (columns[i].needed > 0) widths[i] = std::min(widths[i], columns[i].needed);
        numbers += widths[i];
    }
    int room = std::max(0, available - numbers);
    if (texts <= room) {
        GiveBackToNumbers(columns, widths, room - texts);
        return widths;
    }
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
