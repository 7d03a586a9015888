#pragma once
// How a list's visible columns share the width of its client area on this
// screen. The program asks for widths in the device's pixels, and together
// they may be wider than the list: then the text columns give way (their
// texts end in "…") and the number columns keep what they need, so that no
// amount is ever cut or lies behind a sideways scroll. Only when even the
// narrowest text columns leave too little do the columns run past the edge.

#include <vector>

class ColumnFit {
public:
    struct Column {
        int asked = 0;         // the program's width; 0 keeps the column hidden
        bool number = false;   // every cell is a whole number (or empty)
        int needed = 0;        // a number column's widest cell and its title
    };

    // The narrowest a text column is made: a syllable or two and the "…".
    static constexpr int kTextMinimum = 24;

    // The width of each column, in the order given.
    static std::vector<int> Widths(const std::vector<Column>& columns, int available);

private:
    static void GiveBackToNumbers(const std::vector<Column>& columns, std::vector<int>& widths, int spare);
};
