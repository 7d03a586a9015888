#pragma once
// What a person does to the top dialog: tap, type, choose, pick, close. Each
// command first checks that it can be done, so that a failure says why.

#include "platform/framework/CComboBox.h"
#include "tools/script/ScenarioCommand.h"

class CDialog;

class ActionCommands {
public:
    static void Run(const ScenarioCommand& command, CDialog& dialog);

private:
    static void Click(const ScenarioCommand& command, CDialog& dialog);
    static void Type(const ScenarioCommand& command, CDialog& dialog);
    static void Choose(const ScenarioCommand& command, CDialog& dialog);
    static void Tab(const ScenarioCommand& command, CDialog& dialog);
    static void Tap(const ScenarioCommand& command, CDialog& dialog);
    static void Date(const ScenarioCommand& command, CDialog& dialog);
    static void Focus(const ScenarioCommand& command, CDialog& dialog);
    static void Ok(CDialog& dialog);
    static int EntryIndex(const ScenarioCommand& command, const CComboBox& combo);
    // The framework refused for a reason the checks before did not see.
    static void Done(bool done);
};
