#include "platform/qt/desktop/ExportItemsDialog.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace {

QDateEdit* DateEdit(const QDate& date, QWidget* parent) {
    auto* edit = new QDateEdit(date, parent);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

ExportItemsDialog::ExportItemsDialog(QWidget* parent)
    : QDialog(parent),
      m_from(DateEdit(QDate(QDate::currentDate().year(), 1, 1), this)),
      m_to(DateEdit(QDate::currentDate(), this)),
      m_encoding(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("구매 내역 CSV"));
    setObjectName(QStringLiteral("export-items-dialog"));
    m_encoding->addItems({QStringLiteral("UTF-8 (BOM)"), QStringLiteral("CP949")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("시작일"), m_from);
    form->addRow(QStringLiteral("종료일"), m_to);
    form->addRow(QStringLiteral("인코딩"), m_encoding);
    form->addRow(buttons);
    // The period never runs backwards.
    connect(m_from, &QDateEdit::dateChanged, m_to, [this](const QDate& d) { m_to->setMinimumDate(d); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string ExportItemsDialog::From() const {
    return m_from->date().toString(Qt::ISODate).toStdString();
}

std::string ExportItemsDialog::To() const {
    return m_to->date().toString(Qt::ISODate).toStdString();
}

bool ExportItemsDialog::Cp949() const {
    return m_encoding->currentIndex() == 1;
}
