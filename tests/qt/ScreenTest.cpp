#include "ScreenTest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/widgets/NavigationBarView.h"

namespace {
constexpr int kPatienceMs = 20000;
}

ScreenTest::ScreenTest() : m_before(WindowSystem::Install(&m_screen)) {
    m_screen.SetDialogShownHook([this](CDialog& dialog) { Shown(dialog); });
    m_boxWatcher.setInterval(10);
    QObject::connect(&m_boxWatcher, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || m_answers.empty()) return;
        QMessageBox::StandardButton answer = m_answers.front();
        m_answers.pop_front();
        if (m_answers.empty()) m_boxWatcher.stop();
        auto* caption = box->findChild<QLabel*>(QStringLiteral("message-caption"));
        bool captionShown = caption && caption->isVisible();
        m_seenBoxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->size(),
                               captionShown ? caption->text() : QString(),
                               captionShown ? caption->geometry() : QRect()});
        QAbstractButton* button = box->button(answer);
        if (button) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            ADD_FAILURE() << "the message box \"" << box->text().toStdString() << "\" has no such button";
            box->reject();
        }
    });
}

ScreenTest::~ScreenTest() {
    WindowSystem::Install(m_before);
}

INT_PTR ScreenTest::Run(CDialog& dialog, std::function<void(CDialog&)> person) {
    m_people[static_cast<int>(dialog.TemplateId())] = std::move(person);
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, [this] { GiveUp(); });
    patience.start(kPatienceMs);
    return dialog.DoModal();
}

void ScreenTest::WhenShown(int templateId, std::function<void(CDialog&)> person) {
    m_people[templateId] = std::move(person);
}

void ScreenTest::Shown(CDialog& dialog) {
    auto found = m_people.find(static_cast<int>(dialog.TemplateId()));
    if (found == m_people.end()) {
        ADD_FAILURE() << "nobody acts on dialog " << dialog.TemplateId();
        dialog.EndDialog(IDCANCEL);
        return;
    }
    // Key strokes and Tab need the window to be the active one.
    DeviceScreen& screen = m_screen.Screen();
    screen.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    found->second(dialog);
    if (!dialog.HasEnded()) {
        ADD_FAILURE() << "dialog " << dialog.TemplateId() << " is still open after the person's actions";
        dialog.EndDialog(IDCANCEL);
    }
}

void ScreenTest::GiveUp() {
    ADD_FAILURE() << "the run took too long: a dialog or message box waited for input nobody gave";
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    for (CDialog* dialog : CDialog::RunningDialogs()) dialog->EndDialog(IDCANCEL);
    m_screen.AfterInput();
}

QWidget* ScreenTest::Widget(const CDialog& dialog, int nID) {
    QWidget* widget = m_screen.ControlWidget(dialog, nID);
    EXPECT_NE(widget, nullptr) << "control " << nID << " of dialog " << dialog.TemplateId() << " has no widget";
    return widget;
}

void ScreenTest::Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void ScreenTest::Choose(CDialog& shown, int nID, const QString& text) {
    auto* combo = WidgetAs<QComboBox>(shown, nID);
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 4, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible()) << nID;
    int row = combo->findText(text, Qt::MatchExactly);
    ASSERT_GE(row, 0) << text.toStdString() << " is not offered by " << nID;
    QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseMove(list->viewport(), entry.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

NavigationBarView& ScreenTest::NavigationBar() {
    return m_screen.Screen().NavigationBar();
}

QWidget* ScreenTest::NamedWidget(const char* name) {
    auto* widget = m_screen.Screen().findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no widget named " << name;
    return widget;
}

void ScreenTest::AnswerNextBox(QMessageBox::StandardButton answer) {
    m_answers.push_back(answer);
    m_boxWatcher.start();
}
