// The desktop window around the device on the offscreen screen: its menus
// and keys, restore and import offered only on the main menu, the window's
// remembered settings, a backup in steps and a restore through its preview.

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>

#include "ScreenTest.h"
#include "app/CMainMenuDlg.h"
#include "desk/BackupFolder.h"
#include "platform/qt/desktop/BackupRunner.h"
#include "platform/qt/desktop/DeskWindow.h"
#include "platform/qt/desktop/RestoreDialog.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/screen/ScreenZoom.h"
#include "platform/recordset/DatabaseChoice.h"
#include "res/resource.h"
#include "tests/support/TestDevice.h"
#include "tools/install/StartupDatabase.h"

namespace {

// The entries of a menu, submenus opened in brackets, separators as "|".
QString Entries(const QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) entries << QStringLiteral("|");
        else if (action->menu()) entries << action->text() + "[" + Entries(action->menu()) + "]";
        else entries << action->text();
    }
    return entries.join(QLatin1Char(';'));
}

class DeskWindowScreen : public ScreenTest {
protected:
    void SetUp() override {
        device.Create("desk-window");
        // The window's settings go to a configuration folder of the test's own.
        setenv("XDG_CONFIG_HOME", (device.Root() / "config").c_str(), 1);
        QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel")).clear();
        desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
        desk->show();
    }
    void TearDown() override {
        desk.reset();
        DatabaseChoice::UseFile();
        ScreenZoom::Set(ScreenZoom::StartZoom());
        device.Remove();
    }
    QMenu* Menu(int i) const { return desk->menuBar()->actions()[i]->menu(); }
    QAction* Action(const char* name) const { return desk->findChild<QAction*>(QString::fromLatin1(name)); }
    // Types `connection` into 공유 노트에 연결…; the text of the warning that
    // follows, if one does (it is closed).
    QString Connect(const QString& connection) {
        QString warning;
        QTimer::singleShot(0, [&] {
            auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            ask->setTextValue(connection);
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    warning = box->text();
                    box->accept();
                }
            });
            ask->accept();
        });
        Action("connect-shared")->trigger();
        return warning;
    }
    static QString Remembered() {
        return QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel")).value(QStringLiteral("notebook/connection")).toString();
    }

    TestDevice device;
    std::unique_ptr<DeskWindow> desk;
};

TEST_F(DeskWindowScreen, MenusInKoreanOfferRestoreAndImportOnlyOnTheMainMenu) {
    QStringList titles;
    for (QAction* action : desk->menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles.join(';'), QStringLiteral("파일(&F);보기(&V);보고서(&R);도움말(&H)"));
    EXPECT_EQ(Entries(Menu(0)), QStringLiteral("공유 노트에 연결…(&S);|;지금 백업(&B);백업에서 복원…(&R);|;내보내기(&E)[구매 내역 CSV…(&C);노트 전체 JSON…(&J)];"
                                               "가져오기(&I)[품목 CSV…(&C);노트 전체 JSON…(&J)];|;끝내기(&X)"));
    EXPECT_EQ(Entries(Menu(1)), QStringLiteral("확대(&I)\tCtrl++;축소(&O)\tCtrl+-;원래 크기(&N)\tCtrl+0;|;쇼핑 도우미(&S);기기 화면과 쇼핑 도우미 오가기(&M)\tF6"));
    EXPECT_EQ(Entries(Menu(2)), QStringLiteral("차트 보기(&C)"));
    EXPECT_EQ(Entries(Menu(3)), QStringLiteral("Cartavel 정보(&A)"));
    EXPECT_EQ(Action("quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The device's screen sits in the window, on the left.
    EXPECT_EQ(m_screen.Screen().window(), desk.get());
    EXPECT_EQ(m_screen.Screen().geometry().topLeft(), QPoint(0, 0));

    CMainMenuDlg menu;
    auto offered = [this] {
        emit Menu(0)->aboutToShow();
        return Action("restore")->isEnabled() && Action("import-products")->isEnabled() &&
               Action("import-notebook")->isEnabled() && Action("connect-shared")->isEnabled();
    };
    bool duringFunction = true;
    WhenShown(IDD_BASICINFO, [&](CDialog& shown) {
        duringFunction = offered() || Action("import-notebook")->isEnabled();
        shown.EndDialog(IDCANCEL);
    });
    Run(menu, [&](CDialog& shown) {
        EXPECT_TRUE(offered());
        QTest::mouseClick(Widget(shown, IDC_BTN_BASICINFO), Qt::LeftButton);
        EXPECT_TRUE(offered());
        QTest::mouseClick(Widget(shown, IDC_BTN_EXIT), Qt::LeftButton);
    });
    EXPECT_FALSE(duringFunction);
}

TEST_F(DeskWindowScreen, ZoomSizeAndPlaceAreTheWindowsOwnAndComeBackNextTime) {
    int start = ScreenZoom::Current();
    Action("zoom-in")->trigger();
    EXPECT_EQ(ScreenZoom::Current(), start + 1);
    Action("zoom-out")->trigger();
    Action("zoom-out")->trigger();
    EXPECT_EQ(ScreenZoom::Current(), start - 1);
    desk->resize(700, 500);
    QSize size = desk->size();
    desk->Finish();
    ScreenZoom::Set(start);

    desk.reset();
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
    EXPECT_EQ(ScreenZoom::Current(), start - 1);
    EXPECT_EQ(desk->size(), size);
    Action("zoom-reset")->trigger();
    EXPECT_EQ(ScreenZoom::Current(), ScreenZoom::StartZoom());
    // A zoom on the command line outranks the one remembered.
    desk->Finish();
    ScreenZoom::Set(start + 2);
    desk.reset();
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), true, false);
    EXPECT_EQ(ScreenZoom::Current(), start + 2);
}

TEST_F(DeskWindowScreen, ABackupInStepsThenARestoreThroughItsPreview) {
    device.Sql("insert into ShoppingList_tbl values (1,'과일','사과',1,'개',900,'',0,0,900,'2024-03-01','가게',1,'Y')");
    desk->Backups().Start();
    EXPECT_TRUE(desk->Backups().IsRunning());
    QTRY_VERIFY(!desk->Backups().IsRunning());
    EXPECT_EQ(desk->Backups().Made(), 1);
    EXPECT_TRUE(desk->statusBar()->currentMessage().startsWith(QStringLiteral("백업했습니다: cartavel-")));
    ASSERT_EQ(BackupFolder(device.Root()).List().size(), 1u);

    device.Sql("insert into ShoppingList_tbl values (2,'과일','배',1,'개',500,'',0,0,500,'2024-03-04','가게',2,'Y')");
    RestoreDialog dialog(device.Root(), desk.get());
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("backup-list"));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("2024-03-01"));
    EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("900"));
    list->setCurrentItem(list->topLevelItem(0));
    QString preview = dialog.findChild<QLabel*>(QStringLiteral("restore-preview"))->text();
    EXPECT_TRUE(preview.startsWith(QStringLiteral("되돌아오는 것: 쇼핑 0회, 품목 0개\n잃는 것: 쇼핑 1회, 품목 1개\n"))) << preview.toStdString();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("복원")) QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(device.Rows("select SeqNo from ShoppingList_tbl"), "1\n");
    EXPECT_TRUE(dialog.KeptBefore().filename().string().ends_with("-before-restore.cdb"));
}

// A server that cannot be reached is said, without the password typed, and
// leaves the file in use; a notebook remembered is used at the next start,
// and the box emptied goes back to the file.
TEST_F(DeskWindowScreen, ASharedNotebookIsChosenRememberedWithoutItsPasswordAndLeft) {
    QString warning = Connect(QStringLiteral("postgresql://kim:secret@/none?host=/nonexistent"));
    EXPECT_TRUE(warning.startsWith(QStringLiteral("공유 노트를 사용할 수 없습니다."))) << warning.toStdString();
    EXPECT_FALSE(warning.contains(QStringLiteral("secret")));
    EXPECT_FALSE(DatabaseChoice::IsPostgres());
    EXPECT_EQ(Remembered(), QString());
    EXPECT_EQ(desk->windowTitle(), QStringLiteral("Cartavel"));

    QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel"))
        .setValue(QStringLiteral("notebook/connection"), QStringLiteral("postgresql://kim@/cartavel?host=/nonexistent"));
    desk.reset();
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
    EXPECT_EQ(DatabaseChoice::Connection(), "postgresql://kim@/cartavel?host=/nonexistent");
    EXPECT_EQ(desk->windowTitle(), QStringLiteral("Cartavel — 공유 노트 postgresql://kim@/cartavel?host=/nonexistent"));
    EXPECT_EQ(Connect(QString()), QString());
    EXPECT_FALSE(DatabaseChoice::IsPostgres());
    EXPECT_EQ(Remembered(), QString());
    EXPECT_EQ(desk->windowTitle(), QStringLiteral("Cartavel"));
}

// The window (and its panel) is made before start-up makes the notebook on a
// first run: once it is there the panel reads it and has nothing to complain of.
TEST_F(DeskWindowScreen, OnAFirstRunThePanelReadsTheNotebookStartUpMade) {
    desk.reset();
    std::filesystem::remove(FirstInstallation::DatabasePath(device.Root()));
    desk = std::make_unique<DeskWindow>(m_screen, device.Root(), false, false);
    auto* problem = desk->findChild<QLabel*>(QStringLiteral("companion-problem"));
    ASSERT_NE(problem, nullptr);
    EXPECT_FALSE(problem->text().isEmpty());
    StartupDatabase::Prepare(device.Root());
    desk->NotebookPrepared();
    EXPECT_EQ(problem->text(), QString());
}

// Tab stays among the device screen's controls; F6 takes the keys across
// to the panel and back to the device screen's control that had them.
TEST_F(DeskWindowScreen, F6TakesTheKeysAcrossBetweenTheScreenAndThePanel) {
    desk->activateWindow();
    QApplication::setActiveWindow(desk.get());
    QWidget* tabs = desk->findChild<QWidget*>(QStringLiteral("companion-tabs"));
    auto onPanel = [&] {
        QWidget* focused = QApplication::focusWidget();
        return focused && (focused == tabs || tabs->isAncestorOf(focused));
    };
    auto press = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6); };
    tabs->setFocus();
    ASSERT_TRUE(onPanel());
    press();
    QWidget* onScreen = QApplication::focusWidget();
    ASSERT_NE(onScreen, nullptr);
    EXPECT_TRUE(onScreen == &m_screen.Screen() || m_screen.Screen().isAncestorOf(onScreen));
    press();
    EXPECT_TRUE(onPanel());
    press();
    EXPECT_EQ(QApplication::focusWidget(), onScreen);
}

} // namespace
