#include "companion/NotebookReader.h"

#include <memory>

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"

bool NotebookReader::Read(const CString& statement, int columns) {
    m_list.DeleteAllItems();
    while (m_list.GetColumnCount() > 0) m_list.DeleteColumn(0);
    for (int i = 0; i < columns; ++i) m_list.InsertColumn(i, u"");
    auto loader = std::make_unique<CDataLoader>(this, kListId);
    return loader->Open() && loader->FillControl(statement, CString()) && !loader->LastFailed();
}

int NotebookReader::Number(int row, int column) const {
    return CNumberRules::LeadingValue(Cell(row, column));
}

CWnd* NotebookReader::GetDlgItem(int nID) const {
    return nID == kListId ? &m_list : nullptr;
}
