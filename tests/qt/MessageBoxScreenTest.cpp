// Message boxes on the real screen: what the program asked for is what the
// person sees, and the button the person presses goes back to the program.

#include <QApplication>
#include <QTest>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "platform/framework/CWinApp.h"
#include "platform/qt/widgets/DeviceMetrics.h"
#include "platform/qt/screen/DeviceScreen.h"

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

TEST_F(MessageBoxScreen, BoxesFitTheDeviceScreenAndDrawTheirCaptionInside) {
    MessageBoxRequest question;
    question.caption = u"변경(Yes)/추가(No)";
    question.text = u"선택한 항목을 변경하시겠습니까? 새 항목으로 추가하려면 아니오를 누르십시오.";
    question.type = MB_YESNOCANCEL | MB_ICONQUESTION;
    AnswerNextBox(QMessageBox::No);
    EXPECT_EQ(m_screen.ShowMessageBox(question), IDNO);

    MessageBoxRequest notice;
    notice.isNotice = true;
    notice.caption = u"cartavel";
    notice.text = u"저장되었습니다";
    AnswerNextBox(QMessageBox::Ok);
    EXPECT_EQ(m_screen.ShowMessageBox(notice), IDOK);

    ASSERT_EQ(m_seenBoxes.size(), 2u);
    for (const SeenMessageBox& box : m_seenBoxes) {
        EXPECT_LE(box.size.width(), DeviceMetrics::kScreenWidth) << box.caption.toStdString();
        EXPECT_LE(box.size.height(), DeviceMetrics::kScreenHeight) << box.caption.toStdString();
        EXPECT_EQ(box.shownCaption, box.caption);
        EXPECT_TRUE(QRect(QPoint(0, 0), box.size).contains(box.captionPlace)) << box.caption.toStdString();
        EXPECT_LE(box.captionPlace.top(), 2);
    }
    // The long question wraps within the screen rather than running off it.
    EXPECT_EQ(m_seenBoxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_GT(m_seenBoxes[0].size.height(), m_seenBoxes[1].size.height());
}

// Without a window manager X gives the keyboard to the root window when the
// box's window goes; this does the same to the program.
class DropKeyboardWithBox : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && qobject_cast<QMessageBox*>(watched)) {
            QApplication::setActiveWindow(nullptr);
        }
        return false;
    }
};

TEST_F(MessageBoxScreen, TheKeyboardComesBackToTheControlThatHadItWhenABoxCloses) {
    DropKeyboardWithBox dropper;
    qApp->installEventFilter(&dropper);
    Run(dlg, [this](CDialog& shown) {
        QWidget* ask = Widget(shown, IDC_ASK);
        AnswerNextBox(QMessageBox::Yes);
        QTest::mouseClick(ask, Qt::LeftButton);
        // The window system hands the keyboard back at its next turn.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == ask; }, 1000));
        EXPECT_EQ(QApplication::activeWindow(), &m_screen.Screen());
        // So Escape, typed right after, still reaches the dialog.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : ask, Qt::Key_Escape);
    });
    qApp->removeEventFilter(&dropper);
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "answer yes"}));
}

} // namespace
