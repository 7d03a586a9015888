// The COM layer: identifiers, creation through the class registry, reference
// counting and texts. Variants have their own file.

#include <gtest/gtest.h>

#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"
#include "platform/com/RecordsetInterfaces.h"

namespace {

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
        EXPECT_FALSE(partGone);  // a part is never deleted through the count
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

} // namespace
