#pragma once
// What a person does to a running dialog, turned into the framework's
// notifications exactly as the device does it: a tap on a control that takes
// the focus first tells the control that had it (edit focus loss), then acts.
// Both window systems and the scenario driver go through here. Each action
// returns false, doing nothing, when the control is missing, hidden or of
// another kind, or the dialog has ended.

#include "platform/framework/CDialog.h"

class DialogInput {
public:
    static bool ClickButton(CDialog& dialog, int nID);
    // Focuses an edit or combo box and replaces its text as typed.
    static bool TypeText(CDialog& dialog, int nID, const CString& text);
    // Opens a combo box's list and picks entry nIndex.
    static bool ChooseEntry(CDialog& dialog, int nID, int nIndex);
    static bool SelectTab(CDialog& dialog, int nID, int nTab);
    // Taps a list row; -1 taps beside the rows.
    static bool TapRow(CDialog& dialog, int nID, int nRow);
    static bool PickDate(CDialog& dialog, int nID, const SYSTEMTIME& date);
    static bool MoveFocus(CDialog& dialog, int nID);
    // The caption OK button, and closing through the title bar.
    static bool PressCaptionOk(CDialog& dialog);
    static bool Close(CDialog& dialog);

    // The shown control with that id and kind, or null.
    static CWnd* UsableControl(CDialog& dialog, int nID);

private:
    // Gives the control the focus; false when a focus-loss handler ended the dialog.
    static bool FocusFirst(CDialog& dialog, CWnd& control);
};
