// Variants: making, copying and clearing them, and VariantChangeType into each
// kind in turn. A text that is not a value of the target kind fails, and is
// never read as 0; a failed conversion leaves the value as it was.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/com/Variant.h"
#include "platform/framework/CString.h"

namespace {

std::u16string Text(const VARIANT& v) { return std::u16string(v.bstrVal, SysStringLen(v.bstrVal)); }

HRESULT ConvertText(std::u16string_view text, VARTYPE vt, VARIANT& out) {
    out = MakeTextVariant(text);
    return VariantChangeType(&out, &out, 0, vt);
}

// The text a value gives, as VariantChangeType to VT_BSTR makes it.
std::u16string AsText(VARIANT v) {
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    std::u16string out = v.vt == VT_BSTR ? Text(v) : u"?";
    VariantClear(&v);
    return out;
}

// --- the API -----------------------------------------------------------------

TEST(VariantApi, InitClearAndCopy) {
    VARIANT v;
    v.vt = VT_I4;
    VariantInit(&v);
    EXPECT_EQ(v.vt, VT_EMPTY);
    VARIANT text = MakeTextVariant(u"김씨's");
    VARIANT copy;
    ASSERT_EQ(VariantCopy(&copy, &text), S_OK);
    EXPECT_NE(copy.bstrVal, text.bstrVal);
    EXPECT_EQ(Text(copy), u"김씨's");
    EXPECT_EQ(VariantClear(&text), S_OK);
    EXPECT_EQ(text.vt, VT_EMPTY);
    EXPECT_EQ(Text(copy), u"김씨's");
    VariantClear(&copy);
    EXPECT_EQ(VariantClear(nullptr), E_POINTER);
}

TEST(VariantApi, FlagsAreNeverConverted) {
    VARIANT v = MakeI4Variant(1);
    v.vt = VT_I4 | VT_BYREF;
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), DISP_E_BADVARTYPE);
}

// --- integers: VT_I4, VT_I2, VT_UI1 ------------------------------------------

TEST(VariantToInteger, WholeNumberTexts) {
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
    ASSERT_EQ(ConvertText(u"+7", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, 7);
    ASSERT_EQ(ConvertText(u"\t1e3 ", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, 1000);
    ASSERT_EQ(ConvertText(u"2.000", VT_I2, v), S_OK);
    EXPECT_EQ(v.iVal, 2);
    ASSERT_EQ(ConvertText(u"-2147483648", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, INT32_MIN);
}

TEST(VariantToInteger, RefusesWhatIsNoNumberOfTheKind) {
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
    // A fraction far past the 30th place still is a fraction.
    EXPECT_EQ(ConvertText(u"1.0000000000000000000000000000000000000001", VT_I4, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"123456789012345678901234567890123456789012", VT_I4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"-2147483649", VT_I4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
}

// Number texts are decimal only, for integers and reals alike.
TEST(VariantToInteger, NumberTextsAreDecimalOnly) {
    VARIANT v;
    for (const char16_t* text : {u"0x10", u"inf", u"nan", u"1e", u"e5", u".", u"+", u"1 2", u"١٢", u"1.2.3", u"−1"}) {
        EXPECT_EQ(ConvertText(text, VT_I4, v), DISP_E_TYPEMISMATCH) << CString(text).ToUtf8();
        VariantClear(&v);
        EXPECT_EQ(ConvertText(text, VT_R8, v), DISP_E_TYPEMISMATCH);
        VariantClear(&v);
    }
}

TEST(VariantToInteger, FromRealsRoundingHalfToEven) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = 2.5;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I4), S_OK);
    EXPECT_EQ(v.lVal, 2);  // a float rounds half to even, as the platform does
    v.vt = VT_R8;
    v.dblVal = 3.5;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_EQ(v.iVal, 4);
    v.vt = VT_R8;
    v.dblVal = 1e10;
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I4), DISP_E_OVERFLOW);
    EXPECT_EQ(v.vt, VT_R8);
}

// --- reals: VT_R8, VT_R4 -----------------------------------------------------

TEST(VariantToReal, DecimalTextsAndTheirLimits) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"3.5", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, 3.5);
    EXPECT_EQ(ConvertText(u"1e400", VT_R8, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u"3.5e38", VT_R4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u".5", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, 0.5);
    ASSERT_EQ(ConvertText(u"-2.5E-3", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, -0.0025);
    ASSERT_EQ(ConvertText(u"1e-400", VT_R8, v), S_OK);
    EXPECT_EQ(v.dblVal, 0.0);
}

// The host's locale never changes a value or a text.
TEST(VariantToReal, TheHostLocaleChangesNothing) {
    std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma on this host";
    }
    VARIANT v;
    HRESULT hr = ConvertText(u"3.25", VT_R8, v);
    double value = v.dblVal;
    VARIANT r;
    r.vt = VT_R8;
    r.dblVal = 1.5;
    std::u16string text = AsText(r);
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(hr, S_OK);
    EXPECT_DOUBLE_EQ(value, 3.25);
    EXPECT_EQ(text, u"1.5");
}

// --- currency: VT_CY -----------------------------------------------------------

TEST(VariantToCurrency, NumbersRoundHalfToEvenAtTheFourthPlace) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"-1234.56789", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, -12345679);
    ASSERT_EQ(ConvertText(u"1234.56785", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, 12345678);  // half to even at the fourth place
    EXPECT_EQ(ConvertText(u"1e15", VT_CY, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    VARIANT i = MakeI4Variant(-3);
    VARIANT cy;
    ASSERT_EQ(VariantChangeType(&cy, &i, 0, VT_CY), S_OK);
    EXPECT_EQ(cy.cyVal.int64, -30000);
    EXPECT_EQ(i.vt, VT_I4);  // the source stays as it was
    v.vt = VT_R4;
    v.fltVal = 0.1f;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_CY), S_OK);
    EXPECT_EQ(v.cyVal.int64, 1000);
}

TEST(VariantToCurrency, TextsReadBackTheirOwnForm) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"₩1,234", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, 12340000);
    ASSERT_EQ(ConvertText(u"-₩1,234,567.5", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, -12345675000LL);
    for (const char16_t* bad : {u"₩1,23", u"₩,123", u"₩1234,567", u"1,234", u"₩", u"₩-5", u"₩1,234,"}) {
        EXPECT_EQ(ConvertText(bad, VT_CY, v), DISP_E_TYPEMISMATCH);
        VariantClear(&v);
    }
    BSTR text = nullptr;
    VARIANT cy;
    cy.vt = VT_CY;
    cy.cyVal.int64 = -12345678;
    ASSERT_EQ(VarFormatCurrency(&cy, &text), S_OK);
    EXPECT_EQ(std::u16string(text), u"-₩1,235");
    VARIANT back = MakeTextVariant(text);
    SysFreeString(text);
    ASSERT_EQ(VariantChangeType(&back, &back, 0, VT_CY), S_OK);
    EXPECT_EQ(back.cyVal.int64, -12350000);
    // Currency to text is the plain number.
    EXPECT_EQ(AsText(cy), u"-1234.5678");
}

TEST(VariantToCurrency, FormattedAsWholeWonRoundingHalfAwayFromZero) {
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

// --- decimals: VT_DECIMAL ------------------------------------------------------

TEST(VariantToDecimal, KeepsItsPlacesUpToTwentyEight) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"12.50", VT_DECIMAL, v), S_OK);
    EXPECT_EQ(v.decVal.scale, 2);
    EXPECT_EQ(v.decVal.Lo64, 1250u);
    ASSERT_EQ(ConvertText(u"-0.45", VT_DECIMAL, v), S_OK);
    EXPECT_EQ(v.decVal.sign, DECIMAL_NEG);
    EXPECT_EQ(v.decVal.scale, 2);
    EXPECT_EQ(v.decVal.Lo64, 45u);
    ASSERT_EQ(ConvertText(u"0.12345678901234567890123456789", VT_DECIMAL, v), S_OK);  // 29 places
    EXPECT_EQ(v.decVal.scale, 28);
    EXPECT_EQ(AsText(v), u"0.1234567890123456789012345679");
    ASSERT_EQ(ConvertText(u"79228162514264337593543950335", VT_DECIMAL, v), S_OK);  // 2^96 - 1
    EXPECT_EQ(v.decVal.Hi32, 0xFFFFFFFFu);
    EXPECT_EQ(ConvertText(u"79228162514264337593543950336", VT_DECIMAL, v), DISP_E_OVERFLOW);
    VariantClear(&v);
}

// --- dates: VT_DATE ------------------------------------------------------------

TEST(VariantToDate, DaysThatExist) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"2024-02-29", VT_DATE, v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, 45351.0);
    EXPECT_EQ(ConvertText(u"2023-02-29", VT_DATE, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
}

TEST(VariantToDate, InTheirTextForms) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"2024-03-15 18:30:05", VT_DATE, v), S_OK);
    EXPECT_EQ(AsText(v), u"2024-03-15 오후 6:30:05");
    ASSERT_EQ(ConvertText(u"2024-03-15 오후 6:30:05", VT_DATE, v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, 45366.0 + (18 * 3600 + 30 * 60 + 5) / 86400.0);
    ASSERT_EQ(ConvertText(u"2024-03-15 오전 12:00", VT_DATE, v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, 45366.0);
    EXPECT_EQ(AsText(v), u"2024-03-15");
    ASSERT_EQ(ConvertText(u"2024-03-15 0:05", VT_DATE, v), S_OK);
    EXPECT_EQ(AsText(v), u"2024-03-15 오전 12:05:00");
    v.vt = VT_DATE;
    v.date = 0.5;  // a time alone
    EXPECT_EQ(AsText(v), u"오후 12:00:00");
    v.vt = VT_DATE;
    v.date = -1.25;  // before 1899-12-30 the time still runs forward in the day
    EXPECT_EQ(AsText(v), u"1899-12-29 오전 6:00:00");
    ASSERT_EQ(ConvertText(u"1899-12-29 06:00", VT_DATE, v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, -1.25);
    ASSERT_EQ(ConvertText(u"9999-12-31", VT_DATE, v), S_OK);
    ASSERT_EQ(ConvertText(u"0100-01-01", VT_DATE, v), S_OK);
    for (const char16_t* bad : {u"2024-3-15", u"2024-03-15x", u"2024-13-01", u"2024-04-31", u"0099-12-31",
                                u"2024-03-15 24:00", u"2024-03-15 오후 13:00", u"2024-03-15 12:5", u"15.03.2024",
                                u"", u"2024-03-15 12:00:00:00", u"+202-03-15"}) {
        EXPECT_EQ(ConvertText(bad, VT_DATE, v), DISP_E_TYPEMISMATCH) << CString(bad).ToUtf8();
        VariantClear(&v);
    }
    v.vt = VT_R8;
    v.dblVal = 1e9;
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_DATE), DISP_E_OVERFLOW);
    BSTR text = nullptr;
    v.vt = VT_DATE;
    v.date = 1e9;
    EXPECT_EQ(VarFormatDateTime(&v, &text), DISP_E_OVERFLOW);
    EXPECT_EQ(text, nullptr);
}

// --- booleans: VT_BOOL ---------------------------------------------------------

TEST(VariantToBoolean, WordsInAnyCaseAndNumbers) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"True", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    ASSERT_EQ(ConvertText(u"0", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
    ASSERT_EQ(ConvertText(u" FALSE ", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
    ASSERT_EQ(ConvertText(u"true", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    ASSERT_EQ(ConvertText(u"-2", VT_BOOL, v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    EXPECT_EQ(ConvertText(u"yes", VT_BOOL, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"", VT_BOOL, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
}

// --- texts: VT_BSTR, and empty and null values ---------------------------------

TEST(VariantToText, NumbersAndBooleans) {
    VARIANT v = MakeI4Variant(-7);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string(v.bstrVal), u"-7");
    VariantClear(&v);
    v.vt = VT_BOOL;
    v.boolVal = VARIANT_TRUE;
    EXPECT_EQ(AsText(v), u"True");
}

TEST(VariantToText, FloatsWithTheirSignificantDigits) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = 0.1 + 0.2;
    EXPECT_EQ(AsText(v), u"0.3");
    v.vt = VT_R8;
    v.dblVal = 1e20;
    EXPECT_EQ(AsText(v), u"1e+20");
    v.vt = VT_R4;
    v.fltVal = 0.1f;
    EXPECT_EQ(AsText(v), u"0.1");
}

TEST(VariantToText, EmptyIsTheEmptyTextAndNullIsNoValue) {
    VARIANT empty;
    EXPECT_EQ(AsText(empty), u"");
    VARIANT null;
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&null, &null, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&null, &null, 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&empty, &empty, 0, VT_I4), DISP_E_TYPEMISMATCH);
}

} // namespace
