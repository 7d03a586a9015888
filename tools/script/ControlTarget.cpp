#include "tools/script/ControlTarget.h"

#include <algorithm>

CWnd& ControlTarget::Find(const CDialog& dialog, int id, std::initializer_list<ControlKind> kinds) {
    CWnd* control = dialog.GetDlgItem(id);
    if (!control) {
        throw ScriptFailure::Expected("control " + std::to_string(id) + " in dialog " +
                                          std::to_string(dialog.TemplateId()),
                                      "no such control");
    }
    if (kinds.size() && std::find(kinds.begin(), kinds.end(), control->Kind()) == kinds.end()) {
        throw ScriptFailure::Expected("control " + std::to_string(id) + " to be " + KindList(kinds),
                                      KindName(control->Kind()));
    }
    return *control;
}

CWnd& ControlTarget::Usable(const CDialog& dialog, int id, std::initializer_list<ControlKind> kinds) {
    CWnd& control = Find(dialog, id, kinds);
    if (!control.IsWindowVisible()) {
        throw ScriptFailure::Expected("control " + std::to_string(id) + " to be shown", "it hidden");
    }
    return control;
}

std::string ControlTarget::KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit: return "an edit";
    case ControlKind::Button: return "a button";
    case ControlKind::CheckBox: return "a check box";
    case ControlKind::Static: return "a static text";
    case ControlKind::Picture: return "a picture";
    case ControlKind::ComboBox: return "a combo box";
    case ControlKind::ListView: return "a list view";
    case ControlKind::Tab: return "a tab control";
    case ControlKind::MonthCal: return "a month calendar";
    }
    return "a control";
}

std::string ControlTarget::KindList(std::initializer_list<ControlKind> kinds) {
    std::string out;
    size_t i = 0;
    for (ControlKind kind : kinds) {
        if (i) out += i + 1 == kinds.size() ? " or " : ", ";
        out += KindName(kind);
        ++i;
    }
    return out;
}
