#include "platform/qt/reports/ChartPalette.h"

#include <QChart>
#include <QLegend>

namespace {

// Orange, sky blue, bluish green, yellow, blue, vermillion, reddish purple
// and black.
constexpr QRgb kOkabeIto[ChartPalette::kColours] = {0xE69F00, 0x56B4E9, 0x009E73, 0xF0E442,
                                                     0x0072B2, 0xD55E00, 0xCC79A7, 0x000000};

} // namespace

QColor ChartPalette::Colour(int i, bool dark) {
    int n = ((i % kColours) + kColours) % kColours;
    if (n == kColours - 1 && dark) return QColor(0xBBBBBB);
    return QColor(kOkabeIto[n]);
}

bool ChartPalette::Dark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor ChartPalette::TextOn(const QColor& background) {
    // Relative luminance, roughly: yellow and sky blue want black text.
    double luminance = 0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    return luminance > 0.45 ? Qt::black : Qt::white;
}

void ChartPalette::Apply(QChart& chart, const QPalette& palette) {
    chart.setTheme(Dark(palette) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart.setBackgroundBrush(palette.color(QPalette::Base));
    chart.setPlotAreaBackgroundVisible(false);
    chart.setTitleBrush(palette.color(QPalette::Text));
    chart.legend()->setLabelColor(palette.color(QPalette::Text));
}
