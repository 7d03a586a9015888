#pragma once
// A dialog built from a numbered template, run modally. Its controls are made
// from the template when it runs; member control objects take their place
// through DDX_Control or SubclassDlgItem.

#include <map>
#include <memory>
#include <vector>

#include "platform/framework/CBitmap.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    CWnd* GetDlgItem(int nID) const override;
    CWnd* GetParent() const override { return m_pParentWnd; }
    bool IsAttached() const override { return m_bRunning; }
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // After a message that refused the text of control nID: the person is
    // taken there to correct it.
    void PointAtRefusedField(int nID);

    // Framework side, for window systems and drivers.
    UINT TemplateId() const { return m_nIDTemplate; }
    const DialogTemplate* DialogTemplateData() const { return m_pDialogTemplate; }
    // The controls in template order.
    const std::vector<CWnd*>& Controls() const { return m_controls; }
    bool IsRunning() const { return m_bRunning; }
    bool HasEnded() const { return m_bEnded; }
    CWnd* FocusedControl() const { return m_pFocus; }
    // Moves the focus; an edit that loses it tells the dialog (EN_KILLFOCUS).
    void MoveFocus(CWnd* pControl);
    // A command from a control or the caption (IDOK, IDCANCEL, a button id).
    void SendCommand(UINT nCode, int nID);
    // A notification record from a control; returns the handler's result.
    LRESULT SendNotify(CWnd& from, UINT nCode, NMHDR* pRecord);
    void AdoptControl(int nID, CWnd& member);
    void* WindowSystemData() const { return m_pWindowSystemData; }
    void SetWindowSystemData(void* data) { m_pWindowSystemData = data; }
    // The dialogs running now, the top one last.
    static const std::vector<CDialog*>& RunningDialogs();
    static CDialog* TopDialog();
    HICON Icon(BOOL bBigIcon) const { return bBigIcon ? m_hBigIcon : m_hSmallIcon; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

private:
    void CreateControls();
    void DispatchCommand(UINT nCode, int nID);
    void ReleaseControls();
    void FocusFirstTabStop();
    CWnd* ControlById(int nID) const;
    void ForgetControl(CWnd* control);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    const DialogTemplate* m_pDialogTemplate = nullptr;
    std::vector<std::unique_ptr<CWnd>> m_ownControls;
    std::vector<CWnd*> m_controls;
    CWnd* m_pFocus = nullptr;
    bool m_bRunning = false;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    void* m_pWindowSystemData = nullptr;

    friend class CWnd;
};
