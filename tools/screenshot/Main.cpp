// cartavel-screenshot [--zoom N] [--out DIR]: draws each dialog template on
// the device screen with its controls empty, into DIR/dialog-NNN.png, and the
// main menu as the program shows it, into DIR/main-menu.png. Needs no display.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/CMainMenuDlg.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/NavigationBar.h"
#include "platform/qt/screen/ScreenCapture.h"

namespace {

constexpr const char* kUsage = "usage: cartavel-screenshot [--zoom N] [--out DIR]\n";

bool ReadZoom(const char* word, int& zoom) {
    char* end = nullptr;
    long value = std::strtol(word, &end, 10);
    if (*word == '\0' || *end != '\0' || value < 1 || value > 8) return false;
    zoom = static_cast<int>(value);
    return true;
}

bool Write(ScreenCapture& capture, CDialog& dialog, const std::filesystem::path& file) {
    std::string error;
    if (!capture.Capture(dialog, file, error)) {
        std::fprintf(stderr, "cartavel-screenshot: %s\n", error.c_str());
        return false;
    }
    std::printf("%s\n", file.string().c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int zoom = 2;
    std::filesystem::path folder = CARTAVEL_SCREENSHOT_DIR;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--zoom" && i + 1 < argc && ReadZoom(argv[i + 1], zoom)) {
            ++i;
        } else if (word == "--out" && i + 1 < argc) {
            folder = argv[++i];
        } else {
            std::fprintf(stderr, "cartavel-screenshot: wrong argument '%s' (the zoom is 1 to 8)\n%s", word.c_str(),
                         kUsage);
            return 2;
        }
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cartavel-screenshot: cannot make the folder %s: %s\n", folder.string().c_str(),
                     error.message().c_str());
        return 1;
    }

    ScreenCapture capture(zoom);
    bool ok = true;
    for (int id : DialogTemplate::AllIds()) {
        // The navigation bar names the template, which no program set here.
        NavigationBar::SetTitle(DialogTemplate::Find(id)->caption);
        CDialog dialog(static_cast<UINT>(id));
        ok = Write(capture, dialog, folder / ("dialog-" + std::to_string(id) + ".png")) && ok;
    }
    CMainMenuDlg menu;
    ok = Write(capture, menu, folder / "main-menu.png") && ok;
    return ok ? 0 : 1;
}
