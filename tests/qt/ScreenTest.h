#pragma once
// Runs dialogs on the real Qt screen and lets a test act on them as a person
// would: with Qt Test's clicks and key strokes on the widgets, never by
// calling into the framework.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <deque>
#include <map>

#include "platform/framework/CDialog.h"
#include "platform/qt/screen/QtWindowSystem.h"

class NavigationBarView;

// What a message box showed, and so what the program asked for.
struct SeenMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QSize size;            // in device pixels
    QString shownCaption;  // the caption drawn inside the box
    QRect captionPlace;    // where, in the box
};

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();
    ~ScreenTest() override;

    // Runs the dialog modally; `person` acts once it shows and must end it.
    INT_PTR Run(CDialog& dialog, std::function<void(CDialog&)> person);
    // Acts on a dialog of that template that a handler opens.
    void WhenShown(int templateId, std::function<void(CDialog&)> person);
    // The widget of a running dialog's control; fails the test when missing.
    QWidget* Widget(const CDialog& dialog, int nID);
    template <typename T>
    T* WidgetAs(const CDialog& dialog, int nID) {
        auto* widget = dynamic_cast<T*>(Widget(dialog, nID));
        EXPECT_NE(widget, nullptr) << "control " << nID << " is not shown by the expected widget";
        return widget;
    }
    // Types the text key by key; Qt Test's keyClicks knows only ASCII.
    static void Type(QWidget* widget, const QString& text);
    // Opens combo box nID's list with a tap and taps the entry with that text.
    void Choose(CDialog& shown, int nID, const QString& text);
    NavigationBarView& NavigationBar();
    QWidget* NamedWidget(const char* name);

    // Answers the next message box by clicking one of its buttons, and keeps
    // what it showed in m_seenBoxes. Answers given one after the other go
    // to the boxes in the order they come up.
    void AnswerNextBox(QMessageBox::StandardButton answer);

    QtWindowSystem m_screen;
    std::vector<SeenMessageBox> m_seenBoxes;

private:
    void Shown(CDialog& dialog);
    void GiveUp();

    WindowSystem* m_before;
    std::map<int, std::function<void(CDialog&)>> m_people;
    QTimer m_boxWatcher;
    std::deque<QMessageBox::StandardButton> m_answers;
};
