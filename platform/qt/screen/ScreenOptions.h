#pragma once
// The options of the screen platform. The program itself takes no arguments;
// the platform that shows it takes the zoom of the device screen, and a
// measurement of how long it takes to show its first frame.

#include <string>

class ScreenOptions {
public:
    static constexpr int kDefaultZoom = 2;
    static constexpr int kMaxZoom = 8;
    // No zoom given: it follows the screen's pixel density.
    static constexpr int kZoomOfScreen = 0;

    // Reads `--zoom N` (or `--zoom=N`), `--first-paint` and `--help`; false,
    // with Error(), for anything else.
    bool Parse(int argc, const char* const* argv);

    int Zoom() const { return m_zoom; }
    bool MeasuresFirstPaint() const { return m_measuresFirstPaint; }
    bool WantsHelp() const { return m_help; }
    const std::string& Error() const { return m_error; }
    static const char* Usage();

private:
    bool ReadZoom(const std::string& word);

    int m_zoom = kZoomOfScreen;
    bool m_help = false;
    bool m_measuresFirstPaint = false;
    std::string m_error;
};
