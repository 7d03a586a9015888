#include "dialogs/CBasicInfoDlg.h"

#include "data/CDataLoader.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

namespace {

constexpr int kProductTab = 1;

struct ListColumnSpec {
    const char16_t* title;  // blanks are part of the title
    int format;
    int width;
};

// What each tab stands for: its list, its label and its statements.
struct TabKind {
    const char16_t* tabText;
    const char16_t* label;  // the text of label 1043; none on the product tab
    ListColumnSpec columns[2];
    int columnCount;
    const char16_t* rows;
    const char16_t* exists;
    const char16_t* insert;
    const char16_t* rename;
    const char16_t* remove;
};

const TabKind kTabs[] = {
    {u" 분류명 ", u"분류명", {{u"                    분  류  명", LVCFMT_LEFT, 218}, {}}, 1,
     Sql::kCategoryList, Sql::kCategoryExists, Sql::kCategoryInsert, Sql::kCategoryRename, Sql::kCategoryDelete},
    {u" 품 명 ", nullptr,
     {{u"       품      명", LVCFMT_LEFT, 118}, {u"   분 류 명", LVCFMT_CENTER, 100}}, 2,
     Sql::kProductList, Sql::kProductExists, Sql::kProductInsert, Sql::kProductRename, Sql::kProductDelete},
    {u" 단 위 ", u"단 위", {{u"                    단      위", LVCFMT_LEFT, 218}, {}}, 1,
     Sql::kUnitList, Sql::kUnitExists, Sql::kUnitInsert, Sql::kUnitRename, Sql::kUnitDelete},
    {u" 쇼핑점 ", u"쇼핑점", {{u"                    쇼  핑  점", LVCFMT_LEFT, 218}, {}}, 1,
     Sql::kStoreList, Sql::kStoreExists, Sql::kStoreInsert, Sql::kStoreRename, Sql::kStoreDelete},
};

const TabKind& KindOf(int nTab) {
    return kTabs[nTab >= 0 && nTab < 4 ? nTab : 0];
}

} // namespace

BEGIN_MESSAGE_MAP(CBasicInfoDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_BI_TAB, OnSelchangeTab)
    ON_NOTIFY(NM_CLICK, IDC_BI_LIST, OnClickList)
    ON_BN_CLICKED(IDC_BI_BTN_SAVE, OnSave)
    ON_CBN_SELCHANGE(IDC_BI_COMBO_CATEGORY, OnSelchangeCategory)
    ON_BN_CLICKED(IDC_BI_BTN_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_BI_BTN_NEW, ClearInputs)
END_MESSAGE_MAP()

CBasicInfoDlg::CBasicInfoDlg(CWnd* pParent) : CDialog(IDD_BASICINFO, pParent) {}

CBasicInfoDlg::~CBasicInfoDlg() = default;

void CBasicInfoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BI_LIST, m_listEntries);
    DDX_Control(pDX, IDC_BI_COMBO_CATEGORY, m_comboCategory);
    DDX_Control(pDX, IDC_BI_TAB, m_tabKind);
    DDX_Text(pDX, IDC_BI_EDIT_NAME, m_strName);
    DDX_Text(pDX, IDC_BI_EDIT_PRODNAME, m_strProdName);
    // Only an equal entry is selected, so the field always shows the stored
    // category exactly, never a longer name that merely begins with it.
    DDX_CBStringExact(pDX, IDC_BI_COMBO_CATEGORY, m_strCategory);
}

BOOL CBasicInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), _T("기본정보등록"));
    for (int i = 0; i < 4; ++i) m_tabKind.InsertItem(i, kTabs[i].tabText);
    m_nTab = 0;
    ShowTabControls();
    ReloadList();
    return TRUE;
}

void CBasicInfoDlg::ShowTabControls() {
    if (m_nTab == kProductTab) {
        GetDlgItem(IDC_BI_STATIC_NAME)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_BI_EDIT_NAME)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_BI_COMBO_CATEGORY)->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_BI_EDIT_PRODNAME)->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_BI_STATIC_PRODNAME)->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_BI_STATIC_CATEGORY)->ShowWindow(SW_SHOW);
        return;
    }
    GetDlgItem(IDC_BI_STATIC_NAME)->ShowWindow(SW_SHOW);
    GetDlgItem(IDC_BI_EDIT_NAME)->ShowWindow(SW_SHOW);
    SetDlgItemText(IDC_BI_STATIC_NAME, KindOf(m_nTab).label);
    GetDlgItem(IDC_BI_COMBO_CATEGORY)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_BI_EDIT_PRODNAME)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_BI_STATIC_PRODNAME)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_BI_STATIC_CATEGORY)->ShowWindow(SW_HIDE);
}

void CBasicInfoDlg::ReloadList() {
    m_listEntries.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    while (m_listEntries.DeleteColumn(0)) {
    }
    m_listEntries.DeleteAllItems();
    const TabKind& kind = KindOf(m_nTab);
    for (int c = 0; c < kind.columnCount; ++c) {
        m_listEntries.InsertColumn(c, kind.columns[c].title, kind.columns[c].format, kind.columns[c].width);
    }
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_BI_LIST);
    pLoader->FillControl(kind.rows, _T(""));
}

void CBasicInfoDlg::LoadCategoryCombo() {
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_BI_COMBO_CATEGORY);
    pLoader->FillControl(Sql::kCategoryList, _T("COMBO"));
}

void CBasicInfoDlg::OnSelchangeTab(NMHDR*, LRESULT* pResult) {
    m_nTab = m_tabKind.GetCurSel();
    ShowTabControls();
    ReloadList();
    ClearInputs();
    if (m_nTab == kProductTab) {
        m_comboCategory.ResetContent();
        LoadCategoryCombo();
    }
    *pResult = 0;
}

void CBasicInfoDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    int nItem = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (m_nTab != kProductTab) {
        m_strName = m_listEntries.GetItemText(nItem, 0);
        m_strOldName = m_strName;
        if (!m_strName.IsEmpty()) {
            UpdateData(FALSE);
            *pResult = 0;
        }
        return;
    }
    m_strProdName = m_listEntries.GetItemText(nItem, 0);
    m_strCategory = m_listEntries.GetItemText(nItem, 1);
    m_strOldProdName = m_strProdName;
    if (!m_strProdName.IsEmpty()) {
        UpdateData(FALSE);
        *pResult = 0;
    }
}

void CBasicInfoDlg::OnSelchangeCategory() {
    m_comboCategory.GetLBText(m_comboCategory.GetCurSel(), m_strCategory);
}

void CBasicInfoDlg::ClearInputs() {
    m_strName.Empty();
    m_strOldName.Empty();
    m_strCategory.Empty();
    m_strProdName.Empty();
    m_strOldProdName.Empty();
    UpdateData(FALSE);
}

void CBasicInfoDlg::OnSave() {
    UpdateData(TRUE);
    if (!TakeInputs()) return;
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_BI_LIST);
    switch (DecideSave(*pLoader)) {
    case SaveAs::Insert: Report(pLoader->Execute(InsertStatement()), _T("저장완료")); break;
    case SaveAs::Rename: Report(pLoader->ExecuteUpdate(RenameStatement()), _T("변경완료")); break;
    case SaveAs::Duplicate: MessageBox(_T("중복되는 내용입니다."), _T("확인"), MB_OK | MB_ICONSTOP); return;
    case SaveAs::Failed: AfxMessageBox(_T("처리오류")); return;
    case SaveAs::Nothing: return;
    }
    ClearInputs();
}

// The name (or product and category) with leading blanks taken off; false
// when one of them is empty, which saves nothing.
bool CBasicInfoDlg::TakeInputs() {
    if (m_nTab == kProductTab) {
        m_strProdName.TrimLeft();
        m_strCategory.TrimLeft();
        return !m_strProdName.IsEmpty() && !m_strCategory.IsEmpty();
    }
    m_strName.TrimLeft();
    return !m_strName.IsEmpty();
}

// A new name is added; a picked one changed to a name not yet stored is
// renamed or added, as the person answers; a name stored already is a
// duplicate, unless it is the picked one itself.
CBasicInfoDlg::SaveAs CBasicInfoDlg::DecideSave(CDataLoader& loader) {
    const bool product = m_nTab == kProductTab;
    const CString strNewKey = product ? m_strProdName : m_strName;
    const CString strOldKey = product ? m_strOldProdName : m_strOldName;
    int nRows = loader.CountRows(CStatementBuilder::Format(KindOf(m_nTab).exists, {strNewKey}));
    // Not knowing whether the name exists, nothing may be written: a locked
    // file would otherwise let a duplicate in.
    if (loader.LastFailed()) return SaveAs::Failed;
    if (nRows > 0) return strOldKey == strNewKey ? SaveAs::Rename : SaveAs::Duplicate;
    if (strOldKey.IsEmpty()) return SaveAs::Insert;
    if (strOldKey == strNewKey) return SaveAs::Duplicate;
    int nAnswer = MessageBox(_T("변경하시겠읍까 ?"), _T("변경(Yes)/추가(No)"), MB_YESNOCANCEL | MB_ICONQUESTION);
    return nAnswer == IDYES ? SaveAs::Rename : nAnswer == IDNO ? SaveAs::Insert : SaveAs::Nothing;
}

CString CBasicInfoDlg::InsertStatement() const {
    const TabKind& kind = KindOf(m_nTab);
    return m_nTab == kProductTab ? CStatementBuilder::Format(kind.insert, {m_strCategory, m_strProdName})
                                 : CStatementBuilder::Format(kind.insert, {m_strName});
}

CString CBasicInfoDlg::RenameStatement() const {
    const TabKind& kind = KindOf(m_nTab);
    return m_nTab == kProductTab ? CStatementBuilder::Format(kind.rename, {m_strCategory, m_strProdName, m_strOldProdName})
                                 : CStatementBuilder::Format(kind.rename, {m_strName, m_strOldName});
}

void CBasicInfoDlg::Report(BOOL bStored, LPCTSTR strDone) {
    if (!bStored) {
        AfxMessageBox(_T("처리오류"));
        return;
    }
    AfxMessageBox(strDone);
    ReloadList();
}

void CBasicInfoDlg::OnDelete() {
    // Only a Yes deletes: a box that could not be shown answers otherwise.
    if (MessageBox(_T("정말 삭제하시겠습니까?"), _T("확인"), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    UpdateData(TRUE);
    const TabKind& kind = KindOf(m_nTab);
    const CString strKey = m_nTab == kProductTab ? m_strProdName : m_strName;
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_BI_LIST);
    const int nRows = pLoader->CountRows(CStatementBuilder::Format(kind.exists, {strKey}));
    if (pLoader->LastFailed()) {
        AfxMessageBox(_T("처리오류"));
    } else if (nRows < 1) {
        AfxMessageBox(_T("삭제불가함"));
    } else if (pLoader->Execute(CStatementBuilder::Format(kind.remove, {strKey}))) {
        AfxMessageBox(_T("삭제 완료됨"));
        ClearInputs();
        ReloadList();
    }
}
