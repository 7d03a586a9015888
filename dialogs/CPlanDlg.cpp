#include "dialogs/CPlanDlg.h"

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"


BEGIN_MESSAGE_MAP(CPlanDlg, CDialog)
    ON_BN_CLICKED(IDC_PL_BTN_SAVE, OnSave)
    ON_BN_CLICKED(IDC_PL_BTN_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_PL_BTN_NEW, ClearInputs)
    ON_CBN_SELCHANGE(IDC_PL_COMBO_CATEGORY, OnSelchangeCategory)
    ON_NOTIFY(NM_CLICK, IDC_PL_LIST, OnClickList)
END_MESSAGE_MAP()

CPlanDlg::CPlanDlg(CWnd* pParent) : CDialog(IDD_PLAN, pParent) {}

CPlanDlg::~CPlanDlg() = default;

void CPlanDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PL_COMBO_PRODUCT, m_comboProduct);
    DDX_Control(pDX, IDC_PL_COMBO_CATEGORY, m_comboCategory);
    DDX_Control(pDX, IDC_PL_COMBO_UNIT, m_comboUnit);
    DDX_Control(pDX, IDC_PL_LIST, m_listPlan);
    DDX_Text(pDX, IDC_PL_EDIT_QTY, m_strQty);
    DDX_Text(pDX, IDC_PL_EDIT_DCAMT, m_strDcAmt);
    // Only equal entries are selected, so each field shows the item's own
    // name exactly, never a longer name that merely begins with it.
    DDX_CBStringExact(pDX, IDC_PL_COMBO_UNIT, m_strUnit);
    DDX_CBStringExact(pDX, IDC_PL_COMBO_PRODUCT, m_strProdName);
    DDX_CBStringExact(pDX, IDC_PL_COMBO_CATEGORY, m_strCategory);
    DDX_Check(pDX, IDC_PL_CHECK_COUPON, m_bCoupon);
}

BOOL CPlanDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), _T("쇼핑계획"));
    LoadCategoryCombo();
    LoadUnitCombo();
    m_listPlan.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listPlan.InsertColumn(0, _T("SeqNo"), LVCFMT_LEFT, 0);
    m_listPlan.InsertColumn(1, _T("Category"), LVCFMT_LEFT, 0);
    m_listPlan.InsertColumn(2, _T("       품    명"), LVCFMT_LEFT, 104);
    m_listPlan.InsertColumn(3, _T("수량"), LVCFMT_RIGHT, 37);
    m_listPlan.InsertColumn(4, _T(" 단위"), LVCFMT_LEFT, 45);
    m_listPlan.InsertColumn(5, _T("CuponDcAmt"), LVCFMT_LEFT, 0);
    m_listPlan.InsertColumn(6, _T("쿠폰"), LVCFMT_CENTER, 36);
    ReloadList();
    ClearInputs();
    return TRUE;
}

void CPlanDlg::ReloadList() {
    m_listPlan.DeleteAllItems();
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_LIST);
    pLoader->FillControl(Sql::kPlanList, _T(""));
}

void CPlanDlg::LoadCategoryCombo() {
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_COMBO_CATEGORY);
    pLoader->FillControl(Sql::kCategoryList, _T("COMBO"));
}

void CPlanDlg::LoadUnitCombo() {
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_COMBO_UNIT);
    pLoader->FillControl(Sql::kUnitList, _T("COMBO"));
}

void CPlanDlg::LoadProductCombo() {
    m_comboProduct.ResetContent();
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_COMBO_PRODUCT);
    pLoader->FillControl(CStatementBuilder::Format(Sql::kProductsOfCategory, {m_strCategory}), _T("COMBO"));
}

void CPlanDlg::OnSelchangeCategory() {
    m_comboCategory.GetLBText(m_comboCategory.GetCurSel(), m_strCategory);
    LoadProductCombo();
}

void CPlanDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    int nItem = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (nItem == -1) return;
    m_strSeqNo = m_listPlan.GetItemText(nItem, 0);
    m_strCategory = m_listPlan.GetItemText(nItem, 1);
    m_strProdName = m_listPlan.GetItemText(nItem, 2);
    m_strQty = m_listPlan.GetItemText(nItem, 3);
    m_strUnit = m_listPlan.GetItemText(nItem, 4);
    m_strDcAmt = m_listPlan.GetItemText(nItem, 5);
    m_strCuponYN = m_listPlan.GetItemText(nItem, 6);
    if (m_strQty == _T("0")) m_strQty.Empty();
    if (m_strDcAmt == _T("0")) m_strDcAmt.Empty();
    m_strOldProdName = m_strProdName;
    m_bCoupon = m_strCuponYN == _T("Y") ? 1 : 0;
    LoadProductCombo();
    UpdateData(FALSE);
    *pResult = 0;
}

void CPlanDlg::ClearInputs() {
    m_strSeqNo.Empty();
    m_strCategory.Empty();
    m_strProdName.Empty();
    m_strOldProdName.Empty();
    m_strQty.Empty();
    m_strUnit.Empty();
    m_strDcAmt.Empty();
    m_bCoupon = 0;
    m_strCuponYN.Empty();
    UpdateData(FALSE);
}

void CPlanDlg::OnSave() {
    UpdateData(TRUE);
    if (!InputsAccepted()) return;
    m_strSeqNo.Trim();
    if (!m_strSeqNo.IsEmpty() && m_strProdName != m_strOldProdName) {
        int nAnswer = MessageBox(_T("변경하시겠읍까 ?"), _T("변경(Yes)/추가(No)"), MB_YESNOCANCEL | MB_ICONQUESTION);
        if (nAnswer == IDCANCEL) return;
        if (nAnswer == IDNO) m_strSeqNo.Empty();
    }
    if (m_strQty.IsEmpty()) m_strQty = _T("0");
    if (m_strDcAmt.IsEmpty()) m_strDcAmt = _T("0");
    m_strCuponYN = m_bCoupon != 0 ? _T("Y") : _T("");

    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_LIST);
    const bool bNew = m_strSeqNo.IsEmpty();
    // A new item's key and its row are one write transaction: no other
    // program can take the same key between the two.
    BOOL bStored = bNew ? pLoader->BeginTrans() && AddItem(*pLoader) && pLoader->CommitTrans()
                        : pLoader->ExecuteUpdate(CStatementBuilder::Format(
                              Sql::kPlanChange, {m_strCategory, m_strProdName, m_strQty, m_strUnit, m_strCuponYN,
                                                 m_strDcAmt, m_strSeqNo}));
    if (!bStored) {
        AfxMessageBox(_T("처리오류"));
        if (bNew) m_strSeqNo.Empty();
        return;
    }
    AfxMessageBox(bNew ? _T("저장완료") : _T("변경완료"));
    ReloadList();
    ClearInputs();
}

// Category and product given, quantity and discount whole numbers (they go
// bare into number columns); else "입력이 오류." at the first refused field.
bool CPlanDlg::InputsAccepted() {
    int nRefused = m_strCategory.IsEmpty()                            ? IDC_PL_COMBO_CATEGORY
                   : m_strProdName.IsEmpty()                          ? IDC_PL_COMBO_PRODUCT
                   : !CNumberRules::NormaliseWholeNumber(m_strQty)   ? IDC_PL_EDIT_QTY
                   : !CNumberRules::NormaliseWholeNumber(m_strDcAmt) ? IDC_PL_EDIT_DCAMT
                                                                      : 0;
    if (nRefused == 0) return true;
    AfxMessageBox(_T("입력이 오류."));
    PointAtRefusedField(nRefused);
    return false;
}

// Inside the caller's transaction; false rolls it back. A failed query is
// not an empty table, and a key past the largest number would wrap onto a
// stored one: either way nothing is added.
bool CPlanDlg::AddItem(CDataLoader& loader) {
    CString strLastRow = loader.FetchFirstRow(Sql::kLastSeqNo);
    bool bAdded = !loader.LastFailed() && CNumberRules::NextKey(strLastRow, m_strSeqNo) &&
                  loader.Execute(CStatementBuilder::Format(Sql::kPlanInsert, {m_strSeqNo, m_strCategory, m_strProdName,
                                                                              m_strQty, m_strUnit, m_strCuponYN,
                                                                              m_strDcAmt}));
    if (!bAdded) loader.RollbackTrans();
    return bAdded;
}

void CPlanDlg::OnDelete() {
    if (m_strSeqNo.IsEmpty()) {
        AfxMessageBox(_T("등록되지 않은 자료입니다."));
        return;
    }
    // Only a Yes deletes: a box that could not be shown answers otherwise.
    if (MessageBox(_T("정말 삭제하시겠습니까?"), _T("확인"), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    UpdateData(TRUE);
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_PL_LIST);
    const int nRows = pLoader->CountRows(CStatementBuilder::Format(Sql::kItemExists, {m_strSeqNo}));
    if (pLoader->LastFailed()) {
        AfxMessageBox(_T("처리오류"));
    } else if (nRows < 1) {
        AfxMessageBox(_T("삭제불가함"));
    } else if (pLoader->Execute(CStatementBuilder::Format(Sql::kItemDelete, {m_strSeqNo}))) {
        AfxMessageBox(_T("삭제 완료됨"));
        ClearInputs();
        ReloadList();
    }
}
