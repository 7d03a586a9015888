#include "platform/com/ClassRegistry.h"

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<CLSID, CreateInstanceFunction>>& Classes() {
    static std::vector<std::pair<CLSID, CreateInstanceFunction>> classes;
    return classes;
}

} // namespace

void ClassRegistry::Register(REFCLSID clsid, CreateInstanceFunction create) {
    for (auto& entry : Classes()) {
        if (entry.first == clsid) {
            entry.second = create;
            return;
        }
    }
    Classes().emplace_back(clsid, create);
}

CreateInstanceFunction ClassRegistry::Find(REFCLSID clsid) {
    for (auto& entry : Classes()) {
        if (entry.first == clsid) return entry.second;
    }
    return nullptr;
}

HRESULT CoInitializeEx(void*, DWORD) {
    // One thread and no apartments: there is nothing to set up, and calling
    // it again is harmless.
    return S_OK;
}

void CoUninitialize() {}

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    if (!(dwClsContext & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
    CreateInstanceFunction create = ClassRegistry::Find(rclsid);
    return create ? create(riid, ppv) : REGDB_E_CLASSNOTREG;
}
