#include "platform/qt/desktop/RestoreDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <ctime>

#include "desk/DeskFailure.h"
#include "desk/NotebookRestore.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Counts(long long trips, long long items) {
    return QStringLiteral("쇼핑 %1회, 품목 %2개").arg(trips).arg(items);
}

QString LastDate(const NotebookSummary& summary) {
    return summary.lastTripDate.empty() ? QStringLiteral("-") : Text(summary.lastTripDate);
}

} // namespace

RestoreDialog::RestoreDialog(const std::filesystem::path& deviceRoot, QWidget* parent)
    : QDialog(parent), m_folder(deviceRoot), m_list(new QTreeWidget(this)), m_preview(new QLabel(this)) {
    setWindowTitle(QStringLiteral("백업에서 복원"));
    setObjectName(QStringLiteral("restore-dialog"));
    m_list->setObjectName(QStringLiteral("backup-list"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("시각"), QStringLiteral("쇼핑"), QStringLiteral("품목"),
                              QStringLiteral("마지막 쇼핑일"), QStringLiteral("결제 합계")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_preview->setObjectName(QStringLiteral("restore-preview"));
    m_preview->setWordWrap(true);
    m_preview->setMinimumHeight(m_preview->fontMetrics().lineSpacing() * 4);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(QStringLiteral("복원"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("닫기"), QDialogButtonBox::RejectRole);
    m_restore->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { ShowPreview(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { RestoreChosen(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Fill();
}

void RestoreDialog::Fill() {
    try {
        m_entries = m_folder.List();
    } catch (const DeskFailure& failure) {
        m_preview->setText(Text(failure.what()));
    }
    // Newest first: the one most often wanted.
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        QStringList cells{Text(entry->name.Time()) + (entry->name.beforeRestore ? QStringLiteral(" (복원 전)") : QString())};
        if (entry->summary) {
            cells << QString::number(entry->summary->trips) << QString::number(entry->summary->items)
                  << LastDate(*entry->summary) << QString::number(entry->summary->totalPaid);
        } else {
            cells << QStringLiteral("읽을 수 없음");
        }
        auto* item = new QTreeWidgetItem(m_list, cells);
        item->setData(0, Qt::UserRole, static_cast<int>(m_entries.rend() - entry - 1));
    }
    if (m_entries.empty()) m_preview->setText(QStringLiteral("백업이 없습니다."));
    // Every column whole, the total paid included, without scrolling.
    int width = 0;
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->resizeColumnToContents(column);
        width += m_list->columnWidth(column);
    }
    m_list->setMinimumWidth(width + 2 * m_list->frameWidth() + 4);
}

const BackupFolder::Entry* RestoreDialog::Chosen() const {
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? &m_entries[static_cast<size_t>(item->data(0, Qt::UserRole).toInt())] : nullptr;
}

void RestoreDialog::ShowPreview() {
    const BackupFolder::Entry* entry = Chosen();
    m_restore->setEnabled(false);
    if (!entry) return;
    try {
        NotebookRestore::Preview p = NotebookRestore::Look(m_folder, entry->file);
        m_preview->setText(QStringLiteral("되돌아오는 것: %1\n잃는 것: %2\n지금의 노트: %3, 마지막 쇼핑 %4\n복원 후: %5, 마지막 쇼핑 %6")
                                .arg(Counts(p.tripsBack, p.itemsBack), Counts(p.tripsLost, p.itemsLost),
                                     Counts(p.now.trips, p.now.items), LastDate(p.now),
                                     Counts(p.backup.trips, p.backup.items), LastDate(p.backup)));
        m_restore->setEnabled(true);
    } catch (const DeskFailure& failure) {
        m_preview->setText(QStringLiteral("이 백업은 복원할 수 없습니다: ") + Text(failure.what()));
    }
}

void RestoreDialog::RestoreChosen() {
    const BackupFolder::Entry* entry = Chosen();
    if (!entry) return;
    try {
        m_keptBefore = NotebookRestore::Restore(m_folder, entry->file, std::time(nullptr));
    } catch (const DeskFailure& failure) {
        QMessageBox::warning(this, windowTitle(), Text(failure.what()));
        return;
    }
    accept();
}
