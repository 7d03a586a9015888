#pragma once
// The period and the encoding of "구매 내역 CSV…": from the first of the year
// to today unless the person picks other days.

#include <QDialog>
#include <string>

class QComboBox;
class QDateEdit;

class ExportItemsDialog : public QDialog {
public:
    explicit ExportItemsDialog(QWidget* parent);

    std::string From() const;
    std::string To() const;
    bool Cp949() const;

private:
    QDateEdit* m_from;
    QDateEdit* m_to;
    QComboBox* m_encoding;
};
