#pragma once
// One running dialog on the device screen: a widget per control, each kept
// up to date by its peer. The page covers the screen below the navigation bar.

#include <QWidget>
#include <vector>

class CDialog;
class CWnd;
class QEventLoop;
class QtControlPeer;
class QtWindowSystem;

class DialogPage : public QWidget {
public:
    DialogPage(QtWindowSystem& owner, CDialog& dialog, QWidget* parent);
    ~DialogPage() override;

    CDialog& Dialog() const { return m_dialog; }
    QtWindowSystem& Owner() const { return m_owner; }
    QWidget* ControlWidget(int nID) const;

    // Shows what the peers held back and, on the top page, gives Qt's focus
    // to the control that has the dialog's focus.
    void Refresh(bool isTop);
    // Moves the focus, the dialog's and Qt's, to control nID with its text
    // selected, so that what is typed next replaces it.
    void TakeFocusToCorrect(int nID);
    void SetLoop(QEventLoop* loop) { m_loop = loop; }
    void EndLoopIfEnded();

private:
    void AddPeer(CWnd& control);
    void StackInTemplateOrder();
    void SyncFocus();

    QtWindowSystem& m_owner;
    CDialog& m_dialog;
    std::vector<QtControlPeer*> m_peers;  // in template order
    QEventLoop* m_loop = nullptr;
};
