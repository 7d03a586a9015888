#pragma once
// Qt's application object for the device screen. Starting it never aborts the
// program: when the display cannot be opened, it says so in one line and the
// program exits with status 1.

#include <memory>
#include <string>

class QApplication;

class ScreenApplication {
public:
    // Why no display can be opened, or empty when one may be there. Looks only
    // at the environment, before Qt tries.
    static std::string MissingDisplay();

    // `zoom` scales the whole screen (ScreenOptions::kZoomOfScreen: by the
    // screen's pixel density); `programName` starts the one-line message.
    ScreenApplication(int zoom, const std::string& programName);
    ~ScreenApplication();

private:
    int m_argc = 1;
    std::string m_programName;
    char* m_argv[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> m_app;
};
