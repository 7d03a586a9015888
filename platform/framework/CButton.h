#pragma once
// A push button or a check box. An automatic check box flips its check state
// when tapped, before its click is reported.

#include "platform/framework/CWnd.h"

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

class CButton : public CWnd {
public:
    int GetCheck() const { return m_nCheck; }
    void SetCheck(int nCheck);
    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    int m_nCheck = BST_UNCHECKED;
};
