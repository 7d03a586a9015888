#pragma once
// A window system mirrors each control through a peer. The control tells its
// peer of every change to its state; the peer shows it. Changes made by the
// program never come back as notifications.

enum class ControlChange {
    Text,          // window text (an edit's text, a combo box's edit field, a caption)
    Visibility,
    Check,
    Items,         // a combo box's list or a tab control's tabs
    Selection,     // combo box, tab control, list view or calendar selection
    Columns,
    Rows,          // all rows at once (deleted, or refilled)
    RowInserted,   // one row, at `row`
    Cell,          // one cell, at `row`, `column`
    Style,
    Image,
    Repaint,
};

class CWnd;

class IControlPeer {
public:
    virtual ~IControlPeer() = default;
    virtual void OnControlChanged(ControlChange change, int row, int column) = 0;
    // A member object of the dialog now stands for the control.
    virtual void ControlReplaced(CWnd& control) = 0;
};
