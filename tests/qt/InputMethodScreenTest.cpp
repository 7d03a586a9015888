// Korean typed through an input method: the syllable still being composed is
// part of what the person typed, and every tap, focus move or acting key
// sees it in the field it was typed into.

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"

using namespace ScreenTestIds;

namespace {

using Events = std::vector<std::string>;

class InputMethodScreen : public ScreenTest {
protected:
    void SetUp() override { CScreenTestDlg::RegisterTemplates(); }

    // What an input method sends: the syllables it is done with, and the one
    // it is still composing, shown underlined in the field.
    static void Compose(QWidget* edit, const QString& committed, const QString& composing) {
        QList<QInputMethodEvent::Attribute> attributes;
        attributes.append({QInputMethodEvent::Cursor, static_cast<int>(composing.size()), 1});
        QInputMethodEvent event(composing, attributes);
        event.setCommitString(committed);
        QApplication::sendEvent(edit, &event);
    }
    static CString Text(CDialog& shown, int nID) { return shown.GetDlgItem(nID)->WindowText(); }

    CScreenTestDlg dlg;
};

TEST_F(InputMethodScreen, ATapCommitsTheComposingSyllableIntoItsOwnFieldFirst) {
    Run(dlg, [this](CDialog& shown) {
        auto* name = WidgetAs<QLineEdit>(shown, IDC_NAME);
        Compose(name, QStringLiteral("사"), QStringLiteral("과"));
        EXPECT_EQ(Text(shown, IDC_NAME), CString(u"사"));  // the syllable is not typed yet
        QTest::mouseClick(Widget(shown, IDC_SAVE), Qt::LeftButton);
        EXPECT_EQ(Text(shown, IDC_NAME), CString(u"사과"));
        EXPECT_EQ(name->text(), QStringLiteral("사과"));

        // A tap into another field: the syllable stays in the one it was typed in.
        QTest::mouseClick(name, Qt::LeftButton);
        Compose(name, QString(), QStringLiteral("즙"));
        QTest::mouseClick(Widget(shown, IDC_PRICE), Qt::LeftButton);
        EXPECT_EQ(Text(shown, IDC_NAME), CString(u"사과즙"));
        EXPECT_EQ(Text(shown, IDC_PRICE), CString(u""));

        // Composed once, committed once: a later tap adds nothing.
        QTest::mouseClick(Widget(shown, IDC_SAVE), Qt::LeftButton);
        EXPECT_EQ(Text(shown, IDC_NAME), CString(u"사과즙"));
        QTest::keyClick(Widget(shown, IDC_PRICE), Qt::Key_Escape);
    });
    // The field left with its whole text before the button acted.
    EXPECT_EQ(dlg.m_events, (Events{"name lost focus", "save", "name lost focus", "price lost focus", "save"}));
}

TEST_F(InputMethodScreen, TabAndTheCaptionOkTakeTheComposingSyllableAlong) {
    INT_PTR result = Run(dlg, [this](CDialog& shown) {
        auto* name = WidgetAs<QLineEdit>(shown, IDC_NAME);
        Compose(name, QStringLiteral("배"), QStringLiteral("추"));
        QTest::keyClick(name, Qt::Key_Tab);
        EXPECT_EQ(Text(shown, IDC_NAME), CString(u"배추"));
        EXPECT_EQ(shown.FocusedControl(), shown.GetDlgItem(IDC_PRICE));

        QLineEdit* kind = WidgetAs<QComboBox>(shown, IDC_KIND)->lineEdit();
        QTest::mouseClick(kind, Qt::LeftButton);
        kind->selectAll();
        Compose(kind, QStringLiteral("채"), QStringLiteral("소"));
        QTest::mouseClick(NamedWidget("caption-ok"), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strName, CString(u"배추"));
    EXPECT_EQ(dlg.m_strKind, CString(u"채소"));
}

} // namespace
