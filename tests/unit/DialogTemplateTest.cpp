// The function dialogs' templates as the resources carry them: a slip in a
// .dlg file (a lost line, a doubled id, a rectangle typed wrong, a style in
// the wrong place) shows up here rather than as a control that the dialog
// code cannot find or that the screen draws off the dialog.

#include <gtest/gtest.h>

#include <set>

#include "platform/framework/DialogTemplate.h"
#include "res/resource.h"

namespace {

struct Expected {
    int id;
    const char16_t* caption;
    int width, height;
    size_t controls;
};

const Expected kTemplates[] = {
    {IDD_PLAN, u"Dialog", 141, 157, 15},
    {IDD_SHOPITEMS, u"쇼핑하기", 139, 155, 22},
    {IDD_PAYMENT, u"계산", 139, 155, 10},
    {IDD_SEARCH, u"Dialog", 172, 155, 12},
    {IDD_STATS, u"Dialog", 145, 157, 6},
    {IDD_BASICINFO, u"Dialog", 142, 157, 11},
    {IDD_SHOPSTART, u"Dialog", 167, 155, 8},
};

const ControlTemplate* FindControl(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id) return &c;
    return nullptr;
}

const ControlTemplate* FindStatic(const DialogTemplate& t, const char16_t* text) {
    for (const ControlTemplate& c : t.controls)
        if (c.kind == ControlKind::Static && c.text == text) return &c;
    return nullptr;
}

TEST(DialogTemplateTest, EveryFunctionDialogHasItsFrameAndControlCount) {
    for (const Expected& e : kTemplates) {
        SCOPED_TRACE(e.id);
        const DialogTemplate* t = DialogTemplate::Find(e.id);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->caption, CString(e.caption));
        EXPECT_EQ(t->width, e.width);
        EXPECT_EQ(t->height, e.height);
        EXPECT_EQ(t->fontPoints, 9);
        EXPECT_EQ(t->fontFace, CString(u"굴림체"));
        EXPECT_EQ(t->styles, (std::vector<std::string>{"POPUP", "CAPTION", "SYSMENU", "MODALFRAME"}));
        EXPECT_FALSE(t->captionOkButton);
        EXPECT_EQ(t->controls.size(), e.controls);
    }
}

TEST(DialogTemplateTest, IdsAreUniqueAndOnlyLabelsGoWithout) {
    for (const Expected& e : kTemplates) {
        SCOPED_TRACE(e.id);
        const DialogTemplate* t = DialogTemplate::Find(e.id);
        ASSERT_NE(t, nullptr);
        std::set<int> seen;
        for (const ControlTemplate& c : t->controls) {
            if (c.id == IDC_STATIC) {
                EXPECT_EQ(c.kind, ControlKind::Static) << "control without id: " << c.text.ToUtf8();
                EXPECT_FALSE(c.text.IsEmpty());
                continue;
            }
            EXPECT_TRUE(seen.insert(c.id).second) << "id " << c.id << " twice";
        }
    }
}

// Also the odd ones out: 1015 of the search dialog (no code names it) and the
// spare edit of the shopping start dialog stand apart at the right edge but
// still inside.
TEST(DialogTemplateTest, EveryControlLiesInsideItsDialog) {
    for (const Expected& e : kTemplates) {
        const DialogTemplate* t = DialogTemplate::Find(e.id);
        ASSERT_NE(t, nullptr);
        for (const ControlTemplate& c : t->controls) {
            SCOPED_TRACE(testing::Message() << e.id << " control " << c.id << " " << c.text.ToUtf8());
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_GT(c.width, 0);
            EXPECT_GT(c.height, 0);
            EXPECT_LE(c.x + c.width, t->width);
            EXPECT_LE(c.y + c.height, t->height);
        }
    }
}

// Only the scratch tables start hidden; the calendar of the shopping start
// dialog is hidden by its code, not by its template.
TEST(DialogTemplateTest, OnlyTheScratchListsAreHidden) {
    for (const Expected& e : kTemplates) {
        const DialogTemplate* t = DialogTemplate::Find(e.id);
        ASSERT_NE(t, nullptr);
        for (const ControlTemplate& c : t->controls) {
            const bool scratch = (e.id == IDD_SEARCH && c.id == IDC_SR_LIST_SCRATCH) ||
                                 (e.id == IDD_STATS && c.id == IDC_ST_LIST_SCRATCH);
            EXPECT_EQ(c.Has(ControlStyle::Hidden), scratch) << e.id << " control " << c.id;
            if (scratch) {
                EXPECT_EQ(c.kind, ControlKind::ListView);
                EXPECT_TRUE(c.Has(ControlStyle::Report));
            }
        }
    }
    const ControlTemplate* calendar = FindControl(*DialogTemplate::Find(IDD_SHOPSTART), IDC_SS_CALENDAR);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->kind, ControlKind::MonthCal);
    EXPECT_TRUE(calendar->Has(ControlStyle::NoToday));
}

// The number edits take any text and keep it right-aligned in one scrolling
// line; the shop combo of the start dialog is the only sorted one.
TEST(DialogTemplateTest, NumberEditsAndCombosCarryTheirStyles) {
    const unsigned number = ControlStyle::Right | ControlStyle::MultiLine | ControlStyle::AutoHScroll |
                            ControlStyle::Border | ControlStyle::TabStop;
    const std::pair<int, int> numberEdits[] = {
        {IDD_PLAN, IDC_PL_EDIT_QTY},           {IDD_PLAN, IDC_PL_EDIT_DCAMT},
        {IDD_SHOPITEMS, IDC_SI_EDIT_QTY},      {IDD_SHOPITEMS, IDC_SI_EDIT_PRICE},
        {IDD_SHOPITEMS, IDC_SI_EDIT_DISCOUNT}, {IDD_SHOPITEMS, IDC_SI_EDIT_AMOUNT}};
    for (auto [dialog, id] : numberEdits) {
        const ControlTemplate* c = FindControl(*DialogTemplate::Find(dialog), id);
        ASSERT_NE(c, nullptr) << dialog << " " << id;
        EXPECT_EQ(c->kind, ControlKind::Edit);
        EXPECT_EQ(c->styles, number) << dialog << " " << id;
    }
    for (const Expected& e : kTemplates) {
        for (const ControlTemplate& c : DialogTemplate::Find(e.id)->controls) {
            if (c.kind != ControlKind::ComboBox) continue;
            EXPECT_TRUE(c.Has(ControlStyle::DropDown) && c.Has(ControlStyle::VScroll)) << e.id << " " << c.id;
            EXPECT_EQ(c.Has(ControlStyle::Sort), e.id == IDD_SHOPSTART && c.id == IDC_SS_COMBO_STORE) << e.id << " " << c.id;
        }
    }
    const ControlTemplate* coupon = FindControl(*DialogTemplate::Find(IDD_PLAN), IDC_PL_CHECK_COUPON);
    ASSERT_NE(coupon, nullptr);
    EXPECT_EQ(coupon->kind, ControlKind::CheckBox);
    EXPECT_TRUE(coupon->Has(ControlStyle::AutoCheckBox));
}

// Texts whose blanks are easy to lose when typing a template.
TEST(DialogTemplateTest, LabelsKeepTheirBlanks) {
    EXPECT_NE(FindStatic(*DialogTemplate::Find(IDD_PAYMENT), u"일  자"), nullptr);
    EXPECT_NE(FindStatic(*DialogTemplate::Find(IDD_SEARCH), u"총 합 계"), nullptr);
    const ControlTemplate* total = FindStatic(*DialogTemplate::Find(IDD_SHOPITEMS), u"합계");
    ASSERT_NE(total, nullptr);
    EXPECT_TRUE(total->Has(ControlStyle::Right));
    EXPECT_EQ(FindControl(*DialogTemplate::Find(IDD_BASICINFO), IDC_BI_TAB)->text, CString(u"Tab1"));
}

} // namespace
