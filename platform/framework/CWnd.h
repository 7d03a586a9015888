#pragma once
// A window: a dialog or one of its controls. The window's state lives here,
// not in a toolkit, so the program runs the same with or without a screen.

#include "platform/framework/CCmdTarget.h"
#include "platform/framework/CString.h"
#include "platform/framework/ControlPeer.h"
#include "platform/framework/DialogTemplate.h"

class CDialog;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const { text = m_strText; }
    const CString& WindowText() const { return m_strText; }
    int GetWindowTextLength() const { return m_strText.GetLength(); }

    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const { return m_bVisible; }

    int GetDlgCtrlID() const { return m_nID; }
    virtual CWnd* GetParent() const;
    HWND GetSafeHwnd() const { return IsAttached() ? const_cast<CWnd*>(this) : nullptr; }
    virtual CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCTSTR text);
    void GetDlgItemText(int nID, CString& text) const;

    // Attaches this object to the dialog's control nID, which it then is.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    void SetFocus();
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();

    // A message box owned by this window.
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT nType = MB_OK);

    // Framework side: what window systems and drivers read.
    virtual bool IsAttached() const { return m_pTemplate != nullptr; }
    const ControlTemplate* Template() const { return m_pTemplate; }
    ControlKind Kind() const { return m_pTemplate ? m_pTemplate->kind : ControlKind::Static; }
    bool HasStyle(unsigned style) const { return m_pTemplate && m_pTemplate->Has(style); }
    CDialog* OwnerDialog() const { return m_pOwnerDialog; }
    IControlPeer* Peer() const { return m_pPeer; }
    void SetPeer(IControlPeer* peer) { m_pPeer = peer; }
    // Whether a tap gives this control the focus.
    bool TakesFocus() const;

    // Makes this object the control of that template entry; `previous`, if
    // given, is the object that stood for it so far and hands over its state.
    virtual void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous);

protected:
    void NotifyPeer(ControlChange change, int row = -1, int column = -1) const;
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

    int m_nID = 0;
    CString m_strText;
    bool m_bVisible = true;
    const ControlTemplate* m_pTemplate = nullptr;
    CDialog* m_pOwnerDialog = nullptr;
    IControlPeer* m_pPeer = nullptr;

    friend class CDialog;
};
