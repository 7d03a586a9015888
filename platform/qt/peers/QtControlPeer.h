#pragma once
// The Qt side of one control: shows the framework control's state in a
// widget and hands what the person does to the widget back to DialogInput.
// Changes made by the program are shown with the widget's signals blocked, so
// they never come back as notifications. The control and the widget are held,
// with their own classes, by ControlPeerOf; this half is what every peer
// shares, whatever it shows.

#include <QObject>
#include <functional>

#include "platform/framework/CWnd.h"

class CDialog;
class DialogPage;
class QWidget;

class QtControlPeer : public QObject, public IControlPeer {
public:
    explicit QtControlPeer(DialogPage& page);

    void OnControlChanged(ControlChange change, int row, int column) final;

    virtual CWnd& Control() const = 0;
    virtual QWidget* Widget() const = 0;
    // The widget that holds the keyboard focus for the control.
    virtual QWidget* FocusWidget() const { return Widget(); }
    // Puts the control's whole state on the screen.
    void ShowAll();
    // Shows changes held back to be shown together (a list's rows).
    virtual void Flush() {}
    // Stops watching the widget and its parts. The page calls it before its
    // widgets are destroyed: a widget being torn down still sends events
    // (focus, hide), and a filter that looked at it then would use the half
    // of it that is already gone.
    void StopWatching();

protected:
    // Takes the widget: at the template's rectangle, with the focus rules of
    // the device, and with the person's input on it and its parts watched.
    // A peer calls it last in its constructor, once the widget has all the
    // parts it is given there, so that they are watched too.
    void TakeWidget();
    virtual void ShowState() = 0;
    virtual void Show(ControlChange change, int row, int column) = 0;
    // Shows the text the program gave this control while its own action ran
    // (held back then, not to move the cursor under the person's fingers):
    // the focus-loss handler of the field left, when the focus comes here.
    virtual void ShowHeldBackText() {}
    // The person's input on the widget or one of its parts, after the focus
    // has gone where a tap sends it; true swallows the event.
    virtual bool FilterInput(QWidget* target, QEvent* event);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A press (not the repeat) of Return or the keypad's Enter.
    static bool IsEnterPress(QEvent* event);
    // Runs one action of the person on this control's dialog.
    void Deliver(const std::function<void()>& action);
    // While this control's own action runs, the control's echo of it is not
    // shown (it would move the cursor under the person's fingers).
    bool IsDelivering() const { return m_delivering > 0; }
    CDialog& Dialog() const;
    int Id() const;
    DialogPage& Page() const { return m_page; }

private:
    // Moves the dialog's focus for a tap; false when a focus-loss handler
    // used the tap up (ended the dialog, asked something, hid the control).
    bool TapTakesFocus();
    bool IsApplicationWindow() const;
    void FocusArrived(Qt::FocusReason reason);

    DialogPage& m_page;
    int m_delivering = 0;
};
