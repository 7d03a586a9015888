#pragma once
// Whoever follows what the program does from outside it (a panel beside the
// device's screen): told when a dialog has opened or ended, when a list row
// was tapped, when an edit was left and when a command's handler has run.
// Each call comes after the dialog's own handler, so a watcher sees what the
// handler made of the action, and it never changes the dialog's course.

#include "platform/framework/Types.h"

class CDialog;

class DialogWatcher {
public:
    virtual ~DialogWatcher();

    // After OnInitDialog: the dialog shows its first state.
    virtual void DialogOpened(CDialog& dialog) { (void)dialog; }
    // The dialog has ended; its controls are still there to read.
    virtual void DialogEnded(CDialog& dialog) { (void)dialog; }
    // Row nRow (-1 beside the rows) of list nListId was tapped.
    virtual void RowChosen(CDialog& dialog, int nListId, int nRow) { (void)dialog, (void)nListId, (void)nRow; }
    // Edit nEditId lost the focus.
    virtual void FieldLeft(CDialog& dialog, int nEditId) { (void)dialog, (void)nEditId; }
    // Button nID was pressed: a save, a payment or an undo has run, or not.
    virtual void CommandDone(CDialog& dialog, int nID) { (void)dialog, (void)nID; }

    static void Add(DialogWatcher* watcher);
    static void Remove(DialogWatcher* watcher);

    // Framework side.
    static void TellOpened(CDialog& dialog);
    static void TellEnded(CDialog& dialog);
    static void TellRowChosen(CDialog& dialog, int nListId, int nRow);
    static void TellFieldLeft(CDialog& dialog, int nEditId);
    static void TellCommandDone(CDialog& dialog, int nID);
};
