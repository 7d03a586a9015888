// Variant conversions as the update path uses them: a text that is not a
// number of the target kind fails, and is never read as 0.

#include <gtest/gtest.h>

#include "platform/com/Variant.h"

namespace {

HRESULT ConvertText(const char16_t* text, VARTYPE vt, VARIANT& out) {
    out = MakeTextVariant(text);
    return VariantChangeType(&out, &out, 0, vt);
}

TEST(VariantChangeTypeText, WholeNumbersIntoIntegerKinds) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u" -42 ", VT_I4, v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, -42);
    ASSERT_EQ(ConvertText(u"2147483647", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, 2147483647);
    ASSERT_EQ(ConvertText(u"-32768", VT_I2, v), S_OK);
    EXPECT_EQ(v.iVal, -32768);
    ASSERT_EQ(ConvertText(u"255", VT_UI1, v), S_OK);
    EXPECT_EQ(v.bVal, 255);
}

TEST(VariantChangeTypeText, RefusesWhatIsNoNumberOfTheKind) {
    VARIANT v;
    for (const char16_t* text : {u"", u"abc", u"12abc", u"1.5", u"1,000", u"--1", u"１２"}) {
        EXPECT_EQ(ConvertText(text, VT_I4, v), DISP_E_TYPEMISMATCH);
        VariantClear(&v);
    }
    EXPECT_EQ(ConvertText(u"2147483648", VT_I4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"32768", VT_I2, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"-1", VT_UI1, v), DISP_E_OVERFLOW);
    // A failed conversion leaves the value as it was.
    EXPECT_EQ(v.vt, VT_BSTR);
    VariantClear(&v);
}

TEST(VariantChangeTypeText, RealsCurrencyDatesAndBooleans) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"3.5", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, 3.5);
    EXPECT_EQ(ConvertText(u"1e400", VT_R8, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u"3.5e38", VT_R4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u"-1234.56789", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, -12345679);
    ASSERT_EQ(ConvertText(u"2024-02-29", VT_DATE, v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, 45351.0);
    EXPECT_EQ(ConvertText(u"2023-02-29", VT_DATE, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u"True", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    ASSERT_EQ(ConvertText(u"0", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
    ASSERT_EQ(ConvertText(u"12.50", VT_DECIMAL, v), S_OK);
    EXPECT_EQ(v.decVal.scale, 2);
    EXPECT_EQ(v.decVal.Lo64, 1250u);
}

TEST(VariantChangeTypeText, BackToTextAndCurrencyForms) {
    VARIANT v = MakeI4Variant(-7);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string(v.bstrVal), u"-7");
    VariantClear(&v);
    VARIANT cy;
    cy.vt = VT_CY;
    BSTR text = nullptr;
    for (auto [amount, expected] : {std::pair{12345000LL, u"₩1,235"}, {5000LL, u"₩1"}, {-5000LL, u"-₩1"},
                                    {4999LL, u"₩0"}, {10000000000000LL, u"₩1,000,000,000"}}) {
        cy.cyVal.int64 = amount;
        ASSERT_EQ(VarFormatCurrency(&cy, &text), S_OK);
        EXPECT_EQ(std::u16string(text), std::u16string(expected));
        SysFreeString(text);
    }
}

TEST(VariantChangeTypeText, FlagsAreNeverConverted) {
    VARIANT v = MakeI4Variant(1);
    v.vt = VT_I4 | VT_BYREF;
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), DISP_E_BADVARTYPE);
}

} // namespace
