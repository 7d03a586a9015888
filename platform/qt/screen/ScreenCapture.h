#pragma once
// Pictures of the device screen without a display (Qt's offscreen platform,
// unless another one is named): each dialog is run until it shows, drawn into
// a PNG file, and ended.

#include <filesystem>
#include <memory>
#include <string>

class CDialog;
class QtWindowSystem;
class ScreenApplication;
class WindowSystem;

class ScreenCapture {
public:
    explicit ScreenCapture(int zoom);
    ~ScreenCapture();
    ScreenCapture(const ScreenCapture&) = delete;
    ScreenCapture& operator=(const ScreenCapture&) = delete;

    // False, saying why, when the dialog cannot run or the file not be written.
    bool Capture(CDialog& dialog, const std::filesystem::path& file, std::string& error);

private:
    std::unique_ptr<ScreenApplication> m_application;
    std::unique_ptr<QtWindowSystem> m_screen;
    WindowSystem* m_before = nullptr;
};
