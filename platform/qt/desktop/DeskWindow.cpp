#include "platform/qt/desktop/DeskWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QInputDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "desk/BackupFolder.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/ItemsExport.h"
#include "desk/JsonBackup.h"
#include "desk/NotebookJson.h"
#include "desk/NotebookLayout.h"
#include "desk/ProductsImport.h"
#include "desk/SharedNotebook.h"
#include "desk/WholeFile.h"
#include "platform/framework/CDialog.h"
#include "platform/qt/desktop/BackupRunner.h"
#include "platform/qt/desktop/CompanionPanel.h"
#include "platform/qt/desktop/ExportItemsDialog.h"
#include "platform/qt/desktop/RestoreDialog.h"
#include "platform/qt/reports/ReportPage.h"
#include "platform/qt/reports/ReportsWindow.h"
#include "platform/qt/screen/DeviceScreen.h"
#include "platform/qt/screen/QtWindowSystem.h"
#include "platform/qt/screen/ScreenZoom.h"
#include "platform/recordset/DatabaseChoice.h"
#include "tools/install/StartupDatabase.h"

#ifndef CARTAVEL_VERSION
#define CARTAVEL_VERSION "0"
#endif

namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path Chosen(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

QSettings WindowSettings() {
    return QSettings(QStringLiteral("cartavel"), QStringLiteral("cartavel"));
}

const QString kSharedNotebookKey = QStringLiteral("notebook/connection");

QString Shown(const std::string& connection) {
    return QString::fromStdString(SharedNotebook::Shown(connection));
}

} // namespace

DeskWindow::DeskWindow(QtWindowSystem& screen, std::filesystem::path deviceRoot, bool zoomGiven, bool automaticBackups)
    : m_screen(screen.Screen()),
      m_root(std::move(deviceRoot)),
      m_backups(std::make_unique<BackupRunner>(m_root, [this](const QString& line) { statusBar()->showMessage(line); })),
      m_automatic(automaticBackups) {
    setObjectName(QStringLiteral("desk-window"));
    setWindowTitle(QStringLiteral("Cartavel"));
    setWindowIcon(m_screen.windowIcon());
    auto* centre = new QWidget(this);
    auto* layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_screen.setParent(centre);
    layout->addWidget(&m_screen, 0, Qt::AlignTop);
    // The panels of the coming features go here.
    auto* panels = new QFrame(centre);
    panels->setObjectName(QStringLiteral("panels"));
    panels->setFrameShape(QFrame::StyledPanel);
    panels->setMinimumWidth(m_screen.width());
    layout->addWidget(panels, 1);
    auto* panelsLayout = new QVBoxLayout(panels);
    panelsLayout->setContentsMargins(0, 0, 0, 0);
    m_companion = new CompanionPanel(panels);
    panelsLayout->addWidget(m_companion);
    setCentralWidget(centre);
    AddFileMenu();
    AddViewMenu();
    AddReportsMenu();
    AddHelpMenu();
    statusBar()->setSizeGripEnabled(true);
    menuBar()->installEventFilter(this);
    RestoreSettings(zoomGiven);
}

DeskWindow::~DeskWindow() {
    // The window system owns the device's screen and outlives this window.
    m_screen.hide();
    m_screen.setParent(nullptr);
}

void DeskWindow::AddFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("파일(&F)"));
    connect(file, &QMenu::aboutToShow, this, [this] { UpdateActions(); });
    QAction* shared = file->addAction(QStringLiteral("공유 노트에 연결…(&S)"), this, [this] { ConnectShared(); });
    shared->setObjectName("connect-shared");
    file->addSeparator();
    file->addAction(QStringLiteral("지금 백업(&B)"), this, [this] { BackUpNow(); })->setObjectName("backup-now");
    QAction* restore = file->addAction(QStringLiteral("백업에서 복원…(&R)"), this, [this] { RestoreFromBackup(); });
    restore->setObjectName("restore");
    file->addSeparator();
    QMenu* exports = file->addMenu(QStringLiteral("내보내기(&E)"));
    exports->addAction(QStringLiteral("구매 내역 CSV…(&C)"), this, [this] { ExportItems(); })->setObjectName("export-items");
    exports->addAction(QStringLiteral("노트 전체 JSON…(&J)"), this, [this] { ExportNotebook(); })->setObjectName("export-notebook");
    QMenu* imports = file->addMenu(QStringLiteral("가져오기(&I)"));
    connect(imports, &QMenu::aboutToShow, this, [this] { UpdateActions(); });
    QAction* products = imports->addAction(QStringLiteral("품목 CSV…(&C)"), this, [this] { ImportProducts(); });
    products->setObjectName("import-products");
    QAction* notebook = imports->addAction(QStringLiteral("노트 전체 JSON…(&J)"), this, [this] { ImportNotebook(); });
    notebook->setObjectName("import-notebook");
    m_mainMenuOnly = {shared, restore, products, notebook};
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("끝내기(&X)"), this, [] { QCoreApplication::exit(0); });
    quit->setObjectName("quit");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void DeskWindow::AddViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("보기(&V)"));
    // The device's screen holds these keys itself, whatever has the focus;
    // the menu shows them beside its entries without taking them over.
    auto add = [&](const char* name, const QString& text, const QString& keys, std::function<int()> zoom) {
        QAction* action = view->addAction(text + QLatin1Char('\t') + keys, this, [zoom = std::move(zoom)] { ScreenZoom::Set(zoom()); });
        action->setObjectName(name);
    };
    add("zoom-in", QStringLiteral("확대(&I)"), QStringLiteral("Ctrl++"), [] { return ScreenZoom::Current() + 1; });
    add("zoom-out", QStringLiteral("축소(&O)"), QStringLiteral("Ctrl+-"), [] { return ScreenZoom::Current() - 1; });
    add("zoom-reset", QStringLiteral("원래 크기(&N)"), QStringLiteral("Ctrl+0"), [] { return ScreenZoom::StartZoom(); });
    view->addSeparator();
    QAction* companion = view->addAction(QStringLiteral("쇼핑 도우미(&S)"));
    companion->setObjectName("companion");
    companion->setCheckable(true);
    companion->setChecked(true);
    connect(companion, &QAction::toggled, this, [this](bool shown) { m_companion->setVisible(shown); });
    // The device screen keeps Tab among its own controls, as the device
    // did; F6 takes the keys over to the panel and back.
    // A shortcut of the window's own, as the zoom keys are the screen's: the
    // menu's entry shows the key beside it.
    QAction* across = view->addAction(QStringLiteral("기기 화면과 쇼핑 도우미 오가기(&M)\tF6"), this, [this] { MoveFocusAcross(); });
    across->setObjectName("focus-across");
    auto* keys = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(keys, &QShortcut::activated, this, [this] { MoveFocusAcross(); });
}

void DeskWindow::MoveFocusAcross() {
    QWidget* focused = QApplication::focusWidget();
    bool onPanel = focused && m_companion->isAncestorOf(focused);
    if (onPanel || !m_companion->isVisible()) {
        if (m_screenFocus && m_screen.isAncestorOf(m_screenFocus)) m_screenFocus->setFocus(Qt::ShortcutFocusReason);
        else m_screen.setFocus(Qt::ShortcutFocusReason);
        return;
    }
    m_screenFocus = focused && m_screen.isAncestorOf(focused) ? focused : nullptr;
    m_companion->findChild<QWidget*>(QStringLiteral("companion-tabs"))->setFocus(Qt::ShortcutFocusReason);
}

void DeskWindow::AddReportsMenu() {
    QMenu* reports = menuBar()->addMenu(QStringLiteral("보고서(&R)"));
    reports->addAction(QStringLiteral("차트 보기(&C)"), this, [this] {
        // The charts read the device's file: beside a shared notebook they would show another notebook's figures.
        if (!RefusedOnShared(QStringLiteral("차트 보기"))) OpenReports();
    })->setObjectName("reports");
}

// Beside this window where the screen has room, else as far right as the
// window still fits; never larger than the screen, whatever the zoom.
void DeskWindow::PlaceBeside(QWidget& window) const {
    const QRect room = screen()->availableGeometry();
    window.resize(window.size().boundedTo(room.size()));
    QPoint at = frameGeometry().topRight() + QPoint(8, 0);
    at.setX(std::max(room.left(), std::min(at.x(), room.right() - window.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - window.height())));
    window.move(at);
}

ReportsWindow& DeskWindow::OpenReports() {
    if (!m_reports) {
        m_reports = new ReportsWindow(NotebookLayout::NotebookFile(m_root), this);
        PlaceBeside(*m_reports);
    }
    m_reports->show();
    m_reports->raise();
    m_reports->activateWindow();
    m_reports->Current().Refresh();
    return *m_reports;
}

void DeskWindow::AddHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("도움말(&H)"));
    help->addAction(QStringLiteral("Cartavel 정보(&A)"), this, [this] { About(); })->setObjectName("about");
}

bool DeskWindow::OnMainMenu() const {
    return CDialog::RunningDialogs().size() <= 1;
}

void DeskWindow::UpdateActions() {
    for (QAction* action : m_mainMenuOnly) action->setEnabled(OnMainMenu());
}

void DeskWindow::RestoreSettings(bool zoomGiven) {
    UseRememberedNotebook();
    QSettings settings = WindowSettings();
    int zoom = settings.value(QStringLiteral("window/zoom"), 0).toInt();
    if (!zoomGiven && zoom > 0) ScreenZoom::Set(zoom);
    if (!restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray())) resize(sizeHint());
}

void DeskWindow::SaveSettings() const {
    QSettings settings = WindowSettings();
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/zoom"), ScreenZoom::Current());
    settings.sync();
}

void DeskWindow::NotebookPrepared() {
    m_companion->Session().Refresh();
}

void DeskWindow::Finish() {
    SaveSettings();
    if (m_automatic) m_backups->RunNow();
}

bool DeskWindow::eventFilter(QObject* watched, QEvent* event) {
    // The menu bar is in the first frame; the start's backup waits for it,
    // so that it never delays what the person sees first.
    if (watched == menuBar() && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        if (m_automatic) QTimer::singleShot(0, this, [this] { m_backups->Start(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void DeskWindow::closeEvent(QCloseEvent* event) {
    // As the device screen's own close: the program decides what it means.
    event->ignore();
    QCloseEvent close;
    QCoreApplication::sendEvent(&m_screen, &close);
}

void DeskWindow::Tell(const QString& text) {
    QMessageBox::information(this, QStringLiteral("Cartavel"), text);
}

void DeskWindow::Refuse(const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Cartavel"), text);
}

void DeskWindow::UseRememberedNotebook() {
    QString remembered = WindowSettings().value(kSharedNotebookKey).toString();
    // The start-up's check then names a remembered notebook that cannot be used.
    if (!DatabaseChoice::IsPostgres() && !remembered.isEmpty()) DatabaseChoice::UsePostgres(remembered.toStdString());
    ShowNotebook();
}

void DeskWindow::ShowNotebook() {
    setWindowTitle(DatabaseChoice::IsPostgres() ? QStringLiteral("Cartavel — 공유 노트 ") + Shown(DatabaseChoice::Connection())
                                                : QStringLiteral("Cartavel"));
}

void DeskWindow::ConnectShared() {
    if (!OnMainMenu()) return;
    bool ok = false;
    QString now = DatabaseChoice::IsPostgres() ? Shown(DatabaseChoice::Connection()) : QString();
    QString typed = QInputDialog::getText(
        this, QStringLiteral("공유 노트에 연결"),
        QStringLiteral("공유 노트의 연결 (postgresql://사용자@서버/데이터베이스)\n"
                       "비우면 이 컴퓨터의 노트 파일로 돌아갑니다. 비밀번호는 ~/.pgpass에 두세요."),
        QLineEdit::Normal, now, &ok).trimmed();
    if (!ok || (typed == now && !now.isEmpty())) return;
    std::string problem = StartupDatabase::Switch(typed.toStdString());
    if (!problem.empty()) return Refuse(QString::fromStdString(problem));
    // Remembered without its password, which libpq finds in ~/.pgpass.
    QSettings settings = WindowSettings();
    if (typed.isEmpty()) settings.remove(kSharedNotebookKey);
    else settings.setValue(kSharedNotebookKey, Shown(typed.toStdString()));
    settings.sync();
    ShowNotebook();
    // The panel read the notebook left; it reads the one chosen.
    m_companion->Session().Refresh();
    statusBar()->showMessage(typed.isEmpty() ? QStringLiteral("이 컴퓨터의 노트 파일을 씁니다.")
                                             : QStringLiteral("공유 노트에 연결했습니다: ") + Shown(typed.toStdString()));
}

bool DeskWindow::RefusedOnShared(const QString& job) {
    if (!DatabaseChoice::IsPostgres()) return false;
    Refuse(job + QStringLiteral("은(는) 공유 노트에서는 아직 할 수 없습니다."));
    return true;
}

void DeskWindow::BackUpNow() {
    try {
        std::filesystem::path made = DatabaseChoice::IsPostgres()
                                         ? BackupFolder(m_root).BackUpShared(DatabaseChoice::Connection(), std::time(nullptr))
                                         : BackupFolder(m_root).BackUpNow(std::time(nullptr));
        Tell(QStringLiteral("백업했습니다.\n") + Path(made));
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

void DeskWindow::RestoreFromBackup() {
    if (!OnMainMenu()) return;
    if (DatabaseChoice::IsPostgres()) return RestoreShared();
    RestoreDialog dialog(m_root, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Tell(QStringLiteral("복원했습니다. 복원하기 전의 노트는 백업으로 남겼습니다.\n") + Path(dialog.KeptBefore()));
}

void DeskWindow::RestoreShared() {
    BackupFolder folder(m_root);
    QString file = QFileDialog::getOpenFileName(this, QStringLiteral("공유 노트의 백업"), Path(folder.Folder()),
                                                QStringLiteral("JSON (*.json)"));
    if (file.isEmpty()) return;
    auto answer = QMessageBox::question(this, QStringLiteral("Cartavel"),
                                        QStringLiteral("공유 노트 전체를 이 백업으로 되돌립니다. 다른 컴퓨터의 작업도 되돌아갑니다.\n") + file);
    if (answer != QMessageBox::Yes) return;
    try {
        std::filesystem::path before = JsonBackup::Restore(DatabaseChoice::Connection(), Chosen(file),
                                                           folder.PathFor(std::time(nullptr), true, true));
        Tell(QStringLiteral("복원했습니다. 복원하기 전의 노트는 백업으로 남겼습니다.\n") + Path(before));
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

void DeskWindow::ExportItems() {
    if (RefusedOnShared(QStringLiteral("구매 내역 CSV 내보내기"))) return;
    ExportItemsDialog period(this);
    if (period.exec() != QDialog::Accepted) return;
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("구매 내역 CSV"), QString(), QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) return;
    try {
        Database db(NotebookLayout::NotebookFile(m_root), Database::Mode::ReadOnly);
        auto encoding = period.Cp949() ? ItemsExport::Encoding::Cp949 : ItemsExport::Encoding::Utf8;
        WholeFile::Write(Chosen(file), ItemsExport::Csv(db, period.From(), period.To(), encoding, file.toStdString()));
        Tell(QStringLiteral("내보냈습니다.\n") + file);
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

void DeskWindow::ExportNotebook() {
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("노트 전체 JSON"), QString(), QStringLiteral("JSON (*.json)"));
    if (file.isEmpty()) return;
    try {
        WholeFile::Write(Chosen(file), ExportedNotebook());
        Tell(QStringLiteral("내보냈습니다.\n") + file);
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

std::string DeskWindow::ExportedNotebook() const {
    if (DatabaseChoice::IsPostgres()) {
        SharedNotebook notebook(DatabaseChoice::Connection());
        return NotebookJson::Export(notebook);
    }
    Database db(NotebookLayout::NotebookFile(m_root), Database::Mode::ReadOnly);
    return NotebookJson::Export(db);
}

void DeskWindow::ImportProducts() {
    if (!OnMainMenu() || RefusedOnShared(QStringLiteral("품목 CSV 가져오기"))) return;
    QString file = QFileDialog::getOpenFileName(this, QStringLiteral("품목 CSV"), QString(), QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) return;
    try {
        Database db(NotebookLayout::NotebookFile(m_root), Database::Mode::ReadWrite);
        ProductsImport::Counts c = ProductsImport::Import(db, WholeFile::Read(Chosen(file)), file.toStdString(), false);
        Tell(QStringLiteral("분류 %1개 추가, %2개 건너뜀\n품명 %3개 추가, %4개 건너뜀")
                 .arg(c.categoriesAdded).arg(c.categoriesSkipped).arg(c.productsAdded).arg(c.productsSkipped));
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

void DeskWindow::ImportNotebook() {
    if (!OnMainMenu()) return;
    QString file = QFileDialog::getOpenFileName(this, QStringLiteral("노트 전체 JSON"), QString(), QStringLiteral("JSON (*.json)"));
    if (file.isEmpty()) return;
    try {
        long long rows = ImportedNotebook(WholeFile::Read(Chosen(file)), file.toStdString());
        Tell(QStringLiteral("%1행을 가져왔습니다.").arg(rows));
    } catch (const DeskFailure& failure) {
        Refuse(QString::fromStdString(failure.what()));
    }
}

long long DeskWindow::ImportedNotebook(const std::string& json, const std::string& file) const {
    if (DatabaseChoice::IsPostgres()) {
        SharedNotebook notebook(DatabaseChoice::Connection());
        return NotebookJson::Import(notebook, json, file);
    }
    Database db(NotebookLayout::NotebookFile(m_root), Database::Mode::ReadWrite);
    return NotebookJson::Import(db, json, file);
}

void DeskWindow::About() {
    QMessageBox::about(this, QStringLiteral("Cartavel 정보"),
                       QStringLiteral("Cartavel %1\n가계 쇼핑 노트\n\n라이선스: GPL-3.0-or-later\n\n노트 파일: %2\n백업 폴더: %3")
                           .arg(QStringLiteral(CARTAVEL_VERSION), Path(NotebookLayout::NotebookFile(m_root)),
                                Path(NotebookLayout::BackupFolder(m_root))));
}
