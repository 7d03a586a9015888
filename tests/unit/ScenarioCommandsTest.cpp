// The scenario driver's commands and expectations on a running dialog: what
// they do to the controls, what they read back (hidden controls and columns
// of width 0 included), and the reasons they give when a control cannot be
// used or an expectation does not hold.

#include <gtest/gtest.h>

#include <functional>

#include "platform/framework/CComboBox.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/CWinApp.h"
#include "StepDriver.h"
#include "tools/script/ActionCommands.h"
#include "tools/script/ControlExpectations.h"
#include "tools/script/ScenarioParser.h"
#include "tools/script/ScreenExpectations.h"
#include "tools/script/ScriptFailure.h"

namespace {

constexpr int kScriptTemplate = 9101;

void RegisterScriptTemplate() {
    DialogTemplate t;
    std::string error;
    bool ok = DialogTemplate::Parse(R"(
DIALOG 9101
CAPTION "Script"
SIZE 140 150
CONTROL 19 STATIC 1 1 20 10 "라벨"
CONTROL 10 EDIT 20 2 60 12 "" BORDER TABSTOP
CONTROL 11 EDIT 20 16 60 12 "고정" READONLY
CONTROL 16 EDIT 20 16 60 12 "숨김" HIDDEN
CONTROL 12 COMBOBOX 20 30 60 80 "" DROPDOWN TABSTOP
CONTROL 13 CHECKBOX 90 2 30 10 "쿠폰" AUTOCHECKBOX TABSTOP
CONTROL 14 BUTTON 90 16 30 14 "삭제" PUSHBUTTON TABSTOP
CONTROL 17 TAB 1 58 130 20 ""
CONTROL 15 LISTVIEW 1 80 130 60 "" REPORT
)", t, error);
    ASSERT_TRUE(ok) << error;
    DialogTemplate::Register(t);
}

// Fills its list, combo box and tabs as a dialog of the program would, and
// asks a question and gives a notice when its button is tapped.
class CScriptTestDlg : public CDialog {
public:
    CScriptTestDlg() : CDialog(kScriptTemplate) {}
    int m_nAnswer = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* list = dynamic_cast<CListCtrl*>(GetDlgItem(15));
        list->InsertColumn(0, u"분류 명", LVCFMT_LEFT, 80);
        list->InsertColumn(1, u"번호", LVCFMT_LEFT, 0);
        list->InsertItem(0, u"과일");
        list->SetItemText(0, 1, u"7");
        list->InsertItem(1, u"채소");
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(12));
        combo->AddString(u"개");
        combo->AddString(u"봉지");
        auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(17));
        tabs->InsertItem(0, u"월");
        tabs->InsertItem(1, u"년");
        return TRUE;
    }
    void OnDelete() {
        m_nAnswer = MessageBox(u"지울까요?", u"확인", MB_YESNO | MB_ICONQUESTION);
        AfxMessageBox(u"삭제완료");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptTestDlg, CDialog)
    ON_BN_CLICKED(14, OnDelete)
END_MESSAGE_MAP()

ScenarioCommand Command(const std::string& line) {
    ScenarioParser parser;
    std::vector<ScenarioCommand> commands;
    EXPECT_TRUE(parser.Parse(line, commands)) << parser.Error();
    return commands.empty() ? ScenarioCommand{} : commands.front();
}

// Runs one line on the dialog; the reason it failed, or empty.
std::string RunLine(const std::string& line, CDialog& dialog, HeadlessWindowSystem& screen) {
    ScenarioCommand command = Command(line);
    try {
        if (command.kind >= CommandKind::Click && command.kind <= CommandKind::Close) {
            ActionCommands::Run(command, dialog);
        } else if (command.kind >= CommandKind::ExpectDialog && command.kind <= CommandKind::ExpectNoBox) {
            ScreenExpectations(screen).Run(command);
        } else {
            ControlExpectations::Run(command, dialog);
        }
    } catch (const ScriptFailure& failure) {
        return failure.reason;
    }
    return "";
}

class ScenarioCommands : public ::testing::Test {
protected:
    void SetUp() override { RegisterScriptTemplate(); }

    // Runs the lines, each with the reason it should give ("" when it holds).
    void Expect(std::vector<std::pair<std::string, std::string>> lines) {
        bool ran = false;
        driver.Then([this, lines, &ran](CDialog& top) {
            for (const auto& [line, reason] : lines) EXPECT_EQ(RunLine(line, top, driver.Screen()), reason) << line;
            ran = true;
        });
        driver.Run(dlg);
        EXPECT_TRUE(ran);
    }

    StepDriver driver;
    CScriptTestDlg dlg;
};

} // namespace

TEST_F(ScenarioCommands, ActionsSayWhyAControlCannotBeUsed) {
    Expect({
        {"click 99", "expected control 99 in dialog 9101, found no such control"},
        {"type 16 x", "expected control 16 to be shown, found it hidden"},
        {"type 11 x", "expected control 11 to take typing, found it read-only"},
        {"type 15 x", "expected control 15 to be an edit or a combo box, found a list view"},
        {"click 10", "expected control 10 to be a button or a check box, found an edit"},
        {"focus 19", "expected a control that takes the focus, found a static text"},
        {"choose 12 상자", "expected an entry \"상자\", found the entries \"개\", \"봉지\""},
        {"choose 12 #2", "expected entry #2, found 2 entries"},
        {"tap 15 2", "expected row 2, found 2 rows"},
        {"tab 17 2", "expected tab 2, found 2 tabs"},
        {"date 15 2024-03-15", "expected control 15 to be a month calendar, found a list view"},
        {"ok", "expected a caption OK button on dialog 9101, found none"},
    });
}

TEST_F(ScenarioCommands, ActionsReachTheControlsAndExpectationsReadThemBack) {
    Expect({
        {"type 10 \" 사과 \"", ""},
        {"expect text 10 \" 사과 \"", ""},
        {"choose 12 봉지", ""},
        {"expect text 12 봉지", ""},
        {"choose 12 #0", ""},
        {"expect text 12 개", ""},
        {"type 12 상자", ""},
        {"expect text 12 상자", ""},
        {"expect unchecked 13", ""},
        {"click 13", ""},
        {"expect checked 13", ""},
        {"expect unchecked 13", "expected not ticked, found ticked"},
        {"tap 15 -1", ""},
        {"tab 17 1", ""},
        {"focus 10", ""},
    });
}

TEST_F(ScenarioCommands, ExpectationsSeeHiddenControlsAndEveryColumn) {
    Expect({
        {"expect text 16 숨김", ""},
        {"expect hidden 16", ""},
        {"expect visible 16", "expected shown, found hidden"},
        {"expect row 15 0 과일|7", ""},
        {"expect row 15 1 채소|", ""},
        {"expect row 15 0 과일", "expected \"과일\", found \"과일|7\""},
        {"expect row 15 2 x", "expected row 2 \"x\", found 2 rows"},
        {"expect columns 15 분류 명:80|번호:0", ""},
        {"expect count 15 2", ""},
        {"expect count 12 1", "expected 1 entry, found 2 entries"},
        {"expect count 10 1", "expected control 10 to be a list view or a combo box, found an edit"},
        {"expect entry 12 1 봉지", ""},
        {"expect entry 12 2 x", "expected entry 2 \"x\", found 2 entries"},
        {"expect checked 14", "expected control 14 to be a check box, found a button"},
    });
}

TEST_F(ScenarioCommands, MessageBoxesAreExpectedOnceOldestFirst) {
    Expect({
        {"expect no box", ""},
        {"expect notice 삭제완료", "expected notice \"삭제완료\", found no message box not yet expected"},
    });
    StepDriver second;
    second.Screen().QueueAnswer(IDNO);
    second.Then([&second](CDialog& top) {
        HeadlessWindowSystem& screen = second.Screen();
        EXPECT_EQ(RunLine("click 14", top, screen), "");
        EXPECT_EQ(RunLine("expect no box", top, screen),
                  "expected no message box that the script has not expected, found box \"확인\" | \"지울까요?\" | yesno | question");
        EXPECT_EQ(RunLine("expect notice 지울까요?", top, screen),
                  "expected notice \"지울까요?\", found box \"확인\" | \"지울까요?\" | yesno | question");
        EXPECT_EQ(RunLine("expect box 확인 | 지울까요? | yesno | stop", top, screen),
                  "expected box \"확인\" | \"지울까요?\" | yesno | stop, found box \"확인\" | \"지울까요?\" | yesno | question");
        EXPECT_EQ(RunLine("expect box 확인 | 지울까요? | yesno | question", top, screen), "");
        EXPECT_EQ(RunLine("expect notice 삭제", top, screen), "expected notice \"삭제\", found notice \"삭제완료\"");
        EXPECT_EQ(RunLine("expect notice 삭제완료", top, screen), "");
        EXPECT_EQ(RunLine("expect no box", top, screen), "");
        screen.QueueAnswer(IDYES);
    });
    CScriptTestDlg again;
    second.Run(again);
    EXPECT_EQ(again.m_nAnswer, IDNO);
    EXPECT_EQ(second.Screen().QueuedAnswers(), 1u);  // the step ran to its end
}
