#pragma once
// Finds the control a command names on the top dialog, and says precisely why
// when it cannot be used: missing, of another kind, or hidden.

#include <initializer_list>
#include <string>

#include "platform/framework/CDialog.h"
#include "tools/script/ScriptFailure.h"

class ControlTarget {
public:
    // The control with that id and one of the kinds (any kind when none are
    // given), shown or hidden: expectations may look at hidden controls.
    static CWnd& Find(const CDialog& dialog, int id, std::initializer_list<ControlKind> kinds = {});
    // A control a person can tap: it must also be shown.
    static CWnd& Usable(const CDialog& dialog, int id, std::initializer_list<ControlKind> kinds = {});

    template <typename T>
    static T& As(CWnd& control) {
        if (auto* typed = dynamic_cast<T*>(&control)) return *typed;
        throw ScriptFailure{"control " + std::to_string(control.GetDlgCtrlID()) + " is not what its kind says"};
    }

    // "an edit", "a list view".
    static std::string KindName(ControlKind kind);

private:
    static std::string KindList(std::initializer_list<ControlKind> kinds);
};
