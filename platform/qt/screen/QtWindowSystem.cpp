#include "platform/qt/screen/QtWindowSystem.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "platform/framework/CDialog.h"
#include "platform/framework/DialogInput.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/screen/DialogPage.h"
#include "platform/qt/widgets/DeviceMessageBox.h"
#include "platform/qt/widgets/NavigationBarView.h"
#include "platform/qt/widgets/QtText.h"

QtWindowSystem::QtWindowSystem()
    : m_screen(std::make_unique<DeviceScreen>([this] { ActOnTopDialog(&DialogInput::Close); },
                                              [this] { ActOnTopDialog(&DialogInput::PressCaptionOk); })) {}

QtWindowSystem::~QtWindowSystem() {
    for (DialogPage* page : m_pages) delete page;
}

void QtWindowSystem::CreateDialogWindow(CDialog& dialog) {
    ApplyChange([&] {
        auto* page = new DialogPage(*this, dialog, &m_screen->PageArea());
        page->hide();
        dialog.SetWindowSystemData(page);
        m_pages.push_back(page);
    });
}

void QtWindowSystem::RunModalLoop(CDialog& dialog) {
    DialogPage* page = PageOf(dialog);
    if (!page) return;
    ++m_interruptions;
    ShowTopPage();
    m_screen->show();
    m_screen->activateWindow();
    AfterInput();

    QEventLoop loop;
    page->SetLoop(&loop);
    if (m_shownHook) {
        QTimer::singleShot(0, &loop, [this, &dialog] {
            if (!dialog.HasEnded()) m_shownHook(dialog);
            AfterInput();
        });
    }
    if (!dialog.HasEnded()) loop.exec();
    page->SetLoop(nullptr);
    // Only a quitting application leaves the loop with the dialog still open:
    // it ends as if the person had closed it.
    if (!dialog.HasEnded()) dialog.EndDialog(IDCANCEL);
}

void QtWindowSystem::DestroyDialogWindow(CDialog& dialog) {
    DialogPage* page = PageOf(dialog);
    if (!page) return;
    ApplyChange([&] {
        std::erase(m_pages, page);
        dialog.SetWindowSystemData(nullptr);
        delete page;
        if (m_pages.empty()) m_screen->hide();
    });
    if (!m_pages.empty()) {
        ShowTopPage();
        AfterInput();
    }
}

int QtWindowSystem::ShowMessageBox(const MessageBoxRequest& request) {
    ++m_interruptions;
    QPointer<QWidget> focus = QApplication::focusWidget();
    int answer = DeviceMessageBox::Ask(m_screen.get(), request);
    GiveKeyboardBack(focus);
    return answer;
}

void QtWindowSystem::GiveKeyboardBack(QWidget* focus) {
    // A window manager hands the keyboard back to the screen when the box
    // closes; without one X leaves it on the root window until a click.
    if (!m_screen->isVisible()) return;
    m_screen->activateWindow();
    if (focus && focus->isVisible() && focus->window() == m_screen.get()) {
        ApplyChange([&] { focus->setFocus(Qt::OtherFocusReason); });
    }
}

void QtWindowSystem::FieldRefused(CDialog& dialog, int nID) {
    DialogPage* page = PageOf(dialog);
    if (page) page->TakeFocusToCorrect(nID);
}

void QtWindowSystem::TitleChanged(const CString& title) {
    m_screen->NavigationBar().SetTitle(QtText::ToQString(title));
}

void QtWindowSystem::Beep() {
    QApplication::beep();
}

QWidget* QtWindowSystem::ControlWidget(const CDialog& dialog, int nID) const {
    DialogPage* page = PageOf(dialog);
    return page ? page->ControlWidget(nID) : nullptr;
}

void QtWindowSystem::Deliver(const std::function<void()>& action) {
    action();
    AfterInput();
}

void QtWindowSystem::AfterInput() {
    // A copy: refreshing never opens or closes a dialog, but stay safe.
    std::vector<DialogPage*> pages = m_pages;
    for (DialogPage* page : pages) page->Refresh(page == TopPage());
    for (DialogPage* page : pages) page->EndLoopIfEnded();
}

void QtWindowSystem::ApplyChange(const std::function<void()>& change) {
    ++m_applying;
    change();
    --m_applying;
}

DialogPage* QtWindowSystem::PageOf(const CDialog& dialog) const {
    for (DialogPage* page : m_pages) {
        if (&page->Dialog() == &dialog) return page;
    }
    return nullptr;
}

DialogPage* QtWindowSystem::TopPage() const {
    return m_pages.empty() ? nullptr : m_pages.back();
}

void QtWindowSystem::ShowTopPage() {
    DialogPage* top = TopPage();
    if (!top) return;
    ApplyChange([&] {
        top->show();
        top->raise();
        for (DialogPage* page : m_pages) {
            if (page != top) page->hide();
        }
        const DialogTemplate* t = top->Dialog().DialogTemplateData();
        m_screen->NavigationBar().SetCaptionButton(CaptionButtonOf(t));
        m_screen->SetEscapeCloses(!IsApplicationWindow(top->Dialog()));
        m_screen->ShowIcon(top->Dialog().Icon(TRUE));
    });
}

bool QtWindowSystem::IsApplicationWindow(const CDialog& dialog) {
    const DialogTemplate* t = dialog.DialogTemplateData();
    return t && std::find(t->extendedStyles.begin(), t->extendedStyles.end(), "APPWINDOW") != t->extendedStyles.end();
}

NavigationBarView::CaptionButton QtWindowSystem::CaptionButtonOf(const DialogTemplate* t) {
    using Button = NavigationBarView::CaptionButton;
    if (!t) return Button::None;
    if (t->captionOkButton) return Button::Ok;
    auto has = [&](const char* style) { return std::find(t->styles.begin(), t->styles.end(), style) != t->styles.end(); };
    return has("CAPTION") && has("SYSMENU") ? Button::Close : Button::None;
}

void QtWindowSystem::ActOnTopDialog(bool (*action)(CDialog&)) {
    DialogPage* top = TopPage();
    if (!top) return;
    CDialog& dialog = top->Dialog();
    Deliver([&] { action(dialog); });
}
