// The COM layer: identifiers, creation through the class registry, texts, and
// the variant conversions and text forms beyond the update path's own.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"
#include "platform/framework/CString.h"
#include "platform/recordset/RecordsetInterfaces.h"

namespace {

std::u16string Text(const VARIANT& v) { return std::u16string(v.bstrVal, SysStringLen(v.bstrVal)); }

HRESULT ConvertText(std::u16string_view text, VARTYPE vt, VARIANT& out) {
    out = MakeTextVariant(text);
    HRESULT hr = VariantChangeType(&out, &out, 0, vt);
    return hr;
}

// The text a value gives, as VariantChangeType to VT_BSTR makes it.
std::u16string AsText(VARIANT v) {
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    std::u16string out = v.vt == VT_BSTR ? Text(v) : u"?";
    VariantClear(&v);
    return out;
}

// --- identifiers ---------------------------------------------------------

TEST(ComGuid, ParsesTheBracedFormInEitherCase) {
    GUID upper, lower;
    ASSERT_TRUE(GUID::Parse("{113033F8-F682-11D2-BB62-00C04F680ACC}", upper));
    EXPECT_EQ(upper.Data1, 0x113033F8u);
    EXPECT_EQ(upper.Data2, 0xF682u);
    EXPECT_EQ(upper.Data3, 0x11D2u);
    EXPECT_EQ(upper.Data4[0], 0xBB);
    EXPECT_EQ(upper.Data4[7], 0xCC);
    ASSERT_TRUE(GUID::Parse("{113033f8-f682-11d2-bb62-00c04f680acc}", lower));
    EXPECT_TRUE(upper == lower);
    EXPECT_TRUE(CLSID_Recordset == upper);
    GUID iid;
    ASSERT_TRUE(GUID::Parse("{113033F6-F682-11D2-BB62-00C04F680ACC}", iid));
    EXPECT_TRUE(IID_IRecordset == iid);
    EXPECT_FALSE(CLSID_Recordset == IID_IRecordset);
}

TEST(ComGuid, RefusesMalformedTexts) {
    GUID g;
    for (const char* text : {"", "113033F8-F682-11D2-BB62-00C04F680ACC", "{113033F8-F682-11D2-BB62-00C04F680AC}",
                             "{113033F8-F682-11D2-BB62-00C04F680ACCC}", "{113033F8+F682-11D2-BB62-00C04F680ACC}",
                             "{113033G8-F682-11D2-BB62-00C04F680ACC}", "(113033F8-F682-11D2-BB62-00C04F680ACC)"}) {
        EXPECT_FALSE(GUID::Parse(text, g)) << text;
    }
}

// --- creation --------------------------------------------------------------

TEST(ComCreation, MakesTheRecordsetByItsIdentifiers) {
    ASSERT_EQ(CoInitializeEx(nullptr, 0), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, 0), S_OK);  // again: harmless
    IRecordset* rs = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset,
                               reinterpret_cast<void**>(&rs)),
              S_OK);
    ASSERT_NE(rs, nullptr);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(rs->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(rs->QueryInterface(IID_IFields, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(rs->AddRef(), 2u);
    EXPECT_EQ(rs->Release(), 1u);
    EXPECT_EQ(rs->Release(), 0u);
}

TEST(ComCreation, ReportsWhatCannotBeMade) {
    void* p = reinterpret_cast<void*>(1);
    GUID unknown;
    ASSERT_TRUE(GUID::Parse("{00000000-1111-2222-3333-444455556666}", unknown));
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset, &p), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset, nullptr), E_POINTER);
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IField, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, 4 /* a local server */, IID_IRecordset, &p),
              REGDB_E_CLASSNOTREG);
    IRecordset* outer = nullptr;
    CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_INPROC_SERVER, IID_IRecordset, reinterpret_cast<void**>(&outer));
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, outer, CLSCTX_INPROC_SERVER, IID_IRecordset, &p),
              CLASS_E_NOAGGREGATION);
    outer->Release();
}

TEST(ComStatus, FailureCodesAreNegative) {
    for (HRESULT hr : {E_FAIL, E_NOINTERFACE, E_POINTER, DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW, CLASS_E_CLASSNOTAVAILABLE,
                       REGDB_E_CLASSNOTREG}) {
        EXPECT_TRUE(FAILED(hr));
    }
    EXPECT_TRUE(SUCCEEDED(S_OK));
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
}

// --- reference counting ------------------------------------------------------

class IProbe : public IUnknown {
public:
    virtual int Id() = 0;
};
const IID IID_IProbe = [] {
    GUID g;
    GUID::Parse("{5A0B1C2D-0000-4000-8000-00000000AB01}", g);
    return g;
}();

class Probe : public ComObject<IProbe, IID_IProbe> {
public:
    explicit Probe(bool& gone) : m_gone(gone) {}
    // A part of `owner`, counted with it.
    Probe(IUnknown& owner, bool& gone) : ComObject(owner), m_gone(gone) {}
    ~Probe() override { m_gone = true; }
    int Id() override { return 7; }

private:
    bool& m_gone;
};

TEST(ComObjectCount, AnObjectOfItsOwnGoesWithItsLastReference) {
    bool gone = false;
    IProbe* probe = new Probe(gone);
    IProbe* again = nullptr;
    ASSERT_EQ(probe->QueryInterface(IID_IProbe, reinterpret_cast<void**>(&again)), S_OK);
    EXPECT_EQ(again, probe);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(probe->QueryInterface(IID_IRecordset, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(probe->QueryInterface(IID_IProbe, nullptr), E_POINTER);
    EXPECT_EQ(again->Release(), 1u);
    EXPECT_FALSE(gone);
    EXPECT_EQ(probe->Release(), 0u);
    EXPECT_TRUE(gone);
}

TEST(ComObjectCount, APartKeepsItsOwnerAliveAndNeverDeletesItself) {
    bool ownerGone = false;
    bool partGone = false;
    IProbe* owner = new Probe(ownerGone);
    {
        Probe part(*owner, partGone);
        IUnknown* held = nullptr;
        ASSERT_EQ(part.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&held)), S_OK);
        EXPECT_EQ(held, static_cast<IProbe*>(&part));
        EXPECT_EQ(owner->Release(), 1u);  // the caller lets go of the owner, the part still holds it
        EXPECT_FALSE(ownerGone);
        EXPECT_EQ(part.AddRef(), 2u);
        EXPECT_EQ(owner->Release(), 1u);
        EXPECT_EQ(held->Release(), 0u);
        EXPECT_TRUE(ownerGone);
        EXPECT_FALSE(partGone);  // the part lives in its owner's storage, not on its own
    }
    EXPECT_TRUE(partGone);
}

// --- texts -----------------------------------------------------------------

TEST(ComBstr, CountsItsLengthAndMayHoldNulls) {
    BSTR korean = SysAllocString(u"사과 한 개");
    EXPECT_EQ(SysStringLen(korean), 6u);
    EXPECT_EQ(korean[6], u'\0');
    SysFreeString(korean);
    BSTR inner = SysAllocStringLen(u"a\0b", 3);
    EXPECT_EQ(SysStringLen(inner), 3u);
    EXPECT_EQ(inner[2], u'b');
    SysFreeString(inner);
    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
    EXPECT_EQ(SysAllocString(static_cast<const OLECHAR*>(nullptr)), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}

// --- variants --------------------------------------------------------------

TEST(ComVariant, InitClearAndCopy) {
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

TEST(ComVariant, NumberTextsAreDecimalOnly) {
    VARIANT v;
    for (const char16_t* text : {u"0x10", u"inf", u"nan", u"1e", u"e5", u".", u"+", u"1 2", u"١٢", u"1.2.3", u"−1"}) {
        EXPECT_EQ(ConvertText(text, VT_I4, v), DISP_E_TYPEMISMATCH) << CString(text).ToUtf8();
        VariantClear(&v);
        EXPECT_EQ(ConvertText(text, VT_R8, v), DISP_E_TYPEMISMATCH);
        VariantClear(&v);
    }
    ASSERT_EQ(ConvertText(u"+7", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, 7);
    ASSERT_EQ(ConvertText(u"\t1e3 ", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, 1000);
    ASSERT_EQ(ConvertText(u"2.000", VT_I2, v), S_OK);
    EXPECT_EQ(v.iVal, 2);
    ASSERT_EQ(ConvertText(u".5", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, 0.5);
    ASSERT_EQ(ConvertText(u"-2.5E-3", VT_R8, v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, -0.0025);
    ASSERT_EQ(ConvertText(u"1e-400", VT_R8, v), S_OK);
    EXPECT_EQ(v.dblVal, 0.0);
    // A fraction far past the 30th place still is a fraction.
    EXPECT_EQ(ConvertText(u"1.0000000000000000000000000000000000000001", VT_I4, v), DISP_E_TYPEMISMATCH);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"123456789012345678901234567890123456789012", VT_I4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    EXPECT_EQ(ConvertText(u"-2147483649", VT_I4, v), DISP_E_OVERFLOW);
    VariantClear(&v);
    ASSERT_EQ(ConvertText(u"-2147483648", VT_I4, v), S_OK);
    EXPECT_EQ(v.lVal, INT32_MIN);
}

TEST(ComVariant, NumbersBetweenKinds) {
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
    VARIANT i = MakeI4Variant(-3);
    VARIANT cy;
    ASSERT_EQ(VariantChangeType(&cy, &i, 0, VT_CY), S_OK);
    EXPECT_EQ(cy.cyVal.int64, -30000);
    EXPECT_EQ(i.vt, VT_I4);  // the source stays as it was
}

TEST(ComVariant, DecimalsKeepTheirPlacesUpToTwentyEight) {
    VARIANT v;
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

TEST(ComVariant, CurrencyTextsReadBackTheirOwnForm) {
    VARIANT v;
    ASSERT_EQ(ConvertText(u"₩1,234", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, 12340000);
    ASSERT_EQ(ConvertText(u"-₩1,234,567.5", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, -12345675000LL);
    ASSERT_EQ(ConvertText(u"1234.56785", VT_CY, v), S_OK);
    EXPECT_EQ(v.cyVal.int64, 12345678);  // half to even at the fourth place
    for (const char16_t* bad : {u"₩1,23", u"₩,123", u"₩1234,567", u"1,234", u"₩", u"₩-5", u"₩1,234,"}) {
        EXPECT_EQ(ConvertText(bad, VT_CY, v), DISP_E_TYPEMISMATCH);
        VariantClear(&v);
    }
    EXPECT_EQ(ConvertText(u"1e15", VT_CY, v), DISP_E_OVERFLOW);
    VariantClear(&v);
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

TEST(ComVariant, DatesInTheirTextForms) {
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

TEST(ComVariant, BooleansAndEmptyValues) {
    VARIANT v;
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
    v.vt = VT_BOOL;
    v.boolVal = VARIANT_TRUE;
    EXPECT_EQ(AsText(v), u"True");
    VARIANT empty;
    EXPECT_EQ(AsText(empty), u"");
    VARIANT null;
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&null, &null, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&null, &null, 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&empty, &empty, 0, VT_I4), DISP_E_TYPEMISMATCH);
}

TEST(ComVariant, FloatsToText) {
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
    v.vt = VT_R4;
    v.fltVal = 0.1f;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_CY), S_OK);
    EXPECT_EQ(v.cyVal.int64, 1000);
}

// The host's locale never changes a value or a text.
TEST(ComVariant, TheHostLocaleChangesNothing) {
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

} // namespace
