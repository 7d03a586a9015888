// The number rules the dialogs share, at their limits.

#include <gtest/gtest.h>

#include <climits>

#include "data/CNumberRules.h"
#include "platform/framework/CListCtrl.h"

namespace {

std::string Normalised(const char16_t* typed, bool* accepted = nullptr) {
    CString value = typed;
    bool ok = CNumberRules::NormaliseWholeNumber(value);
    if (accepted) *accepted = ok;
    return ok ? value.ToUtf8() : "refused";
}

TEST(NumberRules, WholeNumbersAreRewrittenAndEverythingElseRefused) {
    EXPECT_EQ(Normalised(u""), "");
    EXPECT_EQ(Normalised(u"   "), "");
    EXPECT_EQ(Normalised(u" 007 "), "7");
    EXPECT_EQ(Normalised(u"+5"), "5");
    EXPECT_EQ(Normalised(u"-0"), "0");
    EXPECT_EQ(Normalised(u"2147483647"), "2147483647");
    EXPECT_EQ(Normalised(u"-2147483648"), "-2147483648");
    for (const char16_t* bad : {u"2147483648", u"-2147483649", u"99999999999999999999999", u"12abc", u"3.5",
                                u"1e3", u"0x10", u"-", u"+", u"1 2", u"１２", u"\x1D" u"5"}) {
        CString value = bad;
        EXPECT_FALSE(CNumberRules::NormaliseWholeNumber(value)) << CString(bad).ToUtf8();
        EXPECT_EQ(value, CString(bad));  // a refused text is left as typed
    }
}

TEST(NumberRules, LeadingValueReadsDigitsAfterBlanksAndSign) {
    EXPECT_EQ(CNumberRules::LeadingValue(u""), 0);
    EXPECT_EQ(CNumberRules::LeadingValue(u"abc"), 0);
    EXPECT_EQ(CNumberRules::LeadingValue(u"  -12abc"), -12);
    EXPECT_EQ(CNumberRules::LeadingValue(u"NULL"), 0);
    EXPECT_EQ(CNumberRules::LeadingValue(u"99999999999"), INT_MAX);
    EXPECT_EQ(CNumberRules::LeadingValue(u"-99999999999"), INT_MIN);
}

TEST(NumberRules, ArithmeticTellsWhenAResultDoesNotFit) {
    EXPECT_EQ(CNumberRules::Amount(2, 1200, 100), 2300);
    EXPECT_EQ(CNumberRules::Amount(1, 100, 500), -400);
    EXPECT_EQ(CNumberRules::Amount(50000, 50000, 0), std::nullopt);
    EXPECT_EQ(CNumberRules::Amount(1, INT_MAX, -1), std::nullopt);
    EXPECT_EQ(CNumberRules::Amount(0, 5, INT_MIN), std::nullopt);  // 0 - INT_MIN
    EXPECT_EQ(CNumberRules::Amount(-1, INT_MIN, 0), std::nullopt);
    EXPECT_EQ(CNumberRules::Amount(1, INT_MIN, 0), INT_MIN);
    EXPECT_EQ(CNumberRules::Discount(3, 500), 1500);
    EXPECT_EQ(CNumberRules::Discount(65536, 32768), std::nullopt);
    EXPECT_EQ(CNumberRules::UnitPrice(2300, 100, 2), 1200);
    EXPECT_EQ(CNumberRules::UnitPrice(1001, 0, 2), 500);
    EXPECT_EQ(CNumberRules::UnitPrice(-7, 0, 2), -3);  // toward zero
    EXPECT_EQ(CNumberRules::UnitPrice(5, 0, 0), std::nullopt);
    EXPECT_EQ(CNumberRules::UnitPrice(INT_MIN, 0, -1), std::nullopt);
    EXPECT_EQ(CNumberRules::UnitPrice(INT_MAX, INT_MAX, 2), INT_MAX);
}

TEST(NumberRules, TextsShowTheFullValueAndEmptyForZero) {
    EXPECT_EQ(CNumberRules::Text(std::optional<int>()), CString());
    EXPECT_EQ(CNumberRules::Text(std::optional<int>(0)), CString(u"0"));
    EXPECT_EQ(CNumberRules::Text(4300000000LL), CString(u"4300000000"));
    EXPECT_EQ(CNumberRules::TextOrEmptyWhenZero(0), CString());
    EXPECT_EQ(CNumberRules::TextOrEmptyWhenZero(-5), CString(u"-5"));
}

TEST(NumberRules, ColumnSumsDoNotWrap) {
    CListCtrl list;
    list.InsertColumn(0, u"a", LVCFMT_LEFT, 10);
    list.InsertColumn(1, u"b", LVCFMT_LEFT, 10);
    for (const char16_t* amount : {u"2147483647", u"2147483647", u"6", u"", u"x"}) {
        int row = list.InsertItem(list.GetItemCount(), u"r");
        list.SetItemText(row, 1, amount);
    }
    EXPECT_EQ(CNumberRules::SumColumn(list, 1), 4294967300LL);
    EXPECT_EQ(CNumberRules::SumColumn(list, 0), 0);
}

TEST(NumberRules, NextKeyFollowsTheLargestStoredAndNeverWraps) {
    CString key = u"unchanged";
    EXPECT_TRUE(CNumberRules::NextKey(u"", key));
    EXPECT_EQ(key, CString(u"1"));
    EXPECT_TRUE(CNumberRules::NextKey(u"NULL\x1F", key));
    EXPECT_EQ(key, CString(u"1"));
    EXPECT_TRUE(CNumberRules::NextKey(u"12\x1F" u"7\x1F", key));
    EXPECT_EQ(key, CString(u"13"));
    EXPECT_FALSE(CNumberRules::NextKey(u"2147483647\x1F", key));
    EXPECT_EQ(key, CString(u"13"));
    EXPECT_EQ(CNumberRules::FirstField(u"a\x1F" u"b\x1F"), CString(u"a"));
}

} // namespace
