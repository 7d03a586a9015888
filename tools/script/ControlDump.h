#pragma once
// The full state of one control, for a person writing a scenario.

#include <string>
#include <vector>

class CDialog;
class CWnd;

class ControlDump {
public:
    static std::vector<std::string> Lines(const CDialog& dialog, int id);

private:
    static std::string Header(const CDialog& dialog, const CWnd& control);
    static void AddDetails(const CWnd& control, std::vector<std::string>& lines);
    static void AddCombo(const CWnd& control, std::vector<std::string>& lines);
    static void AddList(const CWnd& control, std::vector<std::string>& lines);
    static void AddTabs(const CWnd& control, std::vector<std::string>& lines);
    static void AddCalendar(const CWnd& control, std::vector<std::string>& lines);
};
