#include "tools/script/ActionCommands.h"

#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/DialogInput.h"
#include "tools/script/ControlTarget.h"
#include "tools/script/MessageText.h"

void ActionCommands::Run(const ScenarioCommand& command, CDialog& dialog) {
    switch (command.kind) {
    case CommandKind::Click: return Click(command, dialog);
    case CommandKind::Type: return Type(command, dialog);
    case CommandKind::Choose: return Choose(command, dialog);
    case CommandKind::Tab: return Tab(command, dialog);
    case CommandKind::Tap: return Tap(command, dialog);
    case CommandKind::Date: return Date(command, dialog);
    case CommandKind::Focus: return Focus(command, dialog);
    case CommandKind::Ok: return Ok(dialog);
    case CommandKind::Close: return Done(DialogInput::Close(dialog));
    default: throw ScriptFailure{"not an action"};
    }
}

void ActionCommands::Click(const ScenarioCommand& command, CDialog& dialog) {
    ControlTarget::Usable(dialog, command.id, {ControlKind::Button, ControlKind::CheckBox});
    Done(DialogInput::ClickButton(dialog, command.id));
}

void ActionCommands::Type(const ScenarioCommand& command, CDialog& dialog) {
    CWnd& control = ControlTarget::Usable(dialog, command.id, {ControlKind::Edit, ControlKind::ComboBox});
    if (control.HasStyle(ControlStyle::ReadOnly)) {
        throw ScriptFailure::Expected("control " + std::to_string(command.id) + " to take typing", "it read-only");
    }
    Done(DialogInput::TypeText(dialog, command.id, command.text));
}

void ActionCommands::Choose(const ScenarioCommand& command, CDialog& dialog) {
    auto& combo = ControlTarget::As<CComboBox>(ControlTarget::Usable(dialog, command.id, {ControlKind::ComboBox}));
    Done(DialogInput::ChooseEntry(dialog, command.id, EntryIndex(command, combo)));
}

int ActionCommands::EntryIndex(const ScenarioCommand& command, const CComboBox& combo) {
    if (command.byIndex) {
        if (command.number < combo.GetCount()) return command.number;
        throw ScriptFailure::Expected("entry #" + std::to_string(command.number),
                                      MessageText::Count(combo.GetCount(), "entry", "entries"));
    }
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (combo.GetLBText(i) == command.text) return i;
    }
    std::vector<std::string> entries;
    for (const CString& entry : combo.Entries()) entries.push_back(entry.ToUtf8());
    throw ScriptFailure::Expected("an entry " + MessageText::Quote(command.text),
                                  MessageText::List(entries, "no entries", "the entries"));
}

void ActionCommands::Tab(const ScenarioCommand& command, CDialog& dialog) {
    auto& tab = ControlTarget::As<CTabCtrl>(ControlTarget::Usable(dialog, command.id, {ControlKind::Tab}));
    if (command.number >= tab.GetItemCount()) {
        throw ScriptFailure::Expected("tab " + std::to_string(command.number),
                                      MessageText::Count(tab.GetItemCount(), "tab", "tabs"));
    }
    Done(DialogInput::SelectTab(dialog, command.id, command.number));
}

void ActionCommands::Tap(const ScenarioCommand& command, CDialog& dialog) {
    auto& list = ControlTarget::As<CListCtrl>(ControlTarget::Usable(dialog, command.id, {ControlKind::ListView}));
    if (command.number >= list.GetItemCount()) {
        throw ScriptFailure::Expected("row " + std::to_string(command.number),
                                      MessageText::Count(list.GetItemCount(), "row", "rows"));
    }
    Done(DialogInput::TapRow(dialog, command.id, command.number));
}

void ActionCommands::Date(const ScenarioCommand& command, CDialog& dialog) {
    ControlTarget::Usable(dialog, command.id, {ControlKind::MonthCal});
    Done(DialogInput::PickDate(dialog, command.id, command.date));
}

void ActionCommands::Focus(const ScenarioCommand& command, CDialog& dialog) {
    CWnd& control = ControlTarget::Usable(dialog, command.id);
    if (!control.TakesFocus()) {
        throw ScriptFailure::Expected("a control that takes the focus", ControlTarget::KindName(control.Kind()));
    }
    Done(DialogInput::MoveFocus(dialog, command.id));
}

void ActionCommands::Ok(CDialog& dialog) {
    const DialogTemplate* data = dialog.DialogTemplateData();
    if (!data || !data->captionOkButton) {
        throw ScriptFailure::Expected("a caption OK button on dialog " + std::to_string(dialog.TemplateId()), "none");
    }
    Done(DialogInput::PressCaptionOk(dialog));
}

void ActionCommands::Done(bool done) {
    if (!done) throw ScriptFailure{"the dialog did not take the action"};
}
