#pragma once
// Colours of the charts: the eight of Okabe and Ito, which stay apart for
// people who do not tell red from green (deuteranopia) as for everyone
// else, in a fixed order; and the chart's look following the desktop's light
// or dark palette. Colour never carries a meaning alone: every part is also
// named (labels, legend, axis, the table beside).

#include <QColor>
#include <QPalette>

class QChart;

class ChartPalette {
public:
    static constexpr int kColours = 8;

    // The i-th colour (it wraps after eight); the eighth is black on a light
    // palette and light grey on a dark one.
    static QColor Colour(int i, bool dark);
    static bool Dark(const QPalette& palette);
    // Theme, background and text colours of the chart from the palette.
    static void Apply(QChart& chart, const QPalette& palette);
    // Black or white, whichever reads better on `background`.
    static QColor TextOn(const QColor& background);
};
