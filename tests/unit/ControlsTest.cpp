// The control objects' own rules, as the program relies on them.

#include <gtest/gtest.h>

#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CMonthCalCtrl.h"
#include "platform/framework/DialogTemplate.h"

namespace {

TEST(ListView, NewRowsGoAtTheEndAndCellsFillTheLastRow) {
    CListCtrl list;
    list.InsertColumn(0, u"SeqNo", LVCFMT_LEFT, 0);
    list.InsertColumn(1, u"       품    명", LVCFMT_LEFT, 104);
    for (int i = 0; i < 3; ++i) {
        int row = list.InsertItem(list.GetItemCount(), CString::Formatted(u"%d", i + 1));
        EXPECT_EQ(row, i);
        list.SetItemText(list.GetItemCount() - 1, 1, CString::Formatted(u"상품%d", i + 1));
    }
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(2, 0), CString(u"3"));
    EXPECT_EQ(list.GetItemText(2, 1), CString(u"상품3"));
    EXPECT_EQ(list.InsertItem(99, u"4"), 3);  // past the end appends
    EXPECT_EQ(list.GetItemText(3, 1), CString());
}

TEST(ListView, CellsOutsideTheListReadEmptyAndCannotBeSet) {
    CListCtrl list;
    list.InsertColumn(0, u"a");
    list.InsertItem(0, u"x");
    EXPECT_EQ(list.GetItemText(-1, 0), CString());
    EXPECT_EQ(list.GetItemText(5, 0), CString());
    EXPECT_EQ(list.GetItemText(0, 3), CString());
    EXPECT_FALSE(list.SetItemText(0, 1, u"no column"));
    EXPECT_FALSE(list.SetItemText(1, 0, u"no row"));
}

TEST(ListView, DeletingColumnsUntilRefusedLeavesNone) {
    CListCtrl list;
    list.InsertColumn(0, u"a", LVCFMT_LEFT, 10);
    list.InsertColumn(1, u"b", LVCFMT_RIGHT, 20);
    list.InsertColumn(2, u"c", LVCFMT_CENTER, 30);
    list.InsertItem(0, u"1");
    list.SetItemText(0, 1, u"2");
    list.SetItemText(0, 2, u"3");
    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.Column(1).title, CString(u"c"));
    EXPECT_EQ(list.GetItemText(0, 1), CString(u"3"));  // cells move with their column
    int deleted = 0;
    while (list.DeleteColumn(0)) ++deleted;
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(list.GetColumnCount(), 0);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
}

TEST(ComboBox, UnsortedKeepsOrderAndResetEmptiesTheField) {
    CComboBox combo;
    combo.AddString(u"채소");
    combo.AddString(u"과일");
    combo.AddString(u"Apple");
    EXPECT_EQ(combo.GetLBText(0), CString(u"채소"));
    EXPECT_EQ(combo.GetLBText(2), CString(u"Apple"));
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.WindowText(), CString(u"과일"));
    EXPECT_EQ(combo.FindStringExact(-1, u"apple"), 2);  // letter case ignored
    EXPECT_EQ(combo.FindString(-1, u"과"), 1);
    EXPECT_EQ(combo.FindString(-1, u"없음"), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_TRUE(combo.WindowText().IsEmpty());
    EXPECT_EQ(combo.GetLBText(0), CString());
}

TEST(ComboBox, SortedStyleFilesEachEntryInOrder) {
    DialogTemplate t;
    std::string error;
    ASSERT_TRUE(DialogTemplate::Parse("CONTROL 1 COMBOBOX 0 0 10 10 \"\" DROPDOWN SORT\n"
                                      "CONTROL 2 COMBOBOX 0 0 10 10 \"\" DROPDOWN\n",
                                      t, error))
        << error;
    // A combo box outside a dialog has no template; attach only the style.
    struct Probe : CComboBox {
        void Use(const ControlTemplate& entry) { m_pTemplate = &entry; }
    } sorted;
    sorted.Use(t.controls[0]);
    sorted.AddString(u"한빛마트");
    sorted.AddString(u"가나슈퍼");
    sorted.AddString(u"banana");
    sorted.AddString(u"Apple");
    sorted.AddString(u"다온상회");
    std::vector<CString> expected = {u"Apple", u"banana", u"가나슈퍼", u"다온상회", u"한빛마트"};
    EXPECT_EQ(sorted.Entries(), expected);
}

SYSTEMTIME Day(int year, int month, int day) {
    SYSTEMTIME date;
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return date;
}

TEST(MonthCalendar, RefusesDaysThatAreNotOnTheCalendarAndKeepsTheSelection) {
    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.SetCurSel(Day(2023, 2, 28)));
    for (SYSTEMTIME missing : {Day(2023, 2, 31), Day(2023, 2, 29), Day(1900, 2, 29), Day(2024, 4, 31), Day(2024, 0, 1),
                               Day(2024, 13, 1), Day(2024, 1, 0), Day(2024, 12, 32)}) {
        EXPECT_FALSE(calendar.SetCurSel(missing)) << missing.wYear << "-" << missing.wMonth << "-" << missing.wDay;
    }
    SYSTEMTIME selected;
    ASSERT_TRUE(calendar.GetCurSel(&selected));
    EXPECT_EQ(selected.wYear, 2023);
    EXPECT_EQ(selected.wMonth, 2);
    EXPECT_EQ(selected.wDay, 28);
    EXPECT_TRUE(calendar.SetCurSel(Day(2024, 2, 29)));
    EXPECT_TRUE(calendar.SetCurSel(Day(2000, 2, 29)));
    EXPECT_TRUE(calendar.SetCurSel(Day(2024, 12, 31)));
}

TEST(BitmapButton, MissingStateImagesFallBackToTheNormalOne) {
    CBitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps(u"없는그림U"));
    ASSERT_TRUE(button.LoadBitmaps(u"종료U"));
    button.SizeToContent();
    EXPECT_EQ(button.Width(), 83);
    EXPECT_EQ(button.Height(), 20);
    const CBitmap& normal = button.ImageFor(CBitmapButton::State::Normal);
    EXPECT_EQ(normal.BitsPerPixel(), 24);
    EXPECT_EQ(&button.ImageFor(CBitmapButton::State::Pressed), &normal);
    EXPECT_EQ(&button.ImageFor(CBitmapButton::State::Focused), &normal);
    EXPECT_EQ(&button.ImageFor(CBitmapButton::State::Disabled), &normal);
}

TEST(DialogTemplateText, RefusesMalformedLinesNamingThem) {
    DialogTemplate t;
    std::string error;
    EXPECT_FALSE(DialogTemplate::Parse("DIALOG 5\nCONTROL 1 SLIDER 0 0 1 1 \"\"\n", t, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(DialogTemplate::Parse("CAPTION \"open\n", t, error));
    EXPECT_FALSE(DialogTemplate::Parse("CONTROL 1 EDIT 0 0 1 1 \"\" SHINY\n", t, error));
    EXPECT_NE(error.find("SHINY"), std::string::npos);
}

} // namespace
