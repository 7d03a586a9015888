#include "dialogs/CShopItemsDlg.h"

#include <optional>

#include "data/CDataLoader.h"
#include "data/CNumberRules.h"
#include "data/CStatementBuilder.h"
#include "data/Statements.h"
#include "dialogs/CPaymentDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/NavigationBar.h"
#include "res/resource.h"

namespace {

// The list's columns, one per field of the list statement and in its order.
// Those of width 0 carry the row's data for the tap.
struct ItemColumn {
    const char16_t* title;
    int format;
    int width;
};

constexpr ItemColumn kColumns[] = {
    {u"SeqNo", LVCFMT_LEFT, 0},        {u"Category", LVCFMT_LEFT, 0},
    {u"      품   명", LVCFMT_LEFT, 93}, {u"Qty", LVCFMT_RIGHT, 32},
    {u"단위", LVCFMT_LEFT, 38},          {u"Price", LVCFMT_LEFT, 0},
    {u"쿠폰", LVCFMT_CENTER, 0},         {u"CuponDcAmt", LVCFMT_LEFT, 0},
    {u"TotDcAmt", LVCFMT_LEFT, 0},     {u"금 액  ", LVCFMT_RIGHT, 60},
    {u"ShpDate", LVCFMT_LEFT, 0},      {u"StoreName", LVCFMT_LEFT, 0},
};

constexpr int kQtyColumn = 3;
constexpr int kUnitColumn = 4;
constexpr int kAmountColumn = 9;

// A typed number beyond 32 bits is no value: what would be computed from it
// is left as it stands.
std::optional<int> Value(const CString& strNumber) {
    return CNumberRules::TypedValue(strNumber);
}

// An amount field shows nothing for 0, and nothing for a result that does not
// fit 32 bits, so that a save of it is refused instead of storing a wrapped
// number.
CString AmountText(std::optional<int> amount) {
    return amount ? CNumberRules::TextOrEmptyWhenZero(*amount) : CString();
}

void EmptyWhenZero(CString& strNumber) {
    if (strNumber == _T("0")) strNumber.Empty();
}

void ZeroWhenEmpty(CString& strNumber) {
    if (strNumber.IsEmpty()) strNumber = _T("0");
}

} // namespace

BEGIN_MESSAGE_MAP(CShopItemsDlg, CDialog)
    ON_BN_CLICKED(IDC_SI_BTN_SETTLE, OnSettle)
    ON_NOTIFY(NM_CLICK, IDC_SI_LIST, OnClickList)
    ON_BN_CLICKED(IDC_SI_BTN_SAVE, OnSave)
    ON_BN_CLICKED(IDC_SI_BTN_CANCEL, OnCancelItem)
    ON_EN_KILLFOCUS(IDC_SI_EDIT_PRICE, OnPriceKillFocus)
    ON_EN_KILLFOCUS(IDC_SI_EDIT_DISCOUNT, OnDiscountKillFocus)
    ON_EN_KILLFOCUS(IDC_SI_EDIT_QTY, OnQtyKillFocus)
    ON_EN_KILLFOCUS(IDC_SI_EDIT_AMOUNT, OnAmountKillFocus)
END_MESSAGE_MAP()

CShopItemsDlg::CShopItemsDlg(CWnd* pParent) : CDialog(IDD_SHOPITEMS, pParent) {}

CShopItemsDlg::~CShopItemsDlg() = default;

void CShopItemsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SI_LIST, m_listItems);
    DDX_Text(pDX, IDC_SI_EDIT_DATE, m_strShpDate);
    DDX_Text(pDX, IDC_SI_EDIT_CATEGORY, m_strCategoryName);
    DDX_Text(pDX, IDC_SI_EDIT_PRODUCT, m_strProdName);
    DDX_Text(pDX, IDC_SI_EDIT_QTY, m_strShpQty);
    DDX_Text(pDX, IDC_SI_EDIT_PRICE, m_strPrice);
    DDX_Text(pDX, IDC_SI_EDIT_DISCOUNT, m_strTotDcAmt);
    DDX_Text(pDX, IDC_SI_EDIT_AMOUNT, m_strShpAmount);
    // Only an equal entry is selected, so the field shows the row's own unit,
    // never a longer one that merely begins with it (which a save would store).
    DDX_CBStringExact(pDX, IDC_SI_COMBO_UNIT, m_strUnitName);
    DDX_Text(pDX, IDC_SI_EDIT_TOTAL, m_strTotal);
}

BOOL CShopItemsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SHSetNavBarText(GetSafeHwnd(), m_strStoreName);
    InsertColumns();
    LoadUnitCombo();
    LoadItemList();
    return TRUE;
}

void CShopItemsDlg::InsertColumns() {
    m_listItems.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    int nColumn = 0;
    for (const ItemColumn& column : kColumns) {
        m_listItems.InsertColumn(nColumn++, column.title, column.format, column.width);
    }
}

void CShopItemsDlg::LoadUnitCombo() {
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_SI_COMBO_UNIT);
    pLoader->FillControl(Sql::kUnitList, _T("COMBO"));
}

void CShopItemsDlg::LoadItemList() {
    m_listItems.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listItems.DeleteAllItems();
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_SI_LIST);
    pLoader->FillControl(Sql::kShoppingList, _T(""));

    // Summed in 64 bits: many large amounts may pass 32 bits together.
    m_strTotal = CNumberRules::TextOrEmptyWhenZero(CNumberRules::SumColumn(m_listItems, kAmountColumn));

    m_strSeqNo.Empty();
    m_strCategoryName.Empty();
    m_strProdName.Empty();
    m_strShpQty.Empty();
    m_strUnitName.Empty();
    m_strPrice.Empty();
    m_strCuponYN.Empty();
    m_strCuponDcAmt.Empty();
    m_strTotDcAmt.Empty();
    m_strShpAmount.Empty();
    UpdateData(FALSE);
}

void CShopItemsDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    int nItem = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (nItem == -1) return;
    // Entries not yet saved are dropped: the tapped row is what shows.
    CString* fields[] = {&m_strSeqNo,    &m_strCategoryName, &m_strProdName,   &m_strShpQty,   &m_strUnitName,
                         &m_strPrice,    &m_strCuponYN,      &m_strCuponDcAmt, &m_strTotDcAmt, &m_strShpAmount};
    int nColumn = 0;
    for (CString* field : fields) *field = m_listItems.GetItemText(nItem, nColumn++);

    EmptyWhenZero(m_strShpQty);
    EmptyWhenZero(m_strPrice);
    EmptyWhenZero(m_strTotDcAmt);
    EmptyWhenZero(m_strShpAmount);
    // A coupon item not yet priced offers its coupon discount for the planned
    // quantity; a computed 0 shows as "0" here.
    if (m_strCuponYN == _T("Y") && m_strTotDcAmt.IsEmpty()) {
        m_strTotDcAmt = CNumberRules::Text(CNumberRules::Discount(Value(m_strShpQty), Value(m_strCuponDcAmt)));
    }
    UpdateData(FALSE);
    *pResult = 0;
}

void CShopItemsDlg::RecomputeAmount() {
    if (!Value(m_strShpQty) || !Value(m_strPrice) || !Value(m_strTotDcAmt)) return;
    m_strShpAmount =
        AmountText(CNumberRules::Amount(Value(m_strShpQty), Value(m_strPrice), Value(m_strTotDcAmt)));
}

void CShopItemsDlg::OnPriceKillFocus() {
    UpdateData(TRUE);
    RecomputeAmount();
    UpdateData(FALSE);
}

void CShopItemsDlg::OnDiscountKillFocus() {
    UpdateData(TRUE);
    RecomputeAmount();
    UpdateData(FALSE);
}

void CShopItemsDlg::OnQtyKillFocus() {
    UpdateData(TRUE);
    if (m_strCuponYN == _T("Y") && Value(m_strShpQty) && Value(m_strCuponDcAmt)) {
        m_strTotDcAmt = AmountText(CNumberRules::Discount(Value(m_strShpQty), Value(m_strCuponDcAmt)));
    }
    RecomputeAmount();
    UpdateData(FALSE);
}

void CShopItemsDlg::OnAmountKillFocus() {
    UpdateData(TRUE);
    m_strShpQty.Trim();
    m_strShpAmount.Trim();
    std::optional<int> nQty = Value(m_strShpQty);
    if (nQty == 0 || m_strShpAmount.IsEmpty() || m_strShpAmount == _T("0")) return;
    if (!nQty || !Value(m_strShpAmount) || !Value(m_strTotDcAmt)) return;
    m_strPrice = CNumberRules::Text(CNumberRules::UnitPrice(Value(m_strShpAmount), Value(m_strTotDcAmt), nQty));
    UpdateData(FALSE);
}

int CShopItemsDlg::NormaliseNumbers() {
    if (!CNumberRules::NormaliseWholeNumber(m_strShpQty)) return IDC_SI_EDIT_QTY;
    if (!CNumberRules::NormaliseWholeNumber(m_strPrice)) return IDC_SI_EDIT_PRICE;
    if (!CNumberRules::NormaliseWholeNumber(m_strTotDcAmt)) return IDC_SI_EDIT_DISCOUNT;
    if (!CNumberRules::NormaliseWholeNumber(m_strShpAmount)) return IDC_SI_EDIT_AMOUNT;
    return 0;
}

void CShopItemsDlg::OnSave() {
    SaveItem();
}

void CShopItemsDlg::SaveItem() {
    UpdateData(TRUE);
    // The numbers go bare into number columns: anything but a whole number
    // would break the statement or store a value no sum can use.
    if (int nRefused = NormaliseNumbers()) {
        AfxMessageBox(_T("입력이 오류."));
        PointAtRefusedField(nRefused);
        return;
    }
    ZeroWhenEmpty(m_strShpQty);
    ZeroWhenEmpty(m_strPrice);
    ZeroWhenEmpty(m_strTotDcAmt);
    ZeroWhenEmpty(m_strShpAmount);
    if (m_strShpQty == _T("0") || m_strShpAmount == _T("0")) {
        AfxMessageBox(_T("입력이 오류."));
        PointAtRefusedField(m_strShpQty == _T("0") ? IDC_SI_EDIT_QTY : IDC_SI_EDIT_AMOUNT);
        return;
    }
    StoreItem(m_strPrice, m_strTotDcAmt, m_strShpAmount);
}

void CShopItemsDlg::OnCancelItem() {
    // What the person typed (a unit above all, which no focus loss reads)
    // stays; only the pricing goes.
    UpdateData(TRUE);
    m_strPrice.Empty();
    m_strTotDcAmt.Empty();
    m_strShpAmount.Empty();
    UpdateData(FALSE);
    m_strSeqNo.Trim();
    if (m_strSeqNo.IsEmpty()) return;

    // The chosen row leaves the payment list and is a planned item again.
    if (!CNumberRules::NormaliseWholeNumber(m_strShpQty)) {
        AfxMessageBox(_T("입력이 오류."));
        PointAtRefusedField(IDC_SI_EDIT_QTY);
        return;
    }
    // An emptied quantity or unit field is no new quantity or unit: the
    // planned ones stay.
    KeepStoredWhenEmpty(m_strShpQty, kQtyColumn);
    KeepStoredWhenEmpty(m_strUnitName, kUnitColumn);
    ZeroWhenEmpty(m_strShpQty);
    StoreItem(_T("0"), _T("0"), _T("0"));
}

void CShopItemsDlg::KeepStoredWhenEmpty(CString& strField, int nColumn) {
    if (!strField.IsEmpty()) return;
    for (int i = 0; i < m_listItems.GetItemCount(); ++i) {
        CString strSeqNo = m_listItems.GetItemText(i, 0);
        if (strSeqNo.Trim() == m_strSeqNo) {
            strField = m_listItems.GetItemText(i, nColumn);
            return;
        }
    }
}

void CShopItemsDlg::StoreItem(const CString& strPrice, const CString& strDiscount, const CString& strAmount) {
    m_strSeqNo.Trim();
    std::unique_ptr<CDataLoader> pLoader = CDataLoader::Opened(this, IDC_SI_LIST);
    CString strSave = CStatementBuilder::Format(Sql::kShoppingSave, {m_strShpQty, m_strUnitName, strPrice, strDiscount,
                                                                     strAmount, m_strShpDate, m_strStoreName, m_strSeqNo});
    // Checked and written in one transaction: a row that another program
    // paid meanwhile belongs to its trip and is not changed.
    BOOL bStored = FALSE;
    if (pLoader->BeginTrans()) {
        bStored = pLoader->CountRows(CStatementBuilder::Format(Sql::kShoppingUnpaidItem, {m_strSeqNo})) == 1 &&
                  !pLoader->LastFailed() && pLoader->ExecuteUpdate(strSave);
        bStored = bStored ? pLoader->CommitTrans() : (pLoader->RollbackTrans(), FALSE);
    }
    if (!bStored) {
        AfxMessageBox(_T("처리오류"));
        return;
    }
    LoadItemList();
}

void CShopItemsDlg::OnSettle() {
    if (m_strTotal.IsEmpty()) return;
    CPaymentDlg* pDlg = new CPaymentDlg();
    pDlg->m_strMode = _T("NEW");
    pDlg->m_strShpDate = m_strShpDate;
    pDlg->m_strStoreName = m_strStoreName;
    pDlg->DoModal();
    delete pDlg;
    // The paid rows have left the list; the payment set its own title.
    LoadItemList();
    SHSetNavBarText(GetSafeHwnd(), m_strStoreName);
}
