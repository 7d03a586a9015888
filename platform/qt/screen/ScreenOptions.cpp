#include "platform/qt/screen/ScreenOptions.h"

#include <cstdlib>

const char* ScreenOptions::Usage() {
    return "usage: cartavel [--zoom N] [--first-paint]\n"
           "  --zoom N       shows the device screen N times its size (1 to 8; by default it follows\n"
           "                 the screen's pixel density: 2 at 96 dots per inch). Ctrl+plus, Ctrl+minus\n"
           "                 and Ctrl+0 change it while the program runs.\n"
           "  --first-paint  prints how long the start took until the first frame was painted, and quits\n";
}

bool ScreenOptions::Parse(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            m_help = true;
        } else if (word == "--first-paint") {
            m_measuresFirstPaint = true;
        } else if (word == "--zoom") {
            if (i + 1 >= argc) {
                m_error = "--zoom needs a number";
                return false;
            }
            if (!ReadZoom(argv[++i])) return false;
        } else if (word.rfind("--zoom=", 0) == 0) {
            if (!ReadZoom(word.substr(7))) return false;
        } else {
            m_error = "unknown argument '" + word + "'";
            return false;
        }
    }
    return true;
}

bool ScreenOptions::ReadZoom(const std::string& word) {
    char* end = nullptr;
    long zoom = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || zoom < 1 || zoom > kMaxZoom) {
        m_error = "the zoom must be a whole number from 1 to " + std::to_string(kMaxZoom) + ", not '" + word + "'";
        return false;
    }
    m_zoom = static_cast<int>(zoom);
    return true;
}
