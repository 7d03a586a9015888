#pragma once
// A peer with its parts typed: the framework control it shows and the widget
// it shows it in, each as its own class, given at construction. The dialog
// makes the control of each kind with that kind's class and lets only a
// member of that class stand for it later (it stops the program otherwise),
// so a peer never has to ask what its control is.

#include "platform/qt/peers/QtControlPeer.h"

template <typename TControl, typename TWidget>
class ControlPeerOf : public QtControlPeer {
public:
    // The control of the peer's kind as the class the dialog gives that kind.
    static TControl& AsControl(CWnd& control) { return static_cast<TControl&>(control); }

    TControl& Control() const override { return *m_control; }
    TWidget* Widget() const override { return m_widget; }

    void ControlReplaced(CWnd& control) override {
        m_control = &AsControl(control);
        ShowAll();
    }

protected:
    ControlPeerOf(DialogPage& page, TControl& control, TWidget* widget)
        : QtControlPeer(page), m_control(&control), m_widget(widget) {}

private:
    TControl* m_control;
    TWidget* const m_widget;
};
