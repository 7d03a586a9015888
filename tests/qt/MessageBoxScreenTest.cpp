// Message boxes on the real screen: what the program asked for is what the
// person sees, and the button the person presses goes back to the program.

#include <QTest>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "platform/framework/CWinApp.h"

using namespace ScreenTestIds;

namespace {

using Events = std::vector<std::string>;

class MessageBoxScreen : public ScreenTest {
protected:
    void SetUp() override { CScreenTestDlg::RegisterTemplates(); }

    CScreenTestDlg dlg;
};

TEST_F(MessageBoxScreen, AQuestionShowsItsCaptionIconAndButtonsAndReturnsTheAnswer) {
    Run(dlg, [this](CDialog& shown) {
        AnswerNextBox(QMessageBox::No);
        QTest::mouseClick(Widget(shown, IDC_ASK), Qt::LeftButton);
        AnswerNextBox(QMessageBox::Yes);
        QTest::mouseClick(Widget(shown, IDC_ASK), Qt::LeftButton);
        QTest::keyClick(Widget(shown, IDC_ASK), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "answer no", "answer yes"}));
    ASSERT_EQ(m_seenBoxes.size(), 2u);
    EXPECT_EQ(m_seenBoxes[0].caption, QStringLiteral("삭제"));
    EXPECT_EQ(m_seenBoxes[0].text, QStringLiteral("지울까요?"));
    EXPECT_EQ(m_seenBoxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(m_seenBoxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(MessageBoxScreen, ANoticeHasTheApplicationTitleAndOnlyOk) {
    CWinApp::SetProgramFileName(u"/usr/games/cartavel");
    Run(dlg, [this](CDialog& shown) {
        AnswerNextBox(QMessageBox::Ok);
        QTest::mouseClick(Widget(shown, IDC_NOTICE), Qt::LeftButton);
        QTest::keyClick(Widget(shown, IDC_NOTICE), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "notice ok"}));
    ASSERT_EQ(m_seenBoxes.size(), 1u);
    EXPECT_EQ(m_seenBoxes[0].caption, QStringLiteral("cartavel"));
    EXPECT_EQ(m_seenBoxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(m_seenBoxes[0].buttons, QMessageBox::Ok);
}

} // namespace
