// The tab control on the real screen: tabs as wide as their labels, all of
// them inside the control, scroll arrows when they do not fit, and the raised
// tab clear of what lies above the control.

#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "tests/support/CScreenTestDlg.h"
#include "ScreenTest.h"
#include "dialogs/CBasicInfoDlg.h"
#include "platform/shell/DeviceFileSystem.h"
#include "res/resource.h"
#include "tools/install/FirstInstallation.h"

using namespace ScreenTestIds;

namespace {

class TabControlScreen : public ScreenTest {
protected:
    void SetUp() override {
        CScreenTestDlg::RegisterTemplates();
        m_root = std::filesystem::temp_directory_path() / ("cartavel-tab-screen-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        DeviceFileSystem::SetRoot(m_root);
        ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    static bool ArrowsShown(QTabBar* bar) {
        for (QToolButton* arrow : bar->findChildren<QToolButton*>()) {
            if (arrow->isVisible()) return true;
        }
        return false;
    }

    // Every tab whole: its label fits it, and it lies inside the control
    // (or behind the arrows, which then show).
    static void ExpectTabsWithin(QTabWidget* tabs) {
        QTabBar* bar = tabs->tabBar();
        QFontMetrics metrics(bar->font());
        EXPECT_GE(bar->geometry().top(), 2) << "the raised tab touches what lies above the control";
        EXPECT_LE(bar->geometry().right(), tabs->width() - 1);
        bool allInside = true;
        for (int i = 0; i < tabs->count(); ++i) {
            QRect tab = bar->tabRect(i);
            EXPECT_GE(tab.width(), metrics.horizontalAdvance(tabs->tabText(i))) << i;
            EXPECT_GE(tab.height(), metrics.height()) << i;
            allInside = allInside && tab.right() < bar->width();
        }
        EXPECT_EQ(ArrowsShown(bar), !allInside);
    }

    std::filesystem::path m_root;
};

TEST_F(TabControlScreen, TheBasicInformationTabsAllShowWholeInTheirControl) {
    CBasicInfoDlg dialog;
    Run(dialog, [this](CDialog& shown) {
        auto* tabs = WidgetAs<QTabWidget>(shown, IDC_BI_TAB);
        ASSERT_EQ(tabs->count(), 4);
        EXPECT_EQ(tabs->tabText(3).trimmed(), QStringLiteral("쇼핑점"));
        ExpectTabsWithin(tabs);
        // On this control the four fit: nobody has to scroll to find the shops.
        QTabBar* bar = tabs->tabBar();
        EXPECT_LT(bar->tabRect(3).right(), bar->width());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        EXPECT_EQ(tabs->currentIndex(), 3);
        QTest::keyClick(bar, Qt::Key_Escape);
    });
}

TEST_F(TabControlScreen, TabsThatDoNotFitScrollWithArrowsAndKeepTheirLabels) {
    CScreenTestDlg dlg;
    Run(dlg, [&](CDialog& shown) {
        auto* tabs = WidgetAs<QTabWidget>(shown, IDC_TABS);
        ExpectTabsWithin(tabs);
        EXPECT_FALSE(ArrowsShown(tabs->tabBar()));
        for (int i = 2; i < 7; ++i) dlg.m_tabs.InsertItem(i, CString::Formatted(u"쇼핑점%d", i));
        ASSERT_EQ(tabs->count(), 7);
        ExpectTabsWithin(tabs);
        EXPECT_TRUE(ArrowsShown(tabs->tabBar()));
        QTest::keyClick(tabs->tabBar(), Qt::Key_Escape);
    });
}

} // namespace
