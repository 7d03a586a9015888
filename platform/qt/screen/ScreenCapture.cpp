#include "platform/qt/screen/ScreenCapture.h"

#include <QPixmap>

#include "platform/framework/CDialog.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/screen/QtWindowSystem.h"
#include "platform/qt/screen/ScreenApplication.h"

ScreenCapture::ScreenCapture(int zoom) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_application = std::make_unique<ScreenApplication>(zoom, "cartavel-screenshot");
    m_screen = std::make_unique<QtWindowSystem>();
    m_before = WindowSystem::Install(m_screen.get());
}

ScreenCapture::~ScreenCapture() {
    WindowSystem::Install(m_before);
    m_screen.reset();
}

bool ScreenCapture::Capture(CDialog& dialog, const std::filesystem::path& file, std::string& error) {
    bool shown = false;
    bool written = false;
    m_screen->SetDialogShownHook([&](CDialog& top) {
        if (&top != &dialog) return;
        shown = true;
        written = m_screen->Screen().grab().save(QString::fromStdString(file.string()), "PNG");
        top.EndDialog(IDCANCEL);
    });
    INT_PTR result = dialog.DoModal();
    m_screen->SetDialogShownHook(nullptr);
    if (result == -1) {
        error = "there is no dialog template " + std::to_string(dialog.TemplateId());
        return false;
    }
    if (!shown) {
        error = "dialog " + std::to_string(dialog.TemplateId()) + " ended before it was shown";
        return false;
    }
    if (!written) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}
